#include "events.h"

#include <cstdio>

namespace fw {

EventBase::EventBase(EventSource* owner, const char* name) : name_(name)
{
    nonNil(owner, "event owner")->events_.push_back(this);
}

EventBase* EventSource::findEvent(QStringView name) const
{
    for (EventBase* event : events_) {
        if (name == QLatin1StringView(event->name()))
            return event;
    }
    return nullptr;
}

namespace {
std::function<void(std::exception_ptr)>& road()
{
    static std::function<void(std::exception_ptr)> handler;
    return handler;
}
} // namespace

void setUnhandledExceptionRoad(std::function<void(std::exception_ptr)> handler)
{
    road() = std::move(handler);
}

QString describeException(std::exception_ptr error)
{
    try {
        if (error)
            std::rethrow_exception(error);
        return QStringLiteral("An unknown error occurred.");
    } catch (const RuntimeException& e) {
        return QStringLiteral("%1: %2").arg(QString::fromUtf8(e.kind()), QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("An unknown error occurred.");
    }
}

void reportUnhandled(std::exception_ptr error) noexcept
{
    try {
        if (road()) {
            road()(error);
            return;
        }
        std::fprintf(stderr, "Unhandled exception: %s\n", qPrintable(describeException(error)));
    } catch (...) {
        std::fprintf(stderr, "Unhandled exception while reporting an unhandled exception\n");
    }
}

} // namespace fw

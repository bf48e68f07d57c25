#pragma once

#include "exceptions.h"
#include "signature.h"

#include <QString>
#include <QStringView>

#include <exception>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw {

class EventSource;

// One named event of one object. Handlers are installed per instance, by name.
class EventBase {
public:
    EventBase(EventSource* owner, const char* name);
    EventBase(const EventBase&) = delete;
    EventBase& operator=(const EventBase&) = delete;
    virtual ~EventBase() = default;

    const char* name() const { return name_; }
    virtual bool isHandled() const = 0;
    // The types that the event passes and the result it wants.
    virtual Signature signature() const = 0;
    // Installs a handler that was checked against signature(); nullptr uninstalls.
    virtual void installInvoker(Invoker invoker) = 0;

private:
    const char* name_;
};

// An object that owns named events (controls, windows).
class EventSource {
public:
    EventSource() = default;
    EventSource(const EventSource&) = delete;
    EventSource& operator=(const EventSource&) = delete;
    virtual ~EventSource() = default;

    EventBase* findEvent(QStringView name) const;
    const std::vector<EventBase*>& events() const { return events_; }

private:
    friend class EventBase;
    std::vector<EventBase*> events_;
};

template <typename Signature>
class Event;

// Raising an event calls its installed handler, if any; with none installed the
// result is the type's default (False for a Boolean event). Exceptions pass through
// to the caller: only the framework's entry points from Qt (guardedCall) stop them.
template <typename R, typename... Args>
class Event<R(Args...)> final : public EventBase {
public:
    using Handler = std::function<R(Args...)>;
    using EventBase::EventBase;

    void install(Handler handler)
    {
        handler_ = handler ? std::make_shared<const Handler>(std::move(handler)) : nullptr;
    }
    bool isHandled() const override { return handler_ != nullptr; }
    Signature signature() const override { return signatureFor<R(Args...)>(); }
    void installInvoker(Invoker invoker) override
    {
        install(invoker ? typedCall<R(Args...)>(std::move(invoker)) : Handler());
    }

    R operator()(Args... args) const
    {
        // Held for the whole call: a handler that installs another one for this event
        // must not destroy itself while it runs.
        const std::shared_ptr<const Handler> running = handler_;
        if (!running) {
            if constexpr (std::is_void_v<R>)
                return;
            else
                return R{};
        }
        return (*running)(std::forward<Args>(args)...);
    }

private:
    std::shared_ptr<const Handler> handler_;
};

// The handler of a menu item's command; true when it took the command.
using MenuHandler = std::function<bool()>;

// A handler bound to a target object and one of its methods.
template <typename Target, typename R, typename... Args>
std::function<R(Args...)> Delegate(Target* target, R (Target::*method)(Args...))
{
    nonNil(target, "delegate target");
    return [target, method](Args... args) -> R { return (target->*method)(std::forward<Args>(args)...); };
}

// Makes the delegate the handler of one event of one object. The event must exist
// and have exactly the delegate's signature.
template <typename Signature>
void _InstallInstanceEventHandler(EventSource* source, QStringView eventName, std::function<Signature> delegate)
{
    nonNil(source, "event source");
    EventBase* base = source->findEvent(eventName);
    if (!base)
        throw RuntimeException("no event named " + eventName.toString().toStdString());
    auto* event = dynamic_cast<Event<Signature>*>(base);
    if (!event)
        throw TypeMismatchException("the handler does not match the signature of event "
                                    + eventName.toString().toStdString());
    event->install(std::move(delegate));
}

// Hands an exception that escaped a handler to the unhandled-exception road. The
// application object installs the road; without one the error is written to stderr.
void reportUnhandled(std::exception_ptr error) noexcept;
void setUnhandledExceptionRoad(std::function<void(std::exception_ptr)> road);

// A text for the user that describes an escaped exception.
QString describeException(std::exception_ptr error);

// The framework's entry points from Qt (signals, event filters, paint events) call the
// program through this, so that no C++ exception ever crosses Qt's event loop.
template <typename F>
auto guardedCall(F&& f) noexcept -> std::invoke_result_t<F>
{
    using R = std::invoke_result_t<F>;
    try {
        return std::forward<F>(f)();
    } catch (...) {
        reportUnhandled(std::current_exception());
        if constexpr (!std::is_void_v<R>)
            return R{};
    }
}

} // namespace fw

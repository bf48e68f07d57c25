// Named events with typed handlers, and the guard at the boundary to Qt.
#include "framework/events.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

class Source : public fw::EventSource {
public:
    fw::Event<void()> Change{this, "Change"};
    fw::Event<bool(int, int)> MouseDown{this, "MouseDown"};
};

class Target {
public:
    int changes = 0;
    void onChange() { ++changes; }
    bool onMouseDown(int x, int y) { return x + y > 10; }
    void wrongSignature(int) {}
};

class RoadGuard {
public:
    explicit RoadGuard(std::function<void(std::exception_ptr)> road) { fw::setUnhandledExceptionRoad(std::move(road)); }
    ~RoadGuard() { fw::setUnhandledExceptionRoad({}); }
};

TEST(Events, UnhandledEventsGiveTheDefaultResult)
{
    Source source;
    EXPECT_FALSE(source.MouseDown(5, 6));
    EXPECT_FALSE(source.Change.isHandled());
}

TEST(Events, HandlersAreInstalledByNameWithTheirSignature)
{
    Source source;
    Target target;
    fw::_InstallInstanceEventHandler(&source, u"Change", fw::Delegate(&target, &Target::onChange));
    fw::_InstallInstanceEventHandler(&source, u"MouseDown", fw::Delegate(&target, &Target::onMouseDown));
    source.Change();
    source.Change();
    EXPECT_EQ(target.changes, 2);
    EXPECT_TRUE(source.MouseDown(5, 6));
    EXPECT_FALSE(source.MouseDown(1, 2));
}

TEST(Events, InstallingRefusesUnknownEventsWrongSignaturesAndNil)
{
    Source source;
    Target target;
    EXPECT_THROW(fw::_InstallInstanceEventHandler(&source, u"Paint", fw::Delegate(&target, &Target::onChange)),
                 fw::RuntimeException);
    EXPECT_THROW(fw::_InstallInstanceEventHandler(&source, u"Change", fw::Delegate(&target, &Target::wrongSignature)),
                 fw::TypeMismatchException);
    EXPECT_THROW(fw::_InstallInstanceEventHandler<void()>(nullptr, u"Change", [] {}), fw::NilObjectException);
    EXPECT_THROW(fw::Delegate(static_cast<Target*>(nullptr), &Target::onChange), fw::NilObjectException);
}

// The handler that runs keeps what it holds until it returns, even when it installs
// another handler for its own event; the next raise calls the new one.
TEST(Events, AHandlerThatReplacesItselfRunsToItsEnd)
{
    struct Held {
        bool* alive;
        ~Held() { *alive = false; }
    };
    Source source;
    bool heldAlive = true;
    bool aliveAfterReplacing = false;
    int replacementCalls = 0;
    auto held = std::make_shared<Held>(&heldAlive);
    fw::_InstallInstanceEventHandler<void()>(&source, u"Change", [&, held] {
        fw::_InstallInstanceEventHandler<void()>(&source, u"Change", [&] { ++replacementCalls; });
        aliveAfterReplacing = heldAlive && held->alive == &heldAlive;
    });
    held.reset();
    source.Change();
    EXPECT_TRUE(aliveAfterReplacing);
    EXPECT_FALSE(heldAlive); // released once the first handler had returned
    source.Change();
    EXPECT_EQ(replacementCalls, 1);
}

TEST(Events, ExceptionsPassThroughARaiseButStopAtTheGuard)
{
    Source source;
    fw::_InstallInstanceEventHandler<void()>(&source, u"Change", [] { throw fw::OutOfBoundsException("row 12"); });
    EXPECT_THROW(source.Change(), fw::OutOfBoundsException);

    QString reported;
    RoadGuard guard([&](std::exception_ptr error) { reported = fw::describeException(error); });
    fw::guardedCall([&] { source.Change(); });
    EXPECT_EQ(reported, QStringLiteral("OutOfBoundsException: row 12"));
}

TEST(Events, TheGuardReturnsTheDefaultResultAfterAnEscape)
{
    Source source;
    fw::_InstallInstanceEventHandler<bool(int, int)>(&source, u"MouseDown",
                                                     [](int, int) -> bool { throw std::runtime_error("boom"); });
    int reports = 0;
    RoadGuard guard([&](std::exception_ptr) { ++reports; });
    EXPECT_FALSE(fw::guardedCall([&] { return source.MouseDown(1, 1); }));
    EXPECT_EQ(reports, 1);
}

TEST(Events, DescribingUnknownExceptions)
{
    EXPECT_EQ(fw::describeException(std::make_exception_ptr(42)), QStringLiteral("An unknown error occurred."));
    EXPECT_EQ(fw::describeException(std::make_exception_ptr(std::runtime_error("plain"))), QStringLiteral("plain"));
}

} // namespace

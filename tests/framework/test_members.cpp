// Members by name: a window's event table raises its events, control events are bound
// to handlers found by name with their signatures checked, members (Window's and
// Application's own among them, Qt's not) are called by name, stored fields are read
// and written by name, and a class is checked by its name.
#include "test_window_support.h"

#include "framework/members.h"
#include "framework/menu_dispatch.h"
#include "framework/push_button.h"
#include "framework/static_text.h"

#include <QMainWindow>
#include <QTest>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

using namespace testwindows;

namespace {

// A window that handles three of its events through its event table.
class Described : public fw::Window {
    Q_OBJECT
    Q_CLASSINFO("Event:CreateControls", "makeControls")
    Q_CLASSINFO("Event:Open", "opened")
    Q_CLASSINFO("Event:MouseDown", "pressed")
    Q_PROPERTY(int count MEMBER count)

public:
    QStringList log;
    int count = 0;

    Q_INVOKABLE void makeControls()
    {
        _AddControl(QStringLiteral("Go"), new fw::PushButton);
        _AddControl(QStringLiteral("label"), new fw::StaticText);
        log << QStringLiteral("CreateControls");
    }
    Q_INVOKABLE void opened() { log << QStringLiteral("Open"); }
    Q_INVOKABLE bool pressed(int x, int y)
    {
        log << QStringLiteral("MouseDown %1 %2").arg(x).arg(y);
        return true;
    }
    // Not in the table: the framework never raises it for this class.
    Q_INVOKABLE void Event_Close() { log << QStringLiteral("Close"); }

    Q_INVOKABLE void Go_Action() { log << QStringLiteral("Go"); }
    Q_INVOKABLE bool label_MouseDown(int, int) { return true; }
    Q_INVOKABLE void label_MouseUp(QString) {}
    Q_INVOKABLE int label_MouseEnter() { return 0; }
    Q_INVOKABLE bool _Go_Action() { return false; }
};

// A window whose table names a member it lacks.
class Misdescribed : public fw::Window {
    Q_OBJECT
    Q_CLASSINFO("Event:MouseDown", "pressd")
};

using MembersTest = FrameworkTest;

bool messageHas(const std::exception& error, const char* part)
{
    return std::string(error.what()).find(part) != std::string::npos;
}

} // namespace

TEST_F(MembersTest, TheEventTableRaisesTheEventsItListsAndNoOthers)
{
    auto* window = fw::Window::create<Described>();
    EXPECT_EQ(window->log, QStringList({"CreateControls", "Open"}));
    EXPECT_TRUE(fw::raiseOwnEvent<bool(int, int)>(*window, "MouseDown", 3, 4));
    fw::raiseOwnEvent<void(int, int)>(*window, "MouseUp", 3, 4); // not in the table: nothing
    window->Close();
    EXPECT_EQ(window->log, QStringList({"CreateControls", "Open", "MouseDown 3 4"}));
    EXPECT_TRUE(window->isClosed());
}

TEST_F(MembersTest, BindingsFindTheirHandlerByNameAndCheckItsSignature)
{
    auto* window = fw::Window::create<Described>();
    struct Row {
        const char* control;
        const char* event;
        const char* handler;
        const char* error; // the kind of error, or nullptr when the binding is made
        const char* named; // what the error's text names
    };
    const Row rows[] = {
        {"Go", "Action", "Go_Action", nullptr, nullptr},
        {"label", "MouseDown", "label_MouseDown", nullptr, nullptr},
        {"Go", "Action", "Go_Acton", "RuntimeException", "Go_Acton"},
        {"label", "MouseUp", "label_MouseUp", "TypeMismatchException", "label_MouseUp"},
        {"label", "MouseEnter", "label_MouseEnter", "TypeMismatchException", "event MouseEnter"},
        {"label", "MouseDown", "Go_Action", "TypeMismatchException", "bool (int, int)"},
        {"Go", "Pressed", "Go_Action", "RuntimeException", "no event named Pressed"},
        {"Go", "Action", "label", "RuntimeException", "label"},
    };
    for (const Row& row : rows) {
        fw::RectControl* control = window->control<fw::RectControl>(QString::fromLatin1(row.control));
        try {
            fw::_InstallInstanceEventHandler(control, QString::fromLatin1(row.event),
                                             fw::Delegate(window, QString::fromLatin1(row.handler)));
            EXPECT_EQ(row.error, nullptr) << row.handler << " was bound";
        } catch (const fw::RuntimeException& error) {
            ASSERT_NE(row.error, nullptr) << row.handler << ": " << error.what();
            EXPECT_STREQ(error.kind(), row.error) << row.handler;
            EXPECT_TRUE(messageHas(error, row.named)) << error.what();
        }
    }
    window->control<fw::PushButton>("Go")->Action();
    EXPECT_TRUE(window->log.contains("Go"));
    EXPECT_FALSE(window->control<fw::RectControl>("label")->MouseUp.isHandled()) << "a failed binding installs nothing";

    try {
        fw::bindControlEvent(*window, QStringLiteral("Go"), QStringLiteral("Pressed"));
        ADD_FAILURE() << "bound a handler that does not exist";
    } catch (const fw::RuntimeException& error) {
        EXPECT_TRUE(messageHas(error, "Go_Pressed")) << error.what();
    }
    EXPECT_FALSE(fw::menuHandlerDelegate(window, QStringLiteral("Go"))());
    EXPECT_THROW(fw::menuHandlerDelegate(window, QStringLiteral("Stop")), fw::RuntimeException);
}

TEST_F(MembersTest, AMissingMemberInTheEventTableStopsAtTheFrameworkNamingIt)
{
    std::exception_ptr seen;
    fw::setUnhandledExceptionRoad([&](std::exception_ptr error) { seen = error; });
    auto* window = fw::Window::create<Misdescribed>();
    window->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->widget()));
    QTest::mousePress(window->content(), Qt::LeftButton, {}, QPoint(5, 5));
    fw::layUnhandledExceptionRoad();
    ASSERT_TRUE(seen);
    try {
        std::rethrow_exception(seen);
    } catch (const fw::RuntimeException& error) {
        EXPECT_TRUE(messageHas(error, "pressd")) << error.what();
    }
}

TEST_F(MembersTest, CallsAndStoredFieldsByNameRefuseWhatDoesNotFit)
{
    auto* window = fw::Window::create<Described>();
    EXPECT_EQ(fw::callMember(window, u"pressed", {QStringLiteral("7"), 8}), QVariant(true));
    EXPECT_EQ(window->log.last(), "MouseDown 7 8");
    EXPECT_THROW(fw::callMember(window, u"pressed", {1}), fw::TypeMismatchException);
    EXPECT_THROW(fw::callMember(window, u"pressed", {QStringLiteral("seven"), 8}), fw::TypeMismatchException);
    EXPECT_THROW(fw::callMember(window, u"presed"), fw::RuntimeException);

    fw::setPropertyValue(window, u"count", 12);
    EXPECT_EQ(fw::propertyValue(window, u"count"), QVariant(12));
    EXPECT_EQ(fw::propertyValue(window, u"Width"), QVariant(window->Width())) << "a base's property";
    EXPECT_THROW(fw::setPropertyValue(window, u"count", QVariant::fromValue(QPoint())), fw::TypeMismatchException);
    EXPECT_THROW(fw::setPropertyValue(window, u"counter", 1), fw::RuntimeException);
    EXPECT_FALSE(window->property("counter").isValid()) << "no property is made up";
    EXPECT_EQ(fw::classCast(window, QStringLiteral("Window")), window) << "a base's registered name";
    EXPECT_THROW(fw::classCast(window, QStringLiteral("Help.Help")), fw::IllegalCastException);
}

// Window's and Application's operations are called by name as a class's own are; Qt's
// own members answer to no name.
TEST_F(MembersTest, TheFrameworksOperationsAreCalledByNameAndQtsAreNot)
{
    auto* window = fw::Window::create<Described>();
    fw::Application application;
    bool handled = false;
    const QVariant handler = QVariant::fromValue(fw::MenuHandler([&] { return handled = true; }));
    auto* extra = new fw::StaticText;
    std::uint64_t passes = 0;
    window->setVisible(false);
    struct Row {
        QObject* target;
        const char* name;
        QVariantList arguments;
        std::function<bool()> done;
    };
    const Row rows[] = {
        {window, "Show", {}, [&] { return window->Visible(); }},
        {window, "EnableMenuItems", {}, [&] { return fw::menuUpdatePassCount() == passes + 1; }},
        {window, "_AddControl", {QStringLiteral("extra"), QVariant::fromValue<fw::RectControl*>(extra)},
         [&] { return window->findControl(QStringLiteral("extra")) == extra; }},
        {window, "_AddMenuHandler", {QStringLiteral("FileClose"), handler},
         [&] { return window->menuHandler(QStringLiteral("FileClose"))() && handled; }},
        {window, "Close", {}, [&] { return window->isClosed(); }},
        {&application, "_AddMenuHandler", {QStringLiteral("HelpHelp"), handler},
         [&] { return bool(application.menuHandler(QStringLiteral("HelpHelp"))); }},
        {&application, "Quit", {3}, [&] { return application.quitRequested() && application.quitCode() == 3; }},
    };
    for (const Row& row : rows) {
        passes = fw::menuUpdatePassCount();
        EXPECT_EQ(fw::callMember(row.target, QString::fromLatin1(row.name), row.arguments), QVariant()) << row.name;
        EXPECT_TRUE(row.done()) << row.name;
    }
    for (QObject* target : {static_cast<QObject*>(window), static_cast<QObject*>(&application)}) {
        for (const char* internal : {"deleteLater", "destroyed", "objectNameChanged"})
            EXPECT_THROW(fw::Delegate(target, QString::fromLatin1(internal)), fw::RuntimeException) << internal;
    }
}

#include "test_members.moc"

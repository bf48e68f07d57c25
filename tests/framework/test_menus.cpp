// Menus: the shared model, the shortcut texts, the windows' views of the model, the
// update pass and the dispatch of commands (window, application, framework).
#include "test_window_support.h"

#include "framework/exceptions.h"
#include "framework/menu_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include <memory>
#include <stdexcept>

using namespace testwindows;

namespace {

class MenuTest : public FrameworkTest {};

fw::MenuItem* newItem(const QString& name, const QString& text = {})
{
    auto* item = new fw::MenuItem;
    item->setName(name);
    item->setText(text);
    return item;
}

// The window's action for an item caption (plain caption, without "&"): every item's
// action is on the window, whether a bar shows it or not.
QAction* actionFor(fw::Window* window, const QString& caption)
{
    const QList<QAction*> actions = window->widget()->actions();
    for (QAction* action : actions) {
        if (!action->menu() && QString(action->text()).remove('&') == caption)
            return action;
    }
    return nullptr;
}

// The action that must be there: a missing one fails the test instead of crashing it.
QAction& actionOf(fw::Window* window, const QString& caption)
{
    QAction* action = actionFor(window, caption);
    if (!action)
        throw std::runtime_error("no action " + caption.toStdString());
    return *action;
}

QMenu* menuFor(fw::Window* window, const QString& caption)
{
    auto* bar = window->widget()->findChild<QMenuBar*>();
    if (!bar)
        return nullptr;
    for (QAction* action : bar->actions()) {
        if (action->menu() && QString(action->text()).remove('&') == caption)
            return action->menu();
    }
    return nullptr;
}

// A window that shows the bar, built and shown.
LoggingWindow* windowWithBar(fw::MenuBar* bar)
{
    nextBuild().menuBar = bar;
    auto* window = fw::Window::create<LoggingWindow>();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window->widget()));
    return window;
}

} // namespace

// ---------------------------------------------------------------- the model

TEST_F(MenuTest, ItemsHoldTheirChildrenInOrderAndFindThemByName)
{
    fw::MenuBar bar;
    fw::MenuItem* file = newItem("FileMenu", "&File");
    bar.Append(file);
    fw::MenuItem* close = newItem("FileClose", "Close");
    file->Append(close);
    auto* quit = new fw::QuitMenuItem;
    quit->setName("FileQuit");
    file->Append(quit);

    EXPECT_EQ(bar.Count(), 1);
    EXPECT_EQ(file->Count(), 2);
    EXPECT_EQ(file->Item(0), close);
    EXPECT_EQ(file->Item(1), quit);
    EXPECT_EQ(close->parentItem(), file);
    EXPECT_EQ(bar.Child("filemenu"), file);
    EXPECT_EQ(bar.Child("FileClose"), nullptr); // not a direct child
    EXPECT_EQ(bar._Lookup("FileQuit"), quit);
    EXPECT_EQ(bar._Lookup("UntitledMenu1"), nullptr);
    EXPECT_THROW(file->Item(2), fw::OutOfBoundsException);
    EXPECT_THROW(file->Item(-1), fw::OutOfBoundsException);
    EXPECT_THROW(file->Append(nullptr), fw::NilObjectException);
    EXPECT_THROW(close->Append(file), fw::RuntimeException);
    EXPECT_THROW(file->Append(file), fw::RuntimeException);
}

TEST_F(MenuTest, AppendingAnItemThatHasAParentMovesIt)
{
    fw::MenuBar bar;
    fw::MenuItem* first = newItem("First");
    fw::MenuItem* second = newItem("Second");
    fw::MenuItem* item = newItem("Item");
    bar.Append(first);
    bar.Append(second);
    first->Append(item);
    second->Append(item);
    EXPECT_EQ(first->Count(), 0);
    EXPECT_EQ(second->Item(0), item);
    EXPECT_EQ(item->parentItem(), second);
}

TEST_F(MenuTest, ChangesSignalOnlyRealChangesAndStructureChangesReachTheRoot)
{
    fw::MenuBar bar;
    fw::MenuItem* menu = newItem("Menu");
    bar.Append(menu);
    QSignalSpy changed(menu, &fw::MenuItem::changed);
    QSignalSpy structure(&bar, &fw::MenuItem::structureChanged);
    menu->setText("One");
    menu->setText("One");
    menu->setEnabled(false);
    menu->setEnabled(false);
    menu->setKeyboardShortcut("Cmd+O");
    EXPECT_EQ(changed.count(), 3);
    menu->Append(newItem("Leaf"));
    EXPECT_EQ(structure.count(), 1);
}

TEST_F(MenuTest, MenuItemCastChecksTheClass)
{
    fw::MenuBar bar;
    auto* quit = new fw::QuitMenuItem;
    bar.Append(quit);
    fw::MenuItem* plain = newItem("Plain");
    bar.Append(plain);
    EXPECT_EQ(fw::menuItemCast<fw::QuitMenuItem>(quit), quit);
    EXPECT_EQ(fw::menuItemCast<fw::MenuItem>(quit), quit);
    EXPECT_EQ(fw::menuItemCast<fw::QuitMenuItem>(nullptr), nullptr);
    EXPECT_THROW(fw::menuItemCast<fw::AppleMenuItem>(plain), fw::IllegalCastException);
}

TEST_F(MenuTest, ShortcutTextsReadCmdAsCtrlAndCmdQuestionAlsoAsTheHelpKey)
{
    EXPECT_EQ(fw::keySequencesFor("Cmd+W"), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_W)});
    EXPECT_EQ(fw::keySequencesFor("Cmd+Shift+Z"),
              QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    const QList<QKeySequence> help = fw::keySequencesFor("Cmd+?");
    ASSERT_FALSE(help.isEmpty());
    EXPECT_EQ(help.first(), QKeySequence(Qt::CTRL | Qt::Key_Question));
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::HelpContents))
        EXPECT_TRUE(help.contains(key)) << key.toString().toStdString();
    EXPECT_TRUE(fw::keySequencesFor("").isEmpty());
    EXPECT_TRUE(fw::keySequencesFor("Cmd+NoSuchKey").isEmpty());
}

// Cmd and Option are read in any case, only where they begin a word.
TEST_F(MenuTest, ShortcutTextsReadCmdAndOptionInAnyCaseAtTheStartOfAWord)
{
    const struct {
        const char* text;
        QKeySequence expected; // empty: not a shortcut
    } cases[] = {
        {"cmd+w", QKeySequence(Qt::CTRL | Qt::Key_W)},
        {" CMD+Option+X ", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X)},
        {"option+F4", QKeySequence(Qt::ALT | Qt::Key_F4)},
        {"Shift+Cmd+S", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_S)},
        {"Ctrl+W", QKeySequence(Qt::CTRL | Qt::Key_W)},
        {"xCmd+W", QKeySequence()},
        {"_Option+W", QKeySequence()},
        {"Cmd+", QKeySequence()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QList<QKeySequence> sequences = fw::keySequencesFor(QString::fromLatin1(c.text));
        if (c.expected.isEmpty())
            EXPECT_TRUE(sequences.isEmpty());
        else
            EXPECT_EQ(sequences, QList<QKeySequence>{c.expected});
    }
}

// ---------------------------------------------------------------- views

TEST_F(MenuTest, EveryWindowViewsTheOneModelAndSeesItsChangesAtOnce)
{
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    auto* first = windowWithBar(bar.get());
    auto* second = windowWithBar(bar.get());

    for (fw::Window* window : {static_cast<fw::Window*>(first), static_cast<fw::Window*>(second)}) {
        auto* qtBar = window->widget()->findChild<QMenuBar*>();
        ASSERT_NE(qtBar, nullptr);
        ASSERT_EQ(qtBar->actions().size(), 4);
        EXPECT_EQ(qtBar->actions().at(0)->text(), "&File");
        QMenu* edit = menuFor(window, "Edit");
        ASSERT_NE(edit, nullptr);
        ASSERT_EQ(edit->actions().size(), 6);
        EXPECT_EQ(edit->actions().at(0)->text(), "&Undo");
        EXPECT_TRUE(edit->actions().at(1)->isSeparator());
        ASSERT_NE(actionFor(window, "Close"), nullptr);
        EXPECT_EQ(actionOf(window, "Close").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    }

    fw::MenuItem* showInfo = bar->_Lookup("WindowShowInfo");
    showInfo->setText("Hide Info");
    bar->_Lookup("EditCopy")->setEnabled(false);
    bar->_Lookup("EditUndo")->setKeyboardShortcut("Cmd+U");
    for (fw::Window* window : {static_cast<fw::Window*>(first), static_cast<fw::Window*>(second)}) {
        ASSERT_NE(actionFor(window, "Hide Info"), nullptr);
        EXPECT_EQ(actionFor(window, "Show Info"), nullptr);
        EXPECT_FALSE(actionOf(window, "Copy").isEnabled());
        EXPECT_EQ(actionOf(window, "Undo").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));
    }
}

TEST_F(MenuTest, AnItemAppendedLaterShowsOnceControlReturnsToTheLoop)
{
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    auto* window = windowWithBar(bar.get());
    bar->Child("HelpMenu")->Append(newItem("HelpTips", "Tips"));
    returnToEventLoop();
    ASSERT_NE(actionFor(window, "Tips"), nullptr);
    EXPECT_EQ(menuFor(window, "Help")->actions().size(), 3);
}

TEST_F(MenuTest, AViewOutlivesItsModel)
{
    auto* bar = newTestMenuBar();
    auto* window = windowWithBar(bar);
    delete bar;
    EXPECT_EQ(window->MenuBar(), nullptr);
    EXPECT_EQ(actionFor(window, "Close"), nullptr);
    window->EnableMenuItems();
}

// ---------------------------------------------------------------- the update pass

TEST_F(MenuTest, TheUpdatePassFollowsAutoEnableThenLetsTheFrontWindowEnableItems)
{
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    auto* window = windowWithBar(bar.get());
    fw::MenuItem* close = bar->_Lookup("FileClose");
    fw::MenuItem* copy = bar->_Lookup("EditCopy");
    close->setEnabled(true);
    copy->setEnabled(false);

    window->log.clear();
    window->EnableMenuItems();
    EXPECT_FALSE(close->Enabled());
    EXPECT_TRUE(copy->Enabled());
    EXPECT_FALSE(actionOf(window, "Close").isEnabled());
    EXPECT_EQ(window->log, QStringList{"EnableMenuItems"});

    window->onEnableMenuItems = [&] { close->setEnabled(true); };
    bar->Enable();
    EXPECT_TRUE(close->Enabled());
    EXPECT_TRUE(actionOf(window, "Close").isEnabled());
}

TEST_F(MenuTest, AMenuAboutToOpenRunsTheUpdatePass)
{
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    auto* window = windowWithBar(bar.get());
    bar->_Lookup("FileClose")->setEnabled(true);
    window->log.clear();
    emit menuFor(window, "File")->aboutToShow();
    EXPECT_EQ(window->log, QStringList{"EnableMenuItems"});
    EXPECT_FALSE(bar->_Lookup("FileClose")->Enabled());
}

TEST_F(MenuTest, APassRequestedDuringAPassIsIgnored)
{
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    auto* window = windowWithBar(bar.get());
    window->onEnableMenuItems = [&] { window->EnableMenuItems(); };
    window->log.clear();
    window->EnableMenuItems();
    EXPECT_EQ(window->log.count("EnableMenuItems"), 1);
}

TEST_F(MenuTest, TheUpdatePassCoversTheApplicationsBarWhenTheFrontWindowHasNone)
{
    auto* app = new LoggingApplication;
    app->registerAsApplication();
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    app->setMenuBar(bar.get());
    auto* window = fw::Window::create<LoggingWindow>();
    bar->_Lookup("FileClose")->setEnabled(true);
    window->log.clear();
    window->EnableMenuItems();
    EXPECT_FALSE(bar->_Lookup("FileClose")->Enabled());
    EXPECT_EQ(window->log, QStringList{"EnableMenuItems"});
}

// ---------------------------------------------------------------- dispatch

TEST_F(MenuTest, ACommandGoesToTheFrontWindowThenToTheApplicationThenQuits)
{
    auto* app = new LoggingApplication;
    app->registerAsApplication();
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    app->setMenuBar(bar.get());
    auto* window = windowWithBar(bar.get());
    QStringList calls;
    bool windowTakes = true;
    window->_AddMenuHandler("FileQuit", [&] {
        calls << "window";
        return windowTakes;
    });
    app->_AddMenuHandler("FileQuit", [&] {
        calls << "application";
        return false;
    });
    QAction* quit = actionFor(window, "Quit");
    ASSERT_NE(quit, nullptr);

    quit->trigger();
    EXPECT_EQ(calls, QStringList{"window"});
    EXPECT_FALSE(app->quitRequested());

    windowTakes = false;
    quit->trigger();
    EXPECT_EQ(calls, QStringList({"window", "window", "application"}));
    EXPECT_TRUE(app->quitRequested());
    EXPECT_EQ(app->quitCode(), 0);
}

TEST_F(MenuTest, TheApplicationsHandlerTakesWhatNoWindowHandles)
{
    auto* app = new LoggingApplication;
    app->registerAsApplication();
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    app->setMenuBar(bar.get());
    auto* window = windowWithBar(bar.get());
    int shown = 0;
    app->_AddMenuHandler("windowshowinfo", [&] {
        ++shown;
        return false;
    });
    actionOf(window, "Show Info").trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(app->quitRequested());

    // A disabled item does nothing.
    bar->_Lookup("WindowShowInfo")->setEnabled(false);
    actionOf(window, "Show Info").trigger();
    EXPECT_EQ(shown, 1);
}

// A window that sets no bar of its own shows the application's above its content,
// unless it is a plain box or its MenuBarVisible is False; it answers the bar's
// shortcuts either way.
TEST_F(MenuTest, AWindowWithoutABarOfItsOwnShowsTheApplicationsUnlessAPlainBox)
{
    struct Case {
        const char* name;
        QByteArray record;
        bool barVisible;
        bool showsBar;
        QSize content;
    };
    const Case cases[] = {
        {"document window", resizableRecord(), true, true, QSize(300, 300)},
        {"bar not visible", resizableRecord(), false, false, QSize(300, 300)},
        {"plain box", plainBoxRecord(), true, false, QSize(301, 323)},
    };
    auto* app = new LoggingApplication;
    app->registerAsApplication();
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    app->setMenuBar(bar.get());
    int infos = 0;
    app->_AddMenuHandler("WindowShowInfo", [&] {
        ++infos;
        return false;
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextBuild().record = c.record;
        nextBuild().createControls = [&](fw::Window* w) { w->setMenuBarVisible(c.barVisible); };
        auto* window = fw::Window::create<LoggingWindow>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));

        EXPECT_EQ(window->MenuBar(), nullptr);
        auto* qtBar = window->widget()->findChild<QMenuBar*>();
        ASSERT_EQ(qtBar != nullptr, c.showsBar);
        const int barHeight = qtBar ? qtBar->height() : 0;
        if (qtBar) {
            EXPECT_EQ(qtBar->actions().size(), 4);
            EXPECT_EQ(menuFor(window, "File")->actions().size(), 2);
            EXPECT_EQ(window->content()->geometry().top(), qtBar->geometry().bottom() + 1);
        }
        EXPECT_EQ(window->content()->size(), c.content);
        EXPECT_EQ(window->widget()->size(), c.content + QSize(0, barHeight));

        infos = 0;
        QTest::keyClick(window->widget(), Qt::Key_I, Qt::ControlModifier);
        EXPECT_EQ(infos, 1);
        window->Close();
    }
}

TEST_F(MenuTest, UnhandledEditItemsActOnTheFocusedTextWidget)
{
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    auto* window = windowWithBar(bar.get());
    auto* edit = new QLineEdit(window->content());
    edit->show();
    edit->setText("hello world");
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);

    edit->setSelection(0, 5);
    actionOf(window, "Copy").trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "hello");
    actionOf(window, "Cut").trigger();
    EXPECT_EQ(edit->text(), " world");
    edit->setCursorPosition(6);
    actionOf(window, "Paste").trigger();
    EXPECT_EQ(edit->text(), " worldhello");
    actionOf(window, "Undo").trigger();
    EXPECT_EQ(edit->text(), " world");
    edit->setSelection(0, 1);
    actionOf(window, "Clear").trigger();
    EXPECT_EQ(edit->text(), "world");

    // Clear takes the selection only: with none, the text stays.
    edit->setCursorPosition(0);
    actionOf(window, "Clear").trigger();
    EXPECT_EQ(edit->text(), "world");

    // A window that handles the item itself keeps the framework out.
    window->_AddMenuHandler("EditClear", [] { return true; });
    edit->selectAll();
    actionOf(window, "Clear").trigger();
    EXPECT_EQ(edit->text(), "world");
}

// QLineEdit's own cut, paste, del and undo change even a read-only line: the Edit
// items must not. Copying still works.
TEST_F(MenuTest, EditItemsLeaveAReadOnlyFieldAsItIs)
{
    std::unique_ptr<fw::MenuBar> bar(newTestMenuBar());
    auto* window = windowWithBar(bar.get());
    auto* line = new QLineEdit(window->content());
    auto* text = new QTextEdit(window->content());
    text->move(0, 40);
    for (QWidget* widget : {static_cast<QWidget*>(line), static_cast<QWidget*>(text)})
        widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));

    line->setText("typed");
    line->insert("!"); // something to undo
    line->setReadOnly(true);
    line->setFocus();
    line->selectAll();
    QApplication::clipboard()->setText("pasted");
    for (const char* caption : {"Undo", "Cut", "Paste", "Clear"}) {
        actionOf(window, caption).trigger();
        EXPECT_EQ(line->text(), "typed!") << caption;
    }
    actionOf(window, "Copy").trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "typed!");

    text->setPlainText("kept");
    text->textCursor().insertText("+"); // something to undo
    text->setReadOnly(true);
    text->setFocus();
    text->selectAll();
    QApplication::clipboard()->setText("pasted");
    for (const char* caption : {"Undo", "Cut", "Paste", "Clear"}) {
        actionOf(window, caption).trigger();
        EXPECT_EQ(text->toPlainText(), "+kept") << caption;
    }
}

#include "menu_view.h"

#include "events.h"
#include "menu_dispatch.h"
#include "menus.h"
#include "window.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace fw {

namespace {

bool isWordCharacter(QChar c)
{
    return c == QLatin1Char('_') || (c.unicode() < 128 && c.isLetterOrNumber());
}

// Replaces each `from` (any case) that begins a word with `to`. Done by hand: a
// regular expression costs more to compile than all the menus' shortcuts take.
void replaceAtWordStart(QString& text, QLatin1StringView from, QLatin1StringView to)
{
    qsizetype at = 0;
    while ((at = text.indexOf(from, at, Qt::CaseInsensitive)) >= 0) {
        if (at > 0 && isWordCharacter(text[at - 1])) {
            ++at;
            continue;
        }
        text.replace(at, from.size(), to);
        at += to.size();
    }
}

} // namespace

QList<QKeySequence> keySequencesFor(const QString& shortcut)
{
    QString text = shortcut.trimmed();
    if (text.isEmpty())
        return {};
    replaceAtWordStart(text, QLatin1StringView("Cmd+"), QLatin1StringView("Ctrl+"));
    replaceAtWordStart(text, QLatin1StringView("Option+"), QLatin1StringView("Alt+"));
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.isEmpty())
        return {};
    for (int i = 0; i < sequence.count(); ++i) {
        if (sequence[i].key() == Qt::Key_unknown)
            return {};
    }
    QList<QKeySequence> sequences{sequence};
    if (sequence.count() == 1 && sequence[0].key() == Qt::Key_Question)
        sequences << QKeySequence::keyBindings(QKeySequence::HelpContents);
    return sequences;
}

MenuView::MenuView(Window* owner, QMainWindow* host, MenuBar* model, bool showBar)
    : owner_(owner), host_(host), model_(model), showBar_(showBar)
{
    if (model_) {
        connect(model_, &MenuItem::structureChanged, this, &MenuView::scheduleRebuild);
        connect(model_, &QObject::destroyed, this, &MenuView::clear);
    }
    build();
}

MenuView::~MenuView()
{
    clear();
}

MenuBar* MenuView::model() const
{
    return model_;
}

QMenuBar* MenuView::bar() const
{
    return bar_;
}

QAction* MenuView::actionFor(const MenuItem* item) const
{
    for (const Entry& entry : entries_) {
        if (entry.item == item)
            return entry.action;
    }
    return nullptr;
}

QMenu* MenuView::menuFor(const MenuItem* item) const
{
    QAction* action = actionFor(item);
    return action ? action->menu() : nullptr;
}

void MenuView::build()
{
    if (!model_ || !host_)
        return;
    scope_ = std::make_unique<QObject>();
    if (showBar_) {
        bar_ = new QMenuBar(host_);
        host_->setMenuBar(bar_);
    }
    addChildren(model_, nullptr);
}

void MenuView::clear()
{
    entries_.clear();
    scope_.reset();
    for (const QPointer<QAction>& action : actions_)
        delete action.data();
    actions_.clear();
    for (const QPointer<QMenu>& menu : menus_)
        delete menu.data();
    menus_.clear();
    // Deleting the bar takes it out of the window's layout as well.
    delete bar_.data();
}

void MenuView::scheduleRebuild()
{
    // Deferred: the change may come from a handler that one of our actions is running.
    if (rebuildPending_)
        return;
    rebuildPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            rebuildPending_ = false;
            clear();
            build();
        },
        Qt::QueuedConnection);
}

void MenuView::addChildren(MenuItem* parent, QMenu* menu)
{
    for (int i = 0; i < parent->Count(); ++i) {
        MenuItem* child = parent->Item(i);
        if (child->Count() > 0)
            addMenu(child, menu);
        else
            addAction(child, menu);
    }
}

void MenuView::addMenu(MenuItem* item, QMenu* parentMenu)
{
    if (!showBar_) {
        addChildren(item, nullptr);
        return;
    }
    auto* menu = new QMenu(bar_);
    menus_.emplace_back(menu);
    if (parentMenu)
        parentMenu->addMenu(menu);
    else
        bar_->addMenu(menu);
    bind(item, menu->menuAction());
    connect(menu, &QMenu::aboutToShow, this, &MenuView::menuAboutToShow);
    addChildren(item, menu);
}

void MenuView::addAction(MenuItem* item, QMenu* menu)
{
    // A separator changes the structure if its caption ever changes.
    if (item->isSeparator()) {
        connect(item, &MenuItem::changed, scope_.get(), [this] { scheduleRebuild(); });
        if (menu)
            menu->addSeparator();
        return;
    }
    auto* action = new QAction(this);
    actions_.emplace_back(action);
    if (menu)
        menu->addAction(action);
    else if (bar_)
        bar_->addAction(action);
    // On the window too, so that its shortcut works whether or not a bar shows it.
    host_->addAction(action);
    if (qobject_cast<QuitMenuItem*>(item))
        action->setMenuRole(QAction::QuitRole);
    else if (qobject_cast<AppleMenuItem*>(item))
        action->setMenuRole(QAction::AboutRole);
    else
        action->setMenuRole(QAction::NoRole);
    bind(item, action);
    connect(action, &QAction::triggered, this, [this, target = QPointer<MenuItem>(item)] {
        guardedCall([&] {
            if (target)
                runMenuCommand(target, owner_);
        });
    });
}

void MenuView::bind(MenuItem* item, QAction* action)
{
    entries_.push_back({item, action});
    refresh(item, action);
    connect(item, &MenuItem::changed, action, [this, item, action] {
        refresh(item, action);
        if (item->isSeparator())
            scheduleRebuild();
    });
}

void MenuView::refresh(MenuItem* item, QAction* action)
{
    action->setText(item->Text());
    action->setEnabled(item->Enabled());
    if (!action->menu())
        action->setShortcuts(keySequencesFor(item->KeyboardShortcut()));
}

void MenuView::menuAboutToShow()
{
    guardedCall([&] {
        runMenuUpdatePass(owner_ && !owner_->isClosed() ? owner_ : frontWindow());
    });
}

} // namespace fw

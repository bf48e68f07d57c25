#include "menu_bar1.h"

#include "framework/exceptions.h"

#include <memory>
#include <optional>

namespace {

std::unique_ptr<class MenuBar1> sharedMenuBar;

// Sets the item's keys in the order the bar is defined with; the separator line has
// no shortcut at all, which is not the same as an empty one.
template <typename Item>
Item* makeItem(const char* name, bool autoEnable, const QString& text, std::optional<const char*> shortcut)
{
    auto* item = fw::nonNil(new Item, name);
    item->setName(QString::fromLatin1(name));
    item->setAutoEnable(autoEnable);
    item->setText(text);
    if (shortcut)
        item->setKeyboardShortcut(QString::fromLatin1(*shortcut));
    return item;
}

constexpr std::optional<const char*> kNoShortcutKey = std::nullopt;

} // namespace

MenuBar1::MenuBar1()
{
    Untitled1();
    Untitled2();
    Untitled3();
    Untitled4();
}

void MenuBar1::appendTo(const char* menuName, fw::MenuItem* item)
{
    fw::nonNil(Child(QString::fromLatin1(menuName)), menuName)->Append(item);
}

void MenuBar1::Untitled1()
{
    Append(makeItem<fw::MenuItem>("FileMenu", true, QStringLiteral("&File"), ""));
    appendTo("FileMenu", makeItem<fw::MenuItem>("FileClose", false, QStringLiteral("Close"), "Cmd+W"));
    appendTo("FileMenu", makeItem<fw::QuitMenuItem>("FileQuit", true, QStringLiteral("Quit"), "Cmd+Q"));
}

void MenuBar1::Untitled2()
{
    Append(makeItem<fw::MenuItem>("EditMenu", true, QStringLiteral("&Edit"), ""));
    appendTo("EditMenu", makeItem<fw::MenuItem>("EditUndo", true, QStringLiteral("&Undo"), "Cmd+Z"));
    appendTo("EditMenu", makeItem<fw::MenuItem>("UntitledMenu0", true, QStringLiteral("-"), kNoShortcutKey));
    appendTo("EditMenu", makeItem<fw::MenuItem>("EditCut", true, QStringLiteral("Cu&t"), "Cmd+X"));
    appendTo("EditMenu", makeItem<fw::MenuItem>("EditCopy", true, QStringLiteral("&Copy"), "Cmd+C"));
    appendTo("EditMenu", makeItem<fw::MenuItem>("EditPaste", true, QStringLiteral("&Paste"), "Cmd+V"));
    appendTo("EditMenu", makeItem<fw::MenuItem>("EditClear", true, QStringLiteral("Clear"), ""));
}

void MenuBar1::Untitled3()
{
    Append(makeItem<fw::MenuItem>("WindowMenu", true, QStringLiteral("Window"), ""));
    appendTo("WindowMenu", makeItem<fw::MenuItem>("WindowShowInfo", true, QStringLiteral("Show Info"), "Cmd+I"));
}

void MenuBar1::Untitled4()
{
    Append(makeItem<fw::MenuItem>("HelpMenu", true, QStringLiteral("Help"), ""));
    appendTo("HelpMenu", makeItem<fw::MenuItem>("HelpHelp", true, QStringLiteral("Help"), "Cmd+?"));
    appendTo("HelpMenu",
             makeItem<fw::AppleMenuItem>("AppleAboutOruvel", true, QStringLiteral("About Oruvel..."), ""));
}

class MenuBar1* MenuBar1()
{
    if (!sharedMenuBar)
        sharedMenuBar = std::make_unique<class MenuBar1>();
    return sharedMenuBar.get();
}

void releaseMenuBar1()
{
    sharedMenuBar.reset();
}

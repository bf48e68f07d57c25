#include "menus.h"

#include "menu_dispatch.h"
#include "text.h"

#include <algorithm>

namespace fw {

MenuItem::MenuItem() = default;

MenuItem::~MenuItem()
{
    // Children are owned; they are deleted first so that views see them go before us.
    std::vector<MenuItem*> children;
    children.swap(children_);
    for (MenuItem* child : children) {
        child->parent_ = nullptr;
        delete child;
    }
    if (parent_) {
        std::erase(parent_->children_, this);
        for (MenuItem* item = parent_; item; item = item->parent_)
            emit item->structureChanged();
    }
}

void MenuItem::setName(const QString& name)
{
    name_ = name;
}

void MenuItem::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    emit changed();
}

void MenuItem::setKeyboardShortcut(const QString& shortcut)
{
    if (shortcut == shortcut_)
        return;
    shortcut_ = shortcut;
    emit changed();
}

void MenuItem::setAutoEnable(bool autoEnable)
{
    autoEnable_ = autoEnable;
}

void MenuItem::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    emit changed();
}

void MenuItem::Append(MenuItem* child)
{
    nonNil(child, "menu item to append");
    for (const MenuItem* ancestor = this; ancestor; ancestor = ancestor->parent_) {
        if (ancestor == child)
            throw RuntimeException("a menu item cannot be appended to itself or below itself");
    }
    if (child->parent_) {
        std::erase(child->parent_->children_, child);
        for (MenuItem* old = child->parent_; old; old = old->parent_)
            emit old->structureChanged();
    }
    child->parent_ = this;
    children_.push_back(child);
    for (MenuItem* item = this; item; item = item->parent_)
        emit item->structureChanged();
}

MenuItem* MenuItem::Child(const QString& name) const
{
    for (MenuItem* child : children_) {
        if (StrEquals(child->Name(), name))
            return child;
    }
    return nullptr;
}

MenuItem* MenuItem::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw OutOfBoundsException("menu item index " + std::to_string(index) + " outside 0 to "
                                   + std::to_string(Count() - 1));
    return children_[static_cast<std::size_t>(index)];
}

MenuItem* MenuItem::_Lookup(const QString& name)
{
    if (StrEquals(name_, name))
        return this;
    for (MenuItem* child : children_) {
        if (MenuItem* found = child->_Lookup(name))
            return found;
    }
    return nullptr;
}

MenuBar::MenuBar() = default;

void MenuBar::Enable()
{
    runMenuUpdatePass(frontWindow());
}

QuitMenuItem::QuitMenuItem() = default;

AppleMenuItem::AppleMenuItem() = default;

} // namespace fw

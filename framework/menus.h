#pragma once

#include "exceptions.h"

#include <QObject>
#include <QString>

#include <string>

#include <vector>

namespace fw {

// One item of the shared menu model. A menu is an item with children; the bar is the
// root. Windows show views of the one model, so a caption or an enabled state set here
// shows in every window at once.
class MenuItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(QString KeyboardShortcut READ KeyboardShortcut WRITE setKeyboardShortcut)
    Q_PROPERTY(bool AutoEnable READ AutoEnable WRITE setAutoEnable)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
    MenuItem();
    ~MenuItem() override;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    QString Name() const { return name_; }
    void setName(const QString& name);
    // The caption; "-" is a separator line and "&" marks the mnemonic.
    QString Text() const { return text_; }
    void setText(const QString& text);
    // "Cmd+W" style: Cmd is the platform's command modifier (Ctrl here).
    QString KeyboardShortcut() const { return shortcut_; }
    void setKeyboardShortcut(const QString& shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void setAutoEnable(bool autoEnable);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Appends a child; the item takes ownership (nil raises NilObjectException). An
    // item that already has a parent moves here; appending an item to itself or to one
    // of its own descendants raises RuntimeException.
    void Append(MenuItem* child);
    // The direct child of that name (names compare as the framework's strings do:
    // without regard to case), or nullptr.
    MenuItem* Child(const QString& name) const;
    int Count() const { return static_cast<int>(children_.size()); }
    // The child at a 0-based position; OutOfBoundsException outside.
    MenuItem* Item(int index) const;
    // This item or a descendant of that name (depth first), or nullptr.
    MenuItem* _Lookup(const QString& name);
    MenuItem* parentItem() const { return parent_; }
    bool isSeparator() const { return text_ == QLatin1String("-"); }

signals:
    // The caption, shortcut or enabled state changed.
    void changed();
    // A child was appended somewhere below this item.
    void structureChanged();

private:
    QString name_;
    QString text_;
    QString shortcut_;
    bool autoEnable_ = true;
    bool enabled_ = true;
    MenuItem* parent_ = nullptr;
    std::vector<MenuItem*> children_;
};

// The root of a menu model.
class MenuBar : public MenuItem {
    Q_OBJECT

public:
    MenuBar();
    // Runs a menu update pass for the front window.
    void Enable();
};

// The item that quits the application when no handler takes its command.
class QuitMenuItem : public MenuItem {
    Q_OBJECT

public:
    QuitMenuItem();
};

// The application's About item.
class AppleMenuItem : public MenuItem {
    Q_OBJECT

public:
    AppleMenuItem();
};

// A checked cast of a menu item: nullptr for nil, IllegalCastException for another class.
template <typename T>
T* menuItemCast(MenuItem* item)
{
    if (!item)
        return nullptr;
    T* typed = qobject_cast<T*>(item);
    if (!typed)
        throw IllegalCastException("menu item " + item->Name().toStdString() + " is not a "
                                   + T::staticMetaObject.className());
    return typed;
}

} // namespace fw

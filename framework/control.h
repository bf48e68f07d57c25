#pragma once

#include "control_class.h"
#include "events.h"
#include "record.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class QFont;

namespace fw {

class Window;

// The range of the geometry keys, Qt's own limit for a widget's size: Left and Top
// from -kMaxCoordinate to kMaxCoordinate, Width and Height from 0 to kMaxCoordinate,
// so that every edge and every sum of them stays well within an int.
inline constexpr int kMaxCoordinate = 16777215;

// The base of every control: its name, its control-array index and its tab page.
class Control : public QObject, public EventSource {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(int Index READ Index WRITE setIndex)
    Q_PROPERTY(int TabPanelIndex READ TabPanelIndex WRITE setTabPanelIndex)

public:
    ~Control() override;

    QString Name() const { return name_; }
    // A control on a window stays findable under its new name.
    void setName(const QString& name);
    int Index() const { return index_; }
    void setIndex(int index) { index_ = index; }
    int TabPanelIndex() const { return tabPanelIndex_; }
    void setTabPanelIndex(int page);

    // The window the control was added to (nullptr before _AddControl).
    Window* window() const;

protected:
    Control() = default;
    // Called when something that decides whether the control is shown has changed.
    virtual void placementChanged() {}

private:
    friend class Window;
    QString name_;
    int index_ = 0;
    int tabPanelIndex_ = 0;
    QPointer<Window> window_;
};

// A control with a rectangle on its window: position and size in window coordinates,
// edge locks, focus order, visibility, tooltip, enabled state and the mouse and focus
// events. It owns one Qt widget, which the window stacks in creation order.
class RectControl : public Control {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(bool LockLeft READ LockLeft WRITE setLockLeft)
    Q_PROPERTY(bool LockTop READ LockTop WRITE setLockTop)
    Q_PROPERTY(bool LockRight READ LockRight WRITE setLockRight)
    Q_PROPERTY(bool LockBottom READ LockBottom WRITE setLockBottom)
    Q_PROPERTY(int TabIndex READ TabIndex WRITE setTabIndex)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(QString HelpTag READ HelpTag WRITE setHelpTag)
    Q_PROPERTY(bool AutoDeactivate READ AutoDeactivate WRITE setAutoDeactivate)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QString InitialParent READ InitialParent WRITE setInitialParent)

public:
    ~RectControl() override;

    QWidget* widget() const { return widget_; }

    int Left() const { return left_; }
    void setLeft(int left);
    int Top() const { return top_; }
    void setTop(int top);
    int Width() const { return width_; }
    void setWidth(int width);
    int Height() const { return height_; }
    void setHeight(int height);
    bool LockLeft() const { return lockLeft_; }
    void setLockLeft(bool lock);
    bool LockTop() const { return lockTop_; }
    void setLockTop(bool lock);
    bool LockRight() const { return lockRight_; }
    void setLockRight(bool lock);
    bool LockBottom() const { return lockBottom_; }
    void setLockBottom(bool lock);
    int TabIndex() const { return tabIndex_; }
    void setTabIndex(int index);
    // The control's own visibility; whether it is shown also depends on its parent.
    bool Visible() const { return visible_; }
    void setVisible(bool visible);
    QString HelpTag() const { return helpTag_; }
    void setHelpTag(const QString& tag);
    bool AutoDeactivate() const { return autoDeactivate_; }
    void setAutoDeactivate(bool value) { autoDeactivate_ = value; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    QString InitialParent() const { return initialParent_; }
    void setInitialParent(const QString& parentName);

    // Shown on screen: Visible, and its parent control (if any) shown with this
    // control's page in front.
    bool isShown() const;
    // Whether a child that carries this tab page (1-based; 0 for none) is shown while
    // this control is shown. Tab panels show only their current page.
    virtual bool showsPage(int tabPanelIndex) const;
    // Places the locked edges for the window's content size: they keep their distances
    // to the window's edges as the geometry was set, whatever sizes came between; an
    // edge stops at the end of the geometry range.
    void followWindowResize(QSize size);
    // Recomputes the widget's visibility from isShown().
    void updateShown();

    Event<void()> MouseEnter{this, "MouseEnter"};
    Event<void()> MouseExit{this, "MouseExit"};
    Event<bool(int, int)> MouseDown{this, "MouseDown"};
    Event<void(int, int)> MouseUp{this, "MouseUp"};
    Event<void()> GotFocus{this, "GotFocus"};
    Event<void()> LostFocus{this, "LostFocus"};

protected:
    // Takes ownership of the widget that shows the control.
    explicit RectControl(QWidget* widget);
    // Delivers mouse and focus events of a widget inside the control (a viewport,
    // an inner editor) as the control's own.
    void watch(QWidget* widget);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void placementChanged() override;
    // The window's content widget, once added.
    virtual void attached() {}
    // Orders the focus among the window's controls: ascending TabIndex, creation
    // order for equal ones. A control that replaces its focus widget calls it again.
    void applyTabOrder();

private:
    friend class Window;
    // The geometry as set stands for this content size of the window.
    void layOutAt(QSize size);
    // The geometry as set, moved by the locked edges to the window's present size.
    struct Layout {
        qint64 left = 0;
        qint64 top = 0;
        qint64 width = 0;
        qint64 height = 0;
    };
    Layout followed() const;
    // The geometry as set now stands for the window's present size, so that a new
    // value or lock takes effect from there.
    void rebase();
    // The widget's geometry: the followed layout within the geometry range.
    void place();
    void applyGeometry();
    bool isShownAt(int depth) const;
    // The control named by InitialParent, resolved again only when InitialParent or
    // a name on the window has changed since.
    RectControl* parentControl() const;
    // Brings this control and the controls inside it up to date.
    void refreshShownAll();
    void refreshShownFrom(int depth);
    void widgetParentChanged();
    bool mousePressed(QWidget* watched, QEvent* event);
    bool mouseReleased(QWidget* watched, QEvent* event);
    bool focusChanged(QWidget* watched, QEvent* event);
    // A click's GotFocus waits until the widget has handled the press.
    void deferGotFocus();
    void raisePendingGotFocus();
    void detachFromWidgets();

    // The widget goes with the control; the pointer clears itself if Qt deletes the
    // widget first (with the window's content).
    QPointer<QWidget> widget_;
    std::vector<QPointer<QWidget>> watched_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    // Unclamped, so that a window made smaller than its controls and enlarged again
    // gives them back their places.
    Layout layout_;
    // The window's content size that layout_ stands for, and the one it has now.
    QSize layoutSize_;
    QSize windowSize_;
    bool lockLeft_ = false;
    bool lockTop_ = false;
    bool lockRight_ = false;
    bool lockBottom_ = false;
    int tabIndex_ = 0;
    bool visible_ = true;
    QString helpTag_;
    bool autoDeactivate_ = true;
    bool enabled_ = true;
    QString initialParent_;
    mutable QPointer<RectControl> parent_;
    // The window's names version and additions that parent_ was resolved at; version
    // 0 is none.
    mutable std::uint64_t parentResolvedAt_ = 0;
    mutable std::uint64_t parentResolvedAfter_ = 0;
    // Set while the window puts the widget on its content area.
    bool attaching_ = false;
    bool mouseCaptured_ = false;
    // A press that a child ignored reaches its watched parent too: raise it once.
    quint64 lastPressStamp_ = 0;
    int lastPressType_ = 0;
    // Set while a focus event is handed to the widget ahead of GotFocus/LostFocus.
    bool deliveringFocus_ = false;
    // Focus came with a press whose GotFocus is still to be raised.
    bool gotFocusPending_ = false;
};

// A control that shows text: the font keys. "System" is the platform's user-interface
// font; a size of 0 is the platform's default size; sizes are pixels.
class TextControl : public RectControl, public RecordReceiver {
    Q_OBJECT
    Q_PROPERTY(QString TextFont READ TextFont WRITE setTextFont)
    Q_PROPERTY(int TextSize READ TextSize WRITE setTextSize)
    Q_PROPERTY(bool Bold READ Bold WRITE setBold)
    Q_PROPERTY(bool Italic READ Italic WRITE setItalic)
    Q_PROPERTY(bool Underline READ Underline WRITE setUnderline)

public:
    QString TextFont() const { return textFont_; }
    void setTextFont(const QString& family);
    int TextSize() const { return textSize_; }
    void setTextSize(int pixels);
    bool Bold() const { return bold_; }
    void setBold(bool bold);
    bool Italic() const { return italic_; }
    void setItalic(bool italic);
    bool Underline() const { return underline_; }
    void setUnderline(bool underline);

    // The font that the keys describe.
    QFont font() const;

    // A record's font keys change the widget's font once, when the record ends.
    void recordStarted() override;
    void recordEnded() override;

protected:
    using RectControl::RectControl;
    // Applies font() to the widget; controls with inner widgets extend it.
    virtual void applyFont();

private:
    void fontKeyChanged();

    int recordDepth_ = 0;
    bool fontPending_ = false;
    QString textFont_ = QStringLiteral("System");
    int textSize_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
};

// Creates a new control of the given class (not yet on a window).
RectControl* newControl(ControlClass controlClass);

} // namespace fw

#include "control.h"

#include "text.h"
#include "window.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace fw {

namespace {

// Parent chains longer than this are cycles of InitialParent names.
constexpr int kMaxParentDepth = 64;

// Focus that comes and goes with the window's activation or a popup leaves the
// control the focus control of its window: no GotFocus or LostFocus.
bool isControlFocusChange(const QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

// ---------------------------------------------------------------- Control

Control::~Control() = default;

void Control::setName(const QString& name)
{
    if (name == name_)
        return;
    const QString oldName = std::exchange(name_, name);
    if (window_)
        window_->controlRenamed(oldName, name_);
}

Window* Control::window() const
{
    return window_;
}

void Control::setTabPanelIndex(int page)
{
    if (page == tabPanelIndex_)
        return;
    tabPanelIndex_ = page;
    placementChanged();
}

// ---------------------------------------------------------------- RectControl

RectControl::RectControl(QWidget* widget) : widget_(nonNil(widget, "control widget"))
{
    widget->installEventFilter(this);
}

RectControl::~RectControl()
{
    if (Window* owner = window())
        owner->controlGone(this);
    detachFromWidgets();
    delete widget_.data();
}

// Stops the widgets from calling back into this control while it goes away.
void RectControl::detachFromWidgets()
{
    if (!widget_)
        return;
    widget_->removeEventFilter(this);
    QObject::disconnect(widget_, nullptr, this, nullptr);
    const QList<QObject*> inner = widget_->findChildren<QObject*>();
    for (QObject* object : inner) {
        object->removeEventFilter(this);
        QObject::disconnect(object, nullptr, this, nullptr);
    }
    for (const QPointer<QWidget>& watched : watched_) {
        if (watched)
            watched->removeEventFilter(this);
    }
    watched_.clear();
}

void RectControl::setLeft(int left)
{
    checkRange(left, -kMaxCoordinate, kMaxCoordinate, "RectControl.Left");
    rebase();
    layout_.left = left;
    place();
}

void RectControl::setTop(int top)
{
    checkRange(top, -kMaxCoordinate, kMaxCoordinate, "RectControl.Top");
    rebase();
    layout_.top = top;
    place();
}

void RectControl::setWidth(int width)
{
    checkRange(width, 0, kMaxCoordinate, "RectControl.Width");
    rebase();
    layout_.width = width;
    place();
}

void RectControl::setHeight(int height)
{
    checkRange(height, 0, kMaxCoordinate, "RectControl.Height");
    rebase();
    layout_.height = height;
    place();
}

void RectControl::setLockLeft(bool lock)
{
    rebase();
    lockLeft_ = lock;
}

void RectControl::setLockTop(bool lock)
{
    rebase();
    lockTop_ = lock;
}

void RectControl::setLockRight(bool lock)
{
    rebase();
    lockRight_ = lock;
}

void RectControl::setLockBottom(bool lock)
{
    rebase();
    lockBottom_ = lock;
}

// The widget is a child of the window's content area, whose origin is the content's
// top-left corner: window coordinates are the widget's own.
void RectControl::applyGeometry()
{
    if (widget_)
        widget_->setGeometry(left_, top_, width_, height_);
}

void RectControl::setTabIndex(int index)
{
    if (index == tabIndex_)
        return;
    tabIndex_ = index;
    applyTabOrder();
}

void RectControl::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    placementChanged();
}

void RectControl::setHelpTag(const QString& tag)
{
    helpTag_ = tag;
    if (widget_)
        widget_->setToolTip(tag);
}

void RectControl::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (widget_)
        widget_->setEnabled(enabled);
}

void RectControl::setInitialParent(const QString& parentName)
{
    if (parentName == initialParent_)
        return;
    const QString oldParent = std::exchange(initialParent_, parentName);
    if (Window* owner = window())
        owner->names_.parentNameChanged(this, oldParent, initialParent_);
    parentResolvedAt_ = 0;
    placementChanged();
}

RectControl* RectControl::parentControl() const
{
    const Window* owner = window();
    if (initialParent_.isEmpty() || !owner)
        return nullptr;
    const std::uint64_t version = owner->names_.version();
    const std::uint64_t additions = owner->names_.additions();
    if (parentResolvedAt_ == version && (parent_ || parentResolvedAfter_ == additions))
        return parent_;
    RectControl* found = owner->findControl(initialParent_);
    if (found == this) {
        // The name is this control's own: the parent is another control that bears it.
        found = nullptr;
        for (RectControl* control : owner->controls()) {
            if (control != this && StrEquals(control->Name(), initialParent_)) {
                found = control;
                break;
            }
        }
    }
    parent_ = found;
    parentResolvedAt_ = version;
    parentResolvedAfter_ = additions;
    return found;
}

bool RectControl::isShown() const
{
    return isShownAt(0);
}

bool RectControl::isShownAt(int depth) const
{
    if (!visible_)
        return false;
    if (depth > kMaxParentDepth)
        return false;
    const RectControl* parent = parentControl();
    if (!parent)
        return true;
    return parent->isShownAt(depth + 1) && parent->showsPage(TabPanelIndex());
}

bool RectControl::showsPage(int /*tabPanelIndex*/) const
{
    return true;
}

void RectControl::updateShown()
{
    if (!widget_)
        return;
    const bool shown = isShown();
    // A widget that is not yet on a window stays hidden: shown, it would become a
    // top-level window of its own.
    if (widget_->parentWidget() || !shown)
        widget_->setVisible(shown);
}

void RectControl::placementChanged()
{
    refreshShownAll();
}

void RectControl::refreshShownAll()
{
    refreshShownFrom(0);
}

// Only this control and those inside it can have changed: the controls below it are
// those that name it as their parent and resolve to it.
void RectControl::refreshShownFrom(int depth)
{
    updateShown();
    const Window* owner = window();
    if (!owner || depth > kMaxParentDepth)
        return;
    // A copy: a control's update may rename or move controls.
    const std::vector<RectControl*> named = owner->names_.naming(Name());
    for (RectControl* control : named) {
        if (control != this && control->parentControl() == this)
            control->refreshShownFrom(depth + 1);
    }
}

// Ascending TabIndex, creation order for equal ones, over the controls that take
// the focus with the Tab key.
void RectControl::applyTabOrder()
{
    if (!window() || !widget_ || !widget_->parentWidget() || window()->defersTabOrder())
        return;
    QWidget* top = widget_->window();
    std::vector<RectControl*> order;
    for (RectControl* control : window()->controls()) {
        QWidget* w = control->widget();
        if (w && w->parentWidget() && w->window() == top && (w->focusPolicy() & Qt::TabFocus))
            order.push_back(control);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
}

void RectControl::layOutAt(QSize size)
{
    layoutSize_ = size;
    windowSize_ = size;
    place();
}

void RectControl::followWindowResize(QSize size)
{
    windowSize_ = size;
    place();
}

RectControl::Layout RectControl::followed() const
{
    Layout now = layout_;
    const qint64 dw = qint64(windowSize_.width()) - layoutSize_.width();
    const qint64 dh = qint64(windowSize_.height()) - layoutSize_.height();
    if (lockRight_) {
        if (lockLeft_)
            now.width += dw;
        else
            now.left += dw;
    }
    if (lockBottom_) {
        if (lockTop_)
            now.height += dh;
        else
            now.top += dh;
    }
    return now;
}

void RectControl::rebase()
{
    layout_ = followed();
    layoutSize_ = windowSize_;
}

void RectControl::place()
{
    const Layout now = followed();
    const auto within = [](qint64 value, qint64 low) { return int(std::clamp<qint64>(value, low, kMaxCoordinate)); };
    left_ = within(now.left, -kMaxCoordinate);
    top_ = within(now.top, -kMaxCoordinate);
    width_ = within(now.width, 0);
    height_ = within(now.height, 0);
    applyGeometry();
}

void RectControl::watch(QWidget* widget)
{
    if (!widget || widget == widget_)
        return;
    widget->installEventFilter(this);
    watched_.emplace_back(widget);
}

// The window puts the widget on its content area: bring the control's shown state
// and the window's focus order up to date.
void RectControl::widgetParentChanged()
{
    // The window that adds the control brings its shown state up to date itself.
    if (!attaching_)
        refreshShownAll();
    applyTabOrder();
}

bool RectControl::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    if (event->type() == QEvent::ParentChange) {
        if (widget == widget_)
            widgetParentChanged();
        return false;
    }
    // A window that is closing or going away raises no more control events.
    if (window() && window()->isClosed())
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        // Qt enters the ancestors of an inner widget too: the outer widget speaks for all.
        if (widget == widget_)
            guardedCall([this] { MouseEnter(); });
        break;
    case QEvent::Leave:
        if (widget == widget_)
            guardedCall([this] { MouseExit(); });
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return mousePressed(widget, event);
    case QEvent::MouseMove:
        // The press that gave the focus is done by the time the mouse moves on.
        raisePendingGotFocus();
        break;
    case QEvent::MouseButtonRelease:
        raisePendingGotFocus();
        return mouseReleased(widget, event);
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        return focusChanged(widget, event);
    default:
        break;
    }
    return false;
}

// A left press raises MouseDown; True takes the press from the widget and makes the
// release a MouseUp.
bool RectControl::mousePressed(QWidget* watched, QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !widget_)
        return false;
    if (mouse->timestamp() == lastPressStamp_ && int(event->type()) == lastPressType_)
        return false;
    lastPressStamp_ = mouse->timestamp();
    lastPressType_ = int(event->type());
    const QPoint at = watched->mapTo(widget_.data(), mouse->position().toPoint());
    mouseCaptured_ = guardedCall([this, at] { return MouseDown(at.x(), at.y()); });
    return mouseCaptured_;
}

bool RectControl::mouseReleased(QWidget* watched, QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !mouseCaptured_ || !widget_)
        return false;
    mouseCaptured_ = false;
    const QPoint at = watched->mapTo(widget_.data(), mouse->position().toPoint());
    guardedCall([this, at] { MouseUp(at.x(), at.y()); });
    return true;
}

// The widget takes the focus event first (a field selects all on Tab), so that what
// a GotFocus handler selects stays selected.
bool RectControl::focusChanged(QWidget* watched, QEvent* event)
{
    const auto* focus = static_cast<QFocusEvent*>(event);
    if (deliveringFocus_ || !isControlFocusChange(focus))
        return false;
    deliveringFocus_ = true;
    QCoreApplication::sendEvent(watched, event);
    deliveringFocus_ = false;
    if (event->type() == QEvent::FocusIn) {
        if (focus->reason() == Qt::MouseFocusReason)
            deferGotFocus();
        else
            guardedCall([this] { GotFocus(); });
    } else {
        // Focus that leaves before its deferred GotFocus still gets its pair, in order.
        raisePendingGotFocus();
        guardedCall([this] { LostFocus(); });
    }
    return true;
}

// Qt gives the focus before it delivers the press, and the press then places the
// cursor: a selection made by GotFocus at once would be lost. So GotFocus follows at
// the control's next mouse event or the event loop's next turn, whichever comes first.
void RectControl::deferGotFocus()
{
    gotFocusPending_ = true;
    QMetaObject::invokeMethod(this, [this] { raisePendingGotFocus(); }, Qt::QueuedConnection);
}

void RectControl::raisePendingGotFocus()
{
    if (!std::exchange(gotFocusPending_, false))
        return;
    if (window() && window()->isClosed())
        return;
    guardedCall([this] { GotFocus(); });
}

// ---------------------------------------------------------------- TextControl

void TextControl::setTextFont(const QString& family)
{
    textFont_ = family;
    fontKeyChanged();
}

void TextControl::setTextSize(int pixels)
{
    textSize_ = pixels;
    fontKeyChanged();
}

void TextControl::setBold(bool bold)
{
    bold_ = bold;
    fontKeyChanged();
}

void TextControl::setItalic(bool italic)
{
    italic_ = italic;
    fontKeyChanged();
}

void TextControl::setUnderline(bool underline)
{
    underline_ = underline;
    fontKeyChanged();
}

void TextControl::fontKeyChanged()
{
    if (recordDepth_ > 0)
        fontPending_ = true;
    else
        applyFont();
}

void TextControl::recordStarted()
{
    ++recordDepth_;
}

void TextControl::recordEnded()
{
    if (--recordDepth_ == 0 && std::exchange(fontPending_, false))
        applyFont();
}

QFont TextControl::font() const
{
    QFont font = QApplication::font();
    const bool system = textFont_.isEmpty() || StrEquals(textFont_, QStringLiteral("System"));
    if (!system) {
        // A face that the platform lacks is asked for by the substitutes registered for
        // it (QFont::insertSubstitutions), when there are any: Qt would find them too,
        // but only after building fallback lists for the missing name. The named faces
        // that a platform lacks are serif faces, so prefer a serif stand-in either way.
        const bool listed = QFontDatabase::families().contains(textFont_, Qt::CaseInsensitive);
        const QStringList substitutes = listed ? QStringList() : QFont::substitutes(textFont_);
        font.setFamilies(substitutes.isEmpty() ? QStringList{textFont_} : substitutes);
        if (!listed)
            font.setStyleHint(QFont::Serif);
    }
    if (textSize_ > 0)
        font.setPixelSize(textSize_);
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    return font;
}

void TextControl::applyFont()
{
    if (QWidget* w = widget())
        w->setFont(font());
}

} // namespace fw

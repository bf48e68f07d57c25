#pragma once

#include <QColor>
#include <QMainWindow>
#include <QWidget>

namespace fw {

class Window;

// The Qt top-level of a Window: its close box closes the Window, and its activation
// brings the Window to the front.
class WindowWidget : public QMainWindow {
    Q_OBJECT

public:
    explicit WindowWidget(Window* owner);
    Window* owner() const { return owner_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Window* owner_;
};

// The content area of a Window: the controls' parent, the window's background and
// plain-box border, and the window's own mouse events for presses no control took.
// Under a dark theme it keeps the style's light palette, the window that the controls'
// colours are chosen for; it names the controls for assistive technology when it shows.
class ContentWidget : public QWidget {
    Q_OBJECT

public:
    explicit ContentWidget(Window* owner);

    void setBackground(bool painted, const QColor& color);
    void setPlainBorder(bool border);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followUserPalette();

    Window* owner_;
    bool paintBackground_ = false;
    QColor background_;
    bool plainBorder_ = false;
    bool mouseCaptured_ = false;
};

} // namespace fw

#pragma once

#include <QPointer>
#include <QWidget>

namespace fw {

class Canvas;

// The widget that shows a Canvas: it hands painting to the canvas and keeps the Tab
// key when the canvas accepts tabs.
class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    explicit CanvasWidget(Canvas* owner);
    // The canvas goes first: from then on the widget paints nothing.
    void release() { owner_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Canvas* owner_;
};

} // namespace fw

#pragma once

#include "control.h"
#include "graphics.h"

#include <QImage>

#include <memory>

class QPainter;

namespace fw {

class CanvasWidget;
class Picture;

// A drawing area. It shows, from bottom to top: its backdrop picture, what the
// program drew through Graphics() (kept until erased or drawn over) and what its
// Paint event draws at each repaint. Where none of them draws, what lies beneath the
// canvas shows through.
class Canvas : public RectControl {
    Q_OBJECT
    Q_PROPERTY(bool UseFocusRing READ UseFocusRing WRITE setUseFocusRing)
    Q_PROPERTY(bool AcceptFocus READ AcceptFocus WRITE setAcceptFocus)
    Q_PROPERTY(bool AcceptTabs READ AcceptTabs WRITE setAcceptTabs)
    Q_PROPERTY(bool EraseBackground READ EraseBackground WRITE setEraseBackground)

public:
    Canvas();
    ~Canvas() override;

    // A focus frame while the canvas has the focus.
    bool UseFocusRing() const { return useFocusRing_; }
    void setUseFocusRing(bool use);
    // Whether a click or the Tab key gives the canvas the focus.
    bool AcceptFocus() const { return acceptFocus_; }
    void setAcceptFocus(bool accept);
    // While the canvas has the focus, Tab stays with it instead of moving on.
    bool AcceptTabs() const { return acceptTabs_; }
    void setAcceptTabs(bool accept) { acceptTabs_ = accept; }
    // Kept for the records. The canvas never keeps pixels of an earlier paint: each
    // repaint starts from what lies beneath it, erased or not.
    bool EraseBackground() const { return eraseBackground_; }
    void setEraseBackground(bool erase) { eraseBackground_ = erase; }

    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
    // Shows the picture (nil: none) beneath everything else, at its own size from
    // the top left corner; a vector picture's objects around its centre, but only
    // while no Paint handler is installed: a handler draws the canvas itself, and a
    // translucent drawing that it also draws would otherwise show twice as dark.
    void setBackdrop(std::shared_ptr<Picture> picture);

    // Draws into the canvas's persistent layer, which has the canvas's size.
    fw::Graphics& Graphics();

    Event<void(fw::Graphics&)> Paint{this, "Paint"};

    // What the canvas shows, rendered into an image of its size (for tests).
    QImage grab() const;

private:
    friend class CanvasWidget;
    CanvasWidget* canvasWidget() const;
    QSize size() const;
    // The persistent layer, brought to the canvas's current size.
    QImage& layer();
    void paintOn(QPainter& painter);

    bool useFocusRing_ = false;
    bool acceptFocus_ = false;
    bool acceptTabs_ = false;
    bool eraseBackground_ = true;
    std::shared_ptr<Picture> backdrop_;
    QImage layer_;
    std::unique_ptr<fw::Graphics> graphics_;
};

} // namespace fw

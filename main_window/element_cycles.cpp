// The element-cycle pictures shown in the cycle canvas while the mouse rests on the
// captions of the Elements page.
#include "oruvel.h"

#include "app/shell/pictures.h"

#include "framework/canvas.h"
#include "framework/graphics.h"
#include "framework/numbers.h"
#include "framework/picture.h"

void Oruvel::drawNScale(const std::shared_ptr<fw::Picture>& p, fw::Canvas* c)
{
    fw::nonNil(c, "canvas");
    fw::Graphics& g = c->Graphics();
    g.setForeColor(BackColor());
    // The window's size, not the canvas's: more than enough to cover the canvas.
    g.FillRect(0, 0, Width() - 1, Height() - 1);
    if (!p)
        return;

    const int pw = p->Width();
    const int ph = p->Height();
    if (pw <= c->Width() && ph <= c->Height()) {
        // Never enlarged: a small picture stands at its own size in the middle.
        g.DrawPicture(p, fw::toInt32((c->Width() - pw) / 2.0), fw::toInt32((c->Height() - ph) / 2.0));
        return;
    }
    // Shrunk to fit, keeping its proportions; a zero side gives an infinite ratio,
    // which Min passes over.
    const double k = fw::Min(static_cast<double>(c->Width()) / pw, static_cast<double>(c->Height()) / ph);
    const int x = fw::toInt32((c->Width() - pw * k) / 2.0);
    const int y = fw::toInt32((c->Height() - ph * k) / 2.0);
    g.DrawPicture(p, x, y, fw::toInt32(pw * k), fw::toInt32(ph * k), 0, 0, pw, ph);
}

void Oruvel::ClearCycleCanvas()
{
    auto* canvas = control<fw::Canvas>("CycleCanvas");
    canvas->Graphics().ClearRect(0, 0, canvas->Width(), canvas->Height());
}

void Oruvel::StaticText14_MouseEnter()
{
    drawNScale(ElementConstructive(), control<fw::Canvas>("CycleCanvas"));
}

void Oruvel::StaticText14_MouseExit()
{
    ClearCycleCanvas();
}

void Oruvel::produces_MouseEnter()
{
    drawNScale(ElementConstructive(), control<fw::Canvas>("CycleCanvas"));
}

void Oruvel::produces_MouseExit()
{
    ClearCycleCanvas();
}

// "Controls:" has no exit handler: its picture stays until another one replaces it.
void Oruvel::StaticText35_MouseEnter()
{
    drawNScale(ControlDestruction(), control<fw::Canvas>("CycleCanvas"));
}

void Oruvel::StaticText36_MouseEnter()
{
    drawNScale(ElementReductive(), control<fw::Canvas>("CycleCanvas"));
}

void Oruvel::StaticText36_MouseExit()
{
    ClearCycleCanvas();
}

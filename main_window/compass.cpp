// The two compasses of the Directions page: the trigram's 45-degree sector, north up
// on the Western compass and south up on the Luo Shu square.
#include "oruvel.h"

#include "trigrams/trigram.h"

#include "framework/canvas.h"
#include "framework/graphics.h"
#include "framework/numbers.h"
#include "framework/picture.h"
#include "framework/shapes.h"

namespace {

// The program's value of pi, and a quarter of it as the sector's sweep; both are kept
// as they were written rather than the nearest doubles, so angles stay as they were.
constexpr double kPi = 3.14159265358979;
constexpr double kSectorSweep = 0.7853981633974475;

std::shared_ptr<fw::ArcShape> sectorShape(double startAngle)
{
    auto shape = std::make_shared<fw::ArcShape>();
    shape->setBorderWidth(1.0);
    shape->setFill(20.0);
    shape->setBorderColor(fw::RGB(128, 128, 128));
    shape->setStartAngle(startAngle);
    shape->setArcAngle(kSectorSweep);
    return shape;
}

void drawAtCentre(fw::Graphics& g, const fw::Canvas& canvas, const std::shared_ptr<fw::Group2D>& group)
{
    if (!group)
        return; // no trigram with a sector has been shown yet
    g.DrawObject(group, fw::toInt32(canvas.Width() / 2.0), fw::toInt32(canvas.Height() / 2.0));
}

} // namespace

// The difference is stored back into the Single, as the bearing itself is one.
double Oruvel::cvtAngle(float a)
{
    a = static_cast<float>(static_cast<double>(a) - 90);
    return (static_cast<double>(a) * kPi) / 180;
}

double Oruvel::cvtFSAngle(float a)
{
    a = static_cast<float>(static_cast<double>(a) + 90);
    return (static_cast<double>(a) * kPi) / 180;
}

// New groups, shapes and pictures each time: assigning a new backdrop is what makes
// the canvases repaint.
void Oruvel::rebuildSectors(const trigram& record)
{
    auto* luoShu = control<fw::Canvas>("canvas1");
    auto* western = control<fw::Canvas>("Canvas2");

    grp = std::make_shared<fw::Group2D>();
    auto p1 = fw::NewPicture(luoShu->Width(), luoShu->Height(), 0);
    auto s1 = sectorShape(cvtFSAngle(record.InitialAngle));
    luoShu->setBackdrop(p1);
    grp->Append(s1);

    grp1 = std::make_shared<fw::Group2D>();
    auto p2 = fw::NewPicture(western->Width(), western->Height(), 0);
    auto s2 = sectorShape(cvtAngle(record.InitialAngle));
    western->setBackdrop(p2);
    grp1->Append(s2);

    fw::nonNil(luoShu->Backdrop().get(), "canvas1.Backdrop")->setObjects(grp);
    fw::nonNil(western->Backdrop().get(), "Canvas2.Backdrop")->setObjects(grp1);
}

void Oruvel::Canvas2_Paint(fw::Graphics& g)
{
    drawAtCentre(g, *control<fw::Canvas>("Canvas2"), grp1);
}

void Oruvel::canvas1_Paint(fw::Graphics& g)
{
    drawAtCentre(g, *control<fw::Canvas>("canvas1"), grp);
}

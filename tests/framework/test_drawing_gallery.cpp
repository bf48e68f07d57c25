// One control of each of the ten classes on one window, built as the program builds
// its windows: newControl, _AddControl, then the control's record. With
// ORUVEL_GALLERY_SHOT naming a file, the window is saved there as a PNG to look at.
#include "framework/canvas.h"
#include "framework/control.h"
#include "framework/control_class.h"
#include "framework/listbox.h"
#include "framework/picture.h"
#include "framework/record.h"
#include "framework/runtime.h"
#include "framework/shapes.h"
#include "framework/window.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QMainWindow>
#include <QPixmap>
#include <QTest>

#include <numbers>
#include <utility>
#include <vector>

namespace {

struct GalleryEntry {
    const char* name;
    fw::ControlClass controlClass;
    QByteArray record;
};

// The shared place keys of a control record.
QByteArray place(const char* name, int left, int top, int width, int height, const char* parent = "", int page = 0)
{
    return fw::encodeRecord({{"Name", name},
                             {"Left", left},
                             {"Top", top},
                             {"Width", width},
                             {"Height", height},
                             {"TabPanelIndex", page},
                             {"InitialParent", parent}});
}

std::vector<GalleryEntry> galleryControls()
{
    using CC = fw::ControlClass;
    return {
        {"TabPanel1", CC::TabPanel,
         place("TabPanel1", 10, 10, 300, 150) + fw::encodeRecord({{"TabDefinition", "Trigram\rGua"}, {"Value", 0}})},
        {"PopupMenu1", CC::PopupMenu,
         place("PopupMenu1", 30, 50, 60, 20, "TabPanel1", 1)
             + fw::encodeRecord({{"TextSize", 12}, {"InitialValue", "1\r2\r3\r4\r5\r6\r7\r8\r9"}, {"ListIndex", 1}})},
        {"LittleArrows1", CC::LittleArrows, place("LittleArrows1", 100, 47, 13, 26, "TabPanel1", 1)},
        {"StaticText1", CC::StaticText,
         place("StaticText1", 30, 85, 160, 20, "TabPanel1", 1)
             + fw::encodeRecord({{"Text", "Trigram Kun \xE2\x98\xB7"}, {"TextAlign", 0}, {"TextSize", 12}})},
        {"Listbox1", CC::Listbox,
         place("Listbox1", 320, 10, 74, 154)
             + fw::encodeRecord({{"ColumnCount", 1},
                                 {"ColumnWidths", "74"},
                                 {"HasHeading", true},
                                 {"InitialValue", "Trigrams\rKan\rKun\rZhen\rXun\r\rQian\rDui\rGen\rLi"},
                                 {"ScrollBarVertical", false},
                                 {"GridLinesHorizontal", 1},
                                 {"GridLinesVertical", 1},
                                 {"DefaultRowHeight", 15}})},
        {"PushButton1", CC::PushButton,
         place("PushButton1", 10, 175, 75, 20) + fw::encodeRecord({{"Caption", "Calculate"}, {"TextSize", 12}})},
        {"EditField1", CC::EditField,
         place("EditField1", 100, 174, 45, 22)
             + fw::encodeRecord({{"Border", true}, {"Text", "1968"}, {"Alignment", 3}, {"TextSize", 12}})},
        {"Separator1", CC::Separator, place("Separator1", 10, 210, 300, 4)},
        {"Rectangle1", CC::Rectangle,
         place("Rectangle1", 330, 180, 61, 61)
             + fw::encodeRecord({{"FillColor", fw::color(0xFFFFFF)},
                                 {"BorderWidth", 1},
                                 {"TopLeftColor", fw::color(0x7E7E7E)},
                                 {"BottomRightColor", fw::color(0x797979)}})},
        {"Canvas1", CC::Canvas, place("Canvas1", 330, 180, 61, 61, "Rectangle1")},
    };
}

// The compass sector of the trigram Kun, as the main window draws it.
void drawCompass(fw::Canvas* canvas)
{
    auto arc = std::make_shared<fw::ArcShape>();
    arc->setBorderWidth(1.0);
    arc->setFill(20.0);
    arc->setBorderColor(QColor(128, 128, 128));
    arc->setStartAngle(112.5 / 180.0 * std::numbers::pi);
    arc->setArcAngle(std::numbers::pi / 4);
    auto group = std::make_shared<fw::Group2D>();
    group->Append(arc);
    auto backdrop = fw::NewPicture(canvas->Width(), canvas->Height(), 0);
    canvas->setBackdrop(backdrop);
    backdrop->setObjects(group);
    canvas->Paint.install([canvas, group](fw::Graphics& g) {
        g.DrawObject(group, canvas->Width() / 2, canvas->Height() / 2);
    });
}

class GalleryWindow : public fw::Window {
    Q_OBJECT
    Q_CLASSINFO("Event:Layout", "Layout")
    Q_CLASSINFO("Event:CreateControls", "CreateControls")

public:
    Q_INVOKABLE void Layout()
    {
        fw::_SetProperties(this, fw::encodeRecord({{"Width", 410},
                                                   {"Height", 250},
                                                   {"Title", "Gallery"},
                                                   {"Resizeable", false},
                                                   {"Visible", true}}));
    }
    Q_INVOKABLE void CreateControls()
    {
        for (const GalleryEntry& entry : galleryControls()) {
            _AddControl(QString::fromUtf8(entry.name), fw::newControl(entry.controlClass));
            fw::_SetProperties(findControl(QString::fromUtf8(entry.name)), entry.record);
        }
        control<fw::Listbox>("Listbox1")->setListIndex(1);
        drawCompass(control<fw::Canvas>("Canvas1"));
    }
};

TEST(DrawingGallery, OneControlOfEachClassIsThereAndShown)
{
    auto* window = fw::Window::create<GalleryWindow>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->widget()));
    QTest::qWait(50);

    const std::vector<GalleryEntry> entries = galleryControls();
    EXPECT_EQ(window->controls().size(), entries.size());
    for (const GalleryEntry& entry : entries) {
        fw::RectControl* control = window->findControl(QString::fromUtf8(entry.name));
        ASSERT_NE(control, nullptr) << entry.name;
        EXPECT_TRUE(control->isShown()) << entry.name;
        EXPECT_TRUE(control->widget()->isVisible()) << entry.name;
        EXPECT_EQ(control->widget()->size(), QSize(control->Width(), control->Height())) << entry.name;
    }

    // The compass sector of Kun lies down and to the left of the canvas's centre.
    const QImage compass = window->control<fw::Canvas>("Canvas1")->grab();
    EXPECT_GT(compass.pixelColor(20, 45).alpha(), 0);
    EXPECT_EQ(compass.pixelColor(45, 20).alpha(), 0);

    const QString shot = qEnvironmentVariable("ORUVEL_GALLERY_SHOT");
    if (!shot.isEmpty()) {
        EXPECT_TRUE(window->widget()->grab().save(shot, "PNG"));
    }

    window->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fw::releaseImplicitWindowList();
    fw::releaseDirtyWindows();
    fw::releaseWindows();
}

} // namespace

#include "test_drawing_gallery.moc"

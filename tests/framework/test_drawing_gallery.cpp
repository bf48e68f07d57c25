// One control of each of the ten classes on one window, built as the program builds
// its windows: newControl, _AddControl, then the control's record; and the pixels of
// the borders, rules and cells that the framework draws itself. With
// ORUVEL_GALLERY_SHOT naming a file, the window is saved there as a PNG to look at.
#include "framework/canvas.h"
#include "framework/control.h"
#include "framework/control_class.h"
#include "framework/edit_field.h"
#include "framework/listbox.h"
#include "framework/picture.h"
#include "framework/record.h"
#include "framework/rectangle.h"
#include "framework/runtime.h"
#include "framework/shapes.h"
#include "framework/window.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QMainWindow>
#include <QPixmap>
#include <QTableView>
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
        // Rows tall enough for two lines: a cell that wrapped would show both.
        {"Listbox1", CC::Listbox,
         place("Listbox1", 320, 10, 84, 154)
             + fw::encodeRecord({{"ColumnCount", 2},
                                 {"ColumnWidths", "50,32"},
                                 {"HasHeading", true},
                                 {"InitialValue", "Trigram\tNo\rKan\t1\rKun\t2\r\t\rLi the fire element\t9"},
                                 {"ScrollBarVertical", false},
                                 {"GridLinesHorizontal", 1},
                                 {"GridLinesVertical", 1},
                                 {"DefaultRowHeight", 30},
                                 {"TextSize", 11}})},
        {"PushButton1", CC::PushButton,
         place("PushButton1", 10, 175, 75, 20) + fw::encodeRecord({{"Caption", "Calculate"}, {"TextSize", 12}})},
        {"EditField1", CC::EditField,
         place("EditField1", 100, 174, 45, 22)
             + fw::encodeRecord({{"Border", true}, {"Text", "1968"}, {"Alignment", 3}, {"TextSize", 12}})},
        {"Separator1", CC::Separator, place("Separator1", 10, 210, 300, 4)},
        {"Rectangle1", CC::Rectangle,
         place("Rectangle1", 330, 180, 61, 61)
             + fw::encodeRecord({{"FillColor", fw::color(0xFFFFFF)},
                                 {"BorderWidth", 2},
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

// The distinct colours of `count` pixels from `from` on, a step apart, as names.
QStringList coloursAlong(const QImage& image, QPoint from, QPoint step, int count)
{
    QStringList colours;
    for (QPoint at = from; count-- > 0; at += step) {
        const QString name = image.pixelColor(at).name();
        if (!colours.contains(name))
            colours << name;
    }
    return colours;
}

// Ink and rules: darker than the white of the cells.
bool isDark(const QColor& colour)
{
    return qGray(colour.rgb()) < 224;
}

int darkPixels(const QImage& image, QPoint from, QPoint step, int count)
{
    int dark = 0;
    for (QPoint at = from; count-- > 0; at += step)
        dark += isDark(image.pixelColor(at)) ? 1 : 0;
    return dark;
}

// The first and last rows of an area that hold ink, relative to its top; -1, -1 for none.
std::pair<int, int> inkRows(const QImage& image, const QRect& area)
{
    int first = -1;
    int last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (darkPixels(image, QPoint(area.left(), y), QPoint(1, 0), area.width()) > 0) {
            last = y - area.top();
            if (first < 0)
                first = last;
        }
    }
    return {first, last};
}

// The gallery, shown; it goes when the test ends.
class DrawingGallery : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = fw::Window::create<GalleryWindow>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window->widget()));
    }
    void TearDown() override
    {
        window->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        fw::releaseImplicitWindowList();
        fw::releaseDirtyWindows();
        fw::releaseWindows();
    }

    fw::Window* window = nullptr;
};

TEST_F(DrawingGallery, OneControlOfEachClassIsThereAndShown)
{
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
}

// What the framework itself draws, pixel by pixel: a Rectangle's bevelled border
// rows, a list's frame, its 1-pixel grid rules and its cells on one line, an edit
// field's border and a separator's line.
TEST_F(DrawingGallery, BordersRulesAndCellsLandOnTheirPixels)
{
    // Each of the two border rings in its colour along every edge, the fill inside
    // them; the corners, where the colours meet, aside.
    auto* rectangle = window->control<fw::Rectangle>("Rectangle1");
    const QImage box = rectangle->widget()->grab().toImage();
    ASSERT_EQ(box.size(), QSize(61, 61));
    const int border = rectangle->BorderWidth();
    for (int ring = 0; ring <= border; ++ring) {
        SCOPED_TRACE("ring " + std::to_string(ring));
        const QStringList topLeft{(ring < border ? rectangle->TopLeftColor() : rectangle->FillColor()).name()};
        const QStringList bottomRight{(ring < border ? rectangle->BottomRightColor() : rectangle->FillColor()).name()};
        const int inner = 61 - 2 * (border + 1);
        EXPECT_EQ(coloursAlong(box, QPoint(border + 1, ring), QPoint(1, 0), inner), topLeft) << "top";
        EXPECT_EQ(coloursAlong(box, QPoint(ring, border + 1), QPoint(0, 1), inner), topLeft) << "left";
        EXPECT_EQ(coloursAlong(box, QPoint(border + 1, 60 - ring), QPoint(1, 0), inner), bottomRight) << "bottom";
        EXPECT_EQ(coloursAlong(box, QPoint(60 - ring, border + 1), QPoint(0, 1), inner), bottomRight) << "right";
    }

    auto* table = qobject_cast<QTableView*>(window->control<fw::Listbox>("Listbox1")->widget());
    ASSERT_NE(table, nullptr);
    const QImage list = table->grab().toImage();
    const QPoint viewport = table->viewport()->mapTo(table, QPoint(0, 0));
    const auto cell = [&](int row, int column) {
        return table->visualRect(table->model()->index(row, column)).translated(viewport);
    };
    // A plain frame of one pixel all round.
    const QStringList frame{list.pixelColor(0, 0).name()};
    EXPECT_TRUE(isDark(list.pixelColor(0, 0)));
    EXPECT_EQ(coloursAlong(list, QPoint(0, 0), QPoint(1, 0), list.width()), frame);
    EXPECT_EQ(coloursAlong(list, QPoint(0, list.height() - 1), QPoint(1, 0), list.width()), frame);
    EXPECT_EQ(coloursAlong(list, QPoint(0, 0), QPoint(0, 1), list.height()), frame);
    EXPECT_EQ(coloursAlong(list, QPoint(list.width() - 1, 0), QPoint(0, 1), list.height()), frame);
    EXPECT_FALSE(isDark(list.pixelColor(1, cell(2, 0).center().y())));
    // In the empty row, a dotted rule of one pixel along the bottom and right edges of
    // the cell, and nothing inside it.
    const QRect empty = cell(2, 0);
    EXPECT_GE(darkPixels(list, empty.bottomLeft(), QPoint(1, 0), empty.width() - 1), empty.width() / 4) << "bottom rule";
    EXPECT_GE(darkPixels(list, empty.topRight(), QPoint(0, 1), empty.height() - 1), empty.height() / 4) << "right rule";
    EXPECT_EQ(inkRows(list, empty.adjusted(0, 0, -1, -1)), std::make_pair(-1, -1)) << "inside the rules";
    // A cell whose text is too wide stays on one line, as high as a short one's.
    const auto shortText = inkRows(list, cell(0, 0).adjusted(0, 0, -1, -1));
    const auto longText = inkRows(list, cell(3, 0).adjusted(0, 0, -1, -1));
    ASSERT_GE(shortText.first, 0);
    EXPECT_NEAR(longText.first, shortText.first, 2);
    EXPECT_NEAR(longText.second, shortText.second, 2);

    // The edit field's border stands out from its back colour all round; inside,
    // away from the right-aligned text, the back colour shows.
    auto* field = window->control<fw::EditField>("EditField1");
    const QImage edit = field->widget()->grab().toImage();
    const int back = qGray(field->BackColor().rgb());
    const int w = edit.width();
    const int h = edit.height();
    for (QPoint edge : {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)})
        EXPECT_LT(qGray(edit.pixel(edge)), back - 24) << edge.x() << "," << edge.y();
    EXPECT_EQ(edit.pixelColor(4, h / 2), field->BackColor());

    // The separator is a line darker than the window, across its whole width.
    const QImage line = window->findControl("Separator1")->widget()->grab().toImage();
    const int windowGray = qGray(window->content()->palette().color(QPalette::Window).rgb());
    int lines = 0;
    for (int y = 0; y < line.height(); ++y) {
        const QStringList row = coloursAlong(line, QPoint(0, y), QPoint(1, 0), line.width());
        lines += row.size() == 1 && qGray(line.pixel(0, y)) < windowGray - 24 ? 1 : 0;
    }
    EXPECT_EQ(lines, 1);
}

} // namespace

#include "test_drawing_gallery.moc"

#include "floor_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

#include <array>
#include <cmath>
#include <cstring>

namespace bench {

namespace {

enum class Kind { Tabs, Combo, Arrows, Label, List, Button, Line, Text, Separator, Box, Compass, Cycles };
// Which panel's page shows a widget: none (always shown), the upper or the lower one.
enum class Panel { None, Upper, Lower };

struct Item {
    Kind kind;
    const char* name;
    int left, top, width, height;
    Panel panel = Panel::None;
    int page = 0; // 1-based
    const char* text = "";
    int pixelSize = 12; // 0: the application's default size
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft;
    bool visible = true;
};

constexpr Qt::Alignment kRight = Qt::AlignRight;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;

// The 71 widgets in the main window's creation (stacking) order, at its places.
const Item kItems[] = {
    {Kind::Tabs, "TabPanel2", 20, 17, 600, 198, Panel::None, 0, "Trigram\nGua", 0},
    {Kind::Combo, "trigramNum", 552, 52, 48, 20, Panel::Upper, 1, "1\n2\n3\n4\n5\n6\n7\n8\n9"},
    {Kind::Arrows, "LittleArrows1", 527, 52, 13, 26, Panel::Upper, 1},
    {Kind::Label, "StaticText37", 527, 81, 73, 41, Panel::Upper, 1, "Gua / Trigram\n(Later heaven ba gua)", 10},
    {Kind::List, "TriBox", 439, 52, 74, 154, Panel::Upper, 1, "Kan\nKun\nZhen\nXun\n\nQian\nDui\nGen\nLi", 0},
    {Kind::Button, "CalculateGua", 237, 162, 75, 20, Panel::Upper, 2, "Calculate"},
    {Kind::Label, "StaticText38", 58, 162, 30, 20, Panel::Upper, 2, "Sex", 12, false, kRight},
    {Kind::Combo, "Sex", 96, 162, 50, 20, Panel::Upper, 2, "M\nF"},
    {Kind::Label, "StaticText31", 33, 130, 55, 20, Panel::Upper, 2, "Birthday", 12, false, kRight},
    {Kind::Combo, "day", 96, 130, 52, 20, Panel::Upper, 2,
     "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16\n17\n18\n19\n20\n"
     "21\n22\n23\n24\n25\n26\n27\n28\n29\n30\n31"},
    {Kind::Combo, "month", 157, 130, 100, 20, Panel::Upper, 2,
     "January\nFebruary\nMarch\nApril\nMay\nJune\nJuly\nAugust\nSeptember\nOctober\nNovember\nDecember"},
    {Kind::Line, "birthYear", 267, 129, 45, 22, Panel::Upper, 2, "1968", 12, false, kRight},
    {Kind::Label, "TriTriDisp", 56, 76, 91, 86, Panel::Upper, 1, "", 72, true},
    {Kind::Label, "TriNameDisp", 165, 105, 141, 28, Panel::Upper, 1, "", 24, true},
    {Kind::Label, "Note", 180, 135, 110, 15, Panel::Upper, 1, "", 9},
    {Kind::Line, "MingGua", 173, 69, 66, 38, Panel::Upper, 2, "", 36, false, kCentre},
    {Kind::Text, "EditField1", 352, 53, 253, 150, Panel::Upper, 2,
     "Your personal gua determines your good directions, not locations, in your house, in Ba Zhai Feng Shui."
     "\n\nThis program only shows the Fu Wei direction, used for rest and tranquility.\n\n"
     "One of the best uses of Feng Shui is as an aid in planning property purchases and house layout, in "
     "such a way as to help you attain your goals. Feng Shui can also aid you with your current home or "
     "business.\n\nTo find out more, click this field to go to the Corvale Feng Shui Consulting website. "
     "Traditional Feng Shui is an ancient Chinese metaphysical science, and it is NOT about interior "
     "decorating or making your house look like a Chinese restaurant!",
     11},
    {Kind::Tabs, "InfoPanel", 20, 218, 600, 242, Panel::None, 0, "Properties\nElements\nDirections"},
    {Kind::Label, "Animal", 387, 317, 111, 18, Panel::Lower, 3, "", 12, false, Qt::AlignLeft, false},
    {Kind::Label, "StaticText10", 81, 269, 71, 18, Panel::Lower, 3, "Direction:", 12, false, kRight},
    {Kind::Label, "Direction", 164, 269, 115, 18, Panel::Lower, 3},
    {Kind::Label, "StaticText19", 81, 293, 95, 18, Panel::Lower, 3, "Initial Angle:", 12, false, kRight},
    {Kind::Label, "InitialAngle", 184, 293, 45, 18, Panel::Lower, 3, "", 12, false, kRight},
    {Kind::Label, "StaticText21", 81, 317, 95, 18, Panel::Lower, 3, "Ending Angle:", 12, false, kRight},
    {Kind::Label, "FinalAngle", 184, 317, 45, 18, Panel::Lower, 3, "", 12, false, kRight},
    {Kind::Label, "StaticText23", 363, 269, 62, 18, Panel::Lower, 3, "Group:", 12, false, kRight},
    {Kind::Label, "Group", 435, 269, 145, 18, Panel::Lower, 3},
    {Kind::Label, "StaticText24", 325, 317, 100, 18, Panel::Lower, 3, "Celestial Animal:", 12, false, kRight, false},
    {Kind::Label, "StaticText6", 45, 280, 68, 15, Panel::Lower, 2, "Element:", 14, false, kRight},
    {Kind::Label, "Element", 119, 280, 120, 15, Panel::Lower, 2, "", 14, true},
    {Kind::Label, "StaticText14", 69, 317, 68, 15, Panel::Lower, 2, "Produces:", 12, false, kRight},
    {Kind::Label, "produces", 146, 317, 90, 15, Panel::Lower, 2},
    {Kind::Label, "StaticText35", 69, 390, 68, 15, Panel::Lower, 2, "Controls:", 12, false, kRight},
    {Kind::Label, "Controls", 146, 390, 90, 15, Panel::Lower, 2},
    {Kind::Label, "StaticText36", 69, 344, 68, 15, Panel::Lower, 2, "Weakens:", 12, false, kRight},
    {Kind::Label, "weakens", 146, 344, 90, 15, Panel::Lower, 2},
    {Kind::Label, "StaticText5", 28, 262, 100, 15, Panel::Lower, 1, "Family Member", 12, false, kRight},
    {Kind::Label, "FamilyMember", 141, 262, 130, 15, Panel::Lower, 1},
    {Kind::Label, "StaticText7", 28, 364, 100, 15, Panel::Lower, 1, "Color", 12, false, kRight},
    {Kind::Label, "trigramColor", 141, 364, 130, 33, Panel::Lower, 1},
    {Kind::Label, "StaticText8", 28, 343, 100, 15, Panel::Lower, 1, "Form", 12, false, kRight},
    {Kind::Label, "Form", 141, 343, 130, 15, Panel::Lower, 1},
    {Kind::Label, "StaticText16", 28, 283, 100, 15, Panel::Lower, 1, "Polarity", 12, false, kRight},
    {Kind::Label, "Polarity", 141, 283, 130, 15, Panel::Lower, 1},
    {Kind::Label, "StaticText18", 263, 343, 80, 18, Panel::Lower, 1, "Senses", 12, false, kRight, false},
    {Kind::Label, "Senses", 355, 343, 145, 18, Panel::Lower, 1, "", 12, false, Qt::AlignLeft, false},
    {Kind::Separator, "Separator3", 39, 327, 210, 4, Panel::Lower, 1},
    {Kind::Label, "StaticText12", 28, 417, 100, 18, Panel::Lower, 1, "Season", 12, false, kRight},
    {Kind::Label, "Season", 141, 417, 130, 18, Panel::Lower, 1},
    {Kind::Label, "StaticText11", 28, 438, 100, 18, Panel::Lower, 1, "Time of Day", 12, false, kRight},
    {Kind::Label, "TimeOfDay", 141, 438, 130, 18, Panel::Lower, 1},
    {Kind::Label, "StaticText22", 28, 304, 100, 15, Panel::Lower, 1, "Represents", 12, false, kRight},
    {Kind::Label, "Nature", 141, 304, 130, 15, Panel::Lower, 1},
    {Kind::Separator, "Separator1", 39, 400, 210, 4, Panel::Lower, 1},
    {Kind::Box, "Rectangle1", 186, 362, 61, 61, Panel::Lower, 3},
    {Kind::Compass, "Canvas2", 186, 362, 61, 61, Panel::Lower, 3},
    {Kind::Label, "StaticText1", 380, 344, 18, 18, Panel::Lower, 3, "S", 11, false, kCentre},
    {Kind::Label, "StaticText2", 380, 424, 18, 18, Panel::Lower, 3, "N", 11, true, kCentre},
    {Kind::Label, "StaticText3", 341, 382, 14, 18, Panel::Lower, 3, "E", 11, false, kCentre},
    {Kind::Label, "StaticText4", 420, 383, 18, 18, Panel::Lower, 3, "W", 11, false, kCentre},
    {Kind::List, "baguaBox", 359, 362, 60, 60, Panel::Lower, 3, "4\t9\t2\n3\t5\t7\n8\t1\t6", 11},
    {Kind::Label, "StaticText25", 206, 344, 18, 18, Panel::Lower, 3, "N", 11, true, kCentre},
    {Kind::Label, "StaticText26", 206, 424, 18, 18, Panel::Lower, 3, "S", 11, false, kCentre},
    {Kind::Label, "StaticText27", 167, 383, 18, 18, Panel::Lower, 3, "W", 11, false, kCentre},
    {Kind::Label, "StaticText28", 251, 383, 14, 18, Panel::Lower, 3, "E", 11, false, kCentre},
    {Kind::Label, "StaticText29", 341, 444, 100, 16, Panel::Lower, 3, "Luo Shu", 9, false, kCentre},
    {Kind::Label, "StaticText30", 167, 444, 100, 16, Panel::Lower, 3, "Western Compass", 9, false, kCentre},
    {Kind::Compass, "canvas1", 358, 361, 61, 61, Panel::Lower, 3},
    {Kind::Label, "StaticText17", 263, 364, 80, 18, Panel::Lower, 1, "Body", 12, false, kRight},
    {Kind::Label, "PartsOfBody", 355, 364, 159, 18, Panel::Lower, 1},
    {Kind::Cycles, "CycleCanvas", 312, 257, 200, 200, Panel::Lower, 2},
};
static_assert(std::size(kItems) == 71);

// The labels that show a trigram's texts, in the order of Trigram::texts.
constexpr std::array kFieldNames{"TriNameDisp", "TriTriDisp", "FamilyMember", "Element", "trigramColor",
                                 "Polarity",    "Form",       "produces",     "Controls", "weakens",
                                 "Season",      "Senses",     "PartsOfBody",  "Animal",   "Nature",
                                 "Group",       "Direction",  "TimeOfDay"};

// What the floor shows of each trigram, as a bare program would hold it: constant texts.
struct Trigram {
    std::array<const char*, kFieldNames.size()> texts;
    float initialAngle;
    float finalAngle;
};

// The nine trigrams, numbers 1 to 9 (UTF-8; Li's ideograph is the compatibility form).
const Trigram kTrigrams[] = {
    {{"Kan \u574E", "\u2635", "Middle Son", "Water", "Black, Blue", "Yang", "Wavy, free form", "Wood", "Fire",
      "Metal", "Winter", "Hearing", "Ears, kidney, bladder", "Black turtle", "Water", "East (E)", "North (N)",
      "Midnight"},
     337.5f, 22.5f},
    {{"Kun \u5764", "\u2637", "Mother", "Earth (big)", "Yellow, Beige", "Yin", "Rectangular", "Metal", "Water",
      "Fire", "Summer - Autumn", "N/A", "Abdomen, stomach.", "N/A", "Earth", "West (W)", "Southwest (SW)",
      "Early Afternoon"},
     202.5f, 247.5f},
    {{"Zhen \u9707", "\u2633", "Oldest Son", "Wood (hard)", "Jade green", "Yang", "Tall shapes", "Fire", "Earth",
      "Water", "Spring", "N/A", "Throat, feet, legs", "Green dragon", "Thunder", "East (E)", "East", "Mid morning"},
     67.5f, 112.5f},
    {{"Xun \u5DFD", "\u2634", "Oldest daughter", "Wood (soft)", "Green", "Yin", "Tall shapes", "Fire", "Earth",
      "Water", "Spring-Summer", "N/A", "Hips, butt", "N/A", "Wind", "East (E)", "Southeast (SE)", "Late morning"},
     112.5f, 157.5f},
    {{"No Trigram", "\u262F", "", "Earth", "", "", "", "", "", "", "", "", "", "", "", "", "Center", ""}, 0.0f, 0.0f},
    {{"Qian \u4E7E", "\u2630", "Father", "Metal (hard)", "White, Silver, Gold", "Yang", "Dome, rounded", "Water",
      "Wood", "Earth", "Autumn-Winter", "N/A", "Head, lungs", "N/A", "Heaven", "West", "Northwest (NW)",
      "Nightfall"},
     292.5f, 337.5f},
    {{"Dui \u514C", "\u2631", "Youngest Daughter", "Metal (soft)", "White", "Yin", "Circular, dome", "Water",
      "Wood", "Earth", "Autumn", "Taste", "Mouth, throat", "White tiger", "Lake, Marsh", "West (W)", "West (W)",
      "Afternoon"},
     247.5f, 292.5f},
    {{"Gen \u826E", "\u2636", "Youngest son", "Earth (Small)", "Yellow, Beige", "Yang", "Rectangular", "Metal",
      "Water", "Fire", "Winter-Spring", "Touch", "Hands, fingers", "N/A", "Mountain", "East (E)", "Northeast (NE)",
      "Early morning"},
     22.5f, 67.5f},
    {{"Li \uF9EA", "\u2632", "Middle Daughter", "Fire", "Red, orange, purple", "Yin", "Triangular, pointed",
      "Earth", "Metal", "Wood", "Summer", "Sight", "Eyes, heart", "Red Phoenix", "Fire", "East (E)", "South (S)",
      "Noon"},
     157.5f, 202.5f},
};
static_assert(std::size(kTrigrams) == 9);

// The labels that wrap their text, as the main window's multi-line labels do.
constexpr std::array kWrappedLabels{"StaticText37", "Note", "trigramColor", "PartsOfBody"};

// The colour of each trigram's element, for trigrams 1 to 9.
const QColor kElementColours[] = {QColor(0x00009B), QColor(0xD68413), QColor(0x00C000),
                                  QColor(0x00C000), QColor(0xD68413), QColor(0x999999),
                                  QColor(0x999999), QColor(0xD68413), QColor(0xFF2E00)};

QFont fontFor(const Item& item)
{
    QFont font = QApplication::font();
    if (std::strcmp(item.name, "TriNameDisp") == 0)
        font.setFamilies({QStringLiteral("Noto Serif CJK KR"), QStringLiteral("Noto Serif CJK TC"),
                          QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Noto Serif CJK SC")});
    if (item.pixelSize > 0)
        font.setPixelSize(item.pixelSize);
    font.setBold(item.bold);
    return font;
}

// How the main window's two lists look: a heading or none, their columns, their rows'
// height and their grid lines (the trigrams' dotted, the Luo Shu square's solid).
struct ListLook {
    const char* name;
    const char* heading; // nullptr: none
    int columns;
    int rowHeight;
    Qt::PenStyle grid;
};

const ListLook kListLooks[] = {
    {"TriBox", "Trigrams", 1, 15, Qt::DotLine},
    {"baguaBox", nullptr, 3, 20, Qt::SolidLine},
};

// A list as a table: its rows one a line, its cells split by tabs, in a plain box
// frame without scroll bars, selected a row at a time.
QTableWidget* newList(const Item& item, const QString& text, QWidget* parent)
{
    const ListLook* look = &kListLooks[0];
    for (const ListLook& each : kListLooks) {
        if (std::strcmp(item.name, each.name) == 0)
            look = &each;
    }
    const QStringList rows = text.split(QLatin1Char('\n'));
    auto* list = new QTableWidget(int(rows.size()), look->columns, parent);
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList cells = rows[row].split(QLatin1Char('\t'));
        for (int column = 0; column < cells.size() && column < look->columns; ++column) {
            auto* cell = new QTableWidgetItem(cells[column]);
            if (look->columns > 1)
                cell->setTextAlignment(Qt::AlignCenter);
            list->setItem(row, column, cell);
        }
    }
    if (look->heading) {
        list->setHorizontalHeaderLabels({QString::fromUtf8(look->heading)});
        list->horizontalHeader()->setFixedHeight(QFontMetrics(fontFor(item)).height() + 3);
        list->horizontalHeader()->setHighlightSections(false);
    } else {
        list->horizontalHeader()->hide();
    }
    // Qt's smallest sections are larger than the rows and the square's cells.
    list->verticalHeader()->hide();
    list->verticalHeader()->setMinimumSectionSize(1);
    list->verticalHeader()->setDefaultSectionSize(look->rowHeight);
    list->horizontalHeader()->setMinimumSectionSize(1);
    list->horizontalHeader()->setDefaultSectionSize(item.width / look->columns);
    list->setGridStyle(look->grid);
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

// The personal gua of the default birth data (a man born in 1968).
int defaultGua()
{
    const auto digitSum = [](int n) {
        int sum = 0;
        for (; n > 0; n /= 10)
            sum += n % 10;
        return sum;
    };
    int sum = digitSum(1968);
    while (sum > 9)
        sum = digitSum(sum);
    int gua = 11 - sum;
    if (gua > 9)
        gua = digitSum(gua);
    return gua == 5 ? 2 : gua;
}

class ArrowsView : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setBrush(Qt::black);
        const int w = width();
        const int h = height() / 2;
        painter.drawPolygon(QPolygon({QPoint(w / 2, 2), QPoint(w - 2, h - 2), QPoint(2, h - 2)}));
        painter.drawPolygon(QPolygon({QPoint(2, h + 2), QPoint(w - 2, h + 2), QPoint(w / 2, 2 * h - 2)}));
    }
};

class BoxView : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(QColor(0x7E7E7E));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(QColor(0x797979));
        painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    }
};

// The cycles of the elements: five points joined in a star and a ring.
class CyclesView : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF centre = rect().center();
        const qreal radius = width() / 2.0 - 20;
        QPolygonF points;
        for (int i = 0; i < 5; ++i) {
            const qreal angle = i * 2 * M_PI / 5 - M_PI / 2;
            points << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        }
        painter.drawEllipse(centre, radius, radius);
        for (int i = 0; i < 5; ++i)
            painter.drawLine(points[i], points[(i + 2) % 5]);
    }
};

} // namespace

// A compass sector: a quarter-right-angle wedge from the trigram's initial bearing.
class CompassView : public QWidget {
public:
    CompassView(QWidget* parent, bool southUp) : QWidget(parent), southUp_(southUp) {}

    void setBearing(float degrees)
    {
        bearing_ = degrees;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(128, 128, 128));
        painter.setBrush(QColor(128, 128, 128, 204));
        // Qt counts sixteenths of a degree, anticlockwise from three o'clock.
        const qreal start = southUp_ ? -(bearing_ + 90) : -(bearing_ - 90);
        const int r = width() / 2;
        painter.drawPie(QRect(0, 0, 2 * r, 2 * r), int(start * 16), -45 * 16);
    }

private:
    bool southUp_;
    float bearing_ = 0;
};

FloorWindow::FloorWindow()
{
    setWindowTitle(QStringLiteral("Oruvel"));
    buildMenuBar();
    auto* content = new QWidget;
    setCentralWidget(content);
    buildControls();
    setFixedSize(640, 480 + menuBar()->sizeHint().height());

    gua_->setText(QString::number(defaultGua()));
    number_->setCurrentIndex(defaultGua() - 1);
    showTrigram(defaultGua() - 1);
    showPages();
}

void FloorWindow::buildMenuBar()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Close"), QKeySequence(QStringLiteral("Ctrl+W")), this, &QWidget::close);
    file->addAction(QStringLiteral("Quit"), QKeySequence(QStringLiteral("Ctrl+Q")), qApp, &QApplication::quit);
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")));
    edit->addSeparator();
    edit->addAction(QStringLiteral("Cu&t"), QKeySequence(QStringLiteral("Ctrl+X")));
    edit->addAction(QStringLiteral("&Copy"), QKeySequence(QStringLiteral("Ctrl+C")));
    edit->addAction(QStringLiteral("&Paste"), QKeySequence(QStringLiteral("Ctrl+V")));
    edit->addAction(QStringLiteral("Clear"));
    QMenu* windowMenu = bar->addMenu(QStringLiteral("Window"));
    windowMenu->addAction(QStringLiteral("Show Info"), QKeySequence(QStringLiteral("Ctrl+I")));
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->addAction(QStringLiteral("Help"), QKeySequence(QStringLiteral("Ctrl+?")));
    help->addAction(QStringLiteral("About Oruvel..."));
}

void FloorWindow::buildControls()
{
    QWidget* content = centralWidget();
    std::array<QLabel*, kFieldNames.size()> fields{};
    for (const Item& item : kItems) {
        const QString text = QString::fromUtf8(item.text);
        QWidget* widget = nullptr;
        switch (item.kind) {
        case Kind::Tabs: {
            auto* tabs = new QTabWidget(content);
            for (const QString& caption : text.split(QLatin1Char('\n')))
                tabs->addTab(new QWidget, caption);
            (upperTabs_ ? lowerTabs_ : upperTabs_) = tabs;
            connect(tabs, &QTabWidget::currentChanged, this, [this] { showPages(); });
            widget = tabs;
            break;
        }
        case Kind::Combo: {
            auto* combo = new QComboBox(content);
            combo->addItems(text.split(QLatin1Char('\n')));
            if (std::strcmp(item.name, "trigramNum") == 0)
                number_ = combo;
            else if (std::strcmp(item.name, "day") == 0)
                combo->setCurrentIndex(13);
            else if (std::strcmp(item.name, "month") == 0)
                combo->setCurrentIndex(5);
            widget = combo;
            break;
        }
        case Kind::Arrows:
            widget = new ArrowsView(content);
            break;
        case Kind::Label: {
            auto* label = new QLabel(text, content);
            label->setAlignment(item.align | Qt::AlignTop);
            for (const char* wrapped : kWrappedLabels)
                label->setWordWrap(label->wordWrap() || std::strcmp(item.name, wrapped) == 0);
            for (std::size_t i = 0; i < kFieldNames.size(); ++i) {
                if (std::strcmp(item.name, kFieldNames[i]) == 0)
                    fields[i] = label;
            }
            if (std::strcmp(item.name, "Note") == 0)
                note_ = label;
            else if (std::strcmp(item.name, "InitialAngle") == 0)
                initialAngle_ = label;
            else if (std::strcmp(item.name, "FinalAngle") == 0)
                finalAngle_ = label;
            else if (std::strcmp(item.name, "trigramColor") == 0)
                colour_ = label;
            widget = label;
            break;
        }
        case Kind::List: {
            auto* list = newList(item, text, content);
            if (!list_)
                list_ = list;
            widget = list;
            break;
        }
        case Kind::Button: {
            auto* button = new QPushButton(text, content);
            button->setDefault(true);
            widget = button;
            break;
        }
        case Kind::Line: {
            auto* line = new QLineEdit(text, content);
            line->setAlignment(item.align);
            if (!gua_ && std::strcmp(item.name, "MingGua") == 0) {
                gua_ = line;
                line->setFrame(false);
            }
            widget = line;
            break;
        }
        case Kind::Text: {
            auto* edit = new QTextEdit(content);
            edit->setPlainText(text);
            edit->setReadOnly(true);
            widget = edit;
            break;
        }
        case Kind::Separator: {
            auto* line = new QFrame(content);
            line->setFrameShape(QFrame::HLine);
            widget = line;
            break;
        }
        case Kind::Box:
            widget = new BoxView(content);
            break;
        case Kind::Compass: {
            const bool luoShu = std::strcmp(item.name, "canvas1") == 0;
            auto* compass = new CompassView(content, luoShu);
            (luoShu ? luoShu_ : western_) = compass;
            widget = compass;
            break;
        }
        case Kind::Cycles:
            widget = new CyclesView(content);
            break;
        }
        widget->setFont(fontFor(item));
        widget->setGeometry(item.left, item.top, item.width, item.height);
        widget->setVisible(item.visible && item.panel == Panel::None);
        if (!item.visible)
            continue;
        if (item.panel == Panel::Upper)
            upperPages_[item.page - 1].push_back(widget);
        else if (item.panel == Panel::Lower)
            lowerPages_[item.page - 1].push_back(widget);
    }
    fields_.assign(fields.begin(), fields.end());
    connect(list_, &QTableWidget::currentCellChanged, number_, &QComboBox::setCurrentIndex);
    connect(number_, &QComboBox::currentIndexChanged, this, [this](int row) {
        showTrigram(row);
        list_->setCurrentCell(row, 0);
    });
}

void FloorWindow::selectRow(int row)
{
    list_->setCurrentCell(row, 0);
}

void FloorWindow::showInfoPage(int page)
{
    lowerTabs_->setCurrentIndex(page);
}

void FloorWindow::showTrigram(int row)
{
    if (row < 0 || row >= int(std::size(kTrigrams)))
        return;
    const int number = row + 1;
    const Trigram& record = kTrigrams[row];
    QPalette palette = colour_->palette();
    palette.setColor(QPalette::WindowText, kElementColours[row]);
    colour_->setPalette(palette);
    note_->setText(number == 5 ? QStringLiteral("Tai Chi - not a trigram.") : QString());
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(QString::fromUtf8(record.texts[i]));
    const bool centre = number == 5;
    const bool lowerDirections = lowerTabs_->currentIndex() == 2;
    luoShu_->setVisible(!centre && lowerDirections);
    western_->setVisible(!centre && lowerDirections);
    if (centre) {
        initialAngle_->setText(QStringLiteral("N/A"));
        finalAngle_->setText(QStringLiteral("N/A"));
        return;
    }
    initialAngle_->setText(QString::number(record.initialAngle, 'f', 1) + QChar(0x00B0));
    finalAngle_->setText(QString::number(record.finalAngle, 'f', 1) + QChar(0x00B0));
    luoShu_->setBearing(record.initialAngle);
    western_->setBearing(record.initialAngle);
}

// Each panel shows the widgets of its current page only.
void FloorWindow::showPages()
{
    if (!upperTabs_ || !lowerTabs_)
        return;
    for (int page = 0; page < 2; ++page) {
        for (QWidget* widget : upperPages_[page])
            widget->setVisible(page == upperTabs_->currentIndex());
    }
    const bool centre = number_ && number_->currentIndex() == 4;
    for (int page = 0; page < 3; ++page) {
        for (QWidget* widget : lowerPages_[page]) {
            const bool compass = widget == luoShu_ || widget == western_;
            widget->setVisible(page == lowerTabs_->currentIndex() && !(compass && centre));
        }
    }
}

namespace {

class FloorSide : public BenchWindow {
public:
    FloorSide() { window_.show(); }
    void selectRow(int row) override { window_.selectRow(row); }
    void showInfoPage(int page) override { window_.showInfoPage(page); }

private:
    FloorWindow window_;
};

} // namespace

std::unique_ptr<BenchWindow> openFloorWindow()
{
    return std::make_unique<FloorSide>();
}

} // namespace bench

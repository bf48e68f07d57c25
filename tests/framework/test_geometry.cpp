// The geometry keys: the range a control or window takes, refusals that say where in
// a record they arose, locked edges at the end of the range, and huge controls that
// paint without huge images.

#include "test_controls_support.h"

#include "framework/control_class.h"
#include "framework/exceptions.h"
#include "framework/record.h"

#include <QImage>
#include <QResizeEvent>
#include <QPainter>

#include <sys/resource.h>

#include <climits>

using namespace testcontrols;

namespace {

constexpr int kMax = 16777215;

const fw::ControlClass kClasses[] = {
    fw::ControlClass::TabPanel,  fw::ControlClass::PopupMenu, fw::ControlClass::LittleArrows,
    fw::ControlClass::StaticText, fw::ControlClass::Listbox,  fw::ControlClass::PushButton,
    fw::ControlClass::EditField, fw::ControlClass::Separator, fw::ControlClass::Rectangle,
    fw::ControlClass::Canvas,
};

// Applies a String entry (a control's Name, a window's Title) and one Integer entry
// after it; returns what was refused, or "".
std::string refusal(QObject* object, const char* key, int value, const char* lead = "Name")
{
    try {
        fw::_SetProperties(object, fw::encodeRecord({{std::string_view(lead), "Probe"}, {std::string_view(key), value}}));
    } catch (const fw::OutOfBoundsException& e) {
        return e.what();
    }
    return {};
}

class GeometryTest : public ControlsTest {};

} // namespace

// Every key of the geometry takes the values Qt can draw and refuses the rest; the
// refusal names the key and the entry's byte offset (after "Name" and its 5 bytes).
TEST_F(GeometryTest, EveryControlClassTakesTheRangeAndRefusesValuesOutsideIt)
{
    struct Row {
        const char* key;
        std::vector<int> taken;
        std::vector<int> refused;
    };
    const std::vector<Row> rows = {
        {"Left", {-kMax, 0, kMax}, {INT_MIN, -kMax - 1, kMax + 1, INT_MAX}},
        {"Top", {-kMax, 0, kMax}, {INT_MIN, -kMax - 1, kMax + 1, INT_MAX}},
        {"Width", {0, kMax}, {INT_MIN, -1, kMax + 1, INT_MAX}},
        {"Height", {0, kMax}, {INT_MIN, -1, kMax + 1, INT_MAX}},
    };
    const qsizetype offset = fw::encodeRecord({{"Name", "Probe"}}).size();
    build([&](fw::Window* window) {
        int number = 0;
        for (fw::ControlClass controlClass : kClasses) {
            const char* className = fw::controlClassName(controlClass);
            fw::RectControl* control = fw::newControl(controlClass);
            window->_AddControl(QStringLiteral("C%1").arg(++number), control);
            for (const Row& row : rows) {
                for (int value : row.taken) {
                    EXPECT_EQ(refusal(control, row.key, value), "") << className << "." << row.key << " " << value;
                    EXPECT_EQ(control->property(row.key).toInt(), value) << className << "." << row.key;
                }
                const int kept = control->property(row.key).toInt();
                for (int value : row.refused) {
                    const std::string message = refusal(control, row.key, value);
                    SCOPED_TRACE(std::string(className) + "." + row.key + " " + std::to_string(value) + ": " + message);
                    EXPECT_NE(message.find(std::string("key \"") + row.key + "\""), std::string::npos);
                    EXPECT_NE(message.find("byte offset " + std::to_string(offset)), std::string::npos);
                    EXPECT_EQ(control->property(row.key).toInt(), kept);
                }
            }
        }
    });
}

TEST_F(GeometryTest, AWindowTakesSizesUpTo32000AndCoordinatesInTheRange)
{
    auto* window = build({});
    const qsizetype offset = fw::encodeRecord({{"Title", "Probe"}}).size();
    const auto refusal = [window](const char* key, int value) { return ::refusal(window, key, value, "Title"); };
    for (const char* key : {"Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(refusal(key, 32000), "");
        EXPECT_EQ(refusal(key, 0), "");
        for (int value : {-1, 32001, INT_MAX, INT_MIN})
            EXPECT_NE(refusal(key, value).find("byte offset " + std::to_string(offset)), std::string::npos);
    }
    // Moving the window's frame must not overflow Qt's rectangle.
    for (const char* key : {"Left", "Top"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(refusal(key, kMax), "");
        EXPECT_EQ(refusal(key, -kMax), "");
        for (int value : {INT_MAX, INT_MIN, kMax + 1})
            EXPECT_NE(refusal(key, value).find(std::string("key \"") + key + "\""), std::string::npos);
    }
}

// Refusals of other setters carry the place in the record as well.
TEST_F(GeometryTest, ARefusalOfAnyPropertyNamesTheKeyAndTheOffset)
{
    build([](fw::Window* window) {
        fw::RectControl* label = fw::newControl(fw::ControlClass::StaticText);
        window->_AddControl("Label", label);
        const std::string message = refusal(label, "TextAlign", 7);
        EXPECT_NE(message.find("TextAlign must be 0 to 2"), std::string::npos) << message;
        EXPECT_NE(message.find("key \"TextAlign\" at byte offset 14"), std::string::npos) << message;
    });
}

// A control locked to the right and bottom near the end of the range stops there
// while the window grows, and comes back to its place when it shrinks.
TEST_F(GeometryTest, LockedEdgesStopAtTheEndOfTheRange)
{
    fw::RectControl* corner = nullptr;
    fw::RectControl* stretched = nullptr;
    auto* window = build([&](fw::Window* w) {
        w->setResizeable(true);
        corner = fw::newControl(fw::ControlClass::Rectangle);
        w->_AddControl("Corner", corner);
        fw::_SetProperties(corner, fw::encodeRecord({{"Left", kMax - 10}, {"Top", kMax - 5}, {"Width", 20},
                                                     {"Height", 20}, {"LockRight", true}, {"LockBottom", true}}));
        stretched = fw::newControl(fw::ControlClass::Rectangle);
        w->_AddControl("Stretched", stretched);
        fw::_SetProperties(stretched,
                           fw::encodeRecord({{"Left", 0}, {"Top", 0}, {"Width", kMax - 10}, {"Height", kMax},
                                             {"LockLeft", true}, {"LockTop", true}, {"LockRight", true},
                                             {"LockBottom", true}}));
    });
    window->setWidth(740);
    window->setHeight(580);
    QTRY_COMPARE(window->content()->size(), QSize(740, 580));
    EXPECT_EQ(QPoint(corner->Left(), corner->Top()), QPoint(kMax, kMax));
    EXPECT_EQ(QSize(stretched->Width(), stretched->Height()), QSize(kMax, kMax));

    window->setWidth(640);
    window->setHeight(480);
    QTRY_COMPARE(window->content()->size(), QSize(640, 480));
    EXPECT_EQ(QPoint(corner->Left(), corner->Top()), QPoint(kMax - 10, kMax - 5));
    EXPECT_EQ(QSize(stretched->Width(), stretched->Height()), QSize(kMax - 10, kMax));
}

// Resizes the content area as a window manager may, also below the window's minimum.
void resizeContent(fw::Window* window, QSize size)
{
    QResizeEvent event(size, window->content()->size());
    QCoreApplication::sendEvent(window->content(), &event);
}

// Every combination of locks gives a control the same geometry at a window size,
// whatever sizes the window had before: compared with a fresh window sized straight
// there.
TEST_F(GeometryTest, LockedEdgesGiveOneGeometryPerWindowSizeWhateverCameBefore)
{
    const std::vector<std::vector<QSize>> journeys = {
        {{64, 64}, {10, 10}, {0, 0}, {300, 300}},
        {{32000, 32000}, {640, 480}},
        {{kMax, kMax}, {0, 0}, {700, 500}},
        {{1, 1000}, {1000, 1}, {520, 410}},
        {{0, 0}, {64, 64}},
    };
    const auto makeWindow = [this] {
        return build([](fw::Window* w) {
            w->setResizeable(true);
            for (int locks = 0; locks < 16; ++locks) {
                fw::RectControl* control = fw::newControl(fw::ControlClass::Rectangle);
                w->_AddControl(QStringLiteral("Locks%1").arg(locks), control);
                fw::_SetProperties(control, fw::encodeRecord({{"Left", 100}, {"Top", 80}, {"Width", 200},
                                                              {"Height", 150}, {"LockLeft", bool(locks & 1)},
                                                              {"LockTop", bool(locks & 2)},
                                                              {"LockRight", bool(locks & 4)},
                                                              {"LockBottom", bool(locks & 8)}}));
            }
        });
    };
    const auto geometry = [](fw::RectControl* c) { return QRect(c->Left(), c->Top(), c->Width(), c->Height()); };
    for (const std::vector<QSize>& journey : journeys) {
        fw::Window* travelled = makeWindow();
        for (QSize size : journey)
            resizeContent(travelled, size);
        fw::Window* straight = makeWindow();
        resizeContent(straight, journey.back());
        for (int locks = 0; locks < 16; ++locks) {
            const QString name = QStringLiteral("Locks%1").arg(locks);
            SCOPED_TRACE(QStringLiteral("%1 after %2 sizes ending at %3x%4")
                             .arg(name)
                             .arg(journey.size())
                             .arg(journey.back().width())
                             .arg(journey.back().height())
                             .toStdString());
            fw::RectControl* control = travelled->findControl(name);
            EXPECT_EQ(geometry(control), geometry(straight->findControl(name)));
            EXPECT_EQ(control->widget()->geometry(), geometry(control));
        }
        travelled->Close();
        straight->Close();
    }
}

// Qt's styles draw some widgets through an image of their whole size: a control as
// large as the range allows must still paint its window in megabytes, not gigabytes.
TEST_F(GeometryTest, TheLargestControlsPaintWithoutHugeImages)
{
    const auto peakMegabytes = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss / 1024;
    };
    auto* window = build([](fw::Window* w) {
        int number = 0;
        for (fw::ControlClass controlClass : kClasses) {
            fw::RectControl* control = fw::newControl(controlClass);
            w->_AddControl(QStringLiteral("C%1").arg(++number), control);
            fw::_SetProperties(control, fw::encodeRecord({{"Left", number * 50}, {"Top", number * 40},
                                                          {"Width", kMax}, {"Height", number % 2 ? 40 : kMax}}));
        }
    });
    const long before = peakMegabytes();
    QImage image(window->content()->size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    window->content()->render(&painter);
    painter.end();
    EXPECT_LT(peakMegabytes() - before, 256);
}

// The four windows under a dark theme, and what assistive technology finds in them.
#include "app/startup.h"
#include "main_window/oruvel.h"
#include "windows/about_box.h"
#include "windows/help.h"
#include "windows/info.h"

#include "framework/accessible_names.h"
#include "framework/tab_panel.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QMainWindow>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

class Look : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerProgramClasses();
        runSteps(std::vector<ProgramStep>(mainSteps().begin(), mainSteps().end() - 1)); // short of the event loop
        windows = {Oruvel(), AboutBox(), Info(), Help()};
        for (fw::Window* window : windows)
            window->Show();
    }
    void TearDown() override { setPalette(light), shutdown(); }
    static void setPalette(const QPalette& palette) { QApplication::setPalette(palette), QApplication::processEvents(); }
    const QPalette light = QApplication::palette();
    std::vector<fw::Window*> windows;
};

// WCAG 2 contrast ratio, from relative luminance.
double contrast(QRgb a, QRgb b)
{
    const auto lum = [](QRgb c) {
        const auto lin = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c)) + 0.05;
    };
    return std::max(lum(a), lum(b)) / std::min(lum(a), lum(b));
}

// The area's commonest colour, the background, and its ink: the colour that stands out most from it.
std::pair<QRgb, QRgb> backgroundAndInk(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int i = 0; i < area.width() * area.height(); ++i)
        ++counts[image.pixel(area.left() + i % area.width(), area.top() + i / area.width())];
    const QList<QRgb> colours = counts.keys();
    const QRgb back = *std::max_element(colours.begin(), colours.end(), [&](QRgb a, QRgb b) { return counts[a] < counts[b]; });
    return {back, *std::max_element(colours.begin(), colours.end(), [&](QRgb a, QRgb b) { return contrast(a, back) < contrast(b, back); })};
}

// On every page, each text stands out at least 4.5:1 from what lies behind it, or keeps
// its label's own colour on the light window that colour was chosen for.
TEST_F(Look, EveryTextIsReadableUnderADarkPalette)
{
    for (const auto& [top, lower] : std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {0, 2}}) {
        windows[0]->control<fw::TabPanel>("TabPanel2")->setValue(top);
        windows[0]->control<fw::TabPanel>("InfoPanel")->setValue(lower);
        for (fw::Window* window : windows) {
            setPalette(light);
            const QImage designed = window->widget()->grab().toImage();
            setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
            const QImage dark = window->widget()->grab().toImage();
            for (QWidget* text : window->widget()->findChildren<QWidget*>()) {
                static const char* const kShowText[] = {"QLabel", "QPushButton", "QLineEdit", "QAbstractScrollArea", "QComboBox", "QTabBar", "QMenuBar"};
                const auto* label = qobject_cast<QLabel*>(text);
                if (!text->isVisible() || (label && label->text().isEmpty())
                    || std::none_of(std::begin(kShowText), std::end(kShowText), [text](const char* name) { return text->inherits(name); }))
                    continue;
                const QRect area = QRect(text->mapTo(window->widget(), QPoint()), text->size()) & dark.rect();
                const auto [background, ink] = backgroundAndInk(dark, area);
                const bool ownColour = label && ink == label->palette().color(QPalette::WindowText).rgb()
                    && background == backgroundAndInk(designed, area).first;
                EXPECT_TRUE(ownColour || contrast(ink, background) >= 4.5) << window->Title().toStdString() << ": "
                    << text->metaObject()->className() << " " << (label ? label->text().toStdString() : "");
            }
        }
    }
}

// Collects the window's widgets that take the focus or show data and that a screen
// reader finds no name for, neither their own nor their label's, and canvases that it
// does not take for pictures.
void walk(QAccessibleInterface* iface, const QWidget* top, QStringList& faults)
{
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), top, faults);
    auto* widget = qobject_cast<QWidget*>(iface->object());
    if (!widget || widget->window() != top)
        return;
    const QAccessible::Role role = iface->role();
    const bool canvas = widget->inherits("fw::CanvasWidget");
    const auto labels = iface->relations(QAccessible::Label);
    const bool named = !(labels.isEmpty() ? iface : labels.first().first)->text(QAccessible::Name).trimmed().isEmpty();
    if (!named && (canvas || iface->state().focusable || role == QAccessible::EditableText
                   || role == QAccessible::Table || role == QAccessible::List || role == QAccessible::ComboBox || role == QAccessible::PushButton))
        faults << QStringLiteral("unnamed ") + QString::fromLatin1(widget->metaObject()->className());
    if (canvas && role != QAccessible::Graphic)
        faults << QStringLiteral("canvas not a picture");
}

TEST_F(Look, AssistiveTechnologyFindsEveryControlNamed)
{
    for (fw::Window* window : windows) {
        QStringList faults;
        walk(QAccessible::queryAccessibleInterface(window->widget()), window->widget(), faults);
        EXPECT_TRUE(faults.isEmpty()) << window->Title().toStdString() << ": " << faults.join(", ").toStdString();
    }
    // A caption is tied to its field: the pop-up beside "Sex" is labelled by it.
    const auto labels = QAccessible::queryAccessibleInterface(windows[0]->findControl("Sex")->widget())->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->text(QAccessible::Name), "Sex");
    EXPECT_EQ(fw::readableName("LittleArrows1"), "Little arrows 1");
    EXPECT_EQ(fw::readableName("daURL2"), "Da URL 2");
}

} // namespace

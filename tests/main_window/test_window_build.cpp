// How the main window is built: its shape, its controls from their records, their
// bindings, the localized caption and the fonts.
#include "main_window_fixture.h"

#include "app/shell/menu_bar1.h"
#include "main_window/layout_records.h"

#include "framework/edit_field.h"
#include "framework/listbox.h"
#include "framework/popup_menu.h"
#include "framework/static_text.h"
#include "framework/system.h"
#include "framework/tab_panel.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>

#include <set>
#include <string>

namespace {

using WindowBuildTest = MainWindowTest;

// A main window whose Open does nothing: it shows what the records alone leave.
class UnopenedOruvel : public Oruvel {
    Q_OBJECT

public:
    // Found by name before Oruvel's own, so the inherited event table calls it.
    Q_INVOKABLE void Event_Open() {}
};

// The 27 bindings as control and event names.
const std::set<std::string> kBound{
    "TabPanel2.Change",         "trigramNum.Change",
    "LittleArrows1.Up",         "LittleArrows1.Down",
    "TriBox.HeaderPressed",     "TriBox.CellGotFocus",
    "TriBox.CellBackgroundPaint", "TriBox.CellClick",
    "TriBox.KeyDown",           "TriBox.Change",
    "CalculateGua.Action",      "Sex.Change",
    "day.Change",               "month.Change",
    "birthYear.GotFocus",       "birthYear.LostFocus",
    "EditField1.MouseUp",       "EditField1.MouseDown",
    "StaticText14.MouseEnter",  "StaticText14.MouseExit",
    "produces.MouseEnter",      "produces.MouseExit",
    "StaticText35.MouseEnter",  "StaticText36.MouseEnter",
    "StaticText36.MouseExit",   "Canvas2.Paint",
    "canvas1.Paint",
};

} // namespace

TEST_F(WindowBuildTest, AFixedWindowOfSixHundredFortyByFourHundredEightyTitledOruvel)
{
    EXPECT_EQ(window->Title(), "Oruvel");
    EXPECT_EQ(window->widget()->windowTitle(), "Oruvel");
    EXPECT_EQ(window->content()->size(), QSize(640, 480));
    EXPECT_FALSE(window->Resizeable());
    EXPECT_TRUE(window->CloseButton());
    EXPECT_TRUE(window->MinimizeButton());
    EXPECT_FALSE(window->MaximizeButton());
    EXPECT_EQ(window->BackColor(), QColor(Qt::white));
    EXPECT_EQ(window->MenuBar(), MenuBar1());
}

TEST_F(WindowBuildTest, TheAccessorReturnsTheOpenWindow)
{
    EXPECT_EQ(Oruvel(), window);
    EXPECT_EQ(Oruvel(), window);
}

TEST_F(WindowBuildTest, SeventyOneControlsInCreationOrderWithTwentySevenBindings)
{
    const auto& layouts = mainwindow::controlLayouts();
    ASSERT_EQ(window->controls().size(), 71u);
    ASSERT_EQ(layouts.size(), 71u);
    std::set<std::string> bound;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        fw::RectControl* c = window->controls()[i];
        EXPECT_EQ(c->Name(), layouts[i].name);
        for (const fw::EventBase* event : c->events()) {
            if (event->isHandled())
                bound.insert(c->Name().toStdString() + "." + event->name());
        }
    }
    EXPECT_EQ(bound, kBound);
}

TEST_F(WindowBuildTest, TheRecordsAloneRunNoHandler)
{
    destroyAllWindows();
    auto* bare = fw::Window::create<UnopenedOruvel>();
    // Any handler run by a record would have shown a trigram or a gua.
    EXPECT_EQ(bare->control<fw::StaticText>("TriNameDisp")->Text(), "");
    EXPECT_EQ(bare->control<fw::EditField>("MingGua")->Text(), "");
    EXPECT_EQ(bare->control<fw::PopupMenu>("trigramNum")->Text(), "1");
    EXPECT_EQ(bare->control<fw::PopupMenu>("day")->Text(), "14");
    EXPECT_EQ(bare->control<fw::PopupMenu>("month")->Text(), "June");
    EXPECT_EQ(bare->control<fw::PopupMenu>("Sex")->Text(), "M");
    EXPECT_EQ(bare->control<fw::EditField>("birthYear")->Text(), "1968");
    EXPECT_EQ(bare->control<fw::TabPanel>("TabPanel2")->Value(), 0);
    EXPECT_EQ(bare->control<fw::Listbox>("TriBox")->ListIndex(), -1);
    EXPECT_EQ(bare->grp, nullptr);
    EXPECT_EQ(bare->grp1, nullptr);
}

TEST_F(WindowBuildTest, TheNatureCaptionIsLocalized)
{
    EXPECT_EQ(control<fw::StaticText>("StaticText22")->Text(), "Represents");
    destroyAllWindows();
    fw::installTranslation(QLocale(QLocale::German, QLocale::Germany));
    auto* german = Oruvel();
    fw::installTranslation(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(german->control<fw::StaticText>("StaticText22")->Text(), QString::fromUtf8("Steht f\u00FCr"));
}

TEST_F(WindowBuildTest, TheTrigramNameIsInACjkSerifThatHasLisIdeograph)
{
    showTrigram(9);
    const QFont font = control<fw::StaticText>("TriNameDisp")->label()->font();
    EXPECT_TRUE(QFontInfo(font).family().startsWith("Noto Serif CJK")) << QFontInfo(font).family().toStdString();
    EXPECT_TRUE(QFontMetrics(font).inFontUcs4(0xF9EA));
    EXPECT_TRUE(QFontInfo(font).bold());
    EXPECT_EQ(QFontInfo(font).pixelSize(), 24);
}

TEST_F(WindowBuildTest, TheSymbolIsDrawnSeventyTwoPixelsHigh)
{
    for (int number : {1, 5, 9}) {
        showTrigram(number);
        QLabel* symbol = control<fw::StaticText>("TriTriDisp")->label();
        EXPECT_EQ(QFontInfo(symbol->font()).pixelSize(), 72);
        EXPECT_TRUE(hasInk(symbol->grab().toImage())) << number;
    }
}

#include "test_window_build.moc"

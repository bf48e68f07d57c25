// Property records applied to each control class, as the windows build them, and the
// control factory.

#include "test_controls_support.h"

#include "framework/canvas.h"
#include "framework/edit_field.h"
#include "framework/listbox.h"
#include "framework/little_arrows.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/record.h"
#include "framework/rectangle.h"
#include "framework/separator.h"
#include "framework/static_text.h"
#include "framework/tab_panel.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

using namespace testcontrols;

namespace {

class RecordsTest : public ControlsTest {
protected:
    // Makes a control of the class as the windows do: create, add, find, cast, apply.
    template <typename C>
    static C* create(fw::Window* window, fw::ControlClass controlClass, const QString& name, const QByteArray& record)
    {
        window->_AddControl(name, fw::newControl(controlClass));
        C* control = window->control<C>(name);
        fw::_SetProperties(control, record);
        return control;
    }
};

} // namespace

TEST(ControlFactory, MakesAControlOfEachClass)
{
    auto check = [](fw::ControlClass controlClass, const QMetaObject& meta) {
        std::unique_ptr<fw::RectControl> control(fw::newControl(controlClass));
        ASSERT_NE(control, nullptr);
        EXPECT_STREQ(control->metaObject()->className(), meta.className());
        EXPECT_NE(control->widget(), nullptr);
    };
    check(fw::ControlClass::TabPanel, fw::TabPanel::staticMetaObject);
    check(fw::ControlClass::PopupMenu, fw::PopupMenu::staticMetaObject);
    check(fw::ControlClass::LittleArrows, fw::LittleArrows::staticMetaObject);
    check(fw::ControlClass::StaticText, fw::StaticText::staticMetaObject);
    check(fw::ControlClass::Listbox, fw::Listbox::staticMetaObject);
    check(fw::ControlClass::PushButton, fw::PushButton::staticMetaObject);
    check(fw::ControlClass::EditField, fw::EditField::staticMetaObject);
    check(fw::ControlClass::Separator, fw::Separator::staticMetaObject);
    check(fw::ControlClass::Rectangle, fw::Rectangle::staticMetaObject);
    check(fw::ControlClass::Canvas, fw::Canvas::staticMetaObject);
}

TEST_F(RecordsTest, EveryClassTakesItsRecordWithoutRaisingItsHandlers)
{
    fw::TabPanel* panel = nullptr;
    fw::PopupMenu* day = nullptr;
    fw::LittleArrows* arrows = nullptr;
    fw::StaticText* caption = nullptr;
    fw::PushButton* calculate = nullptr;
    fw::EditField* year = nullptr;
    fw::EditField* text = nullptr;
    fw::Separator* line = nullptr;
    fw::Rectangle* frame = nullptr;
    fw::Rectangle* infoFrame = nullptr;
    QStringList ran;
    auto* window = build([&](fw::Window* w) {
        panel = create<fw::TabPanel>(w, fw::ControlClass::TabPanel, "TabPanel2", fw::encodeRecord({
            {"Name", "TabPanel2"}, {"Index", fw::kNoIndex}, {"Left", 20}, {"Top", 17}, {"Width", 600},
            {"Height", 198}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false}, {"LockBottom", false},
            {"TabPanelIndex", 0}, {"TabIndex", 5}, {"Facing", 0}, {"TabDefinition", "Trigram\rGua"},
            {"SmallTabs", false}, {"Value", 1}, {"Visible", true}, {"HelpTag", ""}, {"AutoDeactivate", true},
            {"Enabled", true}, {"TextFont", "System"}, {"TextSize", 0}, {"Bold", false}, {"Italic", false},
            {"Underline", false}, {"InitialParent", ""},
        }));
        day = create<fw::PopupMenu>(w, fw::ControlClass::PopupMenu, "day", fw::encodeRecord({
            {"Name", "day"}, {"Index", fw::kNoIndex}, {"Left", 96}, {"Top", 130}, {"Width", 52}, {"Height", 20},
            {"LockLeft", false}, {"LockTop", false}, {"LockRight", false}, {"LockBottom", false},
            {"TabPanelIndex", 2}, {"TabIndex", 8}, {"Enabled", true},
            {"InitialValue", "1\r2\r3\r4\r5\r6\r7\r8\r9\r10\r11\r12\r13\r14\r15\r16"}, {"ListIndex", 13},
            {"Visible", true}, {"HelpTag", "Day the person was born"}, {"AutoDeactivate", true},
            {"TextFont", "System"}, {"TextSize", 12}, {"Bold", false}, {"Italic", false}, {"Underline", false},
            {"DataSource", ""}, {"DataField", ""}, {"InitialParent", "TabPanel2"},
        }));
        arrows = create<fw::LittleArrows>(w, fw::ControlClass::LittleArrows, "LittleArrows1", fw::encodeRecord({
            {"Name", "LittleArrows1"}, {"Index", fw::kNoIndex}, {"Left", 527}, {"Top", 52}, {"Width", 13},
            {"Height", 26}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false}, {"LockBottom", false},
            {"TabPanelIndex", 1}, {"TabIndex", 1}, {"InitialParent", "TabPanel2"}, {"Visible", true},
            {"HelpTag", ""}, {"AutoDeactivate", true}, {"Enabled", true},
        }));
        caption = create<fw::StaticText>(w, fw::ControlClass::StaticText, "StaticText37", fw::encodeRecord({
            {"Name", "StaticText37"}, {"Index", fw::kNoIndex}, {"Left", 527}, {"Top", 81}, {"Width", 73},
            {"Height", 41}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false}, {"LockBottom", false},
            {"TabPanelIndex", 1}, {"TabIndex", 2}, {"Text", "Gua / Trigram\r(Later heaven ba gua)"},
            {"TextAlign", 2}, {"TextColor", fw::color(0xD68413)}, {"Multiline", true}, {"Enabled", true},
            {"Visible", true}, {"HelpTag", ""}, {"AutoDeactivate", true}, {"TextFont", "System"}, {"TextSize", 10},
            {"Bold", true}, {"Italic", false}, {"Underline", false}, {"DataSource", ""}, {"DataField", ""},
            {"InitialParent", "TabPanel2"},
        }));
        calculate = create<fw::PushButton>(w, fw::ControlClass::PushButton, "CalculateGua", fw::encodeRecord({
            {"Name", "CalculateGua"}, {"Index", fw::kNoIndex}, {"Left", 237}, {"Top", 162}, {"Width", 75},
            {"Height", 20}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false}, {"LockBottom", false},
            {"TabPanelIndex", 2}, {"TabIndex", 4}, {"Caption", "Calculate"}, {"Default", true}, {"Cancel", false},
            {"Enabled", true}, {"Visible", true}, {"HelpTag", ""}, {"AutoDeactivate", true}, {"TextFont", "System"},
            {"TextSize", 12}, {"Bold", false}, {"Italic", false}, {"Underline", false},
            {"InitialParent", "TabPanel2"},
        }));
        auto editRecord = [](const char* name, bool multiline, const char* value, int limit, int alignment,
                             bool readOnly) {
            return fw::encodeRecord({
                {"Name", name}, {"Index", fw::kNoIndex}, {"Left", 267}, {"Top", 129}, {"Width", 45},
                {"Height", 22}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false},
                {"LockBottom", false}, {"TabPanelIndex", 2}, {"TabIndex", 10}, {"Border", true},
                {"Multiline", multiline}, {"ScrollbarHorizontal", false}, {"ScrollbarVertical", true},
                {"Styled", false}, {"Password", false}, {"UseFocusRing", false}, {"TextColor", fw::color(0x000000)},
                {"BackColor", fw::color(0xE8E8E8)}, {"Enabled", true}, {"Format", ""}, {"Visible", true},
                {"HelpTag", "Year the person was born"}, {"AutoDeactivate", true}, {"TextFont", "System"},
                {"TextSize", 12}, {"Bold", false}, {"Italic", false}, {"Underline", false}, {"Text", value},
                {"Mask", ""}, {"ReadOnly", readOnly}, {"LimitText", limit}, {"AcceptTabs", false},
                {"Alignment", alignment}, {"DataSource", ""}, {"DataField", ""}, {"InitialParent", "TabPanel2"},
            });
        };
        year = create<fw::EditField>(w, fw::ControlClass::EditField, "birthYear",
                                     editRecord("birthYear", false, "1968", 4, 3, false));
        text = create<fw::EditField>(w, fw::ControlClass::EditField, "EditField1",
                                     editRecord("EditField1", true, "First.\r\rSecond.", 0, 0, true));
        line = create<fw::Separator>(w, fw::ControlClass::Separator, "Separator3", fw::encodeRecord({
            {"Name", "Separator3"}, {"Index", fw::kNoIndex}, {"Left", 39}, {"Top", 327}, {"Width", 210},
            {"Height", 4}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false}, {"LockBottom", false},
            {"TabPanelIndex", 1}, {"TabIndex", 32}, {"InitialParent", ""}, {"Visible", true}, {"HelpTag", ""},
            {"AutoDeactivate", true}, {"Enabled", true},
        }));
        frame = create<fw::Rectangle>(w, fw::ControlClass::Rectangle, "Rectangle1", fw::encodeRecord({
            {"Name", "Rectangle1"}, {"Index", fw::kNoIndex}, {"Left", 186}, {"Top", 362}, {"Width", 61},
            {"Height", 61}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false}, {"LockBottom", false},
            {"TabPanelIndex", 0}, {"Visible", true}, {"HelpTag", ""}, {"AutoDeactivate", true}, {"Enabled", true},
            {"FillColor", fw::color(0xFFFFFF)}, {"BorderWidth", 1}, {"TopLeftColor", fw::color(0x7E7E7E)},
            {"BottomRightColor", fw::color(0x797979)}, {"InitialParent", ""},
        }));
        infoFrame = create<fw::Rectangle>(w, fw::ControlClass::Rectangle, "InfoRectangle", fw::encodeRecord({
            {"TabIndex", 3}, {"Name", "InfoRectangle"}, {"Index", fw::kNoIndex}, {"Left", 10}, {"Top", 20},
            {"Width", 30}, {"Height", 40}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false},
            {"LockBottom", false}, {"TabPanelIndex", 0}, {"Visible", false}, {"HelpTag", ""},
            {"AutoDeactivate", true}, {"Enabled", true}, {"FillColor", fw::color(0xE8E8E8)}, {"BorderWidth", 0},
            {"TopLeftColor", fw::color(0x000000)}, {"BottomRightColor", fw::color(0x000000)}, {"InitialParent", ""},
        }));
        // As the program does: the handlers only after the records.
        panel->Change.install([&] { ran << "TabPanel2_Change"; });
        day->Change.install([&] { ran << "day_Change"; });
        arrows->Up.install([&] { ran << "Up"; });
        calculate->Action.install([&] { ran << "CalculateGua_Action"; });
        year->GotFocus.install([&] { ran << "birthYear_GotFocus"; });
        year->LostFocus.install([&] { ran << "birthYear_LostFocus"; });
        text->MouseDown.install([&](int, int) {
            ran << "EditField1_MouseDown";
            return true;
        });
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(joined(ran), "");

    auto* tabs = static_cast<QTabWidget*>(panel->widget());
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(panel->widget()->geometry(), QRect(20, 17, 600, 198));

    EXPECT_EQ(static_cast<QComboBox*>(day->widget())->currentText(), "14");
    EXPECT_EQ(day->Text(), "14");
    EXPECT_EQ(day->widget()->toolTip(), "Day the person was born");
    EXPECT_TRUE(day->widget()->isVisible()); // on the Gua page, which the panel shows

    EXPECT_FALSE(arrows->widget()->isVisible()); // on the Trigram page
    EXPECT_EQ(arrows->widget()->geometry(), QRect(527, 52, 13, 26));

    EXPECT_EQ(caption->label()->text(), "Gua / Trigram\n(Later heaven ba gua)");
    EXPECT_EQ(caption->label()->font().pixelSize(), 10);
    EXPECT_TRUE(caption->label()->font().bold());
    EXPECT_TRUE(caption->label()->wordWrap());
    EXPECT_EQ(caption->label()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    EXPECT_EQ(calculate->button()->text(), "Calculate");
    EXPECT_TRUE(calculate->Default());

    ASSERT_NE(year->lineEdit(), nullptr);
    EXPECT_EQ(year->lineEdit()->text(), "1968");
    EXPECT_EQ(year->lineEdit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(year->lineEdit()->palette().color(QPalette::Base), QColor(0xE8, 0xE8, 0xE8));
    EXPECT_EQ(year->LimitText(), 4);
    ASSERT_NE(text->textEdit(), nullptr);
    EXPECT_EQ(text->textEdit()->toPlainText(), "First.\n\nSecond.");
    EXPECT_TRUE(text->textEdit()->isReadOnly());

    EXPECT_EQ(line->widget()->geometry(), QRect(39, 327, 210, 4));
    EXPECT_EQ(line->TabIndex(), 32);
    EXPECT_EQ(frame->TopLeftColor(), QColor(0x7E, 0x7E, 0x7E));
    EXPECT_EQ(frame->widget()->grab().toImage().pixelColor(0, 0), QColor(0x7E, 0x7E, 0x7E));
    EXPECT_EQ(infoFrame->TabIndex(), 3);
    EXPECT_FALSE(infoFrame->widget()->isVisible());

    // The window's user actions now reach the handlers.
    QTest::keyClick(year->editor(), Qt::Key_Return);
    EXPECT_EQ(joined(ran), "CalculateGua_Action");
    EXPECT_EQ(window->findControl("day"), day);
}

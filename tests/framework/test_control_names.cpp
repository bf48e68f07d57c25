// A window finds its controls by name without regard to case, follows renames and
// controls that go, and resolves each control's parent by name; a record's font keys
// change a control's font once.

#include "test_controls_support.h"

#include "framework/listbox.h"
#include "framework/popup_menu.h"
#include "framework/record.h"
#include "framework/rectangle.h"
#include "framework/static_text.h"
#include "framework/tab_panel.h"
#include "framework/text.h"

#include <QEvent>
#include <QFont>

#include <algorithm>
#include <memory>
#include <stdexcept>

using namespace testcontrols;

namespace {

class ControlNamesTest : public ControlsTest {};

// The rule the window's table must keep: the first control, in creation order, whose
// name compares equal without regard to case.
fw::RectControl* firstNamed(const fw::Window& window, const QString& name)
{
    for (fw::RectControl* control : window.controls()) {
        if (fw::StrEquals(control->Name(), name))
            return control;
    }
    return nullptr;
}

class FontChangeCounter : public QObject {
public:
    explicit FontChangeCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange)
            ++count;
        return false;
    }
};

} // namespace

TEST_F(ControlNamesTest, ANameFindsItsControlInAnyCase)
{
    const QStringList names{QStringLiteral("TriBox"),       QStringLiteral("ärger"),
                            QStringLiteral("Σίσυφος"),      QStringLiteral("straße"),
                            QStringLiteral("\U00010400x"), QStringLiteral("Label1")};
    const QStringList asked{QStringLiteral("TriBox"),       QStringLiteral("tribox"),        QStringLiteral("TRIBOX"),
                            QStringLiteral("ÄRGER"),        QStringLiteral("ΣΊΣΥΦΟΣ"),       QStringLiteral("σίσυφοσ"),
                            QStringLiteral("STRASSE"),      QStringLiteral("STRAßE"),        QStringLiteral("\U00010428X"),
                            QStringLiteral("label1"),       QStringLiteral("Label"),         QStringLiteral("TriBox "),
                            QString()};
    auto* window = build([&](fw::Window* w) {
        for (const QString& name : names)
            place<fw::StaticText>(w, name, QRect(0, 0, 10, 10));
    });
    for (const QString& name : asked) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(window->findControl(name), firstNamed(*window, name));
    }
    EXPECT_NE(window->findControl(QStringLiteral("tribox")), nullptr);
    EXPECT_THROW(place<fw::StaticText>(window, QStringLiteral("LABEL1"), QRect()), std::exception);
}

TEST_F(ControlNamesTest, LookupsFollowRenamesAndControlsThatGo)
{
    fw::StaticText* a = nullptr;
    fw::StaticText* b = nullptr;
    fw::StaticText* c = nullptr;
    auto* window = build([&](fw::Window* w) {
        a = place<fw::StaticText>(w, "A", QRect(0, 0, 10, 10));
        b = place<fw::StaticText>(w, "B", QRect(0, 20, 10, 10));
        c = place<fw::StaticText>(w, "C", QRect(0, 40, 10, 10));
    });
    const auto expectLookups = [&](const char* step) {
        SCOPED_TRACE(step);
        for (const char* name : {"a", "B", "c", "Panel2", "x"})
            EXPECT_EQ(window->findControl(QString::fromLatin1(name)), firstNamed(*window, QString::fromLatin1(name)))
                << name;
    };
    b->setName("Panel2");
    expectLookups("renamed");
    EXPECT_EQ(window->findControl("PANEL2"), b);
    EXPECT_EQ(window->findControl("b"), nullptr);
    c->setName("a"); // two controls now bear the name: the earlier one answers
    expectLookups("shared");
    EXPECT_EQ(window->findControl("A"), a);
    a->setName("X");
    expectLookups("released");
    EXPECT_EQ(window->findControl("A"), c);
    delete c;
    expectLookups("deleted");
    EXPECT_EQ(window->findControl("A"), nullptr);
    EXPECT_EQ(window->controls().size(), 2u);
}

TEST_F(ControlNamesTest, AParentIsResolvedAgainWhenNamesChange)
{
    fw::TabPanel* panel = nullptr;
    fw::StaticText* child = nullptr;
    fw::StaticText* early = nullptr;
    auto* window = build([&](fw::Window* w) {
        panel = place<fw::TabPanel>(w, "Panel", QRect(20, 20, 600, 240));
        panel->setTabDefinition("Properties\rElements");
        child = place<fw::StaticText>(w, "Child", QRect(40, 60, 100, 18));
        child->setInitialParent("panel");
        child->setTabPanelIndex(2);
        early = place<fw::StaticText>(w, "Early", QRect(40, 90, 100, 18));
        early->setInitialParent("Frame"); // named before it exists
    });
    EXPECT_FALSE(child->isShown());
    EXPECT_TRUE(early->widget()->isVisible());

    panel->setName("Other");
    EXPECT_TRUE(child->isShown()); // no control bears the parent's name now
    EXPECT_TRUE(child->widget()->isVisible());
    panel->setName("PANEL");
    EXPECT_FALSE(child->isShown());
    EXPECT_FALSE(child->widget()->isVisible());

    auto* frame = new fw::Rectangle;
    frame->setVisible(false);
    window->_AddControl("Frame", frame);
    EXPECT_FALSE(early->isShown());
    EXPECT_FALSE(early->widget()->isVisible());
    delete frame;
    EXPECT_TRUE(early->isShown());
    EXPECT_TRUE(early->widget()->isVisible());
}

TEST_F(ControlNamesTest, ARecordsFontKeysChangeTheFontOnce)
{
    const QByteArray fontKeys = fw::encodeRecord({{"TextFont", "DejaVu Sans"},
                                                  {"TextSize", 14},
                                                  {"Bold", true},
                                                  {"Italic", true},
                                                  {"Underline", true}});
    const QByteArray failing = fontKeys + fw::encodeRecord({{"NoSuchKey", 1}});
    struct Case {
        const char* what;
        std::function<fw::TextControl*()> make;
        QByteArray record;
    };
    const Case cases[] = {
        {"label", [] { return new fw::StaticText; }, fontKeys},
        {"popup menu", [] { return new fw::PopupMenu; }, fontKeys},
        {"list", [] { return new fw::Listbox; }, fontKeys},
        {"tab panel", [] { return new fw::TabPanel; }, fontKeys},
        {"record that fails after its font keys", [] { return new fw::StaticText; }, failing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<fw::TextControl> control(c.make());
        FontChangeCounter changes(control->widget());
        try {
            fw::_SetProperties(control.get(), c.record);
        } catch (const std::exception&) {
            EXPECT_EQ(c.record, failing);
        }
        EXPECT_EQ(changes.count, 1);
        const QFont shown = control->widget()->font();
        EXPECT_EQ(shown.pixelSize(), 14);
        EXPECT_TRUE(shown.bold() && shown.italic() && shown.underline());
        EXPECT_EQ(shown, control->font());
        // After the record, a key changes the font at once.
        control->setTextSize(20);
        EXPECT_EQ(changes.count, 2);
        EXPECT_EQ(control->widget()->font().pixelSize(), 20);
    }
}

// The controls below a control that changes follow it, found by the parent names they
// carry: every widget shows exactly when its control is shown, through page changes,
// nesting, parents named anew, renames and controls that go.
TEST_F(ControlNamesTest, TheControlsBelowAChangedControlFollowIt)
{
    fw::TabPanel* upper = nullptr;
    fw::TabPanel* lower = nullptr;
    fw::Rectangle* frame = nullptr;
    fw::StaticText* inFrame = nullptr;
    fw::StaticText* label = nullptr;
    // A control named as standing on a page of a parent named in any case.
    const auto onPage = [](fw::RectControl* control, const char* parent, int page) {
        control->setInitialParent(QString::fromLatin1(parent));
        control->setTabPanelIndex(page);
    };
    auto* window = build([&](fw::Window* w) {
        upper = place<fw::TabPanel>(w, "Upper", QRect(0, 0, 300, 100));
        lower = place<fw::TabPanel>(w, "Lower", QRect(0, 110, 300, 100));
        for (fw::TabPanel* panel : {upper, lower})
            panel->setTabDefinition("One\rTwo");
        frame = place<fw::Rectangle>(w, "Frame", QRect(10, 130, 50, 50));
        onPage(frame, "LOWER", 2);
        inFrame = place<fw::StaticText>(w, "InFrame", QRect(12, 132, 40, 18));
        onPage(inFrame, "frame", 2);
        label = place<fw::StaticText>(w, "Label", QRect(10, 20, 100, 18));
        onPage(label, "Upper", 1);
    });
    const auto expectFollowing = [&](const char* step, std::initializer_list<fw::RectControl*> shown) {
        SCOPED_TRACE(step);
        for (fw::RectControl* control : window->controls()) {
            const bool expected = std::find(shown.begin(), shown.end(), control) != shown.end();
            EXPECT_EQ(control->isShown(), expected) << control->Name().toStdString();
            EXPECT_EQ(control->widget()->isVisible(), expected) << control->Name().toStdString();
        }
    };
    expectFollowing("built", {upper, lower, label});
    lower->setValue(1);
    expectFollowing("nested page shown", {upper, lower, label, frame, inFrame});
    label->setInitialParent("lower");
    expectFollowing("named another parent", {upper, lower, frame, inFrame});
    upper->setValue(1);
    lower->setValue(0);
    expectFollowing("pages turned", {upper, lower, label});
    lower->setName("Other");
    expectFollowing("parent renamed away", {upper, lower, label, frame, inFrame});
    upper->setName("Lower");
    upper->setValue(0);
    expectFollowing("another control bears the name", {upper, lower, label});
    delete inFrame;
    upper->setValue(1);
    expectFollowing("a control went", {upper, lower, frame});
}

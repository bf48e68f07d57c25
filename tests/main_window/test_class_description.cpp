// The main window's class description: Window's operations and then its own by name in
// declared order with their signatures, its event table, its control accessors and its
// two stored fields.
#include "main_window_fixture.h"
#include "url_spy.h"

#include "app/shell/menu_bar1.h"
#include "main_window/layout_records.h"

#include "framework/classes.h"
#include "framework/members.h"

#include "support/class_description.h"
#include "support/dialogs.h"

#include <QVariant>

#include <map>

namespace {

using testsupport::op;
using ClassDescriptionTest = MainWindowTest;

const std::vector<testsupport::Operation>& operations()
{
    static const std::vector<testsupport::Operation> table = [] {
        std::vector<testsupport::Operation> ops{
        op<void()>("Layout"),
        op<void()>("CreateControls"),
        op<void()>("_CreateControls0"),
        op<void()>("_CreateControls1"),
        op<void()>("TabPanel2_Change"),
        op<void()>("trigramNum_Change"),
        op<void()>("LittleArrows1_Up"),
        op<void()>("LittleArrows1_Down"),
        op<bool(int)>("TriBox_HeaderPressed"),
        op<void(int, int)>("TriBox_CellGotFocus"),
        op<bool(fw::Graphics&, int, int)>("TriBox_CellBackgroundPaint"),
        op<bool(int, int, int, int)>("TriBox_CellClick"),
        op<bool(QString)>("TriBox_KeyDown"),
        op<void()>("TriBox_Change"),
        op<void()>("CalculateGua_Action"),
        op<void()>("Sex_Change"),
        op<void()>("day_Change"),
        op<void()>("month_Change"),
        op<void()>("birthYear_GotFocus"),
        op<void()>("birthYear_LostFocus"),
        op<void(int, int)>("EditField1_MouseUp"),
        op<bool(int, int)>("EditField1_MouseDown"),
        op<void()>("StaticText14_MouseEnter"),
        op<void()>("StaticText14_MouseExit"),
        op<void()>("produces_MouseEnter"),
        op<void()>("produces_MouseExit"),
        op<void()>("StaticText35_MouseEnter"),
        op<void()>("StaticText36_MouseEnter"),
        op<void()>("StaticText36_MouseExit"),
        op<void(fw::Graphics&)>("Canvas2_Paint"),
        op<void(fw::Graphics&)>("canvas1_Paint"),
        // the sixteen menu-item accessors stand here
        op<void(fw::Window*)>("AddMenuHandlers"),
        op<void()>("Event_Activate"),
        op<void()>("Event_EnableMenuItems"),
        op<void()>("Event_Close"),
        op<void()>("Event_Open"),
        op<bool()>("_FileClose_Action"),
        op<void()>("GetValues"),
        op<double(float)>("cvtFSAngle"),
        op<double(float)>("cvtAngle"),
        op<int(int, QString)>("GuaCalc"),
        op<void()>("ProcessGua"),
        op<void(std::shared_ptr<fw::Picture>, fw::Canvas*)>("drawNScale"),
        op<void()>("ClearCycleCanvas"),
        };
        const auto& menuItems = testsupport::menuItemAccessors();
        ops.insert(ops.begin() + 31, menuItems.begin(), menuItems.end());
        return ops;
    }();
    return table;
}

} // namespace

TEST_F(ClassDescriptionTest, WindowsOperationsThenSixtyOwnInDeclaredOrderWithTheirSignatures)
{
    testsupport::expectOperations(window, testsupport::windowOperations(), operations());
    EXPECT_EQ(fw::registeredNameOf(window->metaObject()), "Oruvel.Oruvel");
}

TEST_F(ClassDescriptionTest, EveryOperationIsCalledByName)
{
    UrlSpy urls;
    fw::Graphics& g = control<fw::Canvas>("CycleCanvas")->Graphics();
    const QVariant graphics = QVariant::fromValue(&g);
    const auto picture = std::make_shared<fw::Picture>(20, 20, 32);
    std::map<QString, testsupport::Call> calls{
        {"TriBox_HeaderPressed", {{0}, {}}},
        {"TriBox_CellGotFocus", {{0, 0}, {}}},
        {"TriBox_CellBackgroundPaint", {{graphics, 1, 0}, {}}},
        {"TriBox_CellClick", {{1, 0, 3, 3}, {}}},
        {"TriBox_KeyDown", {{QStringLiteral("a")}, {}}},
        {"EditField1_MouseUp", {{5, 5}, {}}},
        {"EditField1_MouseDown", {{5, 5}, QVariant(true)}},
        {"Canvas2_Paint", {{graphics}, {}}},
        {"canvas1_Paint", {{graphics}, {}}},
        {"AddMenuHandlers", {{QVariant::fromValue<fw::Window*>(window)}, {}}},
        {"_FileClose_Action", {{}, QVariant(false)}},
        {"cvtFSAngle", {{0.0f}, QVariant(90 * 3.14159265358979 / 180)}},
        {"cvtAngle", {{90.0f}, QVariant(0.0)}},
        {"GuaCalc", {{1968, QStringLiteral("M")}, QVariant(2)}},
        {"drawNScale", {{QVariant::fromValue(picture), QVariant::fromValue(control<fw::Canvas>("CycleCanvas"))}, {}}},
    };
    for (const testsupport::Operation& operation : operations()) {
        if (operation.signature.result.flags() & QMetaType::PointerToQObject) { // the menu-item accessors
            QObject* item = MenuBar1()->_Lookup(QString::fromLatin1(operation.name));
            calls[QString::fromLatin1(operation.name)] = {{}, QVariant(operation.signature.result, &item)};
        }
    }
    const auto answer = testsupport::answerNextDialog("Cancel"); // File > Close asks before quitting
    EXPECT_EQ(testsupport::callEachByName(window, operations(), calls), 57);
    EXPECT_TRUE(answer->answered);
    EXPECT_EQ(urls.opened.size(), 1) << "EditField1_MouseUp opens the consultancy's page";
}

TEST_F(ClassDescriptionTest, TheControlAccessorsAnswerEachControlByNameAsItsClass)
{
    std::vector<std::pair<QString, QString>> controls;
    for (const mainwindow::ControlLayout& layout : mainwindow::controlLayouts())
        controls.emplace_back(QString::fromLatin1(layout.name), QString::fromLatin1(fw::controlClassName(layout.controlClass)));
    ASSERT_EQ(controls.size(), 71u);
    testsupport::expectControls(window, QStringLiteral("Oruvel.Oruvel"), controls);
    EXPECT_THROW(fw::callMember(window, u"TabPanel3"), fw::RuntimeException);
}

TEST_F(ClassDescriptionTest, TheEventTableBindsSevenWindowEvents)
{
    EXPECT_EQ(testsupport::eventTable(window->metaObject()),
              QStringList({"Layout=Layout", "CreateControls=CreateControls", "AddMenuHandlers=AddMenuHandlers",
                           "Open=Event_Open", "Close=Event_Close", "EnableMenuItems=Event_EnableMenuItems",
                           "Activate=Event_Activate"}));
}

TEST_F(ClassDescriptionTest, GrpAndGrp1AreReadAndWrittenByName)
{
    for (const char* name : {"grp", "grp1"}) {
        const QString property = QString::fromLatin1(name);
        const auto shown = qvariant_cast<std::shared_ptr<fw::Group2D>>(fw::propertyValue(window, property));
        ASSERT_NE(shown, nullptr) << name << ": trigram 2 is shown";
        auto replacement = std::make_shared<fw::Group2D>();
        fw::setPropertyValue(window, property, QVariant::fromValue(replacement));
        EXPECT_EQ(qvariant_cast<std::shared_ptr<fw::Group2D>>(fw::propertyValue(window, property)), replacement);
        EXPECT_EQ(std::string(name) == "grp" ? window->grp : window->grp1, replacement);
        fw::setPropertyValue(window, property, QVariant::fromValue(std::shared_ptr<fw::Group2D>()));
        EXPECT_EQ(qvariant_cast<std::shared_ptr<fw::Group2D>>(fw::propertyValue(window, property)), nullptr);
        EXPECT_THROW(fw::setPropertyValue(window, property, QVariant(3)), fw::TypeMismatchException) << name;
    }
    EXPECT_THROW(fw::propertyValue(window, u"grp2"), fw::RuntimeException);
}

// Qt names no type for an empty value: the refusal still says what was given.
TEST_F(ClassDescriptionTest, AnEmptyValueWrittenByNameIsATypeMismatch)
{
    const auto grp = window->grp;
    const int width = window->Width();
    const QString title = window->Title();
    for (const char* name : {"grp", "Width", "Title"}) {
        try {
            fw::setPropertyValue(window, QString::fromLatin1(name), QVariant());
            ADD_FAILURE() << name << " took an empty value";
        } catch (const fw::TypeMismatchException& error) {
            EXPECT_NE(std::string(error.what()).find("not an empty value"), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(window->grp, grp);
    EXPECT_EQ(window->Width(), width);
    EXPECT_EQ(window->Title(), title);
}

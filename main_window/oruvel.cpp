#include "oruvel.h"

#include "app/shell/localization.h"
#include "app/shell/menu_bar1.h"
#include "main_window/fonts.h"
#include "main_window/layout_records.h"

#include "framework/canvas.h"
#include "framework/classes.h"
#include "framework/control.h"
#include "framework/events.h"
#include "framework/record.h"
#include "framework/shapes.h"
#include "framework/static_text.h"

#include <cstring>
#include <memory>

namespace {

// One event of one control, bound to the window's method of the same name.
struct Binding {
    const char* control;
    const char* event;
    void (*install)(class Oruvel* window, fw::EventSource* source, const char* event);
};

template <auto Method>
void bindTo(class Oruvel* window, fw::EventSource* source, const char* event)
{
    fw::_InstallInstanceEventHandler(source, QString::fromLatin1(event), fw::Delegate(window, Method));
}

// The 27 bindings, in creation order of their controls.
const Binding kBindings[] = {
    {"TabPanel2", "Change", bindTo<&Oruvel::TabPanel2_Change>},
    {"trigramNum", "Change", bindTo<&Oruvel::trigramNum_Change>},
    {"LittleArrows1", "Up", bindTo<&Oruvel::LittleArrows1_Up>},
    {"LittleArrows1", "Down", bindTo<&Oruvel::LittleArrows1_Down>},
    {"TriBox", "HeaderPressed", bindTo<&Oruvel::TriBox_HeaderPressed>},
    {"TriBox", "CellGotFocus", bindTo<&Oruvel::TriBox_CellGotFocus>},
    {"TriBox", "CellBackgroundPaint", bindTo<&Oruvel::TriBox_CellBackgroundPaint>},
    {"TriBox", "CellClick", bindTo<&Oruvel::TriBox_CellClick>},
    {"TriBox", "KeyDown", bindTo<&Oruvel::TriBox_KeyDown>},
    {"TriBox", "Change", bindTo<&Oruvel::TriBox_Change>},
    {"CalculateGua", "Action", bindTo<&Oruvel::CalculateGua_Action>},
    {"Sex", "Change", bindTo<&Oruvel::Sex_Change>},
    {"day", "Change", bindTo<&Oruvel::day_Change>},
    {"month", "Change", bindTo<&Oruvel::month_Change>},
    {"birthYear", "GotFocus", bindTo<&Oruvel::birthYear_GotFocus>},
    {"birthYear", "LostFocus", bindTo<&Oruvel::birthYear_LostFocus>},
    {"EditField1", "MouseUp", bindTo<&Oruvel::EditField1_MouseUp>},
    {"EditField1", "MouseDown", bindTo<&Oruvel::EditField1_MouseDown>},
    {"StaticText14", "MouseEnter", bindTo<&Oruvel::StaticText14_MouseEnter>},
    {"StaticText14", "MouseExit", bindTo<&Oruvel::StaticText14_MouseExit>},
    {"produces", "MouseEnter", bindTo<&Oruvel::produces_MouseEnter>},
    {"produces", "MouseExit", bindTo<&Oruvel::produces_MouseExit>},
    {"StaticText35", "MouseEnter", bindTo<&Oruvel::StaticText35_MouseEnter>},
    {"StaticText36", "MouseEnter", bindTo<&Oruvel::StaticText36_MouseEnter>},
    {"StaticText36", "MouseExit", bindTo<&Oruvel::StaticText36_MouseExit>},
    {"Canvas2", "Paint", bindTo<&Oruvel::Canvas2_Paint>},
    {"canvas1", "Paint", bindTo<&Oruvel::canvas1_Paint>},
};

// _CreateControls0 makes the controls before this one (TimeOfDay), _CreateControls1 the rest.
constexpr std::size_t kFirstOfSecondBatch = 50;

} // namespace

void registerOruvelClass()
{
    fw::registerClass(QStringLiteral("Oruvel.Oruvel"), &Oruvel::staticMetaObject);
}

class Oruvel* Oruvel()
{
    if (fw::Window* open = fw::_GetImplicitWindow(QStringLiteral("Oruvel.Oruvel")))
        return fw::windowCast<class Oruvel>(open);
    return fw::Window::create<class Oruvel>();
}

Oruvel::~Oruvel()
{
    grp.reset();
    grp1.reset();
}

void Oruvel::Layout()
{
    setMenuBar(::MenuBar1());
    fw::_SetProperties(this, mainwindow::windowRecord());
}

void Oruvel::CreateControls()
{
    mainwindow::installFontSubstitutes();
    _CreateControls0();
    _CreateControls1();
}

void Oruvel::_CreateControls0()
{
    createControls(0, kFirstOfSecondBatch);
}

void Oruvel::_CreateControls1()
{
    createControls(kFirstOfSecondBatch, mainwindow::controlLayouts().size());
}

void Oruvel::createControls(std::size_t first, std::size_t last)
{
    for (std::size_t i = first; i < last; ++i) {
        const mainwindow::ControlLayout& layout = mainwindow::controlLayouts().at(i);
        const QString name = QString::fromLatin1(layout.name);
        std::unique_ptr<fw::RectControl> created(fw::newControl(layout.controlClass));
        _AddControl(name, fw::nonNil(created.get(), layout.name));
        created.release(); // the window owns it now
        // The nature caption comes from the localization; its record carries no text.
        if (name == QLatin1String("StaticText22"))
            control<fw::StaticText>(name)->setText(LocalizationMod::kNature());
        fw::_SetProperties(control<fw::RectControl>(name), layout.record);
        bindEvents(layout.name);
    }
}

// Bound only after the record is applied, so the record's values run no handler.
void Oruvel::bindEvents(const char* controlName)
{
    for (const Binding& binding : kBindings) {
        if (std::strcmp(binding.control, controlName) == 0)
            binding.install(this, control<fw::RectControl>(QString::fromLatin1(controlName)), binding.event);
    }
}

#include "oruvel.h"

#include "app/shell/localization.h"
#include "app/shell/menu_bar1.h"
#include "main_window/fonts.h"
#include "main_window/layout_records.h"

#include "framework/canvas.h"
#include "framework/classes.h"
#include "framework/control.h"
#include "framework/members.h"
#include "framework/record.h"
#include "framework/shapes.h"
#include "framework/static_text.h"

#include <cstring>
#include <memory>
#include <utility>

namespace {

// The 27 bindings, in creation order of their controls: each binds the control's event
// to the window's operation named control_event.
const std::pair<const char*, const char*> kBindings[] = {
    {"TabPanel2", "Change"},
    {"trigramNum", "Change"},
    {"LittleArrows1", "Up"},
    {"LittleArrows1", "Down"},
    {"TriBox", "HeaderPressed"},
    {"TriBox", "CellGotFocus"},
    {"TriBox", "CellBackgroundPaint"},
    {"TriBox", "CellClick"},
    {"TriBox", "KeyDown"},
    {"TriBox", "Change"},
    {"CalculateGua", "Action"},
    {"Sex", "Change"},
    {"day", "Change"},
    {"month", "Change"},
    {"birthYear", "GotFocus"},
    {"birthYear", "LostFocus"},
    {"EditField1", "MouseUp"},
    {"EditField1", "MouseDown"},
    {"StaticText14", "MouseEnter"},
    {"StaticText14", "MouseExit"},
    {"produces", "MouseEnter"},
    {"produces", "MouseExit"},
    {"StaticText35", "MouseEnter"},
    {"StaticText36", "MouseEnter"},
    {"StaticText36", "MouseExit"},
    {"Canvas2", "Paint"},
    {"canvas1", "Paint"},
};

// _CreateControls0 makes the controls before this one (TimeOfDay), _CreateControls1 the rest.
constexpr std::size_t kFirstOfSecondBatch = 50;

} // namespace

void registerOruvelClass()
{
    fw::registerClass(QStringLiteral("Oruvel.Oruvel"), &Oruvel::staticMetaObject,
                      mainwindow::controlMembers(mainwindow::controlLayouts()));
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

// The two halves are called through the class description, by name.
void Oruvel::CreateControls()
{
    mainwindow::installFontSubstitutes();
    fw::callMember(this, u"_CreateControls0");
    fw::callMember(this, u"_CreateControls1");
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
    for (const auto& [control, event] : kBindings) {
        if (std::strcmp(control, controlName) == 0)
            fw::bindControlEvent(*this, QString::fromLatin1(control), QString::fromLatin1(event));
    }
}

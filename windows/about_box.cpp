#include "about_box.h"

#include "windows/about_records.h"
#include "windows/window_controls.h"

#include "app/shell/app_object.h"
#include "app/shell/pictures.h"
#include "app/shell/web_addresses.h"

#include "framework/application.h"
#include "framework/canvas.h"
#include "framework/classes.h"
#include "framework/members.h"
#include "framework/record.h"
#include "framework/static_text.h"
#include "framework/system.h"

#include <cstring>

namespace {

const QString kClassName = QStringLiteral("AboutBox.AboutBox");

} // namespace

void registerAboutBoxClass()
{
    fw::registerClass(kClassName, &AboutBox::staticMetaObject,
                      mainwindow::controlMembers(aboutbox::controlLayouts()));
}

class AboutBox* AboutBox()
{
    if (fw::Window* open = fw::_GetImplicitWindow(kClassName))
        return fw::windowCast<class AboutBox>(open);
    return fw::Window::create<class AboutBox>();
}

void AboutBox::Layout()
{
    fw::_SetProperties(this, aboutbox::windowRecord());
}

void AboutBox::CreateControls()
{
    fw::callMember(this, u"_CreateControls0");
}

// The icon is the canvas's backdrop, set before its record, which has no key for it.
// The links' handlers are bound only after their records, so no record runs a handler.
void AboutBox::_CreateControls0()
{
    for (const mainwindow::ControlLayout& layout : aboutbox::controlLayouts()) {
        windowcontrols::addControl(*this, layout);
        if (std::strcmp(layout.name, "Canvas1") == 0)
            Canvas1()->setBackdrop(OruvIconAbout());
        windowcontrols::applyRecord(*this, layout);
        if (std::strcmp(layout.name, "daURL") == 0 || std::strcmp(layout.name, "daURL1") == 0) {
            const QString name = QString::fromLatin1(layout.name);
            fw::bindControlEvent(*this, name, QStringLiteral("MouseDown"));
            fw::bindControlEvent(*this, name, QStringLiteral("MouseUp"));
        }
    }
}

fw::StaticText* AboutBox::StaticText1() const
{
    return control<fw::StaticText>(QStringLiteral("StaticText1"));
}

fw::StaticText* AboutBox::versionDisp() const
{
    return control<fw::StaticText>(QStringLiteral("versionDisp"));
}

fw::StaticText* AboutBox::StaticText3() const
{
    return control<fw::StaticText>(QStringLiteral("StaticText3"));
}

fw::StaticText* AboutBox::daURL() const
{
    return control<fw::StaticText>(QStringLiteral("daURL"));
}

fw::Canvas* AboutBox::Canvas1() const
{
    return control<fw::Canvas>(QStringLiteral("Canvas1"));
}

fw::StaticText* AboutBox::daURL1() const
{
    return control<fw::StaticText>(QStringLiteral("daURL1"));
}

fw::StaticText* AboutBox::StaticText4() const
{
    return control<fw::StaticText>(QStringLiteral("StaticText4"));
}

// Claiming the press is what brings the release to the label.
bool AboutBox::daURL_MouseDown(int /*x*/, int /*y*/)
{
    return true;
}

// The page opened is whatever address the label shows now.
void AboutBox::daURL_MouseUp(int /*x*/, int /*y*/)
{
    fw::ShowURL(daURL()->Text());
}

bool AboutBox::daURL1_MouseDown(int /*x*/, int /*y*/)
{
    return true;
}

// The label shows the consultancy's site; the click opens its page on the gua.
void AboutBox::daURL1_MouseUp(int /*x*/, int /*y*/)
{
    fw::ShowURL(QString::fromLatin1(WebAddresses::kConsultancyPage));
}

// The About window answers no menu command.
void AboutBox::AddMenuHandlers(fw::Window* window)
{
    fw::windowCast<class AboutBox>(window);
}

// A click on the window hides it; the window stays, to be shown again as it is.
void AboutBox::Event_MouseUp(int /*x*/, int /*y*/)
{
    setVisible(false);
}

bool AboutBox::Event_MouseDown(int /*x*/, int /*y*/)
{
    return true;
}

void AboutBox::Event_Open()
{
    versionDisp()->setText(AppObject()->ShortVersion());
}

// The trigram browser: the display of one trigram record and the handlers that keep
// the number selector, the arrows, the list and the upper tabs in step.
#include "oruvel.h"

#include "trigrams/trigrams.h"

#include "framework/canvas.h"
#include "framework/listbox.h"
#include "framework/little_arrows.h"
#include "framework/popup_menu.h"
#include "framework/push_button.h"
#include "framework/record.h"
#include "framework/static_text.h"
#include "framework/tab_panel.h"
#include "framework/text.h"

#include <QColor>

namespace {

struct Shown {
    std::shared_ptr<trigram> record;
    QColor elementColor;
};

// The record of a trigram number and the colour of its element; any other number
// gets the fresh empty record in black. Reading a record that the table has not yet
// built is a nil object.
Shown recordFor(int number, std::shared_ptr<trigram> fresh)
{
    using namespace trigrams;
    const auto built = [](const std::shared_ptr<trigram>& record, const char* name) {
        fw::nonNil(record.get(), name);
        return record;
    };
    switch (number) {
    case 1: return {built(kan, "kan"), fw::color(0x00009B)};   // Water
    case 2: return {built(kun, "kun"), fw::color(0xD68413)};   // Earth
    case 3: return {built(zhen, "zhen"), fw::color(0x00C000)}; // Wood
    case 4: return {built(xun, "xun"), fw::color(0x00C000)};   // Wood
    case 5: return {built(taiji, "taiji"), fw::color(0xD68413)}; // Earth
    case 6: return {built(qian, "qian"), fw::color(0x999999)}; // Metal
    case 7: return {built(dui, "dui"), fw::color(0x999999)};   // Metal
    case 8: return {built(gen, "gen"), fw::color(0xD68413)};   // Earth
    case 9: return {built(li, "li"), fw::color(0xFF2E00)};     // Fire
    default: return {std::move(fresh), fw::color(0x000000)};
    }
}

const QString kAngleFormat = QStringLiteral("#,##0.0\\\u00B0");

} // namespace

void Oruvel::GetValues()
{
    auto fresh = std::make_shared<trigram>();
    auto* selector = control<fw::PopupMenu>("trigramNum");
    control<fw::Listbox>("TriBox")->setListIndex(selector->ListIndex());
    const int n = control<fw::PopupMenu>("trigramNum")->ListIndex() + 1;

    control<fw::StaticText>("trigramColor")->setTextColor(fw::color(0x000000));
    control<fw::StaticText>("Note")->setText(QString());
    const Shown shown = recordFor(n, std::move(fresh));
    const trigram& r = *shown.record;
    control<fw::StaticText>("trigramColor")->setTextColor(shown.elementColor);
    if (n == 5)
        control<fw::StaticText>("Note")->setText(QStringLiteral("Tai Chi - not a trigram."));

    const std::pair<const char*, const QString*> labels[] = {
        {"TriNameDisp", &r.Name},   {"TriTriDisp", &r.Trigram},   {"FamilyMember", &r.FamilyMember},
        {"Element", &r.Element},    {"trigramColor", &r.Colors},  {"Polarity", &r.Polarity},
        {"Form", &r.Form},          {"produces", &r.produces},    {"Controls", &r.controls},
        {"weakens", &r.weakens},    {"Season", &r.Season},        {"Senses", &r.Senses},
        {"PartsOfBody", &r.PartsOfBody}, {"Animal", &r.Animal},   {"Nature", &r.Nature},
        {"Group", &r.Group},        {"Direction", &r.Direction},
    };
    for (const auto& [label, text] : labels)
        control<fw::StaticText>(label)->setText(*text);

    control<fw::Canvas>("canvas1")->setVisible(true);
    control<fw::Canvas>("Canvas2")->setVisible(true);
    if (shown.record != trigrams::taiji) {
        control<fw::StaticText>("InitialAngle")->setText(fw::Format(r.InitialAngle, kAngleFormat));
        control<fw::StaticText>("FinalAngle")->setText(fw::Format(r.FinalAngle, kAngleFormat));
        rebuildSectors(r);
    } else {
        // The centre has no sector; the last drawings stay, hidden.
        control<fw::Canvas>("canvas1")->setVisible(false);
        control<fw::Canvas>("Canvas2")->setVisible(false);
        control<fw::StaticText>("InitialAngle")->setText(QStringLiteral("N/A"));
        control<fw::StaticText>("FinalAngle")->setText(QStringLiteral("N/A"));
    }
    control<fw::StaticText>("TimeOfDay")->setText(r.TimeOfDay);
}

void Oruvel::trigramNum_Change()
{
    GetValues();
}

void Oruvel::LittleArrows1_Up()
{
    auto* selector = control<fw::PopupMenu>("trigramNum");
    if (selector->ListIndex() < selector->ListCount() - 1)
        selector->setListIndex(selector->ListIndex() + 1);
    else
        selector->setListIndex(0);
    GetValues();
}

// From the first entry, and from no selection, down to the last entry.
void Oruvel::LittleArrows1_Down()
{
    auto* selector = control<fw::PopupMenu>("trigramNum");
    if (selector->ListIndex() <= 0)
        selector->setListIndex(selector->ListCount() - 1);
    else
        selector->setListIndex(selector->ListIndex() - 1);
    GetValues();
}

// The rows keep their order: the press counts as handled.
bool Oruvel::TriBox_HeaderPressed(int /*column*/)
{
    return true;
}

void Oruvel::TriBox_CellGotFocus(int row, int /*column*/)
{
    control<fw::PopupMenu>("trigramNum")->setListIndex(row);
}

// The list paints its own cell backgrounds.
bool Oruvel::TriBox_CellBackgroundPaint(fw::Graphics& /*g*/, int /*row*/, int /*column*/)
{
    return false;
}

// False: the list goes on with its own handling of the click.
bool Oruvel::TriBox_CellClick(int row, int /*column*/, int /*x*/, int /*y*/)
{
    control<fw::PopupMenu>("trigramNum")->setListIndex(row);
    return false;
}

// Every key goes on to the list.
bool Oruvel::TriBox_KeyDown(QString /*key*/)
{
    return false;
}

void Oruvel::TriBox_Change()
{
    control<fw::PopupMenu>("trigramNum")->setListIndex(control<fw::Listbox>("TriBox")->ListIndex());
}

// Coming back to the Trigram page shows the person's gua trigram again; turning to the
// Gua page calculates as if "Calculate" were pressed.
void Oruvel::TabPanel2_Change()
{
    switch (control<fw::TabPanel>("TabPanel2")->Value()) {
    case 0:
        GetValues();
        control<fw::Listbox>("TriBox")->setListIndex(control<fw::PopupMenu>("trigramNum")->ListIndex());
        ProcessGua();
        break;
    case 1:
        control<fw::PushButton>("CalculateGua")->Push();
        break;
    default:
        break;
    }
}

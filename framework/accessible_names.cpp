#include "accessible_names.h"

#include "canvas.h"
#include "control.h"
#include "edit_field.h"
#include "listbox.h"
#include "little_arrows.h"
#include "popup_menu.h"
#include "static_text.h"
#include "tab_panel.h"
#include "window.h"

#include <QHash>
#include <QLabel>
#include <QRect>
#include <QStringList>
#include <QToolButton>

#include <optional>
#include <utility>
#include <vector>

namespace fw {

namespace {

// How far a caption may stand from its control: beside it on its line, and above or
// below it.
constexpr int kBesideGap = 12;
constexpr int kAboveBelowGap = 24;
// InitialParent chains are followed no deeper than this (a loop ends there).
constexpr int kMaxDepth = 32;

QRect box(const RectControl& control)
{
    return QRect(control.Left(), control.Top(), control.Width(), control.Height());
}

// The tab panel page the control stands on, through the controls it stands inside;
// {nullptr, 0} for the window itself.
std::pair<const RectControl*, int> pageOf(const RectControl& control)
{
    const RectControl* at = &control;
    const Window* window = control.window();
    for (int depth = 0; window && depth < kMaxDepth; ++depth) {
        const RectControl* parent = window->findControl(at->InitialParent());
        if (!parent)
            break;
        if (qobject_cast<const TabPanel*>(parent))
            return {parent, at->TabPanelIndex()};
        at = parent;
    }
    return {nullptr, 0};
}

// The widget that assistive technology finds for the control, when it needs naming.
QWidget* namedWidget(RectControl* control)
{
    if (auto* field = qobject_cast<EditField*>(control))
        return field->editor();
    if (qobject_cast<Listbox*>(control) || qobject_cast<PopupMenu*>(control) || qobject_cast<Canvas*>(control)
        || qobject_cast<LittleArrows*>(control) || qobject_cast<TabPanel*>(control))
        return control->widget();
    return nullptr;
}

QString ownCaption(RectControl* control)
{
    // A tab panel is its pages, as their tabs read.
    if (auto* panel = qobject_cast<TabPanel*>(control))
        return panel->pages().join(QLatin1String(", "));
    QStringList heading;
    if (auto* list = qobject_cast<Listbox*>(control); list && list->HasHeading()) {
        for (int column = 0; column < list->ColumnCount(); ++column) {
            if (const QString cell = list->Heading(column).simplified(); !cell.isEmpty())
                heading << cell;
        }
    }
    return heading.join(QLatin1String(", "));
}

// A label that may caption a control, read once per pass.
struct Caption {
    StaticText* label;
    QString text;
    QRect box;
    std::pair<const RectControl*, int> page;
};

// The shown labels with text, with the page each stands on.
std::vector<Caption> captionsAmong(const std::vector<RectControl*>& controls)
{
    std::vector<Caption> captions;
    for (RectControl* control : controls) {
        auto* label = qobject_cast<StaticText*>(control);
        if (!label || !label->Visible())
            continue;
        QString text = label->Text().simplified();
        if (!text.isEmpty())
            captions.push_back({label, std::move(text), box(*label), pageOf(*label)});
    }
    return captions;
}

// The label that captions the control: the nearest beside it, else the nearest above
// or below it.
const Caption* captionOf(const RectControl& control, const std::vector<Caption>& captions)
{
    const QRect c = box(control);
    const auto page = pageOf(control);
    const Caption* beside = nullptr;
    const Caption* aboveBelow = nullptr;
    int besideGap = kBesideGap + 1;
    int aboveBelowGap = kAboveBelowGap + 1;
    for (const Caption& caption : captions) {
        if (caption.page != page)
            continue;
        const QRect& l = caption.box;
        const int middle = l.top() + l.height() / 2;
        const int leftGap = c.left() - (l.left() + l.width());
        if (caption.label->TextAlign() != 1 && leftGap >= 0 && leftGap < besideGap && middle >= c.top()
            && middle < c.top() + c.height()) {
            beside = &caption;
            besideGap = leftGap;
        }
        if (l.left() > c.left() || l.left() + l.width() < c.left() + c.width())
            continue;
        const int belowGap = l.top() - (c.top() + c.height());
        const int aboveGap = c.top() - (l.top() + l.height());
        for (const int gap : {belowGap, aboveGap}) {
            if (gap >= 0 && gap < aboveBelowGap) {
                aboveBelow = &caption;
                aboveBelowGap = gap;
            }
        }
    }
    return beside ? beside : aboveBelow;
}

// Makes the control the label's buddy: a label has one, so one that takes the focus
// goes before one that does not, else the first. A buddy turns an '&' of the caption
// into a mnemonic, which would change how the label reads on screen: no buddy then.
void tie(QHash<QLabel*, QWidget*>& buddies, QLabel* label, QWidget* widget)
{
    const QWidget* current = buddies.value(label);
    if (label->text().contains(QLatin1Char('&'))
        || (current && (current->focusPolicy() != Qt::NoFocus || widget->focusPolicy() == Qt::NoFocus)))
        return;
    buddies.insert(label, widget);
}

void setName(QWidget* widget, const QString& name)
{
    if (widget && widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

} // namespace

void nameForAssistiveTechnology(const std::vector<RectControl*>& controls)
{
    QHash<QLabel*, QWidget*> buddies;
    const std::vector<Caption> captions = captionsAmong(controls);
    for (RectControl* control : controls) {
        QWidget* widget = namedWidget(control);
        if (!widget)
            continue;
        QString name = ownCaption(control);
        if (name.isEmpty()) {
            if (const Caption* caption = captionOf(*control, captions)) {
                name = caption->text;
                if (QLabel* shown = caption->label->label())
                    tie(buddies, shown, widget);
            }
        }
        if (name.isEmpty())
            name = control->HelpTag().simplified();
        if (name.isEmpty())
            name = readableName(control->Name());
        setName(widget, name);
        // A field's frame hands its focus on to the editor, but a screen reader lists it
        // too: it reads as the field.
        if (control->widget() != widget)
            setName(control->widget(), name);
        if (auto* arrows = qobject_cast<LittleArrows*>(control)) {
            setName(arrows->upButton(), LittleArrows::tr("Up"));
            setName(arrows->downButton(), LittleArrows::tr("Down"));
        }
    }
    // Only ties that changed are made again: controls may have moved since the last pass.
    for (RectControl* control : controls) {
        auto* label = qobject_cast<StaticText*>(control);
        QLabel* shown = label ? label->label() : nullptr;
        if (shown && shown->buddy() != buddies.value(shown))
            shown->setBuddy(buddies.value(shown));
    }
}

QString readableName(const QString& controlName)
{
    QStringList words;
    QString word;
    const auto endWord = [&] {
        if (!word.isEmpty())
            words << std::exchange(word, QString());
    };
    for (qsizetype i = 0; i < controlName.size(); ++i) {
        const QChar ch = controlName[i];
        if (!ch.isLetterOrNumber()) {
            endWord();
            continue;
        }
        if (!word.isEmpty()) {
            const QChar last = word.back();
            const bool nextLower = i + 1 < controlName.size() && controlName[i + 1].isLower();
            // A new word at a capital after a small letter, at the last capital of an
            // acronym that a small letter follows, and where digits meet letters.
            if ((ch.isUpper() && (last.isLower() || (last.isUpper() && nextLower))) || ch.isDigit() != last.isDigit())
                endWord();
        }
        word += ch;
    }
    endWord();
    for (qsizetype i = 0; i < words.size(); ++i) {
        QString& w = words[i];
        const bool acronym = w.size() > 1 && w == w.toUpper() && w != w.toLower();
        if (i == 0)
            w[0] = w[0].toUpper();
        else if (!acronym)
            w = w.toLower();
    }
    return words.join(QLatin1Char(' '));
}

} // namespace fw

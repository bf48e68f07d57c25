#include "static_text.h"

#include "label_widget.h"

#include <QLabel>
#include <QPalette>

#include <string>

namespace fw {

StaticText::StaticText() : TextControl(new LabelWidget)
{
    label_ = static_cast<QLabel*>(widget());
    label_->setTextFormat(Qt::PlainText);
    applyAlignment();
    setTextColor(textColor_);
}

StaticText::~StaticText() = default;

void StaticText::setText(const QString& text)
{
    text_ = text;
    if (label_) {
        QString lines = text;
        lines.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        label_->setText(lines);
    }
}

void StaticText::setTextAlign(int align)
{
    if (align < 0 || align > 2)
        throw OutOfBoundsException("StaticText.TextAlign must be 0 to 2, not " + std::to_string(align));
    textAlign_ = align;
    applyAlignment();
}

// A single line stands in the middle of its label, so that a caption lines up with
// the pop-up menu or field beside it; wrapped text starts at the top.
void StaticText::applyAlignment()
{
    static constexpr Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    if (label_)
        label_->setAlignment(kAlignments[textAlign_] | (multiline_ ? Qt::AlignTop : Qt::AlignVCenter));
}

void StaticText::setTextColor(const QColor& color)
{
    textColor_ = color;
    if (label_) {
        const QPalette current = label_->palette();
        QPalette palette = current;
        // The disabled look stays the style's.
        palette.setColor(QPalette::Active, QPalette::WindowText, color);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, color);
        // The colour that the label already has (a record repeating the default):
        // setting it again would change nothing but still resolve it against the parents.
        if (label_->testAttribute(Qt::WA_SetPalette) && palette.resolveMask() == current.resolveMask()
            && current.color(QPalette::Active, QPalette::WindowText) == color
            && current.color(QPalette::Inactive, QPalette::WindowText) == color)
            return;
        label_->setPalette(palette);
    }
}

void StaticText::setMultiline(bool multiline)
{
    multiline_ = multiline;
    if (label_)
        label_->setWordWrap(multiline);
    applyAlignment();
}

} // namespace fw

// A single-line label whose line box is taller than the label is placed by its ink;
// lines that fit and multi-line labels keep QLabel's placement.

#include "framework/label_widget.h"
#include "framework/static_text.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

const QString kSerifCjk = QStringLiteral("Noto Serif CJK KR");

// The rows and columns that hold the text's pixels.
struct Ink {
    int top = -1;
    int bottom = -1;
    int left = -1;
    int right = -1;

    bool any() const { return top >= 0; }
    int height() const { return bottom - top + 1; }
    int width() const { return right - left + 1; }
};

QImage grabbed(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Dark text on the label's light background: a pixel a quarter of the way to black
// or darker is ink; the faintest antialiased fringe is not.
Ink inkOf(const QImage& image, QRgb background)
{
    Ink ink;
    const int backgroundGray = qGray(background);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (backgroundGray - qGray(image.pixel(x, y)) < 64)
                continue;
            if (ink.top < 0)
                ink.top = y;
            ink.bottom = y;
            ink.left = ink.left < 0 ? x : std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
        }
    }
    return ink;
}

void shape(fw::StaticText& label, const QString& text, int width, int height, int align = 0)
{
    label.setTextFont(kSerifCjk);
    label.setTextSize(24);
    label.setBold(true);
    label.setTextAlign(align);
    label.setText(text);
    label.setWidth(width);
    label.setHeight(height);
}

Ink inkOf(fw::StaticText& label)
{
    return inkOf(grabbed(label.widget()), label.widget()->palette().color(QPalette::Window).rgb());
}

// The same text in a plain QLabel: the placement a label keeps when its line fits.
QImage asPlainLabel(const fw::StaticText& label)
{
    QLabel plain;
    plain.setTextFormat(Qt::PlainText);
    plain.setFont(label.label()->font());
    plain.setPalette(label.label()->palette());
    plain.setAlignment(label.label()->alignment());
    plain.setWordWrap(label.label()->wordWrap());
    plain.setText(label.label()->text());
    plain.resize(label.widget()->size());
    return grabbed(&plain);
}

class LabelInkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::StaticText probe;
        shape(probe, QStringLiteral("Qian"), 141, 28);
        if (!QFontInfo(probe.font()).family().startsWith(QStringLiteral("Noto Serif CJK")))
            GTEST_SKIP() << "Noto Serif CJK (fonts-noto-cjk) is not installed";
        // What the labels below are about: the line box does not fit 28 pixels.
        ASSERT_GT(QFontMetrics(probe.font()).height(), 28);
    }
};

} // namespace

TEST_F(LabelInkTest, ALineTallerThanItsLabelShowsItsWholeInkCentred)
{
    for (const QString& text : {QStringLiteral("Qian 乾"), QStringLiteral("Li \uF9EA"), QStringLiteral("No Trigram")}) {
        SCOPED_TRACE(text.toStdString());
        fw::StaticText tight;
        shape(tight, text, 141, 28);
        fw::StaticText roomy;
        shape(roomy, text, 141, 80);
        const Ink cut = inkOf(tight);
        const Ink whole = inkOf(roomy);
        ASSERT_TRUE(cut.any());
        ASSERT_TRUE(whole.any());

        // Nothing touches the top or bottom edge, and nothing is lost against the
        // same line with room to spare.
        EXPECT_GT(cut.top, 0);
        EXPECT_LT(cut.bottom, 27);
        EXPECT_NEAR(cut.height(), whole.height(), 1);
        EXPECT_NEAR(cut.left, whole.left, 1);
        EXPECT_NEAR(cut.width(), whole.width(), 1);
        // Centred: the space above and below differs by rounding at most.
        EXPECT_LE(std::abs(cut.top - (27 - cut.bottom)), 2);
    }
}

TEST_F(LabelInkTest, ALineTallerThanItsLabelKeepsItsHorizontalAlignment)
{
    for (int align : {0, 1, 2}) {
        SCOPED_TRACE(align);
        fw::StaticText tight;
        shape(tight, QStringLiteral("Qian 乾"), 141, 28, align);
        fw::StaticText roomy;
        shape(roomy, QStringLiteral("Qian 乾"), 141, 80, align);
        const Ink cut = inkOf(tight);
        const Ink whole = inkOf(roomy);
        EXPECT_NEAR(cut.left, whole.left, 1);
        EXPECT_NEAR(cut.right, whole.right, 1);
    }
    fw::StaticText right;
    shape(right, QStringLiteral("Qian 乾"), 141, 28, 2);
    EXPECT_GT(inkOf(right).left, 141 / 3);
}

TEST_F(LabelInkTest, LinesThatFitStandInTheMiddleAndWrappedTextAtTheTop)
{
    fw::StaticText roomy;
    shape(roomy, QStringLiteral("Qian 乾"), 141, 80, 1);
    EXPECT_EQ(grabbed(roomy.widget()), asPlainLabel(roomy));
    const Ink single = inkOf(roomy);
    EXPECT_LE(std::abs(single.top - (79 - single.bottom)), 8);

    fw::StaticText lines;
    shape(lines, QStringLiteral("Qian\rNo Trigram"), 141, 28);
    EXPECT_EQ(grabbed(lines.widget()), asPlainLabel(lines));

    fw::StaticText wrapped;
    shape(wrapped, QStringLiteral("Qian 乾"), 141, 80);
    wrapped.setMultiline(true);
    EXPECT_EQ(grabbed(wrapped.widget()), asPlainLabel(wrapped));
    EXPECT_LT(inkOf(wrapped).top, 80 / 3);
}

// The ink is measured once per text and font, whatever the number of repaints, and a
// label whose text, font or size has changed draws as a new label in that state does.
TEST_F(LabelInkTest, TheInkFollowsTheTextTheFontAndTheSize)
{
    struct Change {
        const char* what;
        std::function<void(fw::StaticText&)> apply;
        bool measuresAgain;
    };
    const Change changes[] = {
        {"text", [](fw::StaticText& l) { l.setText(QStringLiteral("Li \uF9EA")); }, true},
        {"size", [](fw::StaticText& l) { l.setTextSize(22); }, true},
        {"bold", [](fw::StaticText& l) { l.setBold(false); }, true},
        {"family", [](fw::StaticText& l) { l.setTextFont(QStringLiteral("DejaVu Sans")); }, true},
        {"taller box", [](fw::StaticText& l) { l.setHeight(26); }, false},
        {"wider box", [](fw::StaticText& l) { l.setWidth(180); }, false},
        {"same text", [](fw::StaticText& l) { l.setText(QStringLiteral("Qian 乾")); }, false},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        fw::StaticText label;
        shape(label, QStringLiteral("Qian 乾"), 141, 28);
        const auto* widget = static_cast<const fw::LabelWidget*>(label.label());
        grabbed(label.widget());
        grabbed(label.widget());
        const int measured = widget->inkMeasuredCount();
        EXPECT_EQ(measured, 1);

        change.apply(label);
        const QImage changed = grabbed(label.widget());
        fw::StaticText fresh;
        shape(fresh, label.Text(), label.Width(), label.Height());
        fresh.setTextFont(label.TextFont());
        fresh.setTextSize(label.TextSize());
        fresh.setBold(label.Bold());
        EXPECT_EQ(changed, grabbed(fresh.widget()));
        // A line that still does not fit needs its ink again only for new text or font.
        if (QFontMetrics(label.font()).height() > label.Height()) {
            EXPECT_EQ(widget->inkMeasuredCount(), measured + (change.measuresAgain ? 1 : 0));
        }
    }
}

// A label that takes turns between texts (one per record shown) measures each once, as
// long as it has shown few enough others since; each text still draws as a new label
// showing it does.
TEST_F(LabelInkTest, ATextThatComesBackIsNotMeasuredAgain)
{
    fw::StaticText label;
    shape(label, QStringLiteral("Kan \u574E"), 141, 28);
    const auto* widget = static_cast<const fw::LabelWidget*>(label.label());
    const QStringList turns{QStringLiteral("Kan \u574E"), QStringLiteral("Li \uF9EA"), QStringLiteral("Kan \u574E"),
                            QStringLiteral("Li \uF9EA")};
    for (const QString& text : turns) {
        label.setText(text);
        const QImage shown = grabbed(label.widget());
        fw::StaticText fresh;
        shape(fresh, text, 141, 28);
        EXPECT_EQ(shown, grabbed(fresh.widget())) << text.toStdString();
    }
    EXPECT_EQ(widget->inkMeasuredCount(), 2);

    // The measurements kept are bounded: after many other texts the first is measured anew.
    for (int i = 0; i < 40; ++i) {
        label.setText(QStringLiteral("Gen %1").arg(i));
        grabbed(label.widget());
    }
    const int measured = widget->inkMeasuredCount();
    label.setText(QStringLiteral("Kan \u574E"));
    grabbed(label.widget());
    EXPECT_EQ(widget->inkMeasuredCount(), measured + 1);
}

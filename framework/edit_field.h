#pragma once

#include "control.h"

#include <QColor>
#include <QLineEdit>
#include <QPointer>
#include <QString>

class QTextEdit;

namespace fw {

class LengthLimiter;
class LimitedTextEdit;

// A text field: a single-line editor, or a multi-line one when Multiline is true.
// The program's texts separate lines with CR; a multi-line field shows them as lines.
class EditField : public TextControl {
    Q_OBJECT
    Q_PROPERTY(bool Border READ Border WRITE setBorder)
    Q_PROPERTY(bool Multiline READ Multiline WRITE setMultiline)
    Q_PROPERTY(bool ScrollbarHorizontal READ ScrollbarHorizontal WRITE setScrollbarHorizontal)
    Q_PROPERTY(bool ScrollbarVertical READ ScrollbarVertical WRITE setScrollbarVertical)
    Q_PROPERTY(bool Styled READ Styled WRITE setStyled)
    Q_PROPERTY(bool Password READ Password WRITE setPassword)
    Q_PROPERTY(bool UseFocusRing READ UseFocusRing WRITE setUseFocusRing)
    Q_PROPERTY(QColor TextColor READ TextColor WRITE setTextColor)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QString Format READ Format WRITE setFormat)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(QString Mask READ Mask WRITE setMask)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(int LimitText READ LimitText WRITE setLimitText)
    Q_PROPERTY(bool AcceptTabs READ AcceptTabs WRITE setAcceptTabs)
    // 0 default (left), 1 left, 2 centre, 3 right.
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(QString DataSource READ DataSource WRITE setDataSource)
    Q_PROPERTY(QString DataField READ DataField WRITE setDataField)

public:
    EditField();
    ~EditField() override;

    bool Border() const { return border_; }
    void setBorder(bool border);
    bool Multiline() const { return multiline_; }
    void setMultiline(bool multiline);
    bool ScrollbarHorizontal() const { return scrollbarHorizontal_; }
    void setScrollbarHorizontal(bool shown);
    bool ScrollbarVertical() const { return scrollbarVertical_; }
    void setScrollbarVertical(bool shown);
    // Whether styled text may be pasted into a multi-line field; text set by the
    // code is plain either way.
    bool Styled() const { return styled_; }
    void setStyled(bool styled);
    bool Password() const { return password_; }
    void setPassword(bool password);
    bool UseFocusRing() const { return useFocusRing_; }
    void setUseFocusRing(bool use);
    QColor TextColor() const { return textColor_; }
    void setTextColor(const QColor& color);
    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& color);
    // Kept for the program; the field does not reformat its text.
    QString Format() const { return format_; }
    void setFormat(const QString& format) { format_ = format; }
    QString Text() const;
    void setText(const QString& text);
    // Kept for the program; no input mask is applied.
    QString Mask() const { return mask_; }
    void setMask(const QString& mask) { mask_ = mask; }
    bool ReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    // The most characters the user can type, paste or drop, 0 for no limit. Text set by
    // the code is kept whole.
    int LimitText() const { return limitText_; }
    void setLimitText(int limit);
    bool AcceptTabs() const { return acceptTabs_; }
    void setAcceptTabs(bool accept);
    int Alignment() const { return alignment_; }
    void setAlignment(int alignment);
    QString DataSource() const { return dataSource_; }
    void setDataSource(const QString& source) { dataSource_ = source; }
    QString DataField() const { return dataField_; }
    void setDataField(const QString& field) { dataField_ = field; }

    // The selection in 0-based character positions; values outside the text are
    // brought to its nearest end. Setting SelStart places the insertion point.
    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);

    // The editor that shows the text: a QLineEdit, or a QTextEdit when multi-line.
    QWidget* editor() const;
    QLineEdit* lineEdit() const { return line_; }
    QTextEdit* textEdit() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeEditor(const QString& text);
    void applyFrame();
    void applyColors();
    void applyAlignment();
    void applyScrollbars();
    void applyEditing();
    void select(qsizetype startChars, qsizetype lengthChars);

    QPointer<QLineEdit> line_;
    QPointer<LimitedTextEdit> multi_;
    QPointer<LengthLimiter> limiter_;
    QString text_;
    bool border_ = true;
    bool multiline_ = false;
    bool scrollbarHorizontal_ = false;
    bool scrollbarVertical_ = false;
    bool styled_ = false;
    bool password_ = false;
    bool useFocusRing_ = true;
    QColor textColor_{Qt::black};
    QColor backColor_{Qt::white};
    QString format_;
    QString mask_;
    bool readOnly_ = false;
    int limitText_ = 0;
    bool acceptTabs_ = false;
    int alignment_ = 0;
    QString dataSource_;
    QString dataField_;
};

} // namespace fw

#pragma once

#include "control.h"

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QString>


namespace fw {

// A label: plain text, never rich text.
class StaticText : public TextControl {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    // 0 left, 1 centre, 2 right.
    Q_PROPERTY(int TextAlign READ TextAlign WRITE setTextAlign)
    Q_PROPERTY(QColor TextColor READ TextColor WRITE setTextColor)
    Q_PROPERTY(bool Multiline READ Multiline WRITE setMultiline)
    Q_PROPERTY(QString DataSource READ DataSource WRITE setDataSource)
    Q_PROPERTY(QString DataField READ DataField WRITE setDataField)

public:
    StaticText();
    ~StaticText() override;

    // Lines are separated by CR.
    QString Text() const { return text_; }
    void setText(const QString& text);
    int TextAlign() const { return textAlign_; }
    void setTextAlign(int align);
    QColor TextColor() const { return textColor_; }
    void setTextColor(const QColor& color);
    // True wraps the text at word boundaries to the label's width.
    bool Multiline() const { return multiline_; }
    void setMultiline(bool multiline);
    QString DataSource() const { return dataSource_; }
    void setDataSource(const QString& source) { dataSource_ = source; }
    QString DataField() const { return dataField_; }
    void setDataField(const QString& field) { dataField_ = field; }

    QLabel* label() const { return label_; }

private:
    void applyAlignment();

    QPointer<QLabel> label_;
    QString text_;
    int textAlign_ = 0;
    QColor textColor_{Qt::black};
    bool multiline_ = false;
    QString dataSource_;
    QString dataField_;
};

} // namespace fw

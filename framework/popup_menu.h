#pragma once

#include "control.h"

#include <QPointer>
#include <QString>
#include <QStringList>

class QComboBox;

namespace fw {

// A pop-up menu of text rows, one of them selected (or none).
class PopupMenu : public TextControl {
    Q_OBJECT
    Q_PROPERTY(QString InitialValue READ InitialValue WRITE setInitialValue)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex)
    Q_PROPERTY(QString DataSource READ DataSource WRITE setDataSource)
    Q_PROPERTY(QString DataField READ DataField WRITE setDataField)

public:
    PopupMenu();
    ~PopupMenu() override;

    // The rows, separated by CR. The selection stays on its row while the menu still
    // has it; the rows are design data, so no Change.
    QString InitialValue() const { return initialValue_; }
    void setInitialValue(const QString& rows);
    // The selected row, 0-based, or -1 for none. A different value raises Change
    // before returning; OutOfBoundsException outside -1 to ListCount - 1.
    int ListIndex() const { return listIndex_; }
    void setListIndex(int row);
    QString DataSource() const { return dataSource_; }
    void setDataSource(const QString& source) { dataSource_ = source; }
    QString DataField() const { return dataField_; }
    void setDataField(const QString& field) { dataField_ = field; }

    int ListCount() const { return int(rows_.size()); }
    // The selected row's text, "" for none.
    QString Text() const;
    // The text of a row; OutOfBoundsException outside 0 to ListCount - 1.
    QString List(int row) const;

    Event<void()> Change{this, "Change"};

protected:
    void applyFont() override;

private:
    void showRows();
    void showListIndex();
    void userChoseRow(int row);

    QPointer<QComboBox> combo_;
    QString initialValue_;
    QStringList rows_;
    int listIndex_ = -1;
    QString dataSource_;
    QString dataField_;
    // Set while the code changes the combo box, so that Qt's signal is not taken for the user.
    bool assigning_ = false;
};

} // namespace fw

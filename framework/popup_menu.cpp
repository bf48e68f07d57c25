#include "popup_menu.h"

#include "styled_paint.h"

#include <QAbstractItemView>
#include <QComboBox>

#include <string>

namespace fw {

PopupMenu::PopupMenu() : TextControl(new ComboWidget)
{
    combo_ = static_cast<QComboBox*>(widget());
    connect(combo_, &QComboBox::currentIndexChanged, this, &PopupMenu::userChoseRow);
    showListIndex();
}

PopupMenu::~PopupMenu() = default;

void PopupMenu::setInitialValue(const QString& rows)
{
    initialValue_ = rows;
    rows_ = rows.isEmpty() ? QStringList() : rows.split(QLatin1Char('\r'));
    if (listIndex_ >= ListCount())
        listIndex_ = -1;
    showRows();
}

void PopupMenu::showRows()
{
    if (!combo_)
        return;
    assigning_ = true;
    combo_->clear();
    combo_->addItems(rows_);
    assigning_ = false;
    showListIndex();
}

void PopupMenu::showListIndex()
{
    if (!combo_)
        return;
    assigning_ = true;
    combo_->setCurrentIndex(listIndex_);
    assigning_ = false;
}

void PopupMenu::setListIndex(int row)
{
    if (row < -1 || row >= ListCount())
        throw OutOfBoundsException("PopupMenu.ListIndex " + std::to_string(row) + " is not a row of a menu with "
                                   + std::to_string(ListCount()) + " rows");
    if (row == listIndex_)
        return;
    listIndex_ = row;
    showListIndex();
    Change();
}

void PopupMenu::userChoseRow(int row)
{
    if (assigning_ || row == listIndex_ || row < -1 || row >= ListCount())
        return;
    listIndex_ = row;
    guardedCall([this] { Change(); });
}

QString PopupMenu::Text() const
{
    return listIndex_ >= 0 ? rows_.at(listIndex_) : QString();
}

QString PopupMenu::List(int row) const
{
    if (row < 0 || row >= ListCount())
        throw OutOfBoundsException("PopupMenu.List " + std::to_string(row) + " is not a row of a menu with "
                                   + std::to_string(ListCount()) + " rows");
    return rows_.at(row);
}

void PopupMenu::applyFont()
{
    if (!combo_)
        return;
    const QFont menuFont = font();
    combo_->setFont(menuFont);
    // The list pops up as a window of its own, which does not inherit the font.
    combo_->view()->setFont(menuFont);
}

} // namespace fw

#include "tab_panel.h"

#include <QFontInfo>
#include <QTabBar>
#include <QTabWidget>

#include <string>

namespace fw {

TabPanel::TabPanel() : TextControl(new QTabWidget)
{
    tabs_ = static_cast<QTabWidget*>(widget());
    watch(tabs_->tabBar());
    connect(tabs_, &QTabWidget::currentChanged, this, &TabPanel::userChosePage);
}

TabPanel::~TabPanel() = default;

void TabPanel::setFacing(int facing)
{
    static constexpr QTabWidget::TabPosition kPositions[] = {QTabWidget::North, QTabWidget::South, QTabWidget::West,
                                                             QTabWidget::East};
    if (facing < 0 || facing > 3)
        throw OutOfBoundsException("TabPanel.Facing must be 0 to 3, not " + std::to_string(facing));
    facing_ = facing;
    if (tabs_)
        tabs_->setTabPosition(kPositions[facing]);
}

void TabPanel::setTabDefinition(const QString& definition)
{
    definition_ = definition;
    pages_ = definition.isEmpty() ? QStringList() : definition.split(QLatin1Char('\r'));
    // The page in front stays when the panel still has it; the captions are design
    // data, so no Change.
    if (value_ >= pageCount())
        value_ = pageCount() > 0 ? pageCount() - 1 : 0;
    rebuildPages();
    placementChanged();
}

void TabPanel::rebuildPages()
{
    if (!tabs_)
        return;
    assigning_ = true;
    while (tabs_->count() > 0) {
        QWidget* page = tabs_->widget(0);
        tabs_->removeTab(0);
        delete page;
    }
    for (const QString& caption : std::as_const(pages_))
        tabs_->addTab(new QWidget, caption);
    assigning_ = false;
    showValue();
}

void TabPanel::showValue()
{
    if (!tabs_ || value_ >= tabs_->count())
        return;
    assigning_ = true;
    tabs_->setCurrentIndex(value_);
    assigning_ = false;
}

void TabPanel::setSmallTabs(bool small)
{
    smallTabs_ = small;
    applyFont();
}

void TabPanel::setValue(int page)
{
    if (page == value_)
        return;
    if (page < 0 || page >= pageCount())
        throw OutOfBoundsException("TabPanel.Value " + std::to_string(page) + " is not a page of a panel with "
                                   + std::to_string(pageCount()) + " pages");
    value_ = page;
    showValue();
    placementChanged();
    Change();
}

void TabPanel::userChosePage(int page)
{
    if (assigning_ || page < 0 || page == value_)
        return;
    value_ = page;
    placementChanged();
    guardedCall([this] { Change(); });
}

bool TabPanel::showsPage(int tabPanelIndex) const
{
    return tabPanelIndex == value_ + 1;
}

void TabPanel::applyFont()
{
    if (!tabs_)
        return;
    QFont tabFont = font();
    tabs_->setFont(tabFont);
    tabs_->tabBar()->setAttribute(Qt::WA_MacSmallSize, smallTabs_);
    if (smallTabs_) {
        // Smaller tabs: the captions two pixels smaller than the panel's text.
        const int pixels = QFontInfo(tabFont).pixelSize();
        tabFont.setPixelSize(std::max(8, pixels - 2));
    }
    tabs_->tabBar()->setFont(tabFont);
}

} // namespace fw

#pragma once

#include "control.h"

#include <QPointer>
#include <QString>
#include <QStringList>

class QTabWidget;

namespace fw {

// Tabs with their pages. The controls on a page are not children of the panel: they
// stand on the window above it and are shown only while their page is in front.
class TabPanel : public TextControl {
    Q_OBJECT
    // 0 tabs on top, 1 at the bottom, 2 on the left, 3 on the right.
    Q_PROPERTY(int Facing READ Facing WRITE setFacing)
    Q_PROPERTY(QString TabDefinition READ TabDefinition WRITE setTabDefinition)
    Q_PROPERTY(bool SmallTabs READ SmallTabs WRITE setSmallTabs)
    Q_PROPERTY(int Value READ Value WRITE setValue)

public:
    TabPanel();
    ~TabPanel() override;

    int Facing() const { return facing_; }
    void setFacing(int facing);
    // The page captions, separated by CR.
    QString TabDefinition() const { return definition_; }
    void setTabDefinition(const QString& definition);
    bool SmallTabs() const { return smallTabs_; }
    void setSmallTabs(bool small);
    // The page in front, 0-based. A different page raises Change before returning;
    // OutOfBoundsException for a page the panel does not have.
    int Value() const { return value_; }
    void setValue(int page);

    int pageCount() const { return int(pages_.size()); }
    const QStringList& pages() const { return pages_; }
    bool showsPage(int tabPanelIndex) const override;

    Event<void()> Change{this, "Change"};

protected:
    void applyFont() override;

private:
    void rebuildPages();
    void showValue();
    void userChosePage(int page);

    QPointer<QTabWidget> tabs_;
    QString definition_;
    QStringList pages_;
    int facing_ = 0;
    bool smallTabs_ = false;
    int value_ = 0;
    // Set while the code moves the tabs, so that Qt's signal is not taken for the user.
    bool assigning_ = false;
};

} // namespace fw

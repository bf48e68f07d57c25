#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;

namespace fw {

class MenuBar;
class MenuItem;
class Window;

// The key sequences of a shortcut text: "Cmd" is the platform's command modifier
// (Ctrl here) and "Option" is Alt; "Cmd+?" also answers the platform's Help key. An
// empty or unreadable text gives none.
QList<QKeySequence> keySequencesFor(const QString& shortcut);

// One window's view of the shared menu model. With a bar, it is a QMenuBar of menus
// and actions; without one, invisible actions on the window, so that the shortcuts of
// the model still work while the window is in front. Changes of captions, shortcuts
// and enabled states show at once; a change of the model's structure rebuilds the
// view once control returns to the event loop.
class MenuView : public QObject {
    Q_OBJECT

public:
    MenuView(Window* owner, QMainWindow* host, MenuBar* model, bool showBar);
    ~MenuView() override;

    MenuBar* model() const;
    bool showsBar() const { return showBar_; }
    // The bar shown on the window, or nullptr.
    QMenuBar* bar() const;
    // The action that stands for the item in this view, or nullptr.
    QAction* actionFor(const MenuItem* item) const;
    // The menu that stands for the item (an item with children), or nullptr.
    QMenu* menuFor(const MenuItem* item) const;

private:
    void build();
    void clear();
    void scheduleRebuild();
    void addChildren(MenuItem* parent, QMenu* menu);
    void addMenu(MenuItem* item, QMenu* parentMenu);
    void addAction(MenuItem* item, QMenu* menu);
    void bind(MenuItem* item, QAction* action);
    void refresh(MenuItem* item, QAction* action);
    void menuAboutToShow();

    Window* owner_;
    QPointer<QMainWindow> host_;
    QPointer<MenuBar> model_;
    bool showBar_;
    QPointer<QMenuBar> bar_;
    struct Entry {
        QPointer<MenuItem> item;
        QPointer<QAction> action;
    };
    std::vector<Entry> entries_;
    std::vector<QPointer<QMenu>> menus_;
    std::vector<QPointer<QAction>> actions_;
    // Lives for one build: connections made for that build end with it.
    std::unique_ptr<QObject> scope_;
    bool rebuildPending_ = false;
};

} // namespace fw

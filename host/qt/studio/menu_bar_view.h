// Draws the editor's command bar "Menu Bar" as a Qt menu bar. The command bars stay the one
// truth: the add-ins edit them, this view only mirrors them (popups, buttons, separators for
// BeginGroup, enabled states) and hands clicks back to the model's controls.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;

namespace norvel::host {
class HostCommandBar;
class HostCommandBarControl;
class HostCommandBarControls;
}  // namespace norvel::host

namespace norvel::host::qt {

class MenuBarView : public QObject {
    Q_OBJECT
  public:
    using ClickRunner = std::function<void(const std::shared_ptr<HostCommandBarControl>&)>;

    // `runClick` delivers a click on a button of the model (the window wraps it so that
    // errors are shown and the views refreshed afterwards).
    MenuBarView(HostCommandBar& bar, QMenuBar& menuBar, ClickRunner runClick);

    // Rebuilds the top-level menus from the model. Popups fill themselves each time they
    // open, so states the add-ins change in between always show.
    void rebuild();

    // The entry at the end of a path of captions from the bar ("Norvel", "JavaScript",
    // "Current Date"), each menu on the way filled as when a person opens it; null when a
    // step is missing. What a person reaches by mouse, for scripted use of the window.
    QAction* actionFor(const QStringList& captions) const;

  private:
    void fill(QMenu& menu, HostCommandBarControls& controls);
    // A popup becomes a menu, a button an action.
    template <typename MenuOrBar>
    void addControl(MenuOrBar& target, const std::shared_ptr<HostCommandBarControl>& control);

    HostCommandBar& bar_;
    QMenuBar& menuBar_;
    ClickRunner runClick_;
};

// What a Qt menu shows for a caption of the old platform: "&" marks the access key there too,
// so the caption is kept as written.
QString menuText(const std::string& caption);

}  // namespace norvel::host::qt

// Draws the editor's command bar "Menu Bar" as a Qt menu bar. The command bars stay the one
// truth: the add-ins edit them, this view only mirrors them (popups, buttons, separators for
// BeginGroup, enabled states) and hands clicks back to the model's controls.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <string>

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

    // Brings the menus in line with the model, rebuilding them only when the model changed
    // since the last time (a command that leaves the menus alone costs a comparison). Popups
    // fill themselves each time they open, so states the add-ins change in between always
    // show. A popup with no entries is shown disabled, never empty.
    void rebuild();

    // Keyboard shortcuts for the entries whose tag is a key of `shortcuts` (the studio's own
    // commands carry tags such as "studio.save").
    void setShortcuts(std::map<std::string, QList<QKeySequence>> shortcuts);

    // The entry at the end of a path of captions from the bar ("Norvel", "JavaScript",
    // "Current Date"), each menu on the way filled as when a person opens it; null when a
    // step is missing. What a person reaches by mouse, for scripted use of the window.
    QAction* actionFor(const QStringList& captions) const;

  private:
    void fill(QMenu& menu, HostCommandBarControls& controls);
    // What the menus show of the model: captions, kinds, states and tags of every entry.
    std::string modelSignature() const;
    // A popup becomes a menu, a button an action.
    template <typename MenuOrBar>
    void addControl(MenuOrBar& target, const std::shared_ptr<HostCommandBarControl>& control);

    HostCommandBar& bar_;
    QMenuBar& menuBar_;
    ClickRunner runClick_;
    std::map<std::string, QList<QKeySequence>> shortcuts_;
    std::string shown_;  // the signature of what the menus show
    bool built_ = false;
};

// What a Qt menu shows for a caption of the old platform: "&" marks the access key there too,
// so the caption is kept as written.
QString menuText(const std::string& caption);
// The editor's top-level menus get the access keys desktop editors give them (&File, &Edit,
// F&ormat...); other captions are kept as written.
QString topMenuText(const std::string& caption);
// A caption without its access key marks ("&Save" -> "Save"; "&&" stays one "&").
QString withoutAccessKeys(const QString& text);

}  // namespace norvel::host::qt

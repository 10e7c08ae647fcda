// norvel-studio-screenshots OUTDIR: takes the README's pictures. It starts the studio on a
// scratch copy of the sample web (with a scratch settings folder), inserts a date block into
// the home page, and saves the window in each view, the Norvel menu, each dialog of the suite
// the menus reach, and the poll editor's panes, as PNG files in OUTDIR. Run it under Xvfb
// (scripts/screenshots.sh).
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "common/editor/web.h"
#include "common/forms/form.h"
#include "common/forms/list_controls.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/forms/tree_view.h"
#include "host/qt/forms/form_dialog.h"
#include "host/qt/page/browser_engine.h"
#include "host/qt/page/page_view.h"
#include "host/qt/studio/studio.h"
#include "host/qt/studio/studio_window.h"

namespace {

namespace fs = std::filesystem;

fs::path outputFolder;

void save(QWidget* widget, const std::string& name) {
    QApplication::processEvents();
    fs::path file = outputFolder / (name + ".png");
    if (!widget->grab().save(QString::fromStdString(file.string())))
        std::cerr << "could not write " << file << '\n';
    else
        std::cout << "wrote " << file.string() << '\n';
}

// Runs `act` on the next modal window, once it has been drawn.
void whenModalShown(std::function<void(QWidget*)> act) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [poll, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible())
            QTimer::singleShot(200, modal, [modal, act] { act(modal); });
        else
            QTimer::singleShot(20, *poll);
    };
    QTimer::singleShot(20, *poll);
}

void closeModal(QWidget* modal) {
    modal->close();
    if (QApplication::activeModalWidget() == modal)
        modal->hide();
}

// The poll editor as a person fills it: the text pane, a text style pane, and the results
// preview once every pane passes its check.
void tourPollEditor(QWidget* modal) {
    using namespace norvel::common::forms;
    auto* dialog = qobject_cast<norvel::host::qt::FormDialog*>(modal);
    if (dialog == nullptr) {
        closeModal(modal);
        return;
    }
    Form& form = dialog->form();
    auto text = [&form](const char* path, const char* value) {
        if (auto* box = static_cast<TextBox*>(form.findPath(path)))
            box->userSetText(value);
    };
    auto answer = [&form](const char* value) {
        static_cast<ComboBox*>(form.findPath("ctlText1.cmbAnswers"))->userSetText(value);
        static_cast<CommandButton*>(form.findPath("ctlText1.cmdPlus"))->userClick();
    };
    auto node = [&form](const char* key) {
        static_cast<TreeView*>(form.findPath("TreeView1"))->userClickNode(key);
    };
    text("ctlText1.txtQuestion", "Which evening suits you best?");
    answer("Monday");
    answer("Thursday");
    answer("Fish & chips night");
    save(modal, "dialog-poll-text");
    node("options");
    text("ctlOp1.txtPassword", "secret");
    node("general");
    text("ctlGeneral1.QBackC.txtColor", "336699");
    text("ctlGeneral1.ABackC.txtColor", "F4F4EC");
    node("answers");
    text("ctlA.HexColor1.txtColor", "222222");
    node("other");
    text("ctlB.HexColor1.txtColor", "000000");
    node("question");
    text("ctlQ.txtFS", "16px");
    text("ctlQ.HexColor1.txtColor", "FFFFFF");
    save(modal, "dialog-poll-style");
    node("results");
    save(modal, "dialog-poll-results");
    closeModal(modal);
}

}  // namespace

int main(int argc, char* argv[]) {
    norvel::host::qt::prepareBrowserEngine();
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: norvel-studio-screenshots OUTDIR\n";
        return 2;
    }
    outputFolder = fs::absolute(argv[1]);
    fs::create_directories(outputFolder);

    fs::path scratch = fs::temp_directory_path() / ("norvel-tour-" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    fs::create_directories(scratch / "config");
    fs::copy(fs::path(NORVEL_SOURCE_DIR) / "samples" / "web", scratch / "web",
             fs::copy_options::recursive);
    ::setenv("NORVEL_CONFIG_HOME", (scratch / "config").c_str(), 1);
    {
        norvel::host::qt::Studio studio;
        auto& window = studio.window();
        window.resize(1100, 720);
        studio.start(scratch / "web");
        window.openPage("index.htm");

        // A date block at the end of the page, so that the Normal view shows one.
        whenModalShown([](QWidget* modal) {
            if (auto* button = modal->findChild<QPushButton*>("cmdDo"))
                button->click();
        });
        window.menuAction({"Norvel", "JavaScript", "Current Date"})->trigger();

        save(&window, "studio-normal");
        window.setActiveViewMode(norvel::common::editor::kViewHtml);
        save(&window, "studio-html");
        window.setActiveViewMode(norvel::common::editor::kViewPreview);
        // The Preview loads in the browser engine's processes, and its scripts write the date
        // after that: wait for the load, then for the page to be painted.
        QElapsedTimer loading;
        loading.start();
        while (!window.activePageView()->isDrawn() && loading.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        QElapsedTimer painting;
        painting.start();
        while (painting.elapsed() < 1500)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        save(&window, "studio-preview");
        window.setActiveViewMode(norvel::common::editor::kViewNormal);

        QMenu* norvel = window.menuAction({"Norvel"})->menu();
        norvel->popup(window.mapToGlobal(QPoint(300, 30)));
        save(norvel, "menu-norvel");
        norvel->hide();
        QMenu* scripts = window.menuAction({"Norvel", "JavaScript"})->menu();
        scripts->popup(window.mapToGlobal(QPoint(300, 30)));
        save(scripts, "menu-javascript");
        scripts->hide();
        QMenu* edit = window.menuAction({"Edit"})->menu();
        edit->popup(window.mapToGlobal(QPoint(60, 30)));
        save(edit, "menu-edit");
        edit->hide();

        struct Shot {
            QStringList menu;
            std::string name;
        };
        const std::vector<Shot> shots = {
            {{"Norvel", "options"}, "dialog-addin-options"},
            {{"Norvel", "JavaScript", "options "}, "dialog-script-options"},
            {{"Norvel", "JavaScript", "Add to Favorites"}, "dialog-add-to-favorites"},
            {{"Norvel", "JavaScript", "Slide Show"}, "dialog-slide-show"},
            {{"Norvel", "JavaScript", "Fading Messages"}, "dialog-fading-messages"},
            {{"Norvel", "JavaScript", "Current Date"}, "dialog-current-date"},
            {{"Norvel", "JavaScript", "Show and Hide"}, "dialog-show-and-hide"},
            {{"Norvel", "Style", "Scrollbar color"}, "dialog-scrollbar-color"},
        };
        for (const Shot& shot : shots) {
            QAction* action = window.menuAction(shot.menu);
            if (!action) {
                std::cerr << "no menu entry for " << shot.name << '\n';
                continue;
            }
            whenModalShown([name = shot.name](QWidget* modal) {
                save(modal, name);
                closeModal(modal);
            });
            action->trigger();
        }
        whenModalShown(tourPollEditor);
        window.menuAction({"Norvel", "Polls", "PHP Polls"})->trigger();

        // Nothing is kept: the scratch page is dropped unsaved.
        studio.app().closeWeb();
    }
    fs::remove_all(scratch);
    return 0;
}

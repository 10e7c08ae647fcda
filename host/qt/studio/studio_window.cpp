#include "host/qt/studio/studio_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>

#include "common/editor/web.h"
#include "common/error.h"
#include "common/ui.h"
#include "host/editor/editor_app.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/qt/page/page_view.h"
#include "host/qt/studio/menu_bar_view.h"
#include "host/qt/studio/web_folder_list.h"

namespace norvel::host::qt {

namespace {

constexpr const char* kCaption = "Norvel Studio";
constexpr const char* kWindowProperty = "norvelPageWindow";
constexpr const char* kStaleProperty = "norvelStale";

HostPageWindow* windowOfTab(QTabWidget& tabs, int index) {
    QWidget* page = tabs.widget(index);
    return page ? reinterpret_cast<HostPageWindow*>(
                      page->property(kWindowProperty).value<quintptr>())
                : nullptr;
}

bool shownInTab(const HostPageWindow& window) {
    // Windows opened only to read or rewrite a data file are the editor's own business.
    return !window.closed() &&
           const_cast<HostPageWindow&>(window).ViewMode() != common::editor::kViewDataFile;
}

}  // namespace

StudioWindow::StudioWindow(EditorApp& app, common::Ui& ui, QWidget* parent)
    : QMainWindow(parent), app_(app), ui_(ui) {
    setObjectName("studioWindow");
    auto* splitter = new QSplitter(this);
    folderList_ = new WebFolderList(splitter);
    tabs_ = new QTabWidget(splitter);
    tabs_->setObjectName("pageTabs");
    tabs_->setTabsClosable(true);
    tabs_->setDocumentMode(true);
    splitter->addWidget(folderList_);
    splitter->addWidget(tabs_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 800});
    setCentralWidget(splitter);
    status_ = new QLabel(this);
    statusBar()->addWidget(status_, 1);

    connect(folderList_, &WebFolderList::fileActivated, this,
            [this](const QString& path) { openPage(path.toStdString()); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { activateTab(index); });
    connect(tabs_, &QTabWidget::tabCloseRequested, this, [this](int index) {
        HostPageWindow* window = windowOfTab(*tabs_, index);
        for (const auto& open : app_.windows())
            if (open.get() == window) {
                std::shared_ptr<HostPageWindow> keep = open;
                runCommand([&] { closePage(keep); });
                return;
            }
    });

    menus_ = std::make_unique<MenuBarView>(
        app_.commandBars().menuBar(), *menuBar(),
        [this](const std::shared_ptr<HostCommandBarControl>& control) {
            runCommand([&] {
                if (!control->click())
                    throw common::Error(common::errnum::kInvalidCall, "norvel",
                                        "This menu entry cannot be used now");
            });
        });
    addStudioCommands();
    resize(1000, 700);
    syncFromModel();
}

StudioWindow::~StudioWindow() = default;

void StudioWindow::addStudioCommands() {
    using common::editor::CommandBarControl;
    auto add = [this](const std::string& menu, const std::string& caption, bool beginGroup,
                      std::function<void()> action) {
        auto popup = app_.commandBars().findByCaptions({menu});
        if (!popup)
            return;
        auto button = popup->Controls().Add(common::editor::kControlButton);
        button->SetCaption(caption);
        button->SetTag("studio." + caption);
        button->SetBeginGroup(beginGroup);
        button->SetClickHandler(
            [action = std::move(action)](CommandBarControl&, bool&) { action(); });
    };
    add("File", "&Open Web...", false, [this] {
        QString folder = QFileDialog::getExistingDirectory(this, "Open Web");
        if (!folder.isEmpty())
            openWeb(folder.toStdString());
    });
    add("File", "&New Page", false, [this] { app_.newPage(); });
    add("File", "&Save", true, [this] { saveActivePage(); });
    add("File", "&Close", false, [this] {
        if (auto window = app_.activeWindow())
            closePage(window);
    });
    add("File", "E&xit", true, [this] { close(); });
    add("View", "&Normal", false, [this] { setActiveViewMode(common::editor::kViewNormal); });
    add("View", "&HTML", false, [this] { setActiveViewMode(common::editor::kViewHtml); });
    add("View", "&Preview", false, [this] { setActiveViewMode(common::editor::kViewPreview); });
    add("View", "Preview in &Browser", false, [this] {
        if (PageView* view = activePageView())
            view->previewInBrowser();
    });
}

bool StudioWindow::openWeb(const std::filesystem::path& folder) {
    if (!closeAllPages())
        return false;
    bool opened = false;
    runCommand([&] {
        app_.openWeb(folder);
        folderList_->showWeb(std::filesystem::absolute(folder).lexically_normal());
        setWindowFilePath(QString::fromStdString(folder.string()));
        opened = true;
    });
    return opened;
}

void StudioWindow::openPage(const std::string& pagePath) {
    runCommand([&] { app_.openPageByPath(pagePath, common::editor::kViewNormal); });
}

void StudioWindow::runCommand(const std::function<void()>& command) {
    for (int i = 0; i < tabs_->count(); ++i)
        if (auto* view = qobject_cast<PageView*>(tabs_->widget(i)))
            view->flushEdits();
    try {
        command();
    } catch (const common::Error& e) {
        ui_.msgBox(e.description(), common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Critical,
                   kCaption);
    } catch (const std::exception& e) {
        ui_.msgBox(e.what(), common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Critical, kCaption);
    } catch (...) {
        // The window's own edge: nothing a command throws may end the program.
        ui_.msgBox("An unexpected error ended the command.", common::MsgBoxButtons::OkOnly,
                   common::MsgBoxIcon::Critical, kCaption);
    }
    // Saving and the suite's features write files into the web.
    if (app_.web())
        folderList_->refresh();
    syncFromModel();
}

void StudioWindow::syncFromModel() {
    syncing_ = true;
    const auto& windows = app_.windows();
    auto isOpen = [&](HostPageWindow* window) {
        return std::any_of(windows.begin(), windows.end(), [&](const auto& open) {
            return open.get() == window && shownInTab(*open);
        });
    };
    for (int i = tabs_->count() - 1; i >= 0; --i) {
        if (isOpen(windowOfTab(*tabs_, i)))
            continue;
        QWidget* page = tabs_->widget(i);
        tabs_->removeTab(i);
        // Later: the view may be the one whose signal runs this command.
        page->deleteLater();
    }
    for (const auto& window : windows) {
        if (!shownInTab(*window) || pageViewOf(*window))
            continue;
        auto* view = new PageView(window, tabs_);
        view->setProperty(kWindowProperty,
                          QVariant::fromValue(reinterpret_cast<quintptr>(window.get())));
        std::weak_ptr<HostPageWindow> weak = window;
        connect(view, &PageView::blockDoubleClicked, this, [this, weak](int number) {
            runCommand([&] {
                if (auto target = weak.lock()) {
                    app_.activate(target);
                    app_.editBlock(number);
                }
            });
        });
        connect(view, &PageView::changed, this, [this] {
            if (!syncing_)
                updateTitle();
        });
        tabs_->addTab(view, QString());
    }
    auto active = app_.activeWindow();
    for (int i = 0; i < tabs_->count(); ++i) {
        HostPageWindow* window = windowOfTab(*tabs_, i);
        auto* view = qobject_cast<PageView*>(tabs_->widget(i));
        // Only the page in front is drawn again now (a big page takes a while); the others
        // when they come to the front.
        if (active && active.get() == window) {
            view->refresh();
            view->setProperty(kStaleProperty, false);
        } else {
            view->setProperty(kStaleProperty, true);
        }
        QString name = QString::fromStdString(window->displayName());
        tabs_->setTabText(i, window->modified() ? name + " *" : name);
        if (active && active.get() == window)
            tabs_->setCurrentIndex(i);
    }
    menus_->rebuild();
    updateTitle();
    updateStatus();
    syncing_ = false;
}

void StudioWindow::activateTab(int index) {
    if (syncing_ || index < 0)
        return;
    HostPageWindow* window = windowOfTab(*tabs_, index);
    for (const auto& open : app_.windows())
        if (open.get() == window)
            app_.activate(open);
    auto* view = qobject_cast<PageView*>(tabs_->widget(index));
    if (view && view->property(kStaleProperty).toBool()) {
        view->refresh();
        view->setProperty(kStaleProperty, false);
    }
    updateStatus();
}

QAction* StudioWindow::menuAction(const QStringList& captions) const {
    return menus_->actionFor(captions);
}

PageView* StudioWindow::pageViewOf(const HostPageWindow& window) const {
    for (int i = 0; i < tabs_->count(); ++i)
        if (windowOfTab(*tabs_, i) == &window)
            return qobject_cast<PageView*>(tabs_->widget(i));
    return nullptr;
}

PageView* StudioWindow::activePageView() const {
    auto active = app_.activeWindow();
    return active ? pageViewOf(*active) : nullptr;
}

bool StudioWindow::saveActivePage() {
    auto window = app_.activeWindow();
    if (!window)
        return false;
    if (!window->File()) {
        bool ok = false;
        QString name = QInputDialog::getText(
            this, "Save As", "Page name in the web:", QLineEdit::Normal, "new_page.htm", &ok);
        if (!ok || name.trimmed().isEmpty())
            return false;
        window->SaveAs(name.trimmed().toStdString());
    } else {
        window->Save();
    }
    return true;
}

bool StudioWindow::closePage(const std::shared_ptr<HostPageWindow>& window) {
    if (auto* view = pageViewOf(*window))
        view->flushEdits();
    if (window->modified()) {
        common::MsgBoxResult answer =
            ui_.msgBox("Save changes to \"" + window->displayName() + "\"?",
                       common::MsgBoxButtons::YesNoCancel, common::MsgBoxIcon::Warning, kCaption);
        if (answer == common::MsgBoxResult::Cancel)
            return false;
        if (answer == common::MsgBoxResult::Yes) {
            app_.activate(window);
            if (!saveActivePage())
                return false;
        }
    }
    window->Close(false);
    return true;
}

bool StudioWindow::closeAllPages() {
    for (const auto& window : std::vector(app_.windows())) {
        if (!shownInTab(*window))
            continue;
        bool closed = false;
        runCommand([&] { closed = closePage(window); });
        if (!closed)
            return false;
    }
    return true;
}

void StudioWindow::setActiveViewMode(int mode) {
    if (auto* view = activePageView())
        view->setViewMode(mode);
    updateStatus();
}

void StudioWindow::closeEvent(QCloseEvent* event) {
    if (!closeAllPages()) {
        event->ignore();
        return;
    }
    event->accept();
}

void StudioWindow::updateTitle() {
    QString title = kCaption;
    if (auto active = app_.activeWindow())
        title = QString::fromStdString(active->displayName()) + (active->modified() ? " *" : "") +
                " - " + title;
    setWindowTitle(title);
}

void StudioWindow::updateStatus() {
    auto active = app_.activeWindow();
    if (!active || active->closed()) {
        status_->setText(app_.web() ? "No page is open" : "No web is open");
        return;
    }
    static const char* modes[] = {"", "Normal", "HTML", "Preview"};
    int mode = active->ViewMode();
    auto selection = active->document().page().selection();
    status_->setText(QString("%1 view   insertion point at byte %2")
                         .arg(mode >= 1 && mode <= 3 ? modes[mode] : "Data")
                         .arg(static_cast<qulonglong>(selection.begin)));
}

}  // namespace norvel::host::qt

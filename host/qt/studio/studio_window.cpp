#include "host/qt/studio/studio_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>

#include "common/config_folder.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "common/ui.h"
#include "host/editor/editor_app.h"
#include "host/editor/file_kind.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/editor/web_paths.h"
#include "host/qt/page/normal_view.h"
#include "host/qt/page/page_view.h"
#include "host/qt/page/source_view.h"
#include "host/qt/studio/find_dialog.h"
#include "host/qt/studio/menu_bar_view.h"
#include "host/qt/studio/picture_view.h"
#include "host/qt/studio/web_folder_list.h"
#include "host/web/disk_web.h"

namespace norvel::host::qt {

namespace {

constexpr const char* kWindowProperty = "norvelPageWindow";
constexpr const char* kStaleProperty = "norvelStale";

HostPageWindow* windowOfTab(QTabWidget& tabs, int index) {
    QWidget* page = tabs.widget(index);
    return page ? reinterpret_cast<HostPageWindow*>(
                      page->property(kWindowProperty).value<quintptr>())
                : nullptr;
}

}  // namespace

bool StudioWindow::shownInTab(const HostPageWindow& window) {
    // Windows opened only to read or rewrite a data file are the editor's own business.
    return !window.closed() &&
           const_cast<HostPageWindow&>(window).ViewMode() != common::editor::kViewDataFile;
}

StudioWindow::StudioWindow(EditorApp& app, common::Ui& ui, QWidget* parent)
    : QMainWindow(parent), app_(app), ui_(ui) {
    setObjectName("studioWindow");
    setAcceptDrops(true);
    auto* splitter = splitter_ = new QSplitter(this);
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
    connect(tabs_, &QTabWidget::tabCloseRequested, this, [this](int index) { closeTab(index); });

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
    // F10 reaches the menu bar as Alt does.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(Qt::Key_F10);
    connect(menuKey, &QAction::triggered, this, [this] {
        if (!menuBar()->actions().isEmpty()) {
            menuBar()->setFocus(Qt::MenuBarFocusReason);
            menuBar()->setActiveAction(menuBar()->actions().first());
        }
    });
    addAction(menuKey);

    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] { checkFilesOnDisk(); });
    try {
        settings_ = std::make_unique<QSettings>(
            QString::fromStdString((common::configFolder() / "studio.ini").string()),
            QSettings::IniFormat);
    } catch (const common::Error&) {
        // No configuration folder: nothing is remembered.
    }
    resize(1000, 700);
    restoreLayout();
    syncFromModel();
}

StudioWindow::~StudioWindow() = default;

bool StudioWindow::openWeb(const std::filesystem::path& folder) {
    if (!closeAllPages())
        return false;
    bool opened = false;
    runCommand([&] {
        app_.openWeb(folder);
        std::filesystem::path root = std::filesystem::absolute(folder).lexically_normal();
        folderList_->showWeb(root);
        setWindowFilePath(QString::fromStdString(folder.string()));
        rememberWeb(root);
        opened = true;
    });
    return opened;
}

void StudioWindow::openPage(const std::string& pagePath) {
    runCommand([&] {
        if (app_.web()) {
            auto file = resolveWebFile(*app_.web(), pagePath);
            if (fileKindOfFile(file->LocalPath()) == FileKind::Picture) {
                openPicture(pagePath);
                return;
            }
        }
        app_.openPageByPath(pagePath, common::editor::kViewNormal);
    });
}

void StudioWindow::openPicture(const std::string& picturePath) {
    auto file = resolveWebFile(*app_.web(), picturePath);
    for (int i = 0; i < tabs_->count(); ++i)
        if (auto* shown = qobject_cast<PictureView*>(tabs_->widget(i)))
            if (shown->file() == file->LocalPath()) {
                tabs_->setCurrentIndex(i);
                return;
            }
    auto* view = new PictureView(file->LocalPath(), tabs_);
    // No page is active while a picture is in front: the suite's commands and Save then find
    // no page, as they must.
    app_.activate(nullptr);
    tabs_->setCurrentIndex(tabs_->addTab(view, QString::fromStdString(file->Name())));
}

void StudioWindow::closeTab(int index) {
    if (auto* picture = qobject_cast<PictureView*>(tabs_->widget(index))) {
        tabs_->removeTab(index);
        picture->deleteLater();
        activateTab(tabs_->currentIndex());
        return;
    }
    HostPageWindow* window = windowOfTab(*tabs_, index);
    for (const auto& open : app_.windows())
        if (open.get() == window) {
            std::shared_ptr<HostPageWindow> keep = open;
            runCommand([&] { closePage(keep); });
            return;
        }
}

void StudioWindow::runCommand(const std::function<void()>& command) {
    for (int i = 0; i < tabs_->count(); ++i)
        if (auto* view = qobject_cast<PageView*>(tabs_->widget(i)))
            view->flushEdits();
    // What was typed before is one step to undo, the command another.
    endUndoSteps();
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
    endUndoSteps();
    // Saving and the suite's features write files into the web.
    if (app_.web())
        folderList_->refresh();
    syncFromModel();
}

void StudioWindow::endUndoSteps() {
    for (const auto& window : app_.windows())
        if (!window->closed())
            window->document().endUndoStep();
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
        if (qobject_cast<PictureView*>(tabs_->widget(i)) || isOpen(windowOfTab(*tabs_, i)))
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
            if (syncing_)
                return;
            updateTabTexts();
            updateTitle();
        });
        // The status bar follows the insertion point in both editing views.
        connect(view->normalView(), &NormalView::insertionPointMoved, this,
                [this] { updateStatus(); });
        connect(view->sourceView(), &QPlainTextEdit::cursorPositionChanged, this,
                [this] { updateStatus(); });
        // A change typed in the source shows as "*" at once, before it reaches the page.
        connect(view->sourceView(), &QPlainTextEdit::textChanged, this, [this] {
            if (!syncing_)
                updateTabTexts();
        });
        tabs_->addTab(view, QString());
    }
    auto active = app_.activeWindow();
    for (int i = 0; i < tabs_->count(); ++i) {
        HostPageWindow* window = windowOfTab(*tabs_, i);
        auto* view = qobject_cast<PageView*>(tabs_->widget(i));
        if (!view)
            continue;
        // Only the page in front is drawn again now (a big page takes a while); the others
        // when they come to the front.
        if (active && active.get() == window) {
            view->refresh();
            view->setProperty(kStaleProperty, false);
        } else {
            view->setProperty(kStaleProperty, true);
        }
        if (active && active.get() == window)
            tabs_->setCurrentIndex(i);
    }
    updateTabTexts();
    updateEditMenu();
    updateWindowMenu();
    updateRecentWebsMenu();
    watchOpenFiles();
    menus_->rebuild();
    updateTitle();
    updateStatus();
    syncing_ = false;
}

void StudioWindow::updateTabTexts() {
    for (int i = 0; i < tabs_->count(); ++i) {
        auto* view = qobject_cast<PageView*>(tabs_->widget(i));
        HostPageWindow* window = windowOfTab(*tabs_, i);
        if (!view || !window || window->closed())
            continue;
        bool changed = window->modified() || view->sourceView()->hasPendingEdits();
        QString name = QString::fromStdString(window->displayName());
        tabs_->setTabText(i, changed ? name + " *" : name);
    }
}

void StudioWindow::activateTab(int index) {
    if (syncing_ || index < 0)
        return;
    HostPageWindow* window = windowOfTab(*tabs_, index);
    if (!window)
        app_.activate(nullptr);
    for (const auto& open : app_.windows())
        if (open.get() == window)
            app_.activate(open);
    auto* view = qobject_cast<PageView*>(tabs_->widget(index));
    if (view && view->property(kStaleProperty).toBool()) {
        view->refresh();
        view->setProperty(kStaleProperty, false);
    }
    updateEditMenu();
    updateWindowMenu();
    menus_->rebuild();
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
    if (!window->File())
        return saveActivePageAs();
    window->Save();
    return true;
}

bool StudioWindow::saveActivePageAs() {
    auto window = app_.activeWindow();
    if (!window || !app_.web())
        return false;
    namespace fs = std::filesystem;
    fs::path root = fs::weakly_canonical(app_.web()->RootFolder()->LocalPath());
    QFileDialog dialog(this, "Save As");
    dialog.setObjectName("saveAsDialog");
    // Qt's own dialog: the same everywhere, and one a test can drive.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Replacing is asked by the editor, with No as the default.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({"Pages (*.htm *.html *.shtml *.php *.asp)", "All files (*)"});
    dialog.setDefaultSuffix("htm");
    fs::path current =
        window->File() ? fs::path(window->File()->LocalPath()) : root / "new_page.htm";
    dialog.setDirectory(QString::fromStdString(current.parent_path().string()));
    dialog.selectFile(QString::fromStdString(current.filename().string()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fs::path chosen = fs::weakly_canonical(dialog.selectedFiles().first().toStdString());
    fs::path relative = chosen.lexically_relative(root);
    if (relative.empty() || *relative.begin() == "..") {
        ui_.msgBox("A page is saved inside the web (" + root.string() + ").",
                   common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Warning, "Save As");
        return false;
    }
    return app_.saveWindowAs(window, relative.generic_string());
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
    updateEditMenu();
    menus_->rebuild();
    updateStatus();
}

void StudioWindow::closeEvent(QCloseEvent* event) {
    if (!closeAllPages()) {
        event->ignore();
        return;
    }
    saveLayout();
    if (findDialog_)
        findDialog_->hide();
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
        if (auto* picture = qobject_cast<PictureView*>(tabs_->currentWidget()))
            status_->setText(QString::fromStdString(picture->file().filename().string()) +
                             "   Picture");
        else
            status_->setText(app_.web() ? "No page is open" : "No web is open");
        return;
    }
    static const char* modes[] = {"", "Normal", "HTML", "Preview"};
    int mode = active->ViewMode();
    PageView* view = pageViewOf(*active);
    qulonglong line = 1;
    qulonglong column = 1;
    if (view && mode == common::editor::kViewHtml) {
        // The text caret is the insertion point here, typed edits included.
        QTextCursor cursor = view->sourceView()->textCursor();
        line = static_cast<qulonglong>(cursor.blockNumber()) + 1;
        column = static_cast<qulonglong>(cursor.positionInBlock()) + 1;
    } else {
        const std::string& bytes = active->document().page().html();
        size_t caret = std::min(active->document().page().selection().begin, bytes.size());
        size_t lineStart = 0;
        for (size_t i = 0; i < caret; ++i)
            if (bytes[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
        column = caret - lineStart + 1;
    }
    status_->setText(QString("%1   %2 view   line %3, column %4")
                         .arg(QString::fromStdString(active->displayName()))
                         .arg(mode >= 1 && mode <= 3 ? modes[mode] : "Data")
                         .arg(line)
                         .arg(column));
}

}  // namespace norvel::host::qt

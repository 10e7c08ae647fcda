#include "host/editor/editor_app.h"

#include "host/editor/file_kind.h"

#include "common/dispatch.h"
#include "common/error.h"
#include "common/ui.h"
#include "host/components/component_registry.h"
#include "host/components/registration.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/editor/host_save_batch.h"
#include "host/editor/web_paths.h"
#include "host/web/disk_web.h"

namespace norvel::host {

using common::Error;
namespace errnum = common::errnum;

EditorApp::EditorApp(common::Ui& ui, common::SettingsStore& settings, ComponentRegistry& components,
                     common::HelpEngine& help, std::filesystem::path addinListFile)
    : ui_(ui),
      settings_(settings),
      components_(components),
      help_(help),
      addinListFile_(std::move(addinListFile)) {
    common::Runtime runtime;
    runtime.ui = &ui_;
    runtime.settings = &settings_;
    runtime.application = this;
    runtime.help = &help_;
    components_.setRuntime(runtime);
}

EditorApp::~EditorApp() {
    shutdown();
    windows_.clear();
}

const common::Runtime& EditorApp::runtime() const {
    return components_.runtime();
}

void EditorApp::openWeb(const std::filesystem::path& folder) {
    auto web = std::make_shared<DiskWeb>(folder, *this);
    closeWeb();
    web_ = std::move(web);
}

void EditorApp::closeWeb() {
    // Pages of the web close with it, unsaved changes dropped as a headless editor cannot ask.
    for (const auto& window : std::vector(windows_))
        if (window->File())
            window->Close(false);
    web_.reset();
}

std::shared_ptr<HostPageWindow> EditorApp::openPageByPath(const std::string& pagePath,
                                                          int viewMode) {
    if (!web_)
        throw Error(errnum::kPathNotFound, "norvel",
                    "No web is open to open '" + pagePath + "' from");
    auto file = resolveWebFile(*web_, pagePath);
    switch (fileKindOfFile(file->LocalPath())) {
        case FileKind::Page:
            break;
        case FileKind::Picture:
            throw Error(errnum::kInvalidCall, "norvel",
                        "'" + pagePath + "' is a picture, not a page: it cannot be edited here");
        case FileKind::Other:
            throw Error(errnum::kInvalidCall, "norvel",
                        "'" + pagePath + "' is not a page: only pages (" + pageExtensionList() +
                            ", or text that is markup) open in the editor");
    }
    return openFile(file, viewMode);
}

bool EditorApp::saveWindowAs(const std::shared_ptr<HostPageWindow>& window,
                             const std::string& pagePath) {
    if (!web_)
        throw Error(errnum::kPathNotFound, "norvel",
                    "No web is open to save '" + pagePath + "' in");
    std::filesystem::path relative(pagePath);
    if (!hasPageExtension(relative.filename().string()))
        throw Error(
            errnum::kInvalidCall, "norvel",
            "'" + pagePath + "' is no page's name: a page is saved as " + pageExtensionList());
    std::filesystem::path inside = relative.lexically_normal();
    if (relative.is_absolute() || inside.empty() || *inside.begin() == "..")
        throw Error(errnum::kInvalidCall, "norvel",
                    "'" + pagePath + "' is not in the web: a page is saved inside it");
    std::filesystem::path target = (web_->RootFolder()->LocalPath() / inside).lexically_normal();
    auto other = findWindow(inside.generic_string());
    if (other && other != window) {
        // Two windows on one file would each overwrite what the other saved.
        activate(other);
        throw Error(errnum::kFileAlreadyExists, "norvel",
                    "'" + pagePath + "' is open in another window: close it first");
    }
    bool ownFile = window->File() && window->File()->LocalPath() == target;
    std::error_code error;
    if (!ownFile && std::filesystem::exists(std::filesystem::symlink_status(target, error))) {
        if (std::filesystem::is_directory(target, error))
            throw Error(errnum::kPathFileAccess, "norvel",
                        "'" + pagePath + "' is a folder: a page cannot replace it");
        common::MsgBoxResult answer = ui_.msgBox("'" + pagePath + "' already exists. Replace it?",
                                                 common::MsgBoxButtons::YesNoDefaultNo,
                                                 common::MsgBoxIcon::Warning, "Save As");
        if (answer != common::MsgBoxResult::Yes)
            return false;
    }
    window->SaveAs(pagePath);
    activate(window);
    return true;
}

std::shared_ptr<common::editor::PageWindow> EditorApp::openPage(
    const std::shared_ptr<common::editor::WebFile>& file, int viewMode) {
    return openFile(file, viewMode);
}

std::shared_ptr<HostPageWindow> EditorApp::openFile(
    const std::shared_ptr<common::editor::WebFile>& file, int viewMode) {
    std::filesystem::path path = file->LocalPath();
    for (const auto& window : windows_) {
        if (window->File() && window->File()->LocalPath() == path) {
            activate(window);
            return window;
        }
    }
    auto document =
        HostDocument::load(path, web_ ? web_->RootFolder()->LocalPath() : path.parent_path());
    auto window = std::make_shared<HostPageWindow>(*this, file, std::move(document), viewMode);
    windows_.push_back(window);
    active_ = window;
    return window;
}

std::shared_ptr<HostPageWindow> EditorApp::newPage() {
    auto document =
        HostDocument::blank(web_ ? web_->RootFolder()->LocalPath() : std::filesystem::path());
    auto window = std::make_shared<HostPageWindow>(*this, nullptr, std::move(document),
                                                   common::editor::kViewNormal);
    windows_.push_back(window);
    active_ = window;
    return window;
}

std::shared_ptr<HostPageWindow> EditorApp::activeWindow() const {
    return active_.lock();
}

void EditorApp::activate(const std::shared_ptr<HostPageWindow>& window) {
    active_ = window;
}

std::shared_ptr<HostPageWindow> EditorApp::findWindow(const std::string& pagePath) const {
    if (!web_)
        return nullptr;
    std::filesystem::path path = (web_->RootFolder()->LocalPath() / pagePath).lexically_normal();
    for (const auto& window : windows_)
        if (window->File() && window->File()->LocalPath() == path)
            return window;
    return nullptr;
}

void EditorApp::windowClosed(HostPageWindow& window) {
    bool wasActive = active_.lock().get() == &window;
    std::erase_if(windows_, [&](const auto& w) { return w.get() == &window; });
    // As in the editor, the most recently opened remaining window comes to the front.
    if (wasActive)
        active_ = windows_.empty() ? nullptr : windows_.back();
}

bool EditorApp::isOpen(const std::filesystem::path& path) {
    for (const auto& window : windows_)
        if (window->File() && window->File()->LocalPath() == path)
            return true;
    return false;
}

std::shared_ptr<common::editor::Document> EditorApp::ActiveDocument() {
    auto window = active_.lock();
    return window ? window->GetDocument() : nullptr;
}

std::shared_ptr<common::editor::PageWindow> EditorApp::ActivePageWindow() {
    return active_.lock();
}

std::shared_ptr<common::editor::Web> EditorApp::ActiveWeb() {
    return web_;
}

common::editor::WebWindow& EditorApp::ActiveWebWindow() {
    return webWindow_;
}

std::unique_ptr<common::editor::SaveBatch> EditorApp::BeginSaveBatch() {
    if (saveBatch_ != nullptr)
        throw Error(errnum::kInvalidCall, "norvel",
                    "Invalid procedure call or argument: a batch of saves is open already");
    auto batch = std::make_unique<HostSaveBatch>(*this);
    saveBatch_ = batch.get();
    return batch;
}

void EditorApp::saveBatchEnded(HostSaveBatch& batch) {
    if (saveBatch_ == &batch)
        saveBatch_ = nullptr;
}

void EditorApp::start() {
    if (started_)
        return;
    started_ = true;
    for (const AddinListEntry& entry : readAddinList(addinListFile_)) {
        if (entry.loadBehavior != 3)
            continue;
        try {
            auto addin = components_.createObject(entry.identifier);
            // The add-in reaches the editor through the runtime it was created with; the
            // arguments keep the shape of the connection call.
            common::Dispatch::Arguments args{common::Variant(), common::Variant(int32_t{1}),
                                             common::Variant(), common::Variant()};
            addin->call("OnConnection", args);
            addins_.push_back({entry.identifier, addin});
        } catch (const Error& e) {
            ui_.msgBox("The add-in \"" + entry.friendlyName + "\" (" + entry.identifier +
                           ") could not be loaded:\r\n" + e.description() + " (" + e.source() +
                           ", " + std::to_string(e.number()) + ")",
                       common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Critical, "Add-ins");
        }
    }
}

void EditorApp::shutdown() {
    if (!started_)
        return;
    for (auto& addin : addins_) {
        try {
            common::Dispatch::Arguments none{common::Variant()};
            addin.object->call("OnBeginShutdown", none);
            common::Dispatch::Arguments args{common::Variant(int32_t{1}), common::Variant()};
            addin.object->call("OnDisconnection", args);
        } catch (const Error&) {
            // An add-in failing to disconnect must not stop the editor from closing.
        }
    }
    addins_.clear();
    commandBars_.menuBar().hostControls().removeTemporary();
    started_ = false;
}

void EditorApp::clickMenu(const std::vector<std::string>& captions) {
    auto control = commandBars_.findByCaptions(captions);
    std::string path;
    for (const auto& caption : captions)
        path += (path.empty() ? "" : " > ") + caption;
    if (!control)
        throw Error(errnum::kSubscriptOutOfRange, "norvel", "There is no menu entry " + path);
    // A person cannot reach an entry through a disabled menu.
    for (size_t depth = 1; depth < captions.size(); ++depth) {
        std::vector<std::string> prefix(captions.begin(),
                                        captions.begin() + static_cast<long>(depth));
        if (!commandBars_.findByCaptions(prefix)->Enabled())
            throw Error(errnum::kInvalidCall, "norvel",
                        "The menu entry " + path + " cannot be clicked");
    }
    if (!control->click())
        throw Error(errnum::kInvalidCall, "norvel",
                    "The menu entry " + path + " cannot be clicked");
}

}  // namespace norvel::host

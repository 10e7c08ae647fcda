// A web over a fresh temporary folder, with a page window host that only records what it was
// asked (the real window manager is tested on its own).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/error.h"
#include "host/editor/page_window_host.h"
#include "host/web/disk_web.h"
#include "tests/support/temporary_folder.h"

namespace norvel::host {

class RecordingPageWindowHost : public PageWindowHost {
  public:
    std::shared_ptr<common::editor::PageWindow> openPage(
        const std::shared_ptr<common::editor::WebFile>& file, int viewMode) override {
        opened.emplace_back(file->LocalPath(), viewMode);
        return nullptr;
    }
    bool isOpen(const std::filesystem::path& path) override {
        for (const auto& [openPath, viewMode] : opened) {
            if (openPath == path)
                return true;
        }
        return false;
    }

    std::vector<std::pair<std::filesystem::path, int>> opened;  // in the order asked
};

class DiskWebTest : public ::testing::Test {
  protected:
    // Where the web's entries lie, as the web reports them (links in the temporary folder's
    // path resolved).
    std::filesystem::path webPath(const std::string& relative = "") const {
        std::filesystem::path root = std::filesystem::canonical(folder_.path());
        return relative.empty() ? root : root / relative;
    }
    void writeFile(const std::filesystem::path& path, const std::string& bytes) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void writeWebFile(const std::string& relative, const std::string& bytes) {
        writeFile(webPath(relative), bytes);
    }
    static std::string readFile(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::vector<std::string> hiddenEntries(const std::string& relative = "") const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(webPath(relative))) {
            std::string name = entry.path().filename().string();
            if (name.front() == '.')
                names.push_back(name);
        }
        return names;
    }
    std::shared_ptr<common::editor::WebFolder> root() { return web_.RootFolder(); }

    tests::TemporaryFolder folder_;
    tests::TemporaryFolder outside_;  // a place beyond the web, for links to point at
    RecordingPageWindowHost windows_;
    DiskWeb web_{folder_.path(), windows_};
};

// The Error `action` throws; a test failure when it throws none.
template <typename Action>
common::Error errorOf(Action&& action) {
    try {
        action();
    } catch (const common::Error& error) {
        return error;
    }
    ADD_FAILURE() << "expected an Error";
    return common::Error(0, "", "");
}

inline bool mentions(const common::Error& error, const std::string& text) {
    return error.description().find(text) != std::string::npos;
}

}  // namespace norvel::host

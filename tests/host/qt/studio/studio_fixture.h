// A studio started as a person starts it, on a copy of the bundled sample web, with its own
// settings folder (the suite's libraries of this build register themselves there on the first
// start).
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/qt/studio/studio.h"
#include "host/qt/studio/studio_window.h"
#include "tests/support/temporary_folder.h"

namespace norvel::tests {

class StudioFixture {
  public:
    StudioFixture() {
        std::filesystem::create_directory(folder_.path() / "config");
        qputenv("NORVEL_CONFIG_HOME",
                QByteArray::fromStdString((folder_.path() / "config").string()));
        std::filesystem::copy(std::filesystem::path(NORVEL_SOURCE_DIR) / "samples" / "web", web(),
                              std::filesystem::copy_options::recursive);
        studio_ = std::make_unique<host::qt::Studio>(
            [this](const std::string& note) { notes.push_back(note); });
        studio_->start(web());
    }

    host::qt::Studio& studio() { return *studio_; }
    host::qt::StudioWindow& window() { return studio_->window(); }
    std::filesystem::path web() const { return folder_.path() / "web"; }
    std::filesystem::path configFolder() const { return folder_.path() / "config"; }

    std::vector<std::string> notes;

  private:
    TemporaryFolder folder_;
    std::unique_ptr<host::qt::Studio> studio_;
};

}  // namespace norvel::tests

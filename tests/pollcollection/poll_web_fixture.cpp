#include "tests/pollcollection/poll_web_fixture.h"

#include "common/atomic_file.h"
#include "common/error.h"
#include "host/components/registration.h"
#include "host/session/script_parser.h"

namespace norvel::poll {

PollWebFixture::PollWebFixture()
    : cursor(host::parseSessionScript("")),
      ui(cursor, transcript),
      settings(config.path() / "settings.ini", nullptr),
      components(config.path() / "components.ini"),
      help([](const std::string&) {}) {
    host::registerLibraries({NORVEL_POLL_LIBRARY}, config.path() / "components.ini",
                            config.path() / "addins.ini");
    app = std::make_unique<host::EditorApp>(ui, settings, components, help,
                                            config.path() / "addins.ini");
    app->openWeb(web.path());
}

void PollWebFixture::writeWebFile(const std::string& relative, const std::string& bytes) {
    std::filesystem::create_directories(webPath(relative).parent_path());
    common::writeFileAtomically(webPath(relative), bytes);
}

std::string PollWebFixture::readWebFile(const std::string& relative) const {
    return common::readFileBytes(webPath(relative));
}

bool PollWebFixture::webEntryExists(const std::string& relative) const {
    return std::filesystem::exists(webPath(relative));
}

std::shared_ptr<host::HostPageWindow> PollWebFixture::openNewPage(const std::string& relative,
                                                                  const std::string& head) {
    writeWebFile(relative, "<html><head><title>Page</title>" + head +
                               "</head><body><p>Before</p></body></html>");
    return app->openPageByPath(relative, common::editor::kViewNormal);
}

}  // namespace norvel::poll

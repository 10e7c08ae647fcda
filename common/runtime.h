// What the host lends every library object it creates: the services of the platform. Passed
// explicitly at creation, because each library links its own copy of common/ and must not
// rely on globals shared with the host.
#pragma once

#include <memory>
#include <string_view>

namespace norvel::common {

class Ui;
class SettingsStore;
class HelpEngine;
class Dispatch;
namespace editor {
class Application;
}

// Creation of objects by component identifier ("norvelpc.clsLoad"), as the component model
// of the platform offered it.
class ComponentHost {
  public:
    virtual ~ComponentHost() = default;
    // Throws Error 429 when the identifier is not registered or its library does not make
    // the class, and Error 48 when the library will not load.
    virtual std::shared_ptr<Dispatch> createObject(std::string_view identifier) = 0;
};

struct Runtime {
    Ui* ui = nullptr;
    SettingsStore* settings = nullptr;
    ComponentHost* components = nullptr;
    editor::Application* application = nullptr;  // the editor; none outside an editor
    HelpEngine* help = nullptr;
};

}  // namespace norvel::common

// The C entry points every deliverable exports, so the host can load it by path and create
// its public classes by name. Each library describes itself in its entry.cpp by defining
// componentLibrary(); common/component_exports.cpp, built into every library, exports it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/dispatch.h"
#include "common/runtime.h"

#define NORVEL_EXPORT __attribute__((visibility("default")))

namespace norvel::common {

// Bumped whenever the types shared across the boundary change shape.
inline constexpr int kComponentAbiVersion = 1;

// An add-in the library asks to be entered in the editor's add-in list when registered.
struct AddinRegistration {
    const char* className;
    const char* friendlyName;
    const char* description;
    int loadBehavior;
};

// The creatable classes of one library.
class ClassTable {
  public:
    using Factory = std::function<std::shared_ptr<Dispatch>(const Runtime&)>;

    explicit ClassTable(std::string libraryName) : libraryName_(std::move(libraryName)) {}
    const std::string& libraryName() const { return libraryName_; }

    void add(std::string className, Factory factory);
    // Null when the library does not make that class (compared case-insensitively). Any
    // std::exception from the constructor comes out as an Error of this library.
    std::shared_ptr<Dispatch> create(std::string_view className, const Runtime& runtime) const;
    // Null-terminated, for norvel_class_names.
    const char* const* names() const;

  private:
    struct Entry {
        std::string name;
        Factory factory;
    };
    std::string libraryName_;
    std::vector<Entry> entries_;
    mutable std::vector<const char*> names_;
};

// What a library offers: its creatable classes, and the add-ins it asks to be entered in the
// editor's add-in list when registered.
struct ComponentLibrary {
    ClassTable classes;
    std::vector<AddinRegistration> addins;
};

// Defined once by each library (its entry.cpp); called only by the exported entry points.
const ComponentLibrary& componentLibrary();

}  // namespace norvel::common

// The entry points, with C names so dlsym finds them.
extern "C" {
typedef int (*NorvelComponentAbiFn)();
typedef const char* (*NorvelLibraryNameFn)();
typedef const char* const* (*NorvelClassNamesFn)();
typedef const norvel::common::AddinRegistration* (*NorvelAddinsFn)(int* count);
// Sets *out to the new object, or leaves it empty when the library does not make the class.
typedef void (*NorvelCreateObjectFn)(const char* className, const norvel::common::Runtime* runtime,
                                     std::shared_ptr<norvel::common::Dispatch>* out);
}

// Registering the suite's libraries: each creatable class under its identifier in the
// component registry, and each add-in in the editor's add-in list.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace norvel::host {

struct AddinListEntry {
    std::string identifier;  // "norvelfp.Connect"
    std::string friendlyName;
    std::string description;
    int loadBehavior = 0;  // 3: loaded when the editor starts
};

// The editor's add-in list, one section per add-in identifier.
std::filesystem::path defaultAddinListFile();  // configFolder()/addins.ini
std::vector<AddinListEntry> readAddinList(const std::filesystem::path& file);

// The suite's libraries of this build or installation, those of them that exist: in the
// installed private library folder, or else in lib/ beside the program's bin/ folder.
std::vector<std::filesystem::path> bundledLibraries();

struct RegistrationReport {
    std::vector<std::string> identifiers;          // every class registered, "library.class"
    std::vector<std::filesystem::path> libraryOf;  // for each identifier, its library file
    std::vector<std::string> addins;               // identifiers entered in the add-in list
};

// Loads each library, then writes (merging with what is there) the registry and the add-in
// list, each atomically. Throws Error when a library is no component library or a file
// cannot be written; nothing is written then.
RegistrationReport registerLibraries(const std::vector<std::filesystem::path>& libraries,
                                     const std::filesystem::path& registryFile,
                                     const std::filesystem::path& addinListFile);

// A fresh configuration (neither the registry nor the add-in list exists yet) gets the
// bundled libraries registered, so that the suite's menu is there on first use. Returns what
// was registered, or nothing when the configuration was not fresh or no library was found.
// Throws Error as registerLibraries does.
std::optional<RegistrationReport> registerBundledLibrariesOnFirstUse(
    const std::filesystem::path& registryFile, const std::filesystem::path& addinListFile);

}  // namespace norvel::host

#include "host/components/registration.h"

#include <system_error>

#include "common/atomic_file.h"
#include "common/config_folder.h"
#include "common/conversions.h"
#include "common/error.h"
#include "common/ini_file.h"
#include "common/install_layout.h"
#include "host/components/component_library.h"

namespace norvel::host {

using common::IniFile;

namespace {

IniFile readIniOrEmpty(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return IniFile();
    return IniFile::parse(common::readFileBytes(file));
}

void writeIni(const std::filesystem::path& file, const IniFile& ini) {
    std::error_code ec;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), ec);
    common::writeFileAtomically(file, ini.serialize());
}

}  // namespace

std::filesystem::path defaultAddinListFile() {
    return common::configFolder() / "addins.ini";
}

std::vector<AddinListEntry> readAddinList(const std::filesystem::path& file) {
    IniFile ini = readIniOrEmpty(file);
    std::vector<AddinListEntry> entries;
    for (const std::string& section : ini.sectionNames()) {
        AddinListEntry entry;
        entry.identifier = section;
        entry.friendlyName = ini.value(section, "FriendlyName").value_or("");
        entry.description = ini.value(section, "Description").value_or("");
        auto behavior = ini.value(section, "LoadBehavior").value_or("0");
        entry.loadBehavior = common::isNumeric(behavior) ? common::toInt32(behavior) : 0;
        entries.push_back(std::move(entry));
    }
    return entries;
}

RegistrationReport registerLibraries(const std::vector<std::filesystem::path>& libraries,
                                     const std::filesystem::path& registryFile,
                                     const std::filesystem::path& addinListFile) {
    IniFile registry = readIniOrEmpty(registryFile);
    IniFile addinList = readIniOrEmpty(addinListFile);
    RegistrationReport report;
    for (const auto& path : libraries) {
        std::filesystem::path absolute = std::filesystem::absolute(path).lexically_normal();
        ComponentLibrary library = openComponentLibrary(absolute);
        for (const std::string& className : library.classNames) {
            std::string identifier = library.libraryName + "." + className;
            registry.setValue("components", identifier, absolute.string());
            report.identifiers.push_back(identifier);
            report.libraryOf.push_back(absolute);
        }
        for (const AddinDeclaration& addin : library.addins) {
            std::string identifier = library.libraryName + "." + addin.className;
            addinList.setValue(identifier, "FriendlyName", addin.friendlyName);
            addinList.setValue(identifier, "Description", addin.description);
            addinList.setValue(identifier, "LoadBehavior", std::to_string(addin.loadBehavior));
            report.addins.push_back(identifier);
        }
    }
    writeIni(registryFile, registry);
    writeIni(addinListFile, addinList);
    return report;
}

std::vector<std::filesystem::path> bundledLibraries() {
    for (const std::filesystem::path& folder : common::libraryFolderCandidates()) {
        std::vector<std::filesystem::path> libraries;
        for (const char* name :
             {"libnorvelfp.so", "libnorvelpc.so", "libnorvelsc.so", "libnorveljsc.so"}) {
            std::error_code ec;
            if (std::filesystem::exists(folder / name, ec))
                libraries.push_back(folder / name);
        }
        if (!libraries.empty())
            return libraries;
    }
    return {};
}

std::optional<RegistrationReport> registerBundledLibrariesOnFirstUse(
    const std::filesystem::path& registryFile, const std::filesystem::path& addinListFile) {
    std::error_code ec;
    if (std::filesystem::exists(registryFile, ec) || std::filesystem::exists(addinListFile, ec))
        return std::nullopt;
    std::vector<std::filesystem::path> libraries = bundledLibraries();
    if (libraries.empty())
        return std::nullopt;
    return registerLibraries(libraries, registryFile, addinListFile);
}

}  // namespace norvel::host

#include "common/component_entry.h"

#include "common/ascii_text.h"
#include "common/error.h"

namespace norvel::common {

void ClassTable::add(std::string className, Factory factory) {
    entries_.push_back({std::move(className), std::move(factory)});
}

std::shared_ptr<Dispatch> ClassTable::create(std::string_view className,
                                             const Runtime& runtime) const {
    for (const auto& entry : entries_) {
        if (!equalsIgnoreCase(entry.name, className))
            continue;
        try {
            std::shared_ptr<Dispatch> object = entry.factory(runtime);
            if (object)
                object->setLibraryName(libraryName_);
            return object;
        } catch (const std::exception&) {
            throw currentError(libraryName_);
        }
    }
    return nullptr;
}

const char* const* ClassTable::names() const {
    names_.clear();
    for (const auto& entry : entries_)
        names_.push_back(entry.name.c_str());
    names_.push_back(nullptr);
    return names_.data();
}

}  // namespace norvel::common

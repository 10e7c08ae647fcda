#include "common/string_dictionary.h"

#include "common/error.h"

namespace norvel::common {

void StringDictionary::add(const std::string& key, std::string value) {
    if (index_.count(key) != 0)
        throw Error(errnum::kKeyAlreadyExists, "Scripting.Dictionary",
                    "This key is already associated with an element of this collection");
    index_.emplace(key, entries_.size());
    entries_.push_back({key, std::move(value)});
}

std::string& StringDictionary::item(const std::string& key) {
    auto found = index_.find(key);
    if (found != index_.end())
        return entries_[found->second].value;
    index_.emplace(key, entries_.size());
    entries_.push_back({key, std::string()});
    return entries_.back().value;
}

void StringDictionary::set(const std::string& key, std::string value) {
    item(key) = std::move(value);
}

std::string StringDictionary::value(const std::string& key) const {
    auto found = index_.find(key);
    return found == index_.end() ? std::string() : entries_[found->second].value;
}

bool StringDictionary::exists(const std::string& key) const {
    return index_.count(key) != 0;
}

void StringDictionary::remove(const std::string& key) {
    auto found = index_.find(key);
    if (found == index_.end())
        throw Error(errnum::kElementNotFound, "Scripting.Dictionary",
                    "Element not found: '" + key + "'");
    size_t position = found->second;
    index_.erase(found);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position));
    for (size_t i = position; i < entries_.size(); ++i)
        index_[entries_[i].key] = i;
}

void StringDictionary::removeAll() {
    entries_.clear();
    index_.clear();
}

std::vector<std::string> StringDictionary::keys() const {
    std::vector<std::string> result;
    result.reserve(entries_.size());
    for (const auto& entry : entries_)
        result.push_back(entry.key);
    return result;
}

}  // namespace norvel::common

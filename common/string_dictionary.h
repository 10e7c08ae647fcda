// The string dictionary every library passes around: webbot attributes and template values.
// Keys are exact and case-sensitive and enumerate in insertion order, because the attribute
// order of a generated block follows it.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace norvel::common {

class StringDictionary {
  public:
    // Adds a new key at the end. Throws Error 457 when the key is already present.
    void add(const std::string& key, std::string value);

    // The value of `key`, added empty at the end when missing (the item accessor of the old
    // dictionary behaved so, and callers rely on it).
    std::string& item(const std::string& key);

    // Sets the value; an existing key keeps its position, a new key goes to the end.
    void set(const std::string& key, std::string value);

    // The value, or an empty string when missing; never adds the key.
    std::string value(const std::string& key) const;

    bool exists(const std::string& key) const;

    // Removes the key. Throws Error 32811 when it is missing.
    void remove(const std::string& key);
    void removeAll();

    size_t count() const { return entries_.size(); }
    std::vector<std::string> keys() const;

    struct Entry {
        std::string key;
        std::string value;
    };
    const std::vector<Entry>& entries() const { return entries_; }

  private:
    std::vector<Entry> entries_;
    std::unordered_map<std::string, size_t> index_;
};

}  // namespace norvel::common

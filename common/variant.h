// The value that crosses library boundaries by member name: what late binding passed around.
// Objects and dictionaries are held by reference, so a callee that fills a dictionary it was
// handed changes the caller's dictionary.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "common/string_dictionary.h"

namespace norvel::common {

class Dispatch;
using DispatchPtr = std::shared_ptr<Dispatch>;
using DictionaryPtr = std::shared_ptr<StringDictionary>;

class Variant {
  public:
    Variant() = default;
    Variant(bool value) : value_(value) {}
    Variant(int32_t value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(const char* value) : value_(std::string(value)) {}
    Variant(DispatchPtr value) : value_(std::move(value)) {}
    Variant(DictionaryPtr value) : value_(std::move(value)) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    // An object or dictionary reference that is none ("Nothing").
    bool isNothing() const;

    // Conversions as the old platform made them; each throws Error 13 (type mismatch) when
    // the value cannot be converted.
    std::string toString() const;
    bool toBool() const;
    int32_t toInt32() const;
    // The object, or nullptr for empty/none. Throws Error 13 for a value that is no object.
    DispatchPtr toObject() const;
    DictionaryPtr toDictionary() const;

    std::string typeName() const;

  private:
    std::variant<std::monostate, bool, int32_t, double, std::string, DispatchPtr, DictionaryPtr>
        value_;
};

}  // namespace norvel::common

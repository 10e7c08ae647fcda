#include "common/variant.h"

#include <cmath>

#include "common/conversions.h"
#include "common/error.h"
#include "common/library_folder.h"

namespace norvel::common {
namespace {

Error mismatch(const Variant& value, const char* wanted) {
    return Error(errnum::kTypeMismatch, libraryName(),
                 std::string("Type mismatch: cannot use ") + value.typeName() + " as " + wanted);
}

}  // namespace

bool Variant::isNothing() const {
    if (auto object = std::get_if<DispatchPtr>(&value_))
        return *object == nullptr;
    if (auto dictionary = std::get_if<DictionaryPtr>(&value_))
        return *dictionary == nullptr;
    return false;
}

std::string Variant::toString() const {
    if (isEmpty())
        return std::string();
    if (auto b = std::get_if<bool>(&value_))
        return *b ? "True" : "False";
    if (auto i = std::get_if<int32_t>(&value_))
        return std::to_string(*i);
    if (auto d = std::get_if<double>(&value_))
        return formatNumber(*d);
    if (auto s = std::get_if<std::string>(&value_))
        return *s;
    throw mismatch(*this, "text");
}

bool Variant::toBool() const {
    if (isEmpty())
        return false;
    if (auto b = std::get_if<bool>(&value_))
        return *b;
    if (auto i = std::get_if<int32_t>(&value_))
        return *i != 0;
    if (auto d = std::get_if<double>(&value_))
        return *d != 0.0;
    if (auto s = std::get_if<std::string>(&value_))
        return toBoolean(*s);
    throw mismatch(*this, "a boolean");
}

int32_t Variant::toInt32() const {
    if (isEmpty())
        return 0;
    if (auto b = std::get_if<bool>(&value_))
        return *b ? -1 : 0;  // True is -1 there
    if (auto i = std::get_if<int32_t>(&value_))
        return *i;
    if (auto d = std::get_if<double>(&value_))
        return norvel::common::toInt32(formatNumber(*d));
    if (auto s = std::get_if<std::string>(&value_))
        return norvel::common::toInt32(*s);
    throw mismatch(*this, "a number");
}

DispatchPtr Variant::toObject() const {
    if (isEmpty())
        return nullptr;
    if (auto object = std::get_if<DispatchPtr>(&value_))
        return *object;
    throw mismatch(*this, "an object");
}

DictionaryPtr Variant::toDictionary() const {
    if (isEmpty())
        return nullptr;
    if (auto dictionary = std::get_if<DictionaryPtr>(&value_))
        return *dictionary;
    throw mismatch(*this, "a dictionary");
}

std::string Variant::typeName() const {
    switch (value_.index()) {
        case 0:
            return "Empty";
        case 1:
            return "Boolean";
        case 2:
            return "Long";
        case 3:
            return "Double";
        case 4:
            return "String";
        case 5:
            return "Object";
        default:
            return "Dictionary";
    }
}

}  // namespace norvel::common

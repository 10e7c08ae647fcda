#include "common/conversions.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/ascii_text.h"
#include "common/error.h"
#include "common/library_folder.h"

namespace norvel::common {
namespace {

Error typeMismatch(std::string_view text) {
    return Error(errnum::kTypeMismatch, libraryName(),
                 "Type mismatch: '" + std::string(text) + "' is not a number");
}

template <typename Int>
Int toWhole(std::string_view text) {
    auto number = parseNumber(text);
    if (!number)
        throw typeMismatch(text);
    double rounded = roundHalfEven(*number);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        throw Error(errnum::kOverflow, libraryName(), "Overflow: '" + std::string(text) + "'");
    return static_cast<Int>(rounded);
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
    text = trimSpacesAndTabs(text);
    if (text.empty())
        return std::nullopt;
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        uint64_t value = 0;
        auto hex = text.substr(2);
        auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
        if (ec != std::errc() || end != hex.data() + hex.size() || value > 0xFFFFFFFFull)
            return std::nullopt;
        // Hex literals of up to 16 bits and of 32 bits are signed on the old platform.
        if (hex.size() <= 4 && value > 0x7FFF)
            return static_cast<double>(value) - 65536.0;
        if (value > 0x7FFFFFFF)
            return static_cast<double>(value) - 4294967296.0;
        return static_cast<double>(value);
    }
    size_t i = 0;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t exponentDigits = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    std::string copy(text);
    double value = std::strtod(copy.c_str(), nullptr);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isNumeric(std::string_view text) {
    return parseNumber(text).has_value();
}

double roundHalfEven(double value) {
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff > 0.5)
        return floor + 1.0;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

int16_t toInt16(std::string_view text) {
    return toWhole<int16_t>(text);
}
int32_t toInt32(std::string_view text) {
    return toWhole<int32_t>(text);
}

bool toBoolean(std::string_view text) {
    std::string_view trimmed = trimSpacesAndTabs(text);
    if (equalsIgnoreCase(trimmed, "true"))
        return true;
    if (equalsIgnoreCase(trimmed, "false"))
        return false;
    auto number = parseNumber(trimmed);
    if (!number)
        throw typeMismatch(text);
    return *number != 0.0;
}

std::string formatNumber(double value) {
    if (std::floor(value) == value && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

}  // namespace norvel::common

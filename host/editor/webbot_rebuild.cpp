#include "host/editor/webbot_rebuild.h"

#include <algorithm>

#include "common/ascii_text.h"
#include "common/webbot_attribute.h"

namespace norvel::host {

using common::equalsIgnoreCase;
using common::toLowerAscii;

namespace {

bool contains(const std::vector<std::string>& keys, const std::string& key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// Keys to write, in order, after dropping an old key that a newer one replaces.
std::vector<std::string> survivingKeys(const common::StringDictionary& attributes,
                                       const std::vector<std::string>& givenKeys) {
    std::vector<std::string> keys = attributes.keys();
    std::vector<std::string> result;
    for (const std::string& key : keys) {
        bool replaced =
            contains(givenKeys, key) &&
            std::any_of(keys.begin(), keys.end(), [&](const std::string& other) {
                return other != key && !contains(givenKeys, other) && equalsIgnoreCase(other, key);
            });
        if (!replaced)
            result.push_back(key);
    }
    return result;
}

}  // namespace

common::StringDictionary blockAttributesForComponent(
    const std::vector<std::pair<std::string, std::string>>& attributes, const std::string& body) {
    common::StringDictionary dictionary;
    for (const auto& [name, value] : attributes) {
        std::string lower = toLowerAscii(name);
        if (lower == "s-class" || lower == "bot" || lower == "s-html")
            continue;
        if (!dictionary.exists(lower))
            dictionary.add(lower, value);
    }
    dictionary.set("s-html", body);
    return dictionary;
}

std::string rebuildWebbotBlock(const std::string& bot, const std::string& sClass,
                               const common::StringDictionary& attributes,
                               const std::vector<std::string>& givenKeys) {
    std::vector<std::string> keys = survivingKeys(attributes, givenKeys);
    std::string bodyKey;
    for (const std::string& key : keys)
        if (equalsIgnoreCase(key, "S-HTML") && (bodyKey.empty() || key == "S-HTML"))
            bodyKey = key;

    std::string block = "<!--webbot bot=\"" + common::encodeWebbotAttributeValue(bot) +
                        "\" s-class=\"" + common::encodeWebbotAttributeValue(sClass) +
                        "\" clientside ";
    for (const std::string& key : keys) {
        if (equalsIgnoreCase(key, "S-HTML") || equalsIgnoreCase(key, "clientside"))
            continue;
        block += key + "=\"" + common::encodeWebbotAttributeValue(attributes.value(key)) + "\" ";
    }
    block += "startspan -->\r\n";
    if (!bodyKey.empty())
        block += attributes.value(bodyKey);
    block += "\r\n<!--webbot bot=\"" + common::encodeWebbotAttributeValue(bot) + "\" endspan -->";
    return block;
}

}  // namespace norvel::host

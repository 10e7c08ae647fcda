#include "common/dispatch.h"

#include "common/ascii_text.h"
#include "common/error.h"

namespace norvel::common {

const Dispatch::Member& Dispatch::find(std::string_view name) const {
    for (const auto& member : members_)
        if (equalsIgnoreCase(member.name, name))
            return member;
    throw Error(errnum::kMemberNotSupported, className(),
                "Object doesn't support this property or method: '" + std::string(name) + "'");
}

Variant Dispatch::get(std::string_view name) {
    try {
        return getMember(name);
    } catch (const std::exception&) {
        throw currentError(libraryName_);
    }
}

void Dispatch::put(std::string_view name, const Variant& value) {
    try {
        putMember(name, value);
    } catch (const std::exception&) {
        throw currentError(libraryName_);
    }
}

Variant Dispatch::call(std::string_view name, Arguments& arguments) {
    try {
        return callMember(name, arguments);
    } catch (const std::exception&) {
        throw currentError(libraryName_);
    }
}

Variant Dispatch::getMember(std::string_view name) {
    const Member& member = find(name);
    if (member.getter)
        return member.getter();
    if (member.method && member.minArguments == 0) {
        Arguments none;
        return member.method(none);
    }
    throw Error(errnum::kMemberNotSupported, className(),
                "Property '" + member.name + "' cannot be read");
}

void Dispatch::putMember(std::string_view name, const Variant& value) {
    const Member& member = find(name);
    if (!member.setter)
        throw Error(errnum::kMemberNotSupported, className(),
                    "Property '" + member.name + "' cannot be assigned");
    member.setter(value);
}

Variant Dispatch::callMember(std::string_view name, Arguments& arguments) {
    const Member& member = find(name);
    if (!member.method) {
        if (arguments.empty() && member.getter)
            return member.getter();
        throw Error(errnum::kMemberNotSupported, className(),
                    "'" + member.name + "' is a property, not a method");
    }
    if (arguments.size() < member.minArguments || arguments.size() > member.maxArguments)
        throw Error(errnum::kWrongArgumentCount, className(),
                    "Wrong number of arguments or invalid property assignment: '" + member.name +
                        "' takes " + std::to_string(member.minArguments) +
                        (member.maxArguments != member.minArguments
                             ? " to " + std::to_string(member.maxArguments)
                             : std::string()) +
                        ", got " + std::to_string(arguments.size()));
    return member.method(arguments);
}

Variant Dispatch::call(std::string_view name) {
    Arguments none;
    return call(name, none);
}

std::vector<std::string> Dispatch::memberNames() const {
    std::vector<std::string> names;
    for (const auto& member : members_)
        names.push_back(member.name);
    return names;
}

void Dispatch::defineProperty(std::string name, Getter getter, Setter setter) {
    members_.push_back({std::move(name), std::move(getter), std::move(setter), {}, 0, 0});
}

void Dispatch::defineMethod(std::string name, size_t minArguments, size_t maxArguments,
                            Method method) {
    members_.push_back({std::move(name), {}, {}, std::move(method), minArguments, maxArguments});
}

}  // namespace norvel::common

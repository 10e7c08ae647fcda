// Late binding: objects whose members are reached by name at run time, as the add-in reaches a
// collection it never links against. Member names compare case-insensitively; arguments are
// passed in a vector the callee may change (by-reference parameters).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/variant.h"

namespace norvel::common {

class Dispatch : public std::enable_shared_from_this<Dispatch> {
  public:
    using Arguments = std::vector<Variant>;

    virtual ~Dispatch() = default;

    // The class name as the component identifier spells it ("clsLoad", "main").
    virtual std::string className() const = 0;

    // Each throws Error 438 for an unknown member, 450 for a wrong number of arguments, and
    // whatever the member itself raises.
    Variant get(std::string_view member);
    void put(std::string_view member, const Variant& value);
    Variant call(std::string_view member, Arguments& arguments);
    Variant call(std::string_view member);

    // The library that made the object: the source of the Error that any other exception
    // escaping a member becomes.
    void setLibraryName(std::string name) { libraryName_ = std::move(name); }
    const std::string& libraryName() const { return libraryName_; }
    // Member names in the order the class declared them (its public interface order).
    std::vector<std::string> memberNames() const;

  protected:
    using Getter = std::function<Variant()>;
    using Setter = std::function<void(const Variant&)>;
    using Method = std::function<Variant(Arguments&)>;

    void defineProperty(std::string name, Getter getter, Setter setter = {});
    void defineMethod(std::string name, size_t minArguments, size_t maxArguments, Method method);

  private:
    struct Member {
        std::string name;
        Getter getter;
        Setter setter;
        Method method;
        size_t minArguments = 0;
        size_t maxArguments = 0;
    };
    const Member& find(std::string_view name) const;
    Variant getMember(std::string_view name);
    void putMember(std::string_view name, const Variant& value);
    Variant callMember(std::string_view name, Arguments& arguments);

    std::vector<Member> members_;
    std::string libraryName_ = "norvel";
};

}  // namespace norvel::common

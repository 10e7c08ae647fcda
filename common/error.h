// The one error record of the suite: a number, a source and a description, thrown as a C++
// exception and passed up with context until a handler at the edge shows it.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace norvel::common {

// Error numbers used across the suite. Where the old platform had a number for the same
// condition we keep it, so error dialogs read as users of the suite know them.
namespace errnum {
inline constexpr int32_t kInvalidCall = 5;  // invalid procedure call or argument
inline constexpr int32_t kOverflow = 6;     // number does not fit
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kSubscriptOutOfRange = 9;  // index or key not found
inline constexpr int32_t kTypeMismatch = 13;        // conversion failed
inline constexpr int32_t kLoadingLibrary = 48;      // a library would not load
inline constexpr int32_t kInternal = 51;            // any other failure of our own code
inline constexpr int32_t kFileNotFound = 53;
inline constexpr int32_t kFileAlreadyExists = 58;
inline constexpr int32_t kPermissionDenied = 70;
inline constexpr int32_t kPathFileAccess = 75;
inline constexpr int32_t kPathNotFound = 76;
inline constexpr int32_t kObjectNotSet = 91;  // object reference is none
inline constexpr int32_t kObjectRequired = 424;
inline constexpr int32_t kCannotCreateObject = 429;  // component not registered / not made
inline constexpr int32_t kMemberNotSupported = 438;  // unknown member name
inline constexpr int32_t kArgumentNotOptional = 449;
inline constexpr int32_t kWrongArgumentCount = 450;
inline constexpr int32_t kKeyAlreadyExists = 457;
inline constexpr int32_t kElementNotFound = 32811;
}  // namespace errnum

class Error : public std::exception {
  public:
    Error(int32_t number, std::string source, std::string description);

    int32_t number() const { return number_; }
    const std::string& source() const { return source_; }
    const std::string& description() const { return description_; }
    void setSource(std::string source) { source_ = std::move(source); }

    const char* what() const noexcept override { return description_.c_str(); }

  private:
    int32_t number_;
    std::string source_;
    std::string description_;
};

// Puts "Function NAME in " before the error's source and throws it again. Called from an inner
// routine's handler so that the outermost handler sees the whole chain, innermost last.
[[noreturn]] void RaiseWithContext(const Error& error, std::string_view routineName);

// The exception now being handled, as an Error. An Error comes back unchanged; any other
// std::exception becomes an Error whose source is `librarySource` (the library's name).
// Must be called inside a catch block.
Error currentError(std::string_view librarySource);

// Shorthand for the usual inner-routine trap:
//   try { ... } catch (const std::exception&) { raiseCurrentWithContext("norvelpc", "SubFile"); }
[[noreturn]] void raiseCurrentWithContext(std::string_view librarySource,
                                          std::string_view routineName);

}  // namespace norvel::common

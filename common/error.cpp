#include "common/error.h"

#include <new>
#include <system_error>

namespace norvel::common {

Error::Error(int32_t number, std::string source, std::string description)
    : number_(number), source_(std::move(source)), description_(std::move(description)) {}

void RaiseWithContext(const Error& error, std::string_view routineName) {
    std::string source = "Function ";
    source += routineName;
    source += " in ";
    source += error.source();
    throw Error(error.number(), std::move(source), error.description());
}

Error currentError(std::string_view librarySource) {
    try {
        throw;
    } catch (const Error& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return Error(errnum::kOutOfMemory, std::string(librarySource), "Out of memory");
    } catch (const std::system_error& error) {
        int32_t number = errnum::kPathFileAccess;
        if (error.code() == std::errc::no_such_file_or_directory)
            number = errnum::kFileNotFound;
        if (error.code() == std::errc::permission_denied)
            number = errnum::kPermissionDenied;
        return Error(number, std::string(librarySource), error.what());
    } catch (const std::exception& error) {
        return Error(errnum::kInternal, std::string(librarySource), error.what());
    }
}

void raiseCurrentWithContext(std::string_view librarySource, std::string_view routineName) {
    RaiseWithContext(currentError(librarySource), routineName);
}

}  // namespace norvel::common

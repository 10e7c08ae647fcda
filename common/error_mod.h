// Showing an error at the edge of a user action (menu click, dialog load, OK).
#pragma once

#include <string>
#include <string_view>

#include "common/error.h"

namespace norvel::common {

class Ui;

struct ErrorReportOptions {
    // When set, the text ends with a request to report the error to this address (the style
    // collection's dialogs ask so).
    std::string supportAddress;
};

// The address the style collection asks users to report errors to.
inline constexpr std::string_view kStyleCollectionSupportAddress = "support@norvel.example";

// The text the error dialog shows: source, number and description, each on its own line,
// then an empty line (and the report request when asked for).
std::string errorReportText(const Error& error, const ErrorReportOptions& options = {});

// Shows the error dialog with `caption` modally; returns when the user closed it.
void ShowError(Ui& ui, const Error& error, std::string_view caption,
               const ErrorReportOptions& options = {});

// For the catch blocks at the edges: the exception being handled (an Error, or any
// std::exception, which becomes an Error whose source is `librarySource`) shown with `caption`.
void showCurrentError(Ui& ui, std::string_view librarySource, std::string_view caption,
                      const ErrorReportOptions& options = {});

}  // namespace norvel::common

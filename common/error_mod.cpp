#include "common/error_mod.h"

#include "common/frm_error.h"
#include "common/ui.h"

namespace norvel::common {

std::string errorReportText(const Error& error, const ErrorReportOptions& options) {
    std::string text = "Error Source: " + error.source() + "\r\n";
    text += "Error Number: " + std::to_string(error.number()) + "\r\n";
    text += "Error Description: " + error.description() + "\r\n\r\n";
    if (!options.supportAddress.empty())
        text += "Please Report this error to " + options.supportAddress;
    return text;
}

void ShowError(Ui& ui, const Error& error, std::string_view caption,
               const ErrorReportOptions& options) {
    frmError dialog(ui);
    dialog.setError(error, errorReportText(error, options));
    dialog.setCaption(std::string(caption));
    dialog.Show(true);
}

void showCurrentError(Ui& ui, std::string_view librarySource, std::string_view caption,
                      const ErrorReportOptions& options) {
    ShowError(ui, currentError(librarySource), caption, options);
}

}  // namespace norvel::common

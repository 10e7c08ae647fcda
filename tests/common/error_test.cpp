#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "common/error.h"
#include "common/error_mod.h"
#include "common/frm_error.h"
#include "host/headless/scripted_ui.h"

namespace norvel::common {
namespace {

void styleObFinder() {
    try {
        throw Error(errnum::kObjectNotSet, "norvelsc", "Object variable not set");
    } catch (const std::exception&) {
        raiseCurrentWithContext("norvelsc", "StyleObFinder");
    }
}

void doStylePages() {
    try {
        styleObFinder();
    } catch (const std::exception&) {
        raiseCurrentWithContext("norvelsc", "DoStylePages");
    }
}

TEST(ErrorReporting, ContextChainsGrowFromTheInsideOut) {
    try {
        doStylePages();
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.source(), "Function DoStylePages in Function StyleObFinder in norvelsc");
        EXPECT_EQ(e.number(), errnum::kObjectNotSet);
        EXPECT_EQ(e.description(), "Object variable not set");
    }
}

TEST(ErrorReporting, AnyStdExceptionBecomesAnErrorOfTheLibrary) {
    try {
        try {
            throw std::runtime_error("vector too long");
        } catch (const std::exception&) {
            raiseCurrentWithContext("norvelpc", "SubFile");
        }
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.source(), "Function SubFile in norvelpc");
        EXPECT_EQ(e.number(), errnum::kInternal);
        EXPECT_EQ(e.description(), "vector too long");
    }
    try {
        throw std::filesystem::filesystem_error(
            "copy", std::make_error_code(std::errc::no_such_file_or_directory));
    } catch (const std::exception&) {
        EXPECT_EQ(currentError("norvelpc").number(), errnum::kFileNotFound);
    }
}

TEST(ErrorReporting, ShowErrorTextHasThreeLinesAndAnEmptyOne) {
    Error e(91, "Function WrongExtension in norvelfp", "Object variable not set");
    EXPECT_EQ(errorReportText(e),
              "Error Source: Function WrongExtension in norvelfp\r\n"
              "Error Number: 91\r\n"
              "Error Description: Object variable not set\r\n\r\n");
    ErrorReportOptions style{std::string(kStyleCollectionSupportAddress)};
    EXPECT_EQ(errorReportText(e, style), errorReportText(e) + "Please Report this error to " +
                                             std::string(kStyleCollectionSupportAddress));
}

TEST(ErrorReporting, TheErrorDialogCollapsesAndExpandsOnce) {
    host::SessionCursor cursor(host::parseSessionScript(""));
    std::ostringstream out;
    host::ScriptedUi ui(cursor, out);
    frmError dialog(ui);
    dialog.setError(Error(5, "x", "y"), "text");
    dialog.setCaption("NorvelFP");
    dialog.Load();
    EXPECT_EQ(dialog.height(), 1400);
    EXPECT_FALSE(dialog.txtError.visible());
    EXPECT_EQ(dialog.caption(), "NorvelFP");
    EXPECT_EQ(
        dialog.Text2.text(),
        "An Application Error has occured! \r\nPlease review the Error Log for more info.\r\n");

    ASSERT_TRUE(dialog.cmdDetail.userClick());
    EXPECT_EQ(dialog.height(), 4140);
    EXPECT_TRUE(dialog.txtError.visible());
    EXPECT_TRUE(dialog.txtError.hasFocus());
    EXPECT_FALSE(dialog.cmdDetail.enabled());
    EXPECT_FALSE(dialog.cmdDetail.userClick());  // a second click is impossible

    ASSERT_TRUE(dialog.cmdOK.userClick());
    EXPECT_FALSE(dialog.loaded());
}

}  // namespace
}  // namespace norvel::common

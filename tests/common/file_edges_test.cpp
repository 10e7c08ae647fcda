// What the shared code does with bad input at its edges: a folder, a pipe or a missing file
// where a file is expected, and the source errors of shared code name.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/atomic_file.h"
#include "common/conversions.h"
#include "common/error.h"
#include "common/library_folder.h"
#include "tests/support/temporary_folder.h"

namespace norvel::common {
namespace {

Error errorReading(const std::filesystem::path& path) {
    try {
        readFileBytes(path);
    } catch (const Error& e) {
        return e;
    }
    ADD_FAILURE() << path << " was read";
    return Error(0, "", "");
}

TEST(FileEdges, OnlyARegularFileIsRead) {
    tests::TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / "page.htm");
    Error asFolder = errorReading(folder.path() / "page.htm");
    EXPECT_EQ(asFolder.number(), errnum::kPathFileAccess);
    EXPECT_NE(asFolder.description().find("it is a folder, not a file"), std::string::npos)
        << asFolder.description();

    // A pipe would block a reader for ever; it is refused at once.
    ASSERT_EQ(::mkfifo((folder.path() / "pipe.htm").c_str(), 0600), 0);
    EXPECT_NE(errorReading(folder.path() / "pipe.htm").description().find("it is not a file"),
              std::string::npos);

    EXPECT_EQ(errorReading(folder.path() / "missing.htm").number(), errnum::kFileNotFound);

    writeFileAtomically(folder.path() / "real.htm", std::string("a\0b", 3));
    std::filesystem::create_symlink(folder.path() / "real.htm", folder.path() / "link.htm");
    EXPECT_EQ(readFileBytes(folder.path() / "link.htm"), std::string("a\0b", 3));
}

TEST(FileEdges, ErrorsOfSharedCodeNameTheModuleThatRaisedThem) {
    // This copy of the shared code is linked into the test program, so that is the source.
    EXPECT_EQ(libraryName(), "common_tests");
    try {
        toInt32("twelve");
        FAIL() << "converted";
    } catch (const Error& e) {
        EXPECT_EQ(e.source(), "common_tests");
    }
    tests::TemporaryFolder folder;
    EXPECT_EQ(errorReading(folder.path()).source(), "common_tests");
}

}  // namespace
}  // namespace norvel::common

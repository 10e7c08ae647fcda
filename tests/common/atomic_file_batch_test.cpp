// A batch of whole-file replacements on a real folder: all new after commit, all old after a
// failed write or a dropped batch, and never a staged file left behind.
#include "common/atomic_file_batch.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "common/atomic_file.h"
#include "common/error.h"
#include "tests/support/temporary_folder.h"

namespace norvel::common {
namespace {

namespace fs = std::filesystem;

// Every entry under `folder`, hidden ones included.
std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(fs::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

// Files above `limit` bytes cannot be written by this process while it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

class AtomicFileBatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(folder.path() / "sub");
        for (const char* name : {"a.htm", "b.htm", "sub/c.htm"})
            writeFileAtomically(folder.path() / name, std::string("old ") + name);
        ::chmod((folder.path() / "b.htm").c_str(), 0600);
    }
    std::string read(const std::string& name) { return readFileBytes(folder.path() / name); }

    tests::TemporaryFolder folder;
};

TEST_F(AtomicFileBatchTest, CommitReplacesEveryFileKeepingItsPermissions) {
    AtomicFileBatch batch;
    batch.stage(folder.path() / "a.htm", "new a");
    batch.stage(folder.path() / "b.htm", "first b");
    batch.stage(folder.path() / "sub/c.htm", "new c");
    batch.stage(folder.path() / "new.htm", "made");
    batch.stage(folder.path() / "b.htm", "new b");  // staged again: the later text wins
    EXPECT_EQ(batch.size(), 4u);
    // Nothing is visible before the commit, and the folder's own entries are as they were.
    EXPECT_EQ(read("a.htm"), "old a.htm");
    EXPECT_FALSE(fs::exists(folder.path() / "new.htm"));
    batch.commit();

    EXPECT_EQ(read("a.htm"), "new a");
    EXPECT_EQ(read("b.htm"), "new b");
    EXPECT_EQ(read("sub/c.htm"), "new c");
    EXPECT_EQ(read("new.htm"), "made");
    EXPECT_EQ(fs::status(folder.path() / "b.htm").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(entriesOf(folder.path()),
              (std::vector<std::string>{"a.htm", "b.htm", "new.htm", "sub", "sub/c.htm"}));
}

TEST_F(AtomicFileBatchTest, ADroppedBatchLeavesEveryFileOldAndNothingStaged) {
    {
        AtomicFileBatch batch;
        batch.stage(folder.path() / "a.htm", "new a");
        batch.stage(folder.path() / "sub/c.htm", "new c");
    }
    EXPECT_EQ(read("a.htm"), "old a.htm");
    EXPECT_EQ(read("sub/c.htm"), "old sub/c.htm");
    EXPECT_EQ(entriesOf(folder.path()),
              (std::vector<std::string>{"a.htm", "b.htm", "sub", "sub/c.htm"}));
}

TEST_F(AtomicFileBatchTest, AWriteFailingInTheMiddleLeavesEveryFileOld) {
    AtomicFileBatch batch;
    batch.stage(folder.path() / "a.htm", "new a");
    {
        // The file system refuses the second file half-way, as a full disk would.
        FileSizeLimit limit(64);
        try {
            batch.stage(folder.path() / "b.htm", std::string(1000, 'x'));
            FAIL() << "a file over the limit was written";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), errnum::kPathFileAccess);
            EXPECT_NE(e.description().find("b.htm"), std::string::npos) << e.description();
        }
    }
    batch.discard();
    EXPECT_EQ(read("a.htm"), "old a.htm");
    EXPECT_EQ(read("b.htm"), "old b.htm");
    EXPECT_EQ(entriesOf(folder.path()),
              (std::vector<std::string>{"a.htm", "b.htm", "sub", "sub/c.htm"}));
}

TEST_F(AtomicFileBatchTest, AFolderThatCannotBeWrittenFailsBeforeAnyFileChanges) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    fs::permissions(folder.path() / "sub", fs::perms::owner_write, fs::perm_options::remove);
    AtomicFileBatch batch;
    batch.stage(folder.path() / "a.htm", "new a");
    EXPECT_THROW(batch.stage(folder.path() / "sub/c.htm", "new c"), Error);
    batch.discard();
    EXPECT_EQ(read("a.htm"), "old a.htm");
}

}  // namespace
}  // namespace norvel::common

// The page model's cost beside a plain copy of the same bytes: (a) a 10 MB page read, given
// to HtmlDocument, pasted into at the end of its body and saved atomically; (b) 5,000 small
// pages in a folder, each read, given a <meta> at the end of its head and saved atomically.
// The goal is to stay within 3x of the plain read + atomic write.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "host/markup/html_document.h"
#include "host/markup/page_skeleton.h"

namespace {

namespace fs = std::filesystem;
using norvel::common::readFileBytes;
using norvel::common::writeFileAtomically;
using norvel::host::HtmlDocument;

constexpr size_t kLargePageSize = 10 * 1024 * 1024;
constexpr int kSmallPages = 5000;

// A folder under the temporary folder, removed at exit.
class BenchFolder {
  public:
    BenchFolder() {
        std::string pattern = (fs::temp_directory_path() / "norvel-bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

BenchFolder& folder() {
    static BenchFolder folder;
    return folder;
}

// A page as an old site generator writes it: CR LF, a head with styles and a script, and a
// body of tables, paragraphs, comments and small scripts.
std::string pageOfSize(size_t size) {
    std::string page =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<html>\r\n<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
        "<title>Archive</title>\r\n<link rel=\"stylesheet\" href=\"site.css\">\r\n"
        "<style>\r\ntd { font-size: 10pt }\r\n</style>\r\n"
        "<script language=\"JavaScript\">\r\n<!--\r\nfunction go(u) { location = u; }\r\n//-->\r\n"
        "</script>\r\n</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n";
    for (int row = 0; page.size() < size; ++row) {
        std::string n = std::to_string(row);
        page += "<table border=\"0\" width=\"100%\"><tr><td width=\"20%\"><a href=\"item" + n +
                ".htm\" onclick=\"go('item" + n + ".htm'); return false;\">Item " + n +
                "</a></td>\r\n<td>Posted on 01/0" + std::to_string(row % 9 + 1) +
                "/2000 &nbsp;<b>by</b> <i>someone</i> &amp; friends</td></tr></table>\r\n"
                "<!-- row " +
                n +
                " -->\r\n<p>Some text of the item, with <font color=\"#336699\">"
                "colour</font> and a line<br>break.</p>\r\n";
        if (row % 100 == 0)
            page += "<script>document.write('<p>' + " + n + " + '</p>');</script>\r\n";
    }
    return page + "</body>\r\n</html>\r\n";
}

const fs::path& largePage() {
    static const fs::path path = [] {
        fs::path file = folder().path() / "large.htm";
        writeFileAtomically(file, pageOfSize(kLargePageSize));
        return file;
    }();
    return path;
}

const std::vector<fs::path>& smallPages() {
    static const std::vector<fs::path> paths = [] {
        std::vector<fs::path> files;
        fs::create_directories(folder().path() / "small");
        for (int i = 0; i < kSmallPages; ++i) {
            fs::path file = folder().path() / "small" / ("page" + std::to_string(i) + ".htm");
            writeFileAtomically(file, pageOfSize(2000 + 10 * (i % 300)));
            files.push_back(file);
        }
        return files;
    }();
    return paths;
}

void BM_LargePagePasteAndSave(benchmark::State& state) {
    const fs::path& file = largePage();
    if (!norvel::host::findPageSkeleton(readFileBytes(file)).fromScan)
        state.SkipWithError("the page would need the tree");
    for (auto _ : state) {
        HtmlDocument page(readFileBytes(file));
        page.pasteHtml("<p>New paragraph</p>\r\n");
        writeFileAtomically(file, page.html());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kLargePageSize));
}
BENCHMARK(BM_LargePagePasteAndSave)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LargePagePlainCopy(benchmark::State& state) {
    const fs::path& file = largePage();
    for (auto _ : state)
        writeFileAtomically(file, readFileBytes(file));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kLargePageSize));
}
BENCHMARK(BM_LargePagePlainCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

// The page model alone, without the disk: what the edit adds to the copy.
void BM_LargePagePasteInMemory(benchmark::State& state) {
    const std::string bytes = readFileBytes(largePage());
    for (auto _ : state) {
        HtmlDocument page(bytes);
        page.pasteHtml("<p>New paragraph</p>\r\n");
        benchmark::DoNotOptimize(page.html().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LargePagePasteInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SmallPagesSetHeadAndSave(benchmark::State& state) {
    const auto& files = smallPages();
    for (auto _ : state) {
        for (const fs::path& file : files) {
            HtmlDocument page(readFileBytes(file));
            page.setHeadInnerHtml(page.headInnerHtml() + "<meta name=x>");
            writeFileAtomically(file, page.html());
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * files.size()));
}
BENCHMARK(BM_SmallPagesSetHeadAndSave)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SmallPagesPlainCopy(benchmark::State& state) {
    const auto& files = smallPages();
    for (auto _ : state)
        for (const fs::path& file : files)
            writeFileAtomically(file, readFileBytes(file));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * files.size()));
}
BENCHMARK(BM_SmallPagesPlainCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

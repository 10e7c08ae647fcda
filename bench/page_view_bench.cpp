// What a person waits for in the studio when a page is drawn: the Normal view (pieces found,
// rendered, block stand-ins), the HTML view and the Preview (wall time: the browser engine
// works in processes of its own; bench/studio_open.sh counts their CPU), on pages of 100 KB and 1
// MB made of paragraphs, tables and webbot blocks; what refreshing costs when nothing changed; and
// finding the pieces alone on 10 MB. Qt runs on
// its offscreen platform. Drawing a page must stay linear in its size.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <QApplication>
#include <QEventLoop>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "host/editor/host_document.h"
#include "host/markup/page_segments.h"
#include "host/qt/page/browser_engine.h"
#include "host/qt/page/drawn_from.h"
#include "host/qt/page/normal_view.h"
#include "host/qt/page/page_style.h"
#include "host/qt/page/preview_view.h"
#include "host/qt/page/source_view.h"

namespace {

using norvel::host::HostDocument;

std::string pageOfSize(size_t size) {
    std::string page =
        "<html>\r\n<head>\r\n<title>Club archive</title>\r\n<style>\r\np { color: #336 }\r\n"
        "</style>\r\n</head>\r\n<body>\r\n";
    for (int n = 0; page.size() < size; ++n) {
        std::string number = std::to_string(n);
        page += "<h2>Ride " + number + "</h2>\r\n<p>We met at the mill and rode <b>" + number +
                "</b> miles along the river.</p>\r\n";
        if (n % 5 == 0)
            page += "<table border=\"1\"><tr><td>Distance</td><td>" + number +
                    "</td></tr><tr><td>Riders</td><td>12</td></tr></table>\r\n";
        if (n % 20 == 0)
            page +=
                "<p><!--webbot bot=\"norvelfpbot\" s-class=\"norvelfp.main\" clientside "
                "PREVIEW=\"---- DATE ----\" T=\"J4\" startspan -->\r\n<script>"
                "CurrentDate_NV.write(document.currentScript);</script>\r\n"
                "<!--webbot bot=\"norvelfpbot\" endspan --></p>\r\n";
    }
    return page + "</body>\r\n</html>\r\n";
}

HostDocument& documentOfSize(size_t size) {
    static std::map<size_t, std::shared_ptr<HostDocument>> documents;
    auto& document = documents[size];
    if (!document)
        document = std::make_shared<HostDocument>(pageOfSize(size), "", "/tmp", "");
    return *document;
}

void BM_NormalView(benchmark::State& state) {
    HostDocument& document = documentOfSize(static_cast<size_t>(state.range(0)));
    norvel::host::qt::NormalView view;
    view.setBuildSlice(std::chrono::hours(1));  // all of it at once
    view.resize(1000, 700);
    for (auto _ : state) {
        view.showPage(document, "/tmp", norvel::host::qt::pageStyleSheet(document));
        benchmark::DoNotOptimize(view.segments().size());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_NormalView)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_SourceView(benchmark::State& state) {
    HostDocument& document = documentOfSize(static_cast<size_t>(state.range(0)));
    norvel::host::qt::SourceView view;
    for (auto _ : state)
        view.showPage(document);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SourceView)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_PreviewView(benchmark::State& state) {
    HostDocument& document = documentOfSize(static_cast<size_t>(state.range(0)));
    norvel::host::qt::PreviewView view;
    for (auto _ : state) {
        // The page is loaded by the browser engine's processes: wait for the end of the load.
        QEventLoop loaded;
        QObject::connect(&view, &norvel::host::qt::PreviewView::pageLoaded, &loaded,
                         &QEventLoop::quit);
        view.showPage(document, "", "/tmp");
        loaded.exec();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PreviewView)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

// What refreshing a page costs when nothing it shows has changed (most commands): comparing
// the page and its style with what the view was drawn from.
void BM_UnchangedRefreshCheck(benchmark::State& state) {
    HostDocument& document = documentOfSize(static_cast<size_t>(state.range(0)));
    norvel::host::qt::DrawnFrom drawn;
    drawn.record(1, document.page().html(), norvel::host::qt::pageStyleSheet(document));
    for (auto _ : state) {
        bool same =
            drawn.matches(1, document.page().html(), norvel::host::qt::pageStyleSheet(document));
        benchmark::DoNotOptimize(same);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_UnchangedRefreshCheck)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_PageSegments(benchmark::State& state) {
    std::string page = pageOfSize(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(norvel::host::pageSegments(page).size());
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PageSegments)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    norvel::host::qt::prepareBrowserEngine();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

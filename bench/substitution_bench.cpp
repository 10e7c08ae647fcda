// Filling a large template: 1 MB of text with 10,000 placeholders, some of whose values hold
// placeholders of their own. The fill must stay linear in the size of the text.
#include <benchmark/benchmark.h>

#include <string>

#include "common/string_dictionary.h"
#include "common/template_substitution.h"

namespace {

using norvel::common::StringDictionary;

constexpr size_t kTemplateSize = 1024 * 1024;
constexpr int kPlaceholders = 10000;

StringDictionary benchValues() {
    StringDictionary values;
    for (int key = 0; key < 50; ++key)
        values.set("key" + std::to_string(key), "value " + std::to_string(key));
    values.set("nested", "[<*key1*>|<* key2 *>]");
    return values;
}

std::string largeTemplate(size_t size, int placeholders) {
    std::string text;
    text.reserve(size);
    size_t gap = size / placeholders;
    for (int i = 0; i < placeholders; ++i) {
        std::string placeholder =
            i % 10 == 0 ? "<*nested*>" : "<*key" + std::to_string(i % 50) + "*>";
        text.append(gap - placeholder.size(), i % 2 == 0 ? 'x' : '<');
        text += placeholder;
    }
    return text;
}

void fillLargeTemplate(benchmark::State& state) {
    StringDictionary values = benchValues();
    const std::string source =
        largeTemplate(static_cast<size_t>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        std::string text = source;
        auto outcome = norvel::common::fillPlaceholders(values, text);
        if (!outcome.complete)
            state.SkipWithError("a placeholder was not filled");
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(source.size()));
}
BENCHMARK(fillLargeTemplate)
    ->Args({kTemplateSize, kPlaceholders})
    ->Args({4 * kTemplateSize, 4 * kPlaceholders})
    ->Unit(benchmark::kMillisecond);

}  // namespace

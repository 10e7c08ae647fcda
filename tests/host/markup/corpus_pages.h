// The corpus of real-world-style pages in tests/host/markup/corpus, read as bytes.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace norvel::tests {

struct CorpusPage {
    std::string name;
    std::string bytes;
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<CorpusPage> corpusPages() {
    std::vector<CorpusPage> pages;
    for (const auto& entry : std::filesystem::directory_iterator(NORVEL_MARKUP_CORPUS))
        pages.push_back({entry.path().filename().string(), readBytes(entry.path())});
    std::sort(pages.begin(), pages.end(),
              [](const CorpusPage& a, const CorpusPage& b) { return a.name < b.name; });
    return pages;
}

inline CorpusPage corpusPage(const std::string& name) {
    return {name, readBytes(std::filesystem::path(NORVEL_MARKUP_CORPUS) / name)};
}

}  // namespace norvel::tests

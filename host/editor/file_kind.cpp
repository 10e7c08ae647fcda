#include "host/editor/file_kind.h"

#include <array>
#include <fstream>

#include "common/ascii_text.h"
#include "common/error.h"

namespace norvel::host {

namespace {

constexpr std::array kPageExtensions{"htm", "html", "shtml", "shtm", "stm",  "xhtml",
                                     "xht", "php",  "php3",  "php4", "php5", "phtml",
                                     "asp", "aspx", "asa",   "jsp",  "cfm",  "hta"};
constexpr std::array kPictureExtensions{"gif", "png",  "jpg", "jpeg", "jpe", "bmp",
                                        "ico", "webp", "svg", "xbm",  "xpm"};

std::string extensionOf(std::string_view fileName) {
    size_t slash = fileName.find_last_of("/\\");
    if (slash != std::string_view::npos)
        fileName.remove_prefix(slash + 1);
    size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {};
    return common::toLowerAscii(fileName.substr(dot + 1));
}

template <size_t N>
bool contains(const std::array<const char*, N>& list, std::string_view word) {
    for (const char* entry : list)
        if (word == entry)
            return true;
    return false;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The signatures of the picture formats browsers show.
bool looksLikePicture(std::string_view head) {
    return startsWith(head, "GIF87a") || startsWith(head, "GIF89a") ||
           startsWith(head, "\x89PNG\r\n\x1a\n") || startsWith(head, "\xFF\xD8\xFF") ||
           startsWith(head, "BM") || (startsWith(head, "RIFF") && head.substr(8, 4) == "WEBP") ||
           startsWith(head, std::string_view("\0\0\1\0", 4));
}

// Text holds no NUL and few control characters; UTF-16 and binary formats do.
bool looksLikeText(std::string_view head) {
    size_t controls = 0;
    for (char c : head) {
        auto byte = static_cast<unsigned char>(c);
        if (byte == 0)
            return false;
        if (byte < 0x20 && c != '\r' && c != '\n' && c != '\t' && c != '\f')
            ++controls;
    }
    return controls * 100 <= head.size();
}

// Markup starts, after blanks and a byte order mark, with a tag, a declaration, a comment or
// a processing instruction (<?php).
bool looksLikeMarkup(std::string_view head) {
    if (startsWith(head, "\xEF\xBB\xBF"))
        head.remove_prefix(3);
    size_t first = head.find_first_not_of(" \t\r\n\f");
    if (first == std::string_view::npos || head[first] != '<' || first + 1 >= head.size())
        return false;
    char next = head[first + 1];
    return common::isAsciiAlpha(next) || next == '!' || next == '?' || next == '%';
}

}  // namespace

bool hasPageExtension(std::string_view fileName) {
    return contains(kPageExtensions, extensionOf(fileName));
}

std::string pageExtensionList() {
    std::string list;
    for (const char* extension : kPageExtensions)
        list += (list.empty() ? "" : ", ") + std::string(extension);
    return list;
}

FileKind fileKindOf(std::string_view fileName, std::string_view head) {
    std::string extension = extensionOf(fileName);
    if (looksLikePicture(head) && !looksLikeText(head))
        return FileKind::Picture;
    if (contains(kPictureExtensions, extension))
        // An SVG picture is text; any other picture name on text is not a picture.
        return extension == "svg" || extension == "xbm" || extension == "xpm" ||
                       !looksLikeText(head)
                   ? FileKind::Picture
                   : FileKind::Other;
    if (!looksLikeText(head))
        return FileKind::Other;
    if (contains(kPageExtensions, extension))
        return FileKind::Page;
    return looksLikeMarkup(head) ? FileKind::Page : FileKind::Other;
}

FileKind fileKindOfFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw common::Error(common::errnum::kFileNotFound, "norvel",
                            "File not found: " + file.filename().string() + " cannot be read");
    std::string head(4096, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    return fileKindOf(file.filename().string(), head);
}

}  // namespace norvel::host

#include "common/template_substitution.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "common/ascii_text.h"
#include "common/error.h"
#include "common/library_folder.h"

namespace norvel::common {

namespace {

constexpr std::string_view kOpen = "<*";
constexpr std::string_view kClose = "*>";

void requireFilledSizeWithinLimit(size_t size) {
    if (size > kMaxFilledTextSize)
        throw Error(errnum::kOutOfMemory, libraryName(),
                    "The filled template would be larger than " +
                        std::to_string(kMaxFilledTextSize / (1024 * 1024)) + " MB");
}

// The text not read yet: a stack of pieces read from the top down. The template lies at the
// bottom; each filled value is pushed on top, so reading it first is what splicing it into
// the text at the scan position would give, without moving the rest of the text. Only pieces
// with characters left stay on the stack.
class PendingText {
  public:
    explicit PendingText(std::string_view text) { push(text, 0); }

    void push(std::string_view text, size_t depth) {
        if (!text.empty())
            pieces_.push_back({text, 0, depth});
    }

    // Copies the text up to the next "<*" into `out` and reads past the marker; `depth` is
    // the nesting depth of the piece its "<" lies in. Copies everything and returns false
    // when there is no "<*" left.
    bool copyUntilOpen(std::string& out, size_t& depth) {
        while (!pieces_.empty()) {
            Piece& top = pieces_.back();
            std::string_view rest = top.text.substr(top.offset);
            size_t found = rest.find(kOpen);
            if (found != std::string_view::npos) {
                out.append(rest.substr(0, found));
                depth = top.depth;
                advance(found + kOpen.size());
                return true;
            }
            if (rest.back() == kOpen[0] && nextPieceStartsWith(kOpen[1])) {
                out.append(rest.substr(0, rest.size() - 1));
                depth = top.depth;
                pieces_.pop_back();
                advance(1);
                return true;
            }
            out.append(rest);
            pieces_.pop_back();
        }
        return false;
    }

    // Reads up to and past the next "*>", collecting what lies before it in `name`. Returns
    // false, with all the remaining text in `name`, when there is no "*>" left.
    bool takeUntilClose(std::string& name) {
        while (!pieces_.empty()) {
            Piece& top = pieces_.back();
            std::string_view rest = top.text.substr(top.offset);
            size_t found = rest.find(kClose);
            if (found != std::string_view::npos) {
                name.append(rest.substr(0, found));
                advance(found + kClose.size());
                return true;
            }
            if (rest.back() == kClose[0] && nextPieceStartsWith(kClose[1])) {
                name.append(rest.substr(0, rest.size() - 1));
                pieces_.pop_back();
                advance(1);
                return true;
            }
            name.append(rest);
            pieces_.pop_back();
        }
        return false;
    }

    void appendRest(std::string& out) const {
        for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece)
            out.append(piece->text.substr(piece->offset));
    }

  private:
    struct Piece {
        std::string_view text;
        size_t offset;
        size_t depth;
    };

    bool nextPieceStartsWith(char c) const {
        if (pieces_.size() < 2)
            return false;
        const Piece& next = pieces_[pieces_.size() - 2];
        return next.text[next.offset] == c;
    }

    // Reads `count` characters of the top piece, dropping it when it is used up.
    void advance(size_t count) {
        Piece& top = pieces_.back();
        top.offset += count;
        if (top.offset >= top.text.size())
            pieces_.pop_back();
    }

    std::vector<Piece> pieces_;
};

}  // namespace

size_t FindPlaceholder(std::string& text, std::string& name, size_t start) {
    size_t from = start == 0 ? 0 : start - 1;
    if (from >= text.size())
        return 0;
    size_t open = text.find(kOpen, from);
    if (open == std::string::npos)
        return 0;
    size_t close = text.find(kClose, open + kOpen.size());
    if (close == std::string::npos)
        return 0;
    name =
        trimBlanks(std::string_view(text).substr(open + kOpen.size(), close - open - kOpen.size()));
    text.erase(open, close + kClose.size() - open);
    return open + 1;
}

std::string InsertAt(std::string_view text, std::string_view value, size_t position) {
    size_t split = position == 0 ? 0 : std::min(position - 1, text.size());
    std::string result;
    result.reserve(text.size() + value.size());
    result.append(text.substr(0, split));
    result.append(value);
    result.append(text.substr(split));
    return result;
}

SubstitutionOutcome fillPlaceholders(const StringDictionary& values, std::string& text) {
    std::unordered_map<std::string_view, std::string_view> lookup;
    for (const auto& entry : values.entries())
        lookup.emplace(entry.key, entry.value);

    SubstitutionOutcome outcome;
    std::string filled;
    filled.reserve(text.size());
    PendingText pending(text);
    size_t depth = 0;
    while (pending.copyUntilOpen(filled, depth)) {
        std::string rawName;
        if (!pending.takeUntilClose(rawName)) {
            filled.append(kOpen);
            filled.append(rawName);
            break;
        }
        std::string name(trimBlanks(rawName));
        auto found = lookup.find(name);
        if (found == lookup.end()) {
            outcome.complete = false;
            outcome.missingName = name;
            pending.appendRest(filled);
            break;
        }
        if (depth >= kMaxPlaceholderNesting)
            throw Error(errnum::kInvalidCall, libraryName(),
                        "Placeholder values nest more than " +
                            std::to_string(kMaxPlaceholderNesting) + " levels deep at <*" + name +
                            "*>: a value probably contains its own placeholder");
        requireFilledSizeWithinLimit(filled.size() + found->second.size());
        pending.push(found->second, depth + 1);
    }
    requireFilledSizeWithinLimit(filled.size());
    text = std::move(filled);
    return outcome;
}

bool SubstituteFromDictionary(const StringDictionary& values, std::string& text, Ui& ui) {
    SubstitutionOutcome outcome = fillPlaceholders(values, text);
    if (!outcome.complete)
        ui.message(outcome.missingName);
    return outcome.complete;
}

}  // namespace norvel::common

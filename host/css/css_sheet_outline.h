// Where the editable parts of a style sheet sit in its text: the top-level style rules, their
// selectors, blocks and declarations, and where a rule added at the end would go. Everything is
// byte offsets into the text the outline was made from, so edits splice the original bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvel::host {

struct CssDeclarationSpan {
    std::string name;  // the property name with escapes resolved, case as written
    size_t begin = 0;  // start of the name
    // The value without the whitespace and comments around it and without "!important".
    // An empty value sits where the value would start.
    size_t valueBegin = 0;
    size_t valueEnd = 0;
    bool important = false;
    size_t importantBegin = 0;  // "!" ... "important", when important
    size_t importantEnd = 0;
    size_t end = 0;  // past the ';' when there is one, else past the last token of the value
    bool hasSemicolon = false;
};

struct CssRuleSpan {
    size_t begin = 0;        // the selector as written: [begin, selectorEnd)
    size_t selectorEnd = 0;  // without surrounding whitespace and comments
    size_t blockOpen = 0;    // offset of the '{'
    size_t blockEnd = 0;     // past the '}', or the text's end when the block is left open
    bool blockClosed = false;
    std::vector<CssDeclarationSpan> declarations;  // in source order
    // Past the last token or comment inside the block (just past '{' when there is none).
    size_t contentEnd = 0;
    // The block's last item (a declaration or anything unreadable) lacks the ';' that would
    // separate it from a declaration written after it.
    bool lastItemOpen = false;
    // Only for a block that the text's end leaves open: what closes the comment, string, url,
    // brackets and functions still open inside it, so that text written after it stands alone.
    std::string closersInside;
};

struct CssSheetOutline {
    // Top-level style rules in order. Rules inside @media and other at-rule blocks are not
    // listed: the object model that scripts of the suite use listed only top-level rules.
    // Rules whose selector holds tokens no selector can have (a stray '}', ';', a bad string,
    // an at-keyword...) are dropped as a browser drops them.
    std::vector<CssRuleSpan> rules;
    // Where a rule added at the end of the sheet goes: after the last token or comment, but
    // before a closing "-->" that ends the sheet (old pages hide their STYLE content in one).
    size_t appendAt = 0;
    bool contentBeforeAppend = false;  // something other than whitespace precedes appendAt
    bool contentAfterAppend = false;   // the closing "-->" follows appendAt
    // What must be written at appendAt before a new rule so that it stands alone: closers of
    // anything the text left open, and ";" or "{}" for an at-rule or selector left pending.
    std::string closersAtAppend;
};

// Reads the structure as CSS Syntax Level 3 (with nesting-aware block contents) does, so that
// comments, strings, escapes, url(), at-rule blocks and broken input are skipped the way a
// browser recovers from them. Never fails; needs no recursion however deep the nesting.
CssSheetOutline outlineCssSheet(std::string_view text);

}  // namespace norvel::host

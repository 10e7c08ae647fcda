// The fast scan: it decides only for pages that write <head>...</head> then <body>...</body>
// in the usual way, and only where nothing in them could make a browser's tree builder place
// the head or body elsewhere. Everything else goes to the tree.
#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "host/markup/markup_scanner.h"
#include "host/markup/page_skeleton.h"

namespace norvel::host {
namespace {

using Kind = MarkupToken::Kind;

// Blanks, and the "</>" that the tokenizer drops without a trace.
bool onlySpace(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '<' && text.substr(i, 3) == "</>") {
            i += 2;
        } else if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\f') {
            return false;
        }
    }
    return true;
}

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Start tags that stay in the head. (A template is left to the tree: inside it, </head> is
// ignored.)
bool allowedInHead(std::string_view name) {
    return isOneOf(name, {"title", "meta", "link", "style", "script", "base", "noscript",
                          "noframes", "basefont", "bgsound"});
}

// In a head's noscript (scripting off, as gumbo reads it) these keep the noscript open;
// any other start tag closes it.
bool allowedInHeadNoscript(std::string_view name) {
    return isOneOf(name, {"basefont", "bgsound", "link", "meta", "noframes", "style"});
}

// Elements inside which a </body> is ignored (tables, selects, and the scope boundaries
// object, applet, marquee). The scan requires them properly nested and closed before </body>.
bool hidesBodyEnd(std::string_view name) {
    return isOneOf(name, {"table", "select", "object", "applet", "marquee"});
}

// Elements whose content or effect the tree builder decides: foreign content reads raw text
// and CDATA differently, a template or frameset changes where things go.
bool needsTree(std::string_view name) {
    return isOneOf(name, {"frameset", "template", "svg", "math"});
}

class SkeletonScan {
  public:
    explicit SkeletonScan(std::string_view html) : html_(html) {
        // A leading byte order mark is not content.
        if (html.starts_with("\xEF\xBB\xBF"))
            textFrom_ = 3;
    }

    bool run(PageSkeleton& skeleton) {
        MarkupScanner scanner(html_);
        MarkupToken token;
        while (scanner.next(token)) {
            std::string_view textBefore = html_.substr(textFrom_, token.begin - textFrom_);
            textFrom_ = token.end;
            if (token.kind == Kind::RawText)
                continue;  // inside an element already checked
            if (!accept(token, onlySpace(textBefore)))
                return false;
        }
        // Text after </body> or </html> would go back into the body.
        if (phase_ != Phase::AfterBody && phase_ != Phase::AfterHtml)
            return false;
        if (!onlySpace(html_.substr(textFrom_)))
            return false;
        skeleton = PageSkeleton{};
        skeleton.headWritten = skeleton.bodyWritten = skeleton.fromScan = true;
        skeleton.headInnerBegin = headInnerBegin_;
        skeleton.headInnerEnd = headInnerEnd_;
        skeleton.bodyInnerBegin = bodyInnerBegin_;
        skeleton.bodyInnerEnd = bodyInnerEnd_;
        skeleton.bodyTagBegin = bodyTagBegin_;
        return true;
    }

  private:
    enum class Phase { BeforeHead, InHead, AfterHead, InBody, AfterBody, AfterHtml };

    bool accept(const MarkupToken& token, bool blankBefore) {
        switch (phase_) {
            case Phase::BeforeHead:
                if (!blankBefore)
                    return false;
                if (token.kind == Kind::Comment || token.kind == Kind::Doctype)
                    return true;
                // A second <html> before the head makes gumbo (not browsers) imply the head.
                if (token.kind == Kind::StartTag && token.name == "html")
                    return !std::exchange(htmlSeen_, true);
                if (token.kind != Kind::StartTag || token.name != "head")
                    return false;
                headInnerBegin_ = token.end;
                phase_ = Phase::InHead;
                return true;
            case Phase::InHead:
                // Text in the head (outside raw-text elements) would start the body early.
                return blankBefore && acceptInHead(token);
            case Phase::AfterHead:
                if (!blankBefore)
                    return false;
                if (token.kind == Kind::Comment)
                    return true;
                if (token.kind != Kind::StartTag || token.name != "body")
                    return false;
                bodyTagBegin_ = token.begin;
                bodyInnerBegin_ = token.end;
                phase_ = Phase::InBody;
                return true;
            case Phase::InBody:
                return acceptInBody(token);
            case Phase::AfterBody:
            case Phase::AfterHtml:
                if (!blankBefore)
                    return false;
                if (token.kind == Kind::Comment)
                    return true;
                if (phase_ == Phase::AfterBody && token.kind == Kind::EndTag &&
                    token.name == "html") {
                    phase_ = Phase::AfterHtml;
                    return true;
                }
                return false;
        }
        return false;
    }

    bool acceptInHead(const MarkupToken& token) {
        if (token.kind == Kind::StartTag) {
            if (!allowedInHead(token.name))
                return false;
            if (token.name == "noscript") {
                headNoscriptOpen_ = true;
            } else if (!allowedInHeadNoscript(token.name)) {
                headNoscriptOpen_ = false;
            }
            return true;
        }
        if (token.kind != Kind::EndTag)
            return true;
        if (token.name == "noscript")
            headNoscriptOpen_ = false;
        if (token.name == "head") {
            if (headNoscriptOpen_)
                return false;  // ignored inside a noscript
            headInnerEnd_ = token.begin;
            phase_ = Phase::AfterHead;
            return true;
        }
        // These end the head without its end tag; other end tags are ignored there.
        return !isOneOf(token.name, {"body", "html", "br", "template"});
    }

    bool acceptInBody(const MarkupToken& token) {
        // The names that matter here have three letters or more: most tags of a long body
        // (a, p, td, tr, br...) pass at once.
        if (token.name.size() < 3)
            return true;
        if (token.kind == Kind::StartTag) {
            if (needsTree(token.name))
                return false;
            // In a select, raw-text elements other than script and textarea are ignored,
            // so their content is markup after all.
            if (isRawTextElement(token.name) && token.name != "script" &&
                token.name != "textarea" &&
                std::find(open_.begin(), open_.end(), "select") != open_.end())
                return false;
            if (hidesBodyEnd(token.name))
                open_.push_back(token.name);
            return true;
        }
        if (token.kind != Kind::EndTag)
            return true;
        if (token.name == "body") {
            if (!open_.empty())
                return false;
            bodyInnerEnd_ = token.begin;
            phase_ = Phase::AfterBody;
            return true;
        }
        if (token.name == "html" || token.name == "template")
            return false;
        if (hidesBodyEnd(token.name)) {
            if (open_.empty() || open_.back() != token.name)
                return false;
            open_.pop_back();
        }
        return true;
    }

    std::string_view html_;
    size_t textFrom_ = 0;  // where the text before the next token starts
    Phase phase_ = Phase::BeforeHead;
    bool htmlSeen_ = false;
    bool headNoscriptOpen_ = false;
    std::vector<std::string> open_;  // open elements that would hide </body>
    size_t headInnerBegin_ = 0, headInnerEnd_ = 0, bodyInnerBegin_ = 0, bodyInnerEnd_ = 0;
    size_t bodyTagBegin_ = 0;
};

}  // namespace

bool scanPageSkeleton(std::string_view html, PageSkeleton& skeleton) {
    return SkeletonScan(html).run(skeleton);
}

PageSkeleton findPageSkeleton(std::string_view html) {
    PageSkeleton skeleton;
    if (scanPageSkeleton(html, skeleton))
        return skeleton;
    return findPageSkeletonWithGumbo(html);
}

}  // namespace norvel::host

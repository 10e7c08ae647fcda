// One gumbo parse, its tree alive as long as this object. All its memory comes from one
// arena freed at once: gumbo 0.10.1 loses some strings of tokens it ignores (a doctype in the
// head's noscript...), and a tree of many small allocations is built and dropped faster so.
#pragma once

#include <gumbo.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace norvel::host {

class GumboParse {
  public:
    // Parses `text` (UTF-8; see gumbo_input.h) as a document, or as the content of
    // `fragmentContext` (GUMBO_TAG_BODY...) when given.
    explicit GumboParse(std::string text, GumboTag fragmentContext = GUMBO_TAG_LAST);
    GumboParse(const GumboParse&) = delete;
    GumboParse& operator=(const GumboParse&) = delete;

    // The <html> element.
    const GumboNode* root() const { return output_->root; }
    const GumboNode* document() const { return output_->document; }

  private:
    class Arena {
      public:
        void* allocate(size_t size);

      private:
        std::vector<std::unique_ptr<std::byte[]>> blocks_;
        std::byte* next_ = nullptr;
        size_t left_ = 0;
    };

    std::string text_;  // gumbo points into it: it must outlive the tree
    Arena arena_;
    GumboOutput* output_ = nullptr;
};

}  // namespace norvel::host

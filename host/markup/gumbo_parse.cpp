#include "host/markup/gumbo_parse.h"

namespace norvel::host {
namespace {

constexpr size_t kBlockSize = 64 * 1024;
constexpr size_t kAlignment = alignof(std::max_align_t);

}  // namespace

void* GumboParse::Arena::allocate(size_t size) {
    size = (size + kAlignment - 1) / kAlignment * kAlignment;
    if (size > kBlockSize / 4) {  // a large buffer gets a block of its own
        blocks_.push_back(std::make_unique<std::byte[]>(size));
        return blocks_.back().get();
    }
    if (size > left_) {
        blocks_.push_back(std::make_unique<std::byte[]>(kBlockSize));
        next_ = blocks_.back().get();
        left_ = kBlockSize;
    }
    void* result = next_;
    next_ += size;
    left_ -= size;
    return result;
}

GumboParse::GumboParse(std::string text, GumboTag fragmentContext) : text_(std::move(text)) {
    GumboOptions options = kGumboDefaultOptions;
    options.userdata = &arena_;
    options.allocator = [](void* arena, size_t size) {
        return static_cast<Arena*>(arena)->allocate(size);
    };
    options.deallocator = [](void*, void*) {};  // all goes with the arena
    options.max_errors = 0;                     // nobody reads them
    options.fragment_context = fragmentContext;
    output_ = gumbo_parse_with_options(&options, text_.data(), text_.size());
}

}  // namespace norvel::host

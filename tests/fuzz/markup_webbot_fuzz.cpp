// Webbot blocks in any bytes, and any bytes as an attribute value: written by the one
// encoder, read back exactly by the block reader.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/webbot_attribute.h"
#include "host/markup/webbot_block.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace norvel::host;
    using norvel::fuzz::check;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    size_t previousEnd = 0;
    for (const WebbotBlock& block : findWebbotBlocks(bytes)) {
        check(previousEnd <= block.begin, "blocks in order, not overlapping");
        check(block.begin < block.bodyBegin && block.bodyBegin <= block.bodyEnd &&
                  block.bodyEnd < block.end && block.end <= bytes.size(),
              "block ranges");
        previousEnd = block.end;
    }
    // Any value written into a block reads back exactly, and none can end its comment.
    std::string written = norvel::common::encodeWebbotAttributeValue(bytes);
    check(written.find('"') == std::string::npos && written.find("-->") == std::string::npos &&
              written.find("--!>") == std::string::npos,
          "an encoded value holds no quote and no comment end");
    check(norvel::common::decodeWebbotAttributeValue(written) == bytes, "decode undoes encode");
    std::string html =
        "<!--webbot bot=\"b\" v=\"" + written + "\" startspan -->x<!--webbot bot=\"b\" endspan -->";
    auto blocks = findWebbotBlocks(html);
    check(blocks.size() == 1, "a block with any value is found");
    check(blocks[0].attributes.size() == 1 && blocks[0].attributes[0].second == bytes,
          "the value reads back");
    return 0;
}

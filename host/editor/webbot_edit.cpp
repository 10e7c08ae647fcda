// The editor's side of a double-click on a webbot block: hand the block's attributes to its
// component, let it edit them, and write the block back when it says it changed.
#include "common/ascii_text.h"
#include "common/error.h"
#include "common/ui.h"
#include "host/components/component_registry.h"
#include "host/editor/editor_app.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/editor/webbot_rebuild.h"
#include "host/markup/webbot_block.h"

namespace norvel::host {

using common::Error;
namespace errnum = common::errnum;

void EditorApp::editBlock(int number) {
    auto window = activeWindow();
    if (!window)
        throw Error(errnum::kObjectNotSet, "norvel", "No page is open");
    HostDocument& document = window->document();
    std::string html = document.DocumentHTML();
    std::vector<WebbotBlock> blocks = findWebbotBlocks(html);
    if (number < 1 || static_cast<size_t>(number) > blocks.size())
        throw Error(errnum::kSubscriptOutOfRange, "norvel",
                    "The page has " + std::to_string(blocks.size()) + " webbot block(s), not " +
                        std::to_string(number));
    const WebbotBlock original = blocks[static_cast<size_t>(number - 1)];
    std::string sClass;
    for (const auto& [name, value] : original.attributes)
        if (common::equalsIgnoreCase(name, "s-class"))
            sClass = value;

    auto dictBot = std::make_shared<common::StringDictionary>(blockAttributesForComponent(
        original.attributes,
        html.substr(original.bodyBegin, original.bodyEnd - original.bodyBegin)));
    std::vector<std::string> givenKeys = dictBot->keys();

    bool changed = false;
    try {
        auto component = components_.createObject(sClass);
        common::Dispatch::Arguments load{
            common::Variant(dictBot), common::Variant(std::make_shared<common::StringDictionary>()),
            common::Variant(std::make_shared<common::StringDictionary>())};
        component->call("Load", load);
        changed = component->call("Edit").toBool();
    } catch (const Error& e) {
        ui_.msgBox(
            "The component of this webbot block (" + sClass + ") failed:\r\n" + e.description(),
            common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Critical, "Webbot");
        return;
    }
    if (!changed)
        return;

    // The component may have changed the page meanwhile: find the block again where it was.
    std::string current = document.DocumentHTML();
    std::vector<WebbotBlock> now = findWebbotBlocks(current);
    const WebbotBlock* target = nullptr;
    for (const auto& block : now)
        if (current.compare(block.begin, block.end - block.begin, html, original.begin,
                            original.end - original.begin) == 0) {
            target = &block;
            break;
        }
    if (target == nullptr)
        throw Error(errnum::kInternal, "norvel",
                    "The edited webbot block is no longer in the page");
    document.replaceDecodedRange(target->begin, target->end,
                                 rebuildWebbotBlock(original.bot, sClass, *dictBot, givenKeys));
}

}  // namespace norvel::host

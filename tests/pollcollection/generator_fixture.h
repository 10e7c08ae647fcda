// A poll generator over a temporary web with index.htm open, the real poll templates, and the
// form values the poll editor would have filled for a new poll.
#pragma once

#include <memory>
#include <string>

#include "common/editor/document.h"
#include "pollcollection/cls_p.h"
#include "tests/pollcollection/poll_web_fixture.h"
#include "tests/templates/poll/php_poll_web.h"

namespace norvel::poll {

inline constexpr const char* kFirstPoll = "Which colour?||Red||0||Green||0";

class PollGeneratorFixture : public PollWebFixture {
  protected:
    // A generator for a new poll in "phppollx" (admin and history on, a password).
    std::shared_ptr<clsP> newPoll(const std::string& tValue = "P2") {
        auto generator = std::make_shared<clsP>(runtime(), NORVEL_POLL_TEMPLATE_FOLDER);
        fillPaneAttributes(*generator->AddinDic);
        generator->AddinDic->set("dir", tests::kPollFolder);
        generator->AddinDic->set("T", tValue);
        tests::PollSetup setup;
        setup.qa = kFirstPoll;
        *generator->FormDic = tests::pollFormValues(setup);
        // A new poll has no history yet and its hashes are the generator's to make.
        generator->FormDic->remove("txthistory");
        generator->FormDic->remove("phppasswordhash");
        generator->FormDic->remove("asppasswordhash");
        generator->FormDic->set("vw", "300");
        return generator;
    }

    // A generator for editing the poll in "phppollx" as the editor sets it up: the block's
    // attributes, the data read back from the poll folder, an empty password box.
    std::shared_ptr<clsP> editPoll(const std::string& qa) {
        auto generator = newPoll();
        generator->realcom = true;
        generator->AddinDic = blockAttributes;
        // The editor takes the signal of the previous edit away once it has rebuilt the block.
        if (blockAttributes->exists("_EDIT_OK"))
            blockAttributes->remove("_EDIT_OK");
        generator->FormDic->set("qa", qa);
        generator->FormDic->set("password", "");
        if (webEntryExists("phppollx/votes.htm"))
            generator->FormDic->set("pvotes", readWebFile("phppollx/votes.htm"));
        if (webEntryExists("phppollx/history.htm"))
            generator->FormDic->set("txthistory", readWebFile("phppollx/history.htm"));
        return generator;
    }

    // Generates the first poll on index.htm and keeps its attributes for later edits.
    void generateFirstPoll() {
        openNewPage("index.htm");
        auto generator = newPoll();
        generator->RunPHP("htm");
        blockAttributes = generator->AddinDic;
    }

    std::string pageHtml() { return app->activeWindow()->GetDocument()->DocumentHTML(); }

    static void fillPaneAttributes(common::StringDictionary& attributes) {
        attributes.set("thanks", "Thank you");
        attributes.set("but", "Vote");
        attributes.set("link", "Results");
        attributes.set("av", "1");
        attributes.set("c", "30");
        attributes.set("vw", "300");
        attributes.set("rw", "400");
    }

    static size_t occurrences(const std::string& text, const std::string& part) {
        size_t count = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++count;
        return count;
    }

    common::DictionaryPtr blockAttributes;
};

}  // namespace norvel::poll

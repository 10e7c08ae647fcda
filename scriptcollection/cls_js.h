// The insertion engine every script feature ends in: the feature's functions into the page
// head (inline, or as a file of the web's "scripts_nv" folder), its page fragment filled from
// the dialog's values, and the result pasted at the selection or handed back for an edit.
#pragma once

#include <filesystem>
#include <string>

#include "common/runtime.h"
#include "common/variant.h"

namespace norvel::script {

class clsJS {
  public:
    // `templateFolder` holds one folder per feature with "<name>.js" and "body.js".
    clsJS(const common::Runtime& runtime, std::filesystem::path templateFolder);

    common::DictionaryPtr AddinDic;  // the block's attributes
    common::DictionaryPtr FormDic;   // placeholder values of the page fragment
    bool realcom = false;            // editing an existing block: nothing is pasted
    bool BotStr = true;              // paste inside a webbot block
    std::string UpperCode;           // pasted before the block
    std::string LowerCode;           // pasted after it
    bool ScriptStr = true;           // wrap the fragment in a script element

    // Inserts the feature `ScriptName` ("slide_nv", ...).
    void Run(const std::string& ScriptName);
    // The attribute, or empty when absent.
    std::string Value(const std::string& strID) const;

    // Adds the feature's functions to the page head unless they are there already.
    void scriptHead(const std::string& name);
    // Whether the head already names the feature ("name" in double quotes, any case).
    bool scriptFound(const std::string& name);
    // "../" for every folder between the page and the web's root; empty (after a message)
    // when the page is not in the web.
    std::string PathToWebRoot();
    // Imports the functions file into "scripts_nv" unless a file of that name is there.
    bool CopyScriptFile(const std::string& name);
    // The first prefix + number, counting up from `number`, that the page body does not hold.
    std::string UniqueName(const std::string& prefix, int& number);

    const common::Runtime& runtime() const { return runtime_; }

  private:
    std::filesystem::path functionsFile(const std::string& name) const;
    std::filesystem::path bodyFile(const std::string& name) const;
    std::string headScriptTag(const std::string& name);

    common::Runtime runtime_;
    std::filesystem::path templateFolder_;
};

}  // namespace norvel::script

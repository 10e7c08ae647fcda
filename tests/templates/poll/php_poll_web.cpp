#include "tests/templates/poll/php_poll_web.h"

#include <fstream>
#include <stdexcept>

#include "common/password_hash.h"
#include "common/script_literal.h"
#include "common/template_substitution.h"
#include "tests/templates/poll/poll_template_catalogue.h"

namespace norvel::tests {

namespace {

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string styleRule(const std::string& className, const std::string& color,
                      const std::string& align) {
    return "." + className +
           "{\r\nfont-family :arial, helvetica, monaco, sans-serif;\r\nfont-size :13px;\r\n"
           "font-weight :Normal;\r\nfont-style :Normal;\r\ncolor :#" +
           color + ";\r\ntext-align :" + align + ";\r\n}";
}

}  // namespace

common::StringDictionary pollFormValues(const PollSetup& setup) {
    common::StringDictionary values;
    std::string answers = setup.qa.substr(setup.qa.find("||") + 2);
    values.set("answers", answers);
    values.set("question", setup.qa.substr(0, setup.qa.find("||")));
    values.set("qa", setup.qa);
    values.set("thankyou", "Thanks for voting <3 & come back! \\o/ {$x}");
    values.set("buttonlabel", "Vote \"now\"");
    values.set("link", "See results");
    values.set("return", setup.returnFlag);
    values.set("target", setup.target);
    values.set("c", setup.cookieDays);
    values.set("password", setup.password);
    values.set("admin", "1");
    values.set("history", "1");
    values.set("vw", "200");
    values.set("rw", "400");
    values.set("rw2", "200");
    values.set("qbc", "CCDDEE");
    values.set("abc", "FFFFCC");
    values.set("bc", "003366");
    values.set("bs", "1");
    values.set("cp", "3");
    values.set("wpic2", "70");
    values.set("wpic", "140");
    values.set("questionx", styleRule("questionx", "003366", "Center"));
    values.set("responsex", styleRule("responsex", "000000", "Left"));
    values.set("votebuttonx", styleRule("votebuttonx", "FFFFFF", "Center"));
    values.set("dir", kPollFolder);
    values.set("txthistory", setup.txthistory);
    common::setPasswordHashes(values);
    return values;
}

void writePhpPollWeb(const std::filesystem::path& webRoot, const common::StringDictionary& values) {
    std::filesystem::path source = pollTemplateFolder() / "PHP";
    std::filesystem::path pollFolder = webRoot / kPollFolder;
    for (const PollFile& file : pollFiles(PollKind::php)) {
        std::string text = readTextFile(source / file.path);
        if (file.filled) {
            // As the generator does: a script gets every value as a literal of its language.
            common::StringDictionary fileValues = values;
            common::quoteValuesForScript(fileValues, common::scriptLanguageOf(file.path));
            common::SubstitutionOutcome outcome = common::fillPlaceholders(fileValues, text);
            if (!outcome.complete)
                throw std::runtime_error(file.path + " names the missing key " +
                                         outcome.missingName);
        }
        writeFile(pollFolder / file.path, text);
    }
    std::string dir = values.value("dir");
    writeFile(webRoot / "index.htm",
              "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Static page</title>"
              "</head>\n<body>\n<h1>A static page</h1>\n<script type=\"text/javascript\" src=\"" +
                  dir + "/vote_js.php\"></script>\n</body></html>\n");
    writeFile(webRoot / "page.php",
              "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>PHP page</title>"
              "</head>\n<body>\n<h1>A PHP page</h1>\n<? include(\"" +
                  dir + "/vote.php\"); ?>\n<p>After the poll</p>\n</body></html>\n");
}

}  // namespace norvel::tests

// What the tests know about the poll templates, in one place: the form keys a template may
// name, and the files the generator writes for each kind of poll and for the previews.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace norvel::tests {

// templates/poll of the source tree.
std::filesystem::path pollTemplateFolder();

// Every key the editor panes and the generator put into the form values of a poll.
const std::set<std::string>& knownFormKeys();

// The keys the preview controls add for the preview templates.
const std::set<std::string>& previewFormKeys();

enum class PollKind { php, asp };

struct PollFile {
    std::string path;  // relative to the kind's template folder: "vote.php", "admin/home.php"
    bool filled;       // placeholders filled from the form values, or copied byte for byte
};

// "PHP" or "asp": the template folder of the kind.
std::string templateFolderName(PollKind kind);

// The files the generator writes, with its fill flags.
std::vector<PollFile> pollFiles(PollKind kind);

// The preview templates of templates/poll/html.
std::vector<PollFile> previewFiles();

// The names of the placeholders of `text`, in order, found by the substitution's own routine.
std::vector<std::string> placeholdersIn(std::string text);

std::string readTextFile(const std::filesystem::path& path);

}  // namespace norvel::tests

// Texts a person could type into the poll editor, or write into a webbot attribute by hand,
// that end a naively quoted string in PHP or ASP source: string terminators, script markers,
// escapes, line breaks, non-ASCII letters, and template placeholders.
#pragma once

#include <string>
#include <vector>

namespace norvel::tests {

// The name of the file a text would create if its code ran ("touch(...)" below).
inline constexpr const char* kCodeRanMarker = "code-ran";

inline std::vector<std::string> hostileTexts() {
    return {
        "NORVEL_POLL_VALUE",
        // Ends the old nowdoc and goes on with code that creates a file on every page view.
        "x\nNORVEL_POLL_VALUE,\n    'link' => 'x' . (string) touch(__DIR__ . '/code-ran'),\n"
        "    'y' => <<<'NORVEL_POLL_VALUE'\ny",
        "  NORVEL_POLL_VALUE;\n",
        "\tNORVEL_POLL_VALUE\r\n",
        "?> <?php touch(__DIR__.'/code-ran'); ?> <?= 1 ?>",
        "'; touch(__DIR__.'/code-ran'); $x = '",
        "\\'.touch(__DIR__.'/code-ran').'",
        "\"{$x} ${x} $x \\\\ \\n \\x41 \\",
        "line one\r\nline two\nline three\rend\ttab",
        "Gr\xC3\xBC\xC3\x9F"
        "e \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80 \xE2\x80\x99",
        "</script><script>document.title='x'</script><!-- -->",
        "<*thankyou*> <*nosuchkey*> <* link *>",
        "%> <% Response.Write \"x\" %> <!--#include file=\"../global.asa\"--> <% End Sub %>",
        "\" & CreateObject(\"WScript.Shell\").Run(\"x\") & \"",
        "\"\"\" ' REM x : End Function",
        "\x01\x02\x1b\x7f",
        "",
        " ",
        "\\",
        "'",
    };
}

}  // namespace norvel::tests

#!/usr/bin/env bash
# A folder where a file is expected, at every edge of the command: a page, a session script,
# the settings, the registry and the add-in list. Each is told in a clear message; the command
# ends with status 1 (or, for a setting or add-in it can do without, goes on), never with an
# abort. usage: folder_as_file.sh NORVEL ADDIN-LIBRARY
set -uo pipefail
norvel="$1"
addin="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# expect_refusal WHAT STATUS STDERR-FILE
expect_refusal() {
    if [ "$2" -ne 1 ]; then
        echo "FAIL: $1: exit status $2, expected 1" >&2
        failures=$((failures + 1))
    elif ! grep -q "norvel" "$3" || ! grep -qi "folder\|not a file" "$3"; then
        echo "FAIL: $1: no clear message:" >&2
        cat "$3" >&2
        failures=$((failures + 1))
    fi
}

mkdir -p "$work/web" "$work/config" "$work/a-folder.htm" "$work/a-folder.nvs"
printf 'web web\nopen index.htm\nclose\n' >"$work/session.nvs"
printf '<html><body><p>x</p></body></html>' >"$work/web/index.htm"
export NORVEL_CONFIG_HOME="$work/config"

"$norvel" blocks "$work/a-folder.htm" 2>"$work/err"
expect_refusal "blocks FOLDER" $? "$work/err"

"$norvel" run "$work/a-folder.nvs" 2>"$work/err"
expect_refusal "run FOLDER" $? "$work/err"

# With the add-in registered, each file of the configuration in turn is a folder.
printf 'web web\nstart\nopen index.htm\nclose\n' >"$work/start.nvs"
for file in settings.ini components.ini addins.ini; do
    rm -rf "$work/config" && mkdir -p "$work/config"
    "$norvel" register "$addin" >/dev/null || { echo "FAIL: register" >&2; exit 1; }
    rm -f "$work/config/$file" && mkdir -p "$work/config/$file"
    (cd "$work" && "$norvel" run start.nvs) >"$work/out" 2>"$work/err"
    status=$?
    if [ "$status" -gt 1 ]; then
        echo "FAIL: run with $file a folder: exit status $status" >&2
        failures=$((failures + 1))
    elif ! cat "$work/out" "$work/err" | grep -q "$file.*\(folder, not a file\|is not a file\)"; then
        echo "FAIL: run with $file a folder: not told" >&2
        cat "$work/out" "$work/err" >&2
        failures=$((failures + 1))
    fi
done

# A page of the web that is a folder is refused by the session, not by an abort.
rm -rf "$work/config" && mkdir -p "$work/config" "$work/web/folder.htm"
printf 'web web\nopen folder.htm\n' >"$work/page.nvs"
(cd "$work" && "$norvel" run page.nvs) >/dev/null 2>"$work/err"
status=$?
if [ "$status" -ne 1 ]; then
    echo "FAIL: open FOLDER.htm: exit status $status" >&2
    cat "$work/err" >&2
    failures=$((failures + 1))
fi
exit $((failures > 0))

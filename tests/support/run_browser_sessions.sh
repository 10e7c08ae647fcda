#!/usr/bin/env bash
# Makes pages with the real editor stand-in and the suite's libraries, then checks them in
# Debian's headless Chromium. FOLDER holds sessions/*.nvs, played in name order by the session
# driver (each checked against its transcript) on one copy of FOLDER/web, and the node tests
# *.test.mjs, which find the pages in $NORVEL_GENERATED_WEB and use the helpers and node
# modules of tests/templates/scripts. Exit status 77 (skipped) when Chromium or the modules
# are missing.
# usage: run_browser_sessions.sh FOLDER NORVEL LIBRARY...
set -euo pipefail
folder="$(cd "$1" && pwd)"; norvel="$2"; shift 2

support="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
modules="$support/../templates/scripts/node_modules"
if [ ! -x /usr/bin/chromium ] || [ ! -f "$modules/playwright-core/package.json" ]; then
    echo "run_browser_sessions.sh: needs /usr/bin/chromium and $modules (scripts/install-deps.sh installs them)" >&2
    exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
web="$folder/web"
for script in "$folder"/sessions/*.nvs; do
    "$support/run_session.sh" --keep-web "$work/web" "$norvel" "$web" "$script" "$@"
    web="$work/web.next"
    rm -rf "$web"
    cp -r "$work/web" "$web"
done

export NORVEL_GENERATED_WEB="$work/web"
cd "$folder"
node --test ./*.test.mjs

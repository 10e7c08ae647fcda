#!/usr/bin/env bash
# Generates pages with the real editor stand-in and the suite's libraries (sessions/*.nvs,
# played by the session driver on a copy of web/ and checked against their transcripts), then
# checks them in Debian's headless Chromium with the helpers and node modules of
# tests/browser. Exit status 77 (skipped) when Chromium or the modules are missing.
# usage: run.sh NORVEL LIBRARY...
set -euo pipefail
norvel="$1"; shift

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
shared="$here/../../browser"
if [ ! -x /usr/bin/chromium ] || [ ! -f "$shared/node_modules/playwright-core/package.json" ]; then
    echo "run.sh: needs /usr/bin/chromium and $shared/node_modules (scripts/install-deps.sh installs them)" >&2
    exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
web="$here/web"
for script in "$here"/sessions/*.nvs; do
    "$here/../../support/run_session.sh" --keep-web "$work/web" "$norvel" "$web" "$script" "$@"
    web="$work/web.next"
    rm -rf "$web"
    cp -r "$work/web" "$web"
done

export NORVEL_GENERATED_WEB="$work/web"
cd "$here"
node --test ./*.test.mjs

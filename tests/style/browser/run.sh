#!/usr/bin/env bash
# Colours pages with the real editor stand-in and the style collection (sessions/*.nvs on
# a copy of web/), then checks them in Debian's headless Chromium with the helpers and node
# modules of tests/browser. Exit status 77 (skipped) when Chromium or the modules are missing.
# usage: run.sh NORVEL LIBRARY...
set -euo pipefail
norvel="$1"; shift

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
shared="$here/../../browser"
if [ ! -x /usr/bin/chromium ] || [ ! -f "$shared/node_modules/playwright-core/package.json" ]; then
    echo "run.sh: needs /usr/bin/chromium and $shared/node_modules (tests/browser/run.sh installs them)" >&2
    exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export NORVEL_CONFIG_HOME="$work/config"
mkdir -p "$NORVEL_CONFIG_HOME"
"$norvel" register "$@" >/dev/null
cp -r "$here/web" "$work/web"
for script in "$here"/sessions/*.nvs; do
    (cd "$here/sessions" && "$norvel" run --web "$work/web" "$(basename "$script")") >"$work/transcript" ||
        { cat "$work/transcript"; exit 1; }
done

export NORVEL_GENERATED_WEB="$work/web"
cd "$here"
node --test ./*.test.mjs

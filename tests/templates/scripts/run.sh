#!/usr/bin/env bash
# Runs the browser tests of the script templates in Debian's headless Chromium. Exit status 77
# (skipped) when Chromium or the locked npm dependency (playwright-core, installed by
# scripts/install-deps.sh) is missing.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

if [ ! -x /usr/bin/chromium ] || [ ! -f node_modules/playwright-core/package.json ]; then
    echo "run.sh: needs /usr/bin/chromium and node_modules (scripts/install-deps.sh installs them)" >&2
    exit 77
fi

exec node --test ./*.test.mjs

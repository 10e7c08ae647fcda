#!/usr/bin/env bash
# Runs the browser tests of the script templates in Debian's headless Chromium.
# Installs the locked npm dependency (playwright-core, no browser download) when missing.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

if [ ! -x /usr/bin/chromium ]; then
    echo "run.sh: /usr/bin/chromium is missing; install it with: apt-get install -y chromium" >&2
    exit 1
fi

if [ ! -f node_modules/playwright-core/package.json ]; then
    PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund
fi

exec node --test ./*.test.mjs

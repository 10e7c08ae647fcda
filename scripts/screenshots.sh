#!/usr/bin/env bash
# Takes the README's pictures of norvel-studio on a real X server (Xvfb) into
# docs/screenshots/. Needs a build (scripts/build.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NORVEL_BUILD_DIR:-$root/build}"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/bin/norvel-studio-screenshots" "$root/docs/screenshots"

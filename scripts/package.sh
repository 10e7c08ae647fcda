#!/usr/bin/env bash
# Builds the Debian package norvel_VERSION_ARCH.deb into build/ (or $NORVEL_BUILD_DIR):
# installs what is missing, builds, and runs CPack. Install it with
#   sudo apt-get install ./build/norvel_VERSION_ARCH.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
build="${NORVEL_BUILD_DIR:-$root/build}"
(cd "$build" && cpack -G DEB)
ls "$build"/norvel_*.deb

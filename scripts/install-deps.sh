#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages the build and the tests need and that are
# missing. Safe to run again: it installs nothing when everything is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev libgumbo-dev libcrypt-dev
  php-cli nodejs npm chromium
  qt6-base-dev qt6-webengine-dev fonts-dejavu-core fonts-liberation xvfb xauth time
  desktop-file-utils appstream man-db bash-completion dpkg-dev lintian
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
# The machine image may bring Node.js from another source; then npm comes with it.
if command -v node >/dev/null && command -v npm >/dev/null; then
  filtered=()
  for package in "${missing[@]}"; do
    [[ "$package" == nodejs || "$package" == npm ]] || filtered+=("$package")
  done
  missing=("${filtered[@]+"${filtered[@]}"}")
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser tests drive Debian's Chromium with playwright-core from the npm registry.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ ! -d "$root/tests/templates/scripts/node_modules/playwright-core" ]; then
  (cd "$root/tests/templates/scripts" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
fi

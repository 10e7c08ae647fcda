#!/usr/bin/env bash
# Renders the studio's icon (packaging/icons/norvel-studio.svg) into the PNG sizes of the
# hicolor theme, packaging/icons/SIZE/norvel-studio.png. Run it after changing the drawing;
# the PNG files are kept in the repository so that a build needs no renderer.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
icons="$root/packaging/icons"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "$icons/$size"
  rsvg-convert --width "$size" --height "$size" --output "$icons/$size/norvel-studio.png" \
    "$icons/norvel-studio.svg"
done

#!/usr/bin/env bash
# The main job: installs what is missing, builds, registers the suite in a demo settings
# folder, and plays the demo session on a copy of the bundled sample web.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
build="${NORVEL_BUILD_DIR:-$root/build}"

demo="$build/demo"
rm -rf "$demo"
mkdir -p "$demo/config"
cp -r "$root/samples/web" "$demo/web"
export NORVEL_CONFIG_HOME="$demo/config"

"$build/bin/norvel" register
echo "--- session transcript ($root/samples/demo.nvs) ---"
"$build/bin/norvel" run --web "$demo/web" "$root/samples/demo.nvs"
echo "--- the web after the session: $demo/web ---"
(cd "$demo/web" && find . -type f | sort)

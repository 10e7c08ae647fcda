#!/usr/bin/env bash
# How long norvel-studio takes from launch to a shown window on the sample web: the whole
# process, timed from outside, RUNS times (default 10) after one warm-up run that also
# registers the suite in a scratch settings folder. Goal: under 2 seconds.
#   bench/studio_startup.sh [--xvfb] [RUNS]
# --xvfb runs each start on a real X server (Xvfb) instead of Qt's offscreen platform.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NORVEL_BUILD_DIR:-$root/build}"
xvfb=false
if [ "${1:-}" = "--xvfb" ]; then xvfb=true; shift; fi
runs="${1:-10}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp -r "$root/samples/web" "$scratch/web"
mkdir "$scratch/config"
export NORVEL_CONFIG_HOME="$scratch/config"

if $xvfb; then
  # One X server for all runs, so that its own start is not counted.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$scratch/display" 2>/dev/null &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$scratch"' EXIT
  while [ ! -s "$scratch/display" ]; do sleep 0.1; done
  export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb
else
  export QT_QPA_PLATFORM=offscreen
fi

start_once() {
  "$build/bin/norvel-studio" --exit-when-ready "$scratch/web"
}

start_once >/dev/null 2>&1
times=()
for ((i = 0; i < runs; i++)); do
  begin=$(date +%s%N)
  start_once >/dev/null 2>&1
  end=$(date +%s%N)
  times+=($(((end - begin) / 1000000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "norvel-studio start on the sample web, $runs runs ($($xvfb && echo Xvfb || echo offscreen)):"
echo "  min ${sorted[0]} ms, median ${sorted[$((runs / 2))]} ms, max ${sorted[$((runs - 1))]} ms"

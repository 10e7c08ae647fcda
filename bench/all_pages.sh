#!/usr/bin/env bash
# "All Pages" of the scroll-bar style editor on a web of PAGES small root pages (default 5000),
# against `sed -i` giving the same pages a similar head edit, in the same run: each RUNS times
# (default 5) on a fresh copy of the web, alternating. Prints the median of each and their
# ratio. Goal: All Pages within 3x of sed.
#   bench/all_pages.sh [PAGES] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NORVEL_BUILD_DIR:-$root/build}"
pages="${1:-5000}"
runs="${2:-5}"
norvel="$build/bin/norvel"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export NORVEL_CONFIG_HOME="$scratch/config"
mkdir -p "$NORVEL_CONFIG_HOME" "$scratch/pristine"
"$norvel" register "$build/lib/libnorvelfp.so" "$build/lib/libnorvelsc.so" >/dev/null

# Small pages as an editor writes them, each a little different.
awk -v n="$pages" -v dir="$scratch/pristine" 'BEGIN {
  for (i = 0; i < n; i++) {
    f = dir "/page" i ".htm"
    printf "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>Page %d</title>\r\n</head>\r\n<body>\r\n<h1>Page %d</h1>\r\n<p>Some text of page %d, as a small page has.</p>\r\n</body>\r\n</html>\r\n", i, i, i > f
    close(f)
  }
}'
cat >"$scratch/all.nvs" <<'SCRIPT'
web web
open page0.htm
menu Norvel Style "Scrollbar color"
click OpLocAll
set HexColor1.txtColor ff0000
set HexColor5.txtColor 00ff00
set HexColor6.txtColor 000080
click cmdOK
close
SCRIPT
block='<style>\r\nbody {scrollbar-base-color: #ff0000;scrollbar-face-color: #00ff00;scrollbar-track-color: #000080; }\r\nhtml {scrollbar-color: #00ff00 #000080;}\r\n</style>'

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }
fresh() { rm -rf "$scratch/web"; cp -r "$scratch/pristine" "$scratch/web"; sync; }

norvel_times=()
sed_times=()
for ((run = 0; run < runs; run++)); do
  fresh
  start=$(now)
  (cd "$scratch" && "$norvel" run --web "$scratch/web" all.nvs >/dev/null)
  norvel_times+=("$(elapsed "$start")")
  grep -qi 'scrollbar-color: #00ff00 #000080' "$scratch/web/page$((pages - 1)).htm" ||
    { echo "All Pages did not reach the last page" >&2; exit 1; }

  fresh
  start=$(now)
  (cd "$scratch/web" && find . -maxdepth 1 -name '*.htm' -exec sed -i "s|</head>|$block</head>|" {} +)
  sed_times+=("$(elapsed "$start")")
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
n=$(median "${norvel_times[@]}")
s=$(median "${sed_times[@]}")
echo "pages: $pages, runs: $runs"
echo "All Pages (norvel run, whole process): median ${n}s  (${norvel_times[*]})"
echo "sed -i (one process for all pages):    median ${s}s  (${sed_times[*]})"
awk -v n="$n" -v s="$s" 'BEGIN { printf "ratio: %.2f\n", n / s }'

#!/usr/bin/env bash
# What opening a big page costs in norvel-studio, beside what headless Chromium needs to load
# the same file, in one run. Pages of 1, 2 and 10 MB full of ids, headings, lists, tables,
# links and pictures are made in a scratch web; each is opened with
#   norvel-studio --exit-when-ready --view=VIEW WEB PAGE
# for the Normal, HTML and Preview views, and loaded with
#   chromium --headless --dump-dom file://PAGE
# The CPU time of each, the browser engines' own processes included, is counted by
# `perf stat -e task-clock` (which follows every child process); without perf, /usr/bin/time
# gives user + system of the children that were waited for, which misses engine processes
# that outlive their parent (both sides then count low). The ratio studio / Chromium should
# stay at or below 1.
#   bench/studio_open.sh [SIZE_MB...]      (default: 1 2 10)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${NORVEL_BUILD_DIR:-$root/build}"
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1 2 10)
chromium="${CHROMIUM:-$(command -v chromium || command -v chromium-browser)}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/web/images" "$scratch/config" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export NORVEL_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
for n in 0 1 2 3 4 5 6 7 8 9; do cp "$root/samples/web/images/logo.gif" "$scratch/web/images/pic$n.gif"; done

# page.htm of about SIZE megabytes.
make_page() {
  awk -v limit="$(($1 * 1024 * 1024))" 'BEGIN {
    out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Archive</title>\n"
    out = out "<style>\nbody { font-family: serif }\n.intro { color: #336 }\n#s1 { color: #900 }\n</style>\n</head>\n<body>\n"
    printf "%s", out; size = length(out)
    for (n = 0; size < limit; n++) {
      unit = "<h2 id=\"s" n "\">Section " n "</h2>\n"
      unit = unit "<p id=\"p" n "\" class=\"intro\">Paragraph " n " tells of the ride along the river, with <a href=\"#s" n "\">a link back</a>, some <b>bold</b> and <i>slanted</i> words.</p>\n"
      unit = unit "<ul id=\"l" n "\"><li id=\"l" n "a\">First item " n "</li><li id=\"l" n "b\">Second item</li><li>Third item</li></ul>\n"
      if (n % 2 == 0)
        unit = unit "<table id=\"t" n "\" border=\"1\"><tr><td id=\"c" n "\">Distance</td><td>" n " km</td></tr><tr><td>Riders</td><td>12</td></tr></table>\n"
      if (n % 5 == 0)
        unit = unit "<p><img id=\"i" n "\" src=\"images/pic" (n % 10) ".gif\" width=\"40\" height=\"30\" alt=\"Picture " n "\"></p>\n"
      printf "%s", unit; size += length(unit)
    }
    printf "</body>\n</html>\n"
  }' >"$scratch/web/page$1.htm"
}

# CPU seconds of a command, its child processes included.
cpu_of() {
  if command -v perf >/dev/null && perf stat -x, -e task-clock true >/dev/null 2>&1; then
    perf stat -x, -e task-clock -o "$scratch/time" "$@" >"$scratch/out" 2>"$scratch/err" || {
      echo "failed: $*" >&2; tail -5 "$scratch/err" >&2; return 1; }
    awk -F, '/task-clock/ { printf "%.2f", $1 / 1000 }' "$scratch/time"
  else
    /usr/bin/time -f "%U %S" -o "$scratch/time" "$@" >"$scratch/out" 2>"$scratch/err" || {
      echo "failed: $*" >&2; tail -5 "$scratch/err" >&2; return 1; }
    awk '{ printf "%.2f", $1 + $2 }' "$scratch/time"
  fi
}

# One start that registers the suite, so that the runs measured do not.
"$build/bin/norvel-studio" --exit-when-ready "$scratch/web" >/dev/null 2>&1 || true

printf "%-8s %-8s %7s %12s %12s %7s\n" page view ids "studio CPU s" "chromium s" ratio
for size in "${sizes[@]}"; do
  make_page "$size"
  page="$scratch/web/page$size.htm"
  ids=$(grep -o ' id="' "$page" | wc -l)
  chrome=$(cpu_of "$chromium" --headless --no-sandbox --disable-gpu --dump-dom "file://$page")
  for view in normal html preview; do
    studio=$(cpu_of "$build/bin/norvel-studio" --exit-when-ready --view=$view "$scratch/web" "page$size.htm")
    drawn=$(grep -o 'in [0-9]* ms' "$scratch/out" || echo "?")
    printf "%-8s %-8s %7s %12s %12s %7s   (%s)\n" "${size} MB" "$view" "$ids" "$studio" "$chrome" \
      "$(awk -v a="$studio" -v b="$chrome" 'BEGIN { printf "%.2f", a / b }')" "drawn $drawn"
  done
done

#!/usr/bin/env bash
# The manual pages: man reads them without a warning, and they name every command and option
# the programs' own help names, the environment variables, the files and the exit status.
# usage: check_manpages.sh SOURCE_DIR NORVEL [NORVEL_STUDIO]
set -uo pipefail
source_dir="$1"; norvel="$2"; studio="${3:-}"
command -v man >/dev/null || { echo "SKIP: man is not installed (Debian package man-db)"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# render PAGE: the page as text, and its warnings in $work/warnings.
render() {
  MANWIDTH=80 man --warnings -E UTF-8 -l "$1" 2>"$work/warnings" >"$work/page"
  if [ -s "$work/warnings" ]; then
    fail "$1: man warns:"
    cat "$work/warnings"
  fi
}

# mentions WHAT...: each WHAT appears in the rendered page.
mentions() {
  local what
  for what in "$@"; do
    grep -qF -- "$what" "$work/page" || fail "$page does not mention $what"
  done
}

page="$source_dir/packaging/man/norvel.1"
render "$page"
mentions "EXIT STATUS" ENVIRONMENT FILES NORVEL_CONFIG_HOME XDG_CONFIG_HOME \
  components.ini addins.ini settings.ini
# Every command and every option that the program's help tells of.
commands=$("$norvel" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || fail "norvel --help lists no commands"
for command in $commands; do
  grep -qE "^ {7}$command( |$)" "$work/page" || fail "$page has no entry for the command $command"
  options=$("$norvel" help "$command" | grep -oE -- '(^|[[ ])--?[a-z][a-z-]*' | tr -d '[ ' | sort -u)
  mentions $options
done
mentions $("$norvel" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)

if [ -n "$studio" ]; then
  page="$source_dir/packaging/man/norvel-studio.1"
  render "$page"
  mentions "EXIT STATUS" ENVIRONMENT FILES NORVEL_CONFIG_HOME XDG_CONFIG_HOME
  mentions $("$studio" --help | grep -oE -- '(^|[[ ])--?[a-z][a-z-]*' | tr -d '[ ' | sort -u)
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures manual page check(s) failed"
  exit 1
fi

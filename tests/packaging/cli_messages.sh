#!/usr/bin/env bash
# Every message of norvel's command line, from the real program: what goes to standard output
# and standard error, and the exit status. Wrong use is one line saying what is wrong, then
# the usage, and status 2; help and version go to standard output with status 0.
# usage: cli_messages.sh NORVEL
set -uo pipefail
norvel="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export NORVEL_CONFIG_HOME="$work/config"
failures=0

# run ARGS...: runs norvel, leaving status, out and err.
run() {
  "$norvel" "$@" >"$work/out" 2>"$work/err"
  status=$?
  out="$(cat "$work/out")"
  err="$(cat "$work/err")"
}

fail() {
  echo "FAIL: norvel $*"
  echo "  status $status"
  sed 's/^/  out: /' "$work/out"
  sed 's/^/  err: /' "$work/err"
  failures=$((failures + 1))
}

# wrong_use FIRST_LINE USAGE_LINE ARGS...: status 2, nothing on standard output, standard
# error is FIRST_LINE, then the usage starting with USAGE_LINE.
wrong_use() {
  local first="$1" usage="$2"
  shift 2
  run "$@"
  if [ "$status" -ne 2 ] || [ -n "$out" ] || [ "$(sed -n 1p "$work/err")" != "$first" ] ||
    [ "$(sed -n 2p "$work/err")" != "$usage" ]; then
    fail "$@"
  fi
}

# told STATUS STREAM PATTERN ARGS...: the exit status, and a line of that stream matching the
# extended regular expression PATTERN; the other stream empty.
told() {
  local expected="$1" stream="$2" pattern="$3"
  shift 3
  run "$@"
  local text="$out" other="$err"
  if [ "$stream" = err ]; then text="$err"; other="$out"; fi
  if [ "$status" -ne "$expected" ] || ! grep -Eq -- "$pattern" <<<"$text" || [ -n "$other" ]; then
    fail "$@"
  fi
}

all_usage="usage: norvel run [--web DIR] SCRIPT"
run_usage="usage: norvel run [--web DIR] SCRIPT"
blocks_usage="usage: norvel blocks PAGE"
help_usage="usage: norvel help [COMMAND]"

# Wrong use.
wrong_use "norvel: no command given" "$all_usage"
wrong_use "norvel: unknown command 'frobnicate'" "$all_usage" frobnicate
wrong_use "norvel: unknown command 'Run' (did you mean 'run'?)" "$all_usage" Run x.nvs
wrong_use "norvel: unknown option '--frobnicate'" "$all_usage" --frobnicate
wrong_use "norvel: unexpected argument 'run'" "$all_usage" --help run
wrong_use "norvel: unexpected argument 'x'" "$all_usage" --version x
wrong_use "norvel run: no session script given" "$run_usage" run
wrong_use "norvel run: one session script expected, unexpected argument 'b.nvs'" "$run_usage" \
  run a.nvs b.nvs
wrong_use "norvel run: option '--web' needs a folder" "$run_usage" run x.nvs --web
wrong_use "norvel run: option '--web' needs a folder" "$run_usage" run --web= x.nvs
wrong_use "norvel run: option '--web' is given twice" "$run_usage" run --web a --web b x.nvs
wrong_use "norvel run: unknown option '--wbe'" "$run_usage" run --wbe dir x.nvs
wrong_use "norvel register: unknown option '--web'" "usage: norvel register [LIBRARY...]" \
  register --web dir
wrong_use "norvel blocks: no page given" "$blocks_usage" blocks
wrong_use "norvel blocks: one page expected, unexpected argument 'b.htm'" "$blocks_usage" \
  blocks a.htm b.htm
wrong_use "norvel help: unknown command 'frobnicate'" "$help_usage" help frobnicate
wrong_use "norvel help: unexpected argument 'blocks'" "$help_usage" help run blocks
# The usage after an error lists every command.
run frobnicate
for synopsis in "norvel run" "norvel register" "norvel blocks" "norvel help" "--version"; do
  grep -q -- "$synopsis" "$work/err" || fail frobnicate "(usage lacks $synopsis)"
done

# Help and version, on standard output.
told 0 out "^usage: norvel run \[--web DIR\] SCRIPT$" --help
told 0 out "^usage: norvel run \[--web DIR\] SCRIPT$" -h
told 0 out "^  register +register the suite's libraries" help
told 0 out "NORVEL_CONFIG_HOME" --help
told 0 out "^norvel [0-9]+\.[0-9]+" --version
told 0 out "^  --web DIR +the web to work on" help run
told 0 out "^  --web DIR +the web to work on" run --help
told 0 out "^usage: norvel blocks PAGE$" blocks -h
told 0 out "^usage: norvel register \[LIBRARY\.\.\.\]$" register --help
# "--" ends the options: --help after it is a script's name.
told 1 err "^norvel: .*--help" run -- --help

# Failures that are no wrong use: status 1 and one line naming what failed.
told 1 err "^norvel: the web folder '$work/nowhere' does not exist$" \
  run --web "$work/nowhere" x.nvs
told 1 err "^norvel: .*$work/missing.htm" blocks "$work/missing.htm"
told 1 err "^norvel: .*$work/missing.so" register "$work/missing.so"
[ ! -e "$NORVEL_CONFIG_HOME/components.ini" ] || fail "register of a missing library wrote the registry"

if [ "$failures" -ne 0 ]; then
  echo "$failures command-line check(s) failed"
  exit 1
fi

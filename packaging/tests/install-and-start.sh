#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, registers it for the whole machine in a temporary
# machine store, and starts the installed program as two new users at once, each with a fresh home
# and nobody at the screen: each must reach the main menu with no question and no message, find
# the installed disc and keep bookmarks and settings in their own home, and nothing under the
# install folder or in the machine store may change.
#   install-and-start.sh BUILD_DIR PREFIX PROGRAM_DIR DISC_DIR BIN_DIR   (the last three relative)
set -euo pipefail
# In a sanitizer build, the tools and the program load the components with dlopen, and the
# undefined-behaviour runtime keeps tables of its own from then on: with full unwinding the leak
# check sees where they come from and passes over them.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
build=$1 prefix=$2 program_rel=$3 disc_rel=$4 bin_rel=$5
work=$(mktemp -d "${TMPDIR:-/tmp}/vantorel-install-check.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dest=$work/dest
DESTDIR=$dest cmake --install "$build" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }
root=$dest$prefix
program=$root/$program_rel
[[ -x $program/pelorin && -L $root/$bin_rel/pelorin ]] || fail "no program or no link to it in $bin_rel"
[[ -f $root/$disc_rel/a.htm ]] || fail "no disc in $disc_rel"
ls "$program"/ActiveX/*.ocx >/dev/null || fail "no component libraries"

export VANTOREL_MACHINE_REGISTRY=$work/etc/vantorel/registry.reg
mkdir -p "$work/etc/vantorel"
"$program/vantorel-install" --machine >"$work/register.log" 2>&1 || { cat "$work/register.log"; fail "vantorel-install --machine"; }
grep -q "\"Directory\"=\"$(cd "$program" && pwd -P)\"" "$VANTOREL_MACHINE_REGISTRY" || fail "no install record"

snapshot() { find "$dest" "$work/etc" -printf '%p %y %s %m %T@\n' | sort; }
before=$(snapshot)

unset VANTOREL_REGISTRY XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
export QT_QPA_PLATFORM=offscreen
start() {  # start USER: the installed program, through its link, as a new user
  mkdir -p "$work/$1"
  HOME=$work/$1 VANTOREL_STARTUP_REPORT=$work/$1.report timeout 90 "$root/$bin_rel/pelorin" >"$work/$1.log" 2>&1
}
start anna & first=$!
start nikos & second=$!
wait $first || { cat "$work/anna.log"; fail "the first user's program ended with $?"; }
wait $second || { cat "$work/nikos.log"; fail "the second user's program ended with $?"; }

for user in anna nikos; do
  report=$work/$user.report
  [[ -f $report ]] || { cat "$work/$user.log"; fail "$user: no start-up report"; }
  expect() { grep -qxF "$1" "$report" || { cat "$report"; fail "$user: expected \"$1\""; }; }
  expect "started 1"
  expect "screen 0"
  expect "visible 1"
  expect "outside-install-folder 0"
  expect "data-folder $(cd "$root/$disc_rel" && pwd -P)/"
  expect "bookmark-file $work/$user/.local/share/vantorel/bookmark.dat"
  if grep -E '^(message|locator) ' "$report"; then fail "$user: asked or told something"; fi
  [[ -s $report.png ]] || fail "$user: no picture of the window"
  # What the program wrote at the end went into the user's own store.
  grep -q '"Splitter"=dword:' "$work/$user/.config/vantorel/registry.reg" || fail "$user: placement not saved"
done

after=$(snapshot)
[[ "$before" == "$after" ]] || { diff <(echo "$before") <(echo "$after") >&2; fail "the install tree or the machine store changed"; }
echo "installed, registered for the machine, and started twice: main menu, nothing asked"

#!/usr/bin/env bash
# Checks that a change to the engine (or to our HTML 3.2 elements) changes no layout: builds the
# layout dump from the commit REV (default HEAD) and from the working tree, runs both over every
# page of the built sample disc, a 500 kB page and the pages here, under our style sheet alone, with
# test-sheet.css and with its rules that look at siblings left out, and compares what they write
# byte for byte.
#   third_party/litehtml/check/compare.sh DISC_DIR [REV]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../../.." && pwd)
disc=$(cd "${1:?usage: compare.sh DISC_DIR [REV]}" && pwd)
rev=${2:-HEAD}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/old"
git -C "$top" archive "$rev" third_party/litehtml platform/browser | tar -x -C "$work/old"
for side in old new; do
  root="$work/old"
  [[ $side == new ]] && root="$top"
  cmake -S "$here" -B "$work/build-$side" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLITEHTML_DIR="$root/third_party/litehtml" -DSOURCE_ROOT="$root" >/dev/null
  cmake --build "$work/build-$side" >/dev/null
done

LC_ALL=C grep -rl '^<HTML' "$disc" | sort > "$work/pages.txt"
python3 - "$work/pages.txt" "$work/large.htm" <<'PY'
import os, sys
pages = open(sys.argv[1]).read().split()
page = open(max(pages, key=os.path.getsize), 'rb').read()
start = page.index(b'>', page.index(b'<BODY')) + 1
body = page[start:page.index(b'</BODY>')]
big = page[:start]
while len(big) < 500 * 1024:
    big += body
open(sys.argv[2], 'wb').write(big + b'</BODY></HTML>')
PY
{ cat "$work/pages.txt"; echo "$work/large.htm"; ls "$here"/pages/*; } > "$work/all.txt"

# The test sheet without its rules that look at siblings: under such a sheet, each piece of a long
# page takes the sheet on its own thread.
grep -v -E '[+~] |:(first|last|only|nth)-' "$here/test-sheet.css" > "$work/test-sheet-ancestors.css"

status=0
for sheet in "" "$here/test-sheet.css" "$work/test-sheet-ancestors.css"; do
  for side in old new; do
    "$work/build-$side/layout_dump" "$work/all.txt" "$work/$side.out" $sheet
  done
  if cmp -s "$work/old.out" "$work/new.out"; then
    echo "same layout (${sheet:-default sheet}): $(wc -l < "$work/all.txt") pages"
  else
    echo "LAYOUT DIFFERS (${sheet:-default sheet}):"
    diff "$work/old.out" "$work/new.out" | head -40 || true
    status=1
  fi
done
exit $status

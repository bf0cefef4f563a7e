#!/usr/bin/env bash
# A second start while the game runs shows the single-instance message and exits with
# 0x80004005, which the process exit status carries as its low byte, 5.
set -uo pipefail
game=$1
dir=$(mktemp -d)
export XDG_RUNTIME_DIR=$dir XDG_DATA_HOME=$dir/data SDL_VIDEODRIVER=offscreen
cd "$(dirname "$game")"  # beside data.dat, where the game runs
"$game" > "$dir/first.log" 2>&1 &
first=$!
trap 'kill $first 2>/dev/null; wait $first 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do [ -e "$dir/hollowmere" ] && break; sleep 0.05; done
sleep 0.5
kill -0 $first 2>/dev/null || { echo "first instance did not keep running:"; cat "$dir/first.log"; exit 1; }
"$game" > "$dir/second.log" 2>&1
status=$?
[ $status -eq 5 ] || { echo "second instance exited with $status"; cat "$dir/second.log"; exit 1; }
grep -q 'このアプリケーションは多重起動できません。' "$dir/second.log" || { cat "$dir/second.log"; exit 1; }
echo "single instance ok"

#!/usr/bin/env bash
# Plays 600 frames on the OpenGL backend under SDL's offscreen driver, as a player would, and
# checks the screenshot and the state dump of the last frame.
set -euo pipefail
driver=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$(dirname "$driver")"  # beside data.dat, where the game runs
# Under the sanitizers: Mesa keeps its shader compiler's allocations until exit and is unloaded
# before LeakSanitizer looks, so they cannot be told from ours. The same loop's leaks are checked
# on the null device by the app tests, and the GL device's by the GL tests, which keep Mesa loaded.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$driver" --frames 600 --gfx gl --size 640x360 --save-dir "$out/saves" \
    --shot 599:"$out/f599.png" --state 599:"$out/s599.json"
head -c 8 "$out/f599.png" | od -An -c | grep -q 'P   N   G' || { echo "no PNG written"; exit 1; }
grep -q '"frame": 599' "$out/s599.json"
grep -q '"field": "Title"' "$out/s599.json" || { cat "$out/s599.json"; exit 1; }
[ -f "$out/saves/SystemData.sav" ] || { echo "settings not written at exit"; exit 1; }

# Drawn on demand (--shot-dir), a frame comes out as it does when every frame before it is drawn:
# the men's toilet from its door: the guest in its mirror, the sun's shadows, the lamp's glow.
printf 'wait 59\nshot pictured\n' >"$out/pictured.input"
for mode in every demand; do
    args=(--shot 59:"$out/$mode.png")
    [ "$mode" = demand ] && args=(--shot-dir "$out")
    "$driver" --frames 60 --gfx gl --size 640x360 --field 13 --save-dir "$out/saves" \
        --input "$out/pictured.input" "${args[@]}" 2>/dev/null
done
cmp -s "$out/every.png" "$out/pictured.png" || { echo "a frame drawn on demand differs"; exit 1; }
echo "driver run ok"

#!/usr/bin/env bash
# Plays 600 frames on the OpenGL backend under SDL's offscreen driver, as a player would, and
# checks the screenshot and the state dump of the last frame.
set -euo pipefail
driver=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$(dirname "$driver")"  # beside data.dat, where the game runs
"$driver" --frames 600 --gfx gl --size 640x360 --save-dir "$out/saves" \
    --shot 599:"$out/f599.png" --state 599:"$out/s599.json"
head -c 8 "$out/f599.png" | od -An -c | grep -q 'P   N   G' || { echo "no PNG written"; exit 1; }
grep -q '"frame": 599' "$out/s599.json"
grep -q '"field": "Title"' "$out/s599.json" || { cat "$out/s599.json"; exit 1; }
[ -f "$out/saves/SystemData.sav" ] || { echo "settings not written at exit"; exit 1; }
echo "driver run ok"

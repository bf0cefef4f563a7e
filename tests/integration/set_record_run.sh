#!/usr/bin/env bash
# hm-driver's --set in room 203, where the ghost waits unseen at the start: the record's flags
# and items are written before the room builds, and the ghost's mode and hit points, which the
# room's build sets to its start, hold after the first frame.
set -euo pipefail
driver=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$(dirname "$driver")"  # beside data.dat, where the game runs
"$driver" --field 21 --frames 3 --save-dir "$out/saves" --state 2:"$out/s2.json" \
    --set hasDarts=1 --set dartsFinished=1 --set itemHeld.9=1 --set EnemyMode=2 --set HitPoint=2 \
    2>/dev/null
python3 - "$out/s2.json" <<'PY'
import json, sys

state = json.load(open(sys.argv[1]))
items, enemy = state["items"], state["enemy"]
wanted = (items["hasDarts"], items["dartsFinished"], items["itemHeld"][9], enemy["mode"],
          enemy["hitPoints"])
if wanted != (1, 1, 1, 2, 2):
    sys.exit(f"--set did not hold: items {items}, enemy {enemy}")
PY
echo "set record run ok"

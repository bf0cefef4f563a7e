#!/usr/bin/env bash
# The title screen driven with the pad alone, then with the mouse alone, through hm-driver's input
# scripts: the menu's rows, the load screen and back, the achievements (pad) or the licences
# (mouse) and back, a new game, and with the pad the opening skipped into the guest room. Checks
# the state dumps after each step.
set -euo pipefail
driver=$(realpath "$1")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$(dirname "$driver")"  # beside data.dat, where the game runs

# "<frame> <what>" pairs: the button is held for two frames.
pad() { while [ $# -gt 0 ]; do printf '%d pad down %s\n%d pad up %s\n' "$1" "$2" $(($1 + 2)) "$2"; shift 2; done; }
click() { while [ $# -gt 0 ]; do printf '%d mouse down %s\n%d mouse up %s\n' "$1" "$2" $(($1 + 2)) "$2"; shift 2; done; }

{ echo "5 pad connect"
  pad 20 DpadDown 30 A 40 DpadDown 50 B 60 DpadUp 70 DpadUp 80 A 90 B 100 DpadDown 110 A 150 Start
} >"$out/pad.in"
# At 1280 x 720 a row's client y is (540 - its layout y) / 1.5: the menu's rows lie at 320, 354
# and 387, the saved games' at 300, 380 and 460.
{ echo "20 mouse move 200 354"
  click 30 left
  echo "40 mouse move 200 380"
  click 50 right
  echo "60 mouse move 200 387"
  click 70 left 80 right
  echo "90 mouse move 200 320"
  click 100 left
} >"$out/mouse.in"

states=(25 35 45 56 65 75 85 96 105 120 160)
args=()
for f in "${states[@]}"; do args+=(--state "$f:$out/pad$f.json"); done
"$driver" --frames 170 --size 1280x720 --save-dir "$out/saves" --input "$out/pad.in" "${args[@]}" \
    2>/dev/null
args=()
for f in 25 35 45 56 65 75 85 95 110; do args+=(--state "$f:$out/mouse$f.json"); done
"$driver" --frames 120 --size 1280x720 --save-dir "$out/saves" --input "$out/mouse.in" "${args[@]}" \
    2>/dev/null

python3 - "$out" <<'PY'
import json, sys

out = sys.argv[1]
failures = []

def state(name):
    with open(f"{out}/{name}.json") as f:
        return json.load(f)

def menu(s):
    """(page, row) of the title's menu, or the field and stage once the title has gone."""
    for child in s["children"]:
        if child and child["name"] == "EvTitle":
            values = dict(line.split(" = ") for line in child["debug"].split("\n")[1:] if line)
            return int(values["page"]), int(values["row"])
    return s["field"], s["storyStage"]

def expect(name, wanted):
    got = menu(state(name))
    if got != wanted:
        failures.append(f"{name}: {got}, wanted {wanted}")

# page 0 is the menu, 1 the saved games, 2 the licences, 3 the achievements
for name, wanted in [("pad25", (0, 1)), ("pad35", (1, 0)), ("pad45", (1, 1)), ("pad56", (0, 1)),
                     ("pad65", (0, 0)), ("pad75", (0, 3)), ("pad85", (3, 3)), ("pad96", (0, 3)),
                     ("pad105", (0, 0)), ("pad120", ("Intro", 0)),
                     ("mouse25", (0, 1)), ("mouse35", (1, 0)), ("mouse45", (1, 1)),
                     ("mouse56", (0, 1)), ("mouse65", (0, 2)), ("mouse75", (2, 2)),
                     ("mouse85", (0, 2)), ("mouse95", (0, 0)), ("mouse110", ("Intro", 0))]:
    expect(name, wanted)

s = state("pad160")  # skipped with START
if (s["fieldNumber"], s["storyStage"], s["controlMode"]) != (11, 3, 1):
    failures.append(f"pad160: field {s['fieldNumber']}, stage {s['storyStage']}, "
                    f"controlMode {s['controlMode']}, wanted the guest room, 3, free")

if failures:
    print("\n".join(failures))
    sys.exit(1)
PY
echo "title run ok"

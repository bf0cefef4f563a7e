#!/usr/bin/env bash
# Plays the test room on the OpenGL backend as a player would (test_room_run.input): walks into the
# message cube, which stops the walk, answers its question once each way, then throws three darts,
# which stick in the wall panel. Checks the state dumps at each step. Set TEST_ROOM_PICTURES to a folder to keep the pictures.
set -euo pipefail
driver=$(realpath "$1")
input=$(realpath "$2")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$(dirname "$driver")"  # beside data.dat, where the game runs
# Mesa's allocations cannot be told from ours at exit; see driver_run.sh.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

shots=(20 45 125 150 255 360 510 560)
states=(20 68 120 140 165 250 280 360 510 560)
args=()
for f in "${shots[@]}"; do args+=(--shot "$f:$out/shot$f.png"); done
for f in "${states[@]}"; do args+=(--state "$f:$out/state$f.json"); done
"$driver" --field 0 --frames 570 --gfx gl --size 640x360 --save-dir "$out/saves" \
    --input "$input" "${args[@]}"

if [ -n "${TEST_ROOM_PICTURES:-}" ]; then
    mkdir -p "$TEST_ROOM_PICTURES"
    cp "$out"/shot*.png "$out"/state*.json "$TEST_ROOM_PICTURES"/
fi
for f in "${shots[@]}"; do
    head -c 8 "$out/shot$f.png" | od -An -c | grep -q 'P   N   G' || { echo "no picture $f"; exit 1; }
done

python3 - "$out" <<'PY'
import json, sys

out = sys.argv[1]
failures = []

def state(frame):
    with open(f"{out}/state{frame}.json") as f:
        return json.load(f)

def message(s):
    """The message cube's line, answer choice and answer flag from its debug text."""
    for child in s["children"]:
        if child and child["name"] == "Message":
            values, flag = child["debug"].split("\n\nflg = ")
            line, choice = values.split(",")
            return int(float(line)), int(float(choice)), int(flag)
    failures.append(f"frame {s['frame']}: no message cube among {s['children']}")
    return None

def expect(frame, what, actual, wanted):
    if actual != wanted:
        failures.append(f"frame {frame}: {what} is {actual}, wanted {wanted}")

s = state(20)
expect(20, "field", s["field"], "TestRoom")
expect(20, "field number", s["fieldNumber"], 0)
expect(20, "story stage", s["storyStage"], 20)
expect(20, "darts granted", s["items"]["hasDarts"], 1)
expect(20, "light granted", s["items"]["hasLight"], 1)
expect(20, "controlMode", s["controlMode"], 1)

s = state(68)  # walking, pressed against the cube
expect(68, "controlMode", s["controlMode"], 1)
if not 1.4 < s["player"]["pos"][2] < 1.8:
    failures.append(f"frame 68: player z {s['player']['pos'][2]}, wanted at the cube (1.65)")

s = state(120)  # the question, fully shown, the first answer chosen
box = s["textBox"] or {}
expect(120, "box line", (box.get("key"), box.get("answers"), box.get("choice")), ("message_2", 2, 0))
if not box.get("shown", "").endswith("やめておく"):
    failures.append(f"frame 120: the question is not fully shown: {box}")

s = state(140)  # the first answer's line
expect(140, "controlMode", s["controlMode"], 0)
expect(140, "message", message(s), (2, 0, 4))
expect(140, "box keys", (s["textBox"] or {}).get("keys"), ["message_1", "message_2", "message_3"])

s = state(165)  # closed again
expect(165, "controlMode", s["controlMode"], 1)
expect(165, "message", message(s), (4, 0, 4))
expect(165, "box", s["textBox"], None)

s = state(250)  # the second answer's line
expect(250, "controlMode", s["controlMode"], 0)
expect(250, "message", message(s), (3, 1, 4))

s = state(280)
expect(280, "controlMode", s["controlMode"], 1)

s = state(360)  # aiming straight at the panel
expect(360, "aiming", s["player"]["aiming"], 1)
expect(360, "yaw", s["player"]["yaw"], 90.0)

s = state(510)  # aiming, three darts thrown and stuck
expect(510, "controlMode", s["controlMode"], 1)
expect(510, "aiming", s["player"]["aiming"], 1)
expect(510, "throwCount", s["throwCount"], 3)
darts = s["player"]["darts"]
for i in range(3):
    expect(510, f"dart {i} flying", darts[i]["flying"], 0)
    expect(510, f"dart {i} shown", darts[i]["shown"], 1)
    if not 4.6 < darts[i]["pos"][0] < 5.0:
        failures.append(f"frame 510: dart {i} at {darts[i]['pos']}, wanted in the panel (x 4.9)")

s = state(560)
expect(560, "aiming", s["player"]["aiming"], 0)
expect(560, "throwCount", s["throwCount"], 3)

if failures:
    print("\n".join(failures))
    sys.exit(1)
PY
echo "test room run ok"

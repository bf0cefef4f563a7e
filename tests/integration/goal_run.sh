#!/usr/bin/env bash
# hm-driver's goal lines on a short real route: from the title a new game, the opening skipped,
# then in the guest room a walk to the medicine on the low table, drunk (stage 4). The route ends
# with an expectation that cannot hold: the run must fail on that line, which names it, so every
# goal before it was met. The same route without it must end cleanly. Then the test room: its
# message cube's question answered with the second answer, and two darts aimed at points on the
# panel, which they must strike.
set -euo pipefail
driver=$(realpath "$1")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$(dirname "$driver")"  # beside data.dat, where the game runs
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

cat >"$out/route.input" <<'SCRIPT'
# the title's first entry, a new game; Space skips the opening
wait 20
press E
waitfor field Intro
wait 30
press Space
waitfor field 11
waitfor stage 3
# from the room's middle, so that the way to the table is a walk of its own
walkto 0 2.5
walkto 1.35 1.0
face 1.35 0.45
press E
waitfor text Ev_Guest_Room_0
wait 60
press E
waitfor stage 4 120
expect stage 4
SCRIPT

"$driver" --frames 480 --save-dir "$out/saves" --input "$out/route.input" 2>"$out/route.err" || {
    cat "$out/route.err"
    exit 1
}

cp "$out/route.input" "$out/failing.input"
echo "expect stage 5" >>"$out/failing.input"
line=$(wc -l <"$out/failing.input")
if "$driver" --frames 480 --save-dir "$out/saves" --input "$out/failing.input" 2>"$out/failing.err"; then
    echo "a failed expectation did not fail the run"
    exit 1
fi
grep -q "^hm-driver: script line $line \"expect stage 5\": frame [0-9]*: expected stage 5, found stage 4$" \
    "$out/failing.err" || {
    echo "the failure does not name line $line:"
    cat "$out/failing.err"
    exit 1
}
cat >"$out/room.input" <<'SCRIPT'
wait 30
walkto 0 2.0 0.4
face 0 2.5
press E
waitfor text message_1
wait 60
press E
answer 2
# the second answer's line
waitfor text message_4
wait 60
press E
wait 30
walkto 3 0.5
throw 4.9 1.5 2.0
throw 4.9 0.5 -0.5
expect item hasDarts
SCRIPT
"$driver" --field 0 --frames 400 --save-dir "$out/saves" --input "$out/room.input" \
    --state 399:"$out/room.json" 2>"$out/room.err" || {
    cat "$out/room.err"
    exit 1
}
python3 - "$out/room.json" <<'PY'
import json, math, sys

darts = [d["pos"] for d in json.load(open(sys.argv[1]))["player"]["darts"] if d["shown"]]
# the panel's face is at x 4.8: each dart within a few centimetres of its aim there
for target in ([4.8, 1.5, 2.0], [4.8, 0.5, -0.5]):
    if not any(math.dist(target, d) < 0.08 for d in darts):
        sys.exit(f"no dart struck {target}: {darts}")
PY
echo "goal run ok"

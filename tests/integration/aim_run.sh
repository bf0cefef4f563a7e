#!/usr/bin/env bash
# Aiming in the test room as a player does it, through hm-driver's scripted keys and pointer:
#   still    - the pointer far off-centre when the aim starts: the view does not jump;
#   overhead - the pointer pushed up past the pitch limit: the view and a dart stay in front;
#   large    - a window larger than the offscreen desktop (1024 x 768), and
#   small    - a smaller one: the aim measures the pointer from the window's own centre;
#   walk     - the aim turned away, W held, the aim let go: the walk goes up the screen.
set -euo pipefail
driver=$(realpath "$1")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$(dirname "$driver")"  # beside data.dat, where the game runs
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# run NAME SIZE FRAMES STATE-FRAMES...: plays $out/NAME.input, dumping the state after each frame.
run() {
    local name=$1 size=$2 frames=$3
    shift 3
    local args=()
    for f in "$@"; do args+=(--state "$f:$out/$name-$f.json"); done
    "$driver" --field 0 --frames "$frames" --size "$size" --save-dir "$out/saves-$name" \
        --input "$out/$name.input" "${args[@]}" 2>/dev/null
}

cat >"$out/still.input" <<'EOF'
30 mouse move 100 100
60 key down Q
EOF
run still 800x600 64 60 61 63

{
    echo "60 key down Q"
    for f in $(seq 62 76); do echo "$f mouse move 400 200"; done  # 100 px up a frame
    echo "76 mouse down left"
    echo "80 mouse up left"
} >"$out/overhead.input"
run overhead 800x600 100 70 77 99

for case in "large 1280x720 640 360" "small 640x480 320 240"; do
    read -r name size cx cy <<<"$case"
    printf '30 mouse move %d %d\n60 key down Q\n62 mouse move %d %d\n' \
        "$cx" "$cy" $((cx + 10)) "$cy" >"$out/$name.input"
    run "$name" "$size" 64 61 62
done

{
    echo "60 key down Q"
    for f in $(seq 62 68); do echo "$f mouse move 420 300"; done  # turned about 90 degrees right
    echo "70 key down W"
    echo "80 key up Q"
    echo "120 key up W"
} >"$out/walk.input"
run walk 800x600 122 79 120

python3 - "$out" <<'PY'
import json, math, sys

out = sys.argv[1]
failures = []

def state(name, frame):
    with open(f"{out}/{name}-{frame}.json") as f:
        return json.load(f)

def check(ok, what):
    if not ok:
        failures.append(what)

def turned(p):
    """The view's turn from straight ahead, degrees (the yaw offset is kept within (0, 360])."""
    return min(abs(p["pitch"]), 360.0), (p["yawOffset"] + 180.0) % 360.0 - 180.0

for frame in (60, 61, 63):
    p = state("still", frame)["player"]
    check(p["aiming"] == 1 and turned(p) == (0.0, 0.0), f"still {frame}: the view moved: {p}")

p = state("overhead", 77)["player"]
check(p["pitch"] == -80.0, f"overhead: pitch {p['pitch']}, wanted -80")
for frame in (70, 77, 99):
    s = state("overhead", frame)
    yaw = math.radians(s["player"]["yaw"])
    ahead = (math.sin(yaw), math.cos(yaw))
    eye, at = s["camera"]["eye"], s["camera"]["at"]
    view = (at[0] - eye[0]) * ahead[0] + (at[2] - eye[2]) * ahead[1]
    check(view > 0, f"overhead {frame}: the view faces behind the player ({eye} -> {at})")
s = state("overhead", 99)
dart, pos = s["player"]["darts"][0], s["player"]["pos"]
yaw = math.radians(s["player"]["yaw"])
ahead = (dart["pos"][0] - pos[0]) * math.sin(yaw) + (dart["pos"][2] - pos[2]) * math.cos(yaw)
check(s["throwCount"] == 1 and ahead > 0, f"overhead: the dart went behind: {dart}, player {pos}")

for name in ("large", "small"):
    p = state(name, 61)["player"]
    check(turned(p) == (0.0, 0.0), f"{name}: the centred pointer turned the view: {p}")
    p = state(name, 62)["player"]
    check(abs(turned(p)[1] - 1.3) < 1e-3, f"{name}: 10 px right turned {turned(p)[1]}, wanted 1.3")

before, after = state("walk", 79)["player"], state("walk", 120)["player"]
dx, dz = (after["pos"][i] - before["pos"][i] for i in (0, 2))
check(after["aiming"] == 0 and dz > 1.5 and abs(dx) < 0.1,
      f"walk: went ({dx:.3f}, {dz:.3f}) after the aim, wanted up the screen (+z)")

if failures:
    print("\n".join(failures))
    sys.exit(1)
PY
echo "aim run ok"

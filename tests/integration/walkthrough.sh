#!/usr/bin/env bash
# The walkthrough played by hm-driver through the real keys and pointer, on the null backend with a
# fresh save folder.
#
#   walkthrough.sh DRIVER LIST            the list's segments joined into one run from the title
#   walkthrough.sh DRIVER --segment FILE  one segment alone, started as its header says
#
# A segment (tests/walkthrough/*.route) is a script of goal lines under a header of two comments:
# `# from: title` or the driver's options that start a game where the segment starts
# (`--field F --stage S --spawn X,Y,Z,YAW --set NAME=V ...`), and `# frames: N`, enough frames
# to play it alone. A list names segments one a line, relative to the list's folder. Joined, the
# run's frames are the sum of the headers', and where a segment takes over, its `from` is checked:
# the field, the stage and each item set non-zero must hold there. A failed goal is reported as
# SEGMENT:LINE with the line's text.
#
# HM_WALK_SHOTS=DIR: each `#shot NAME` comment becomes a `shot NAME` goal, and the run draws on
# the GL backend at 1280 x 720 into DIR/NAME.png (only the frames pictured are rasterised).
set -euo pipefail
exec python3 - "$@" <<'PY'
import json, os, re, subprocess, sys, tempfile

def fail(message):
    sys.exit(f"walkthrough: {message}")

if len(sys.argv) != 3 and not (len(sys.argv) == 4 and sys.argv[2] == "--segment"):
    fail("usage: walkthrough.sh DRIVER LIST | DRIVER --segment FILE")
driver = os.path.realpath(sys.argv[1])
shots = os.environ.get("HM_WALK_SHOTS")

class Segment:
    def __init__(self, path):
        self.name = os.path.basename(path)
        with open(path) as f:
            self.lines = f.read().splitlines()
        header = dict(re.match(r"# (from|frames): ?(.*)$", line).groups()
                      for line in self.lines[:2] if re.match(r"# (from|frames): ?", line))
        if set(header) != {"from", "frames"} or not header["frames"].isdigit():
            fail(f"{path}: the first two lines must be '# from: ...' and '# frames: N'")
        self.start = header["from"].split()
        self.frames = int(header["frames"])
        if self.start != ["title"] and (not self.start or self.start[0] != "--field"):
            fail(f"{path}: 'from' is 'title' or the driver's options starting with --field")

    def options(self):
        return [] if self.start == ["title"] else self.start

    def join_checks(self):
        """Goal lines for what `from` says holds when this segment takes over."""
        checks = []
        for flag, value in zip(self.start, self.start[1:]):
            if flag == "--field":
                checks.append(f"expect field {value}")
            elif flag == "--stage":
                checks.append(f"expect stage {value}")
            elif flag == "--set":
                name, _, number = value.partition("=")
                if number.strip() not in ("0", ""):
                    checks.append(f"expect item {name}")
        return checks

def load_list(path):
    folder = os.path.dirname(os.path.abspath(path))
    with open(path) as f:
        names = [line.strip() for line in f if line.strip() and not line.startswith("#")]
    paths = [os.path.join(folder, name) for name in names]
    missing = [name for name, p in zip(names, paths) if not os.path.isfile(p)]
    if missing:
        fail(f"{path} names segments that do not exist: " + ", ".join(missing))
    segments = [Segment(p) for p in paths]
    at_title = [s.start == ["title"] for s in segments]
    if not at_title or at_title != [True] + [False] * (len(segments) - 1):
        fail(f"{path}: the first segment, and only the first, must start at the title")
    return segments

if len(sys.argv) == 4:
    segments = [Segment(sys.argv[3])]
else:
    segments = load_list(sys.argv[2])

# The joined script, and where each of its lines came from.
script, origin = [], []
for index, segment in enumerate(segments):
    if index > 0:
        for check in segment.join_checks():
            script.append(check)
            origin.append((segment.name, 1, f"# from: {' '.join(segment.start)}"))
    for number, line in enumerate(segment.lines, 1):
        if number <= 2:
            continue
        shot = re.match(r"#shot\s+(\S+)\s*$", line)
        script.append(f"shot {shot.group(1)}" if shot and shots else line)
        origin.append((segment.name, number, line))

frames = sum(s.frames for s in segments)
with tempfile.TemporaryDirectory() as work:
    script_path = os.path.join(work, "walkthrough.input")
    with open(script_path, "w") as f:
        f.write("\n".join(script) + "\n")
    last_state = os.path.join(work, "last.json")
    command = [driver, *segments[0].options(), "--frames", str(frames), "--input", script_path,
               "--save-dir", os.path.join(work, "saves"), "--state", f"{frames - 1}:{last_state}"]
    if shots:
        os.makedirs(shots, exist_ok=True)
        command += ["--gfx", "gl", "--size", "1280x720", "--shot-dir", os.path.abspath(shots)]
    env = dict(os.environ)
    env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS"), "detect_leaks=0"]))
    # The game reads data.dat from its working folder.
    run = subprocess.run(command, cwd=os.path.dirname(driver), env=env,
                         stderr=subprocess.PIPE, text=True)
    # A goal that failed, or a line the driver cannot read, named where it was written.
    failure = re.search(r'^hm-driver: script line (\d+) ".*": (frame \d+: .*)$', run.stderr, re.M)
    unread = re.search(r'^hm-driver: .*: line (\d+): (cannot read) ', run.stderr, re.M)
    if failure or unread:
        line, why = (failure or unread).groups()
        name, number, text = origin[int(line) - 1]
        fail(f'{name}:{number} "{text}": {why}')
    if run.returncode != 0:
        sys.stderr.write(run.stderr)
        fail(f"hm-driver ended with {run.returncode}")
    if not os.path.isfile(last_state):
        fail("hm-driver ended before the run's last frame")
    with open(last_state) as f:
        state = json.load(f)
    count = f"{len(segments)} segment" + ("s" if len(segments) > 1 else "")
    print(f"walkthrough: {count} in {frames} frames: stage {state['storyStage']}, "
          f"{state['throwCount']} darts thrown, {state['deathCount']} times caught, "
          f"achievements {state['achievements']}")
PY

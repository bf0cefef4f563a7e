#!/usr/bin/env bash
# The game as a desktop installs it: cmake --install of this build into a temporary prefix, the
# menu entry and the AppStream metadata validated, the entry's command found in the prefix's bin,
# every icon size present, and the installed game run from a folder without data.dat after the
# prefix was moved elsewhere whole. SDL turns SIGTERM into the window's close, so the game must
# then shut down as a player closing it would: status 0, its settings written.
set -uo pipefail
build=$1
dir=$(mktemp -d)
game=
trap '[ -n "$game" ] && kill "$game" 2>/dev/null; rm -rf "$dir"' EXIT
fail() { echo "install: $*"; exit 1; }

cmake --install "$build" --prefix "$dir/first" > "$dir/install.log" || { cat "$dir/install.log"; fail "cmake --install failed"; }
mv "$dir/first" "$dir/prefix"
prefix=$dir/prefix
id=io.github.hollowmere.Hollowmere

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo invalid"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/share/applications/$id.desktop")
[ -x "$prefix/bin/$command" ] || fail "Exec=$command is not in $prefix/bin"
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  [ "$(head -c 4 "$icon" | tail -c 3)" = PNG ] &&
    [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | tr -s ' ')" = " $size $size" ] ||
    fail "no $size x $size PNG at $icon"
done
for doc in LICENSE THIRD_PARTY_NOTICES.md; do
  [ -s "$prefix/share/doc/hollowmere/$doc" ] || fail "$doc not installed"
done

# Mesa's allocations cannot be told from ours under LeakSanitizer (see driver_run.sh).
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export XDG_RUNTIME_DIR=$dir XDG_DATA_HOME=$dir/data SDL_VIDEODRIVER=offscreen ALSOFT_DRIVERS=null
mkdir "$dir/elsewhere" && cd "$dir/elsewhere"
"$prefix/bin/$command" > "$dir/game.log" 2>&1 &
game=$!
sleep 3
kill -0 "$game" 2>/dev/null || { cat "$dir/game.log"; fail "the installed game did not keep running"; }
kill -TERM "$game"
wait "$game"
status=$?
game=
[ $status -eq 0 ] || { cat "$dir/game.log"; fail "the installed game exited with $status"; }
[ -f "$dir/data/Quillbarrow/Hollowmere/SystemData.sav" ] || fail "settings not written at exit"
echo "install ok"

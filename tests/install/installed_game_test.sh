#!/usr/bin/env bash
# Installs the game into a temporary DESTDIR and checks the installed copy:
# the list of files, the desktop entry and store metadata (by their
# validators), the command line (a picture drawn without a window too), and
# a start with a fresh per-user folder that must find its library and sounds
# and write only its first-run Velmora.ini, in the per-user folder.
# Usage: installed_game_test.sh CMAKE BUILD_DIR PREFIX LIBDIR DESKTOP_ID VERSION EXPECTED_FILES
set -euo pipefail
cmake=$1 build=$2 prefix=$3 libdir=$4 id=$5 version=$6 expected=$7

tmp=$(mktemp -d)
game_pid=
cleanup() {
  if [ -n "$game_pid" ]; then
    # The game runs under strace, which leaves it running when strace alone is stopped.
    kill $(cat "/proc/$game_pid/task/$game_pid/children" 2>/dev/null) 2>/dev/null || true
    kill "$game_pid" 2>/dev/null || true
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

DESTDIR="$tmp/root" "$cmake" --install "$build" >/dev/null
root="$tmp/root$prefix"

# The installed files, and nothing else.
(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$tmp/installed"
sed -e "s|@LIBDIR@|$libdir|" -e "s|@ID@|$id|" "$expected" | sort | diff -u - "$tmp/installed" ||
  fail "installed files differ from $expected"
[ -z "$(find "$root" -type f -path '*/bin/*' ! -perm -u+x)" ] || fail "a program is not executable"

desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$root/share/metainfo/$id.metainfo.xml" >"$tmp/report" ||
  fail "appstreamcli validate: $(cat "$tmp/report")"

# The command line of both programs.
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
expect_exit() {
  local wanted=$1
  shift
  local status=0
  "$@" >"$tmp/out" 2>"$tmp/err" || status=$?
  [ "$status" -eq "$wanted" ] || fail "$* exited with $status, not $wanted"
}
expect_exit 0 "$root/bin/velmora" --version
[ "$(cat "$tmp/out")" = "velmora $version" ] || fail "velmora --version printed '$(cat "$tmp/out")'"
expect_exit 0 "$root/bin/velmora" --help
grep -q -- '--version' "$tmp/out" || fail "velmora --help does not list --version"
expect_exit 2 "$root/bin/velmora" --fullscreen
grep -q "unknown option '--fullscreen'" "$tmp/err" || fail "velmora --fullscreen: $(cat "$tmp/err")"
expect_exit 0 "$root/bin/velmora-com" --version
[ "$(cat "$tmp/out")" = "velmora-com $version" ] || fail "velmora-com --version printed '$(cat "$tmp/out")'"
expect_exit 0 "$root/bin/velmora-com" --help
expect_exit 2 "$root/bin/velmora-com" --fast
grep -q -- "--fast" "$tmp/err" || fail "velmora-com --fast: $(cat "$tmp/err")"

# A picture of a record's position, drawn without a window or display and
# without writing Velmora.ini; a record that cannot be read ends with status 2.
record="$(dirname "$expected")/../data/review/level4_against_level3.棋譜"
mkdir "$tmp/picture-home"
picture() { env -u DISPLAY -u XDG_DATA_HOME HOME="$tmp/picture-home" "$root/bin/velmora" --picture "$@"; }
expect_exit 0 picture "$record" --move 1 "$tmp/局面.png"
file "$tmp/局面.png" | grep -q 'PNG image data, 1452 x 902' || fail "velmora --picture wrote $(file "$tmp/局面.png")"
[ -z "$(find "$tmp/picture-home" -type f)" ] || fail "velmora --picture wrote $(find "$tmp/picture-home" -type f)"
expect_exit 2 picture "$tmp/none.棋譜" "$tmp/none.png"
grep -q "cannot open" "$tmp/err" || fail "velmora --picture of a missing record: $(cat "$tmp/err")"
[ ! -e "$tmp/none.png" ] || fail "velmora --picture of a missing record wrote a picture"

# A first start of the installed game, its file calls traced, from a
# working directory that must stay empty.
mkdir "$tmp/home" "$tmp/start" "$tmp/runtime"
chmod 700 "$tmp/runtime"
data="$tmp/data"
(
  cd "$tmp/start"
  exec env HOME="$tmp/home" XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$tmp/runtime" \
    strace -f -qq -o "$tmp/trace" -e trace=openat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat \
    "$root/bin/velmora" >"$tmp/game.log" 2>&1
) &
game_pid=$!
settings="$data/velmora/Velmora.ini"
for _ in $(seq 600); do
  [ -s "$settings" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended at start-up"
  sleep 0.1
done
[ -s "$settings" ] || fail "no Velmora.ini in $data/velmora after 60 s"
sleep 1  # let the start-up finish
# Stop the game itself; strace then ends with it.
game=$(cat "/proc/$game_pid/task/$game_pid/children")
kill "$game"
wait "$game_pid" || true
game_pid=

printf '背景画=畳\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n主戦=日本\r\n' | iconv -f UTF-8 -t SHIFT_JIS >"$tmp/first_run.ini"
cmp "$settings" "$tmp/first_run.ini" || fail "the first-run Velmora.ini differs"
[ -z "$(ls -A "$tmp/start")" ] || fail "the game wrote into its working directory"

opened() { grep -E "openat\(AT_FDCWD, \"$1\", O_RDONLY[^)]*\) = [0-9]" "$tmp/trace"; }
opened "$root/[^\"]*$libdir/velmora/libvelmora\.so" >/dev/null || fail "libvelmora.so was not loaded from $libdir/velmora"
[ "$(opened "$root/share/velmora/[^\"]*\\.wav" | wc -l)" -eq 6 ] || fail "the six wave files were not read"

# Every file or folder the game made, renamed or removed lies in its per-user folder.
grep -E 'O_WRONLY|O_RDWR|O_CREAT|mkdir|rename|unlink' "$tmp/trace" | grep -vE '= -1 ' |
  grep -oE '"[^"]*"' | tr -d '"' | grep -vE "^($data/velmora(/|$)|$data$|/dev/)" >"$tmp/written" || true
[ ! -s "$tmp/written" ] || fail "the game wrote outside $data/velmora: $(cat "$tmp/written")"
echo "installed game: files, metadata, command line and first start are as expected"

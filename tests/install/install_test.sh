#!/usr/bin/env bash
# Installs the built game into a temporary prefix with `cmake --install` and
# checks what lands there: exactly the programs, the whole data tree, the
# desktop entry, the icons at each size, the AppStream metadata and the manual
# page; the desktop entry and the metadata pass the desktop's own validators.
#   install_test.sh BUILD_DIR APP_ID BINDIR     (BINDIR: "bin", or "games" for Debian)
set -euo pipefail

BUILD_DIR=$1
APP_ID=$2
BINDIR=$3
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PREFIX="$WORK/prefix"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$WORK/install.log"

# Exactly the files that belong to the game, and the whole data tree.
(cd "$BUILD_DIR/dat" && find . -type f | sed 's|^\./|share/zindo-puzzle/dat/|') >"$WORK/expected"
cat >>"$WORK/expected" <<LIST
$BINDIR/zindo-puzzle
$BINDIR/zindo-dat
share/applications/$APP_ID.desktop
share/metainfo/$APP_ID.metainfo.xml
share/man/man6/zindo-puzzle.6
LIST
for size in 48 64 128 256; do
  echo "share/icons/hicolor/${size}x${size}/apps/$APP_ID.png" >>"$WORK/expected"
done
(cd "$PREFIX" && find . -type f | sed 's|^\./||') | sort >"$WORK/installed"
sort -o "$WORK/expected" "$WORK/expected"
if ! diff -u "$WORK/expected" "$WORK/installed"; then
  fail "the prefix does not hold exactly the game's files"
fi
[ "$(grep -c '^share/zindo-puzzle/dat/puzz/' "$WORK/installed")" -ge 30 ] || fail "the themes are missing"
for program in zindo-puzzle zindo-dat; do
  [ -x "$PREFIX/$BINDIR/$program" ] || fail "$BINDIR/$program is not executable"
done
"$PREFIX/$BINDIR/zindo-dat" --help >/dev/null || fail "the installed zindo-dat does not run"

# Each icon has its own size, a clear ground and a drawn middle.
for size in 48 64 128 256; do
  icon="$PREFIX/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
  read -r width height corner middle < <(convert "$icon" -format \
    "%w %h %[fx:int(255*p{0,0}.a)] %[fx:int(255*p{w/2,h/2}.a)]\n" info:)
  [ "$width $height" = "$size $size" ] || fail "$size icon is ${width}x$height"
  [ "$corner" -eq 0 ] && [ "$middle" -eq 255 ] || fail "$size icon: corner alpha $corner, middle alpha $middle"
done
# Drawn at each size, not blown up from a small one: the 256 icon differs
# clearly from the 48 icon scaled up to its size.
convert "$PREFIX/share/icons/hicolor/48x48/apps/$APP_ID.png" -resize 256x256 "$WORK/blown.png"
# (compare exits 1 when the pictures differ, which is the wanted case)
blur=$({ compare -metric RMSE "$PREFIX/share/icons/hicolor/256x256/apps/$APP_ID.png" "$WORK/blown.png" null: 2>&1 || true; } |
       sed 's/.*(\(.*\))/\1/')
awk -v d="$blur" 'BEGIN { exit !(d > 0.02) }' || fail "the 256 icon looks like a blown-up small one (RMSE $blur)"

# The desktop entry names the icon and the program, and both validators pass.
desktop="$PREFIX/share/applications/$APP_ID.desktop"
grep -qx "Icon=$APP_ID" "$desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=zindo-puzzle" "$desktop" || fail "the desktop entry starts another program"
for language in de fr; do
  grep -q "^Comment\[$language\]=" "$desktop" || fail "the desktop entry has no $language comment"
  grep -q "<summary xml:lang=\"$language\">" "$PREFIX/share/metainfo/$APP_ID.metainfo.xml" ||
    fail "the metadata has no $language summary"
  [ -f "$PREFIX/share/zindo-puzzle/dat/translations/zindo_$language.qm" ] || fail "the $language translation is not installed"
  [ -f "$PREFIX/share/zindo-puzzle/dat/tutorial/$language/TTUTORIAL1.DAT" ] || fail "the $language tutorial is not installed"
done
desktop-file-validate "$desktop" || fail "desktop-file-validate"
metainfo="$PREFIX/share/metainfo/$APP_ID.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
  fail "the metadata launches another desktop entry"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# The manual page renders without complaint.
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$PREFIX/share/man/man6/zindo-puzzle.6" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page: $warnings"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed layout and desktop files are right ($(wc -l <"$WORK/installed") files)"

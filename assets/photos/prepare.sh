#!/usr/bin/env bash
# Makes the level pictures in this folder from the Debian packages' photographs.
# Run once by hand when the selection changes; the results are committed, so a
# build never needs the packages.
#
#   assets/photos/prepare.sh fetch ROOT   downloads the packages named below
#                                         (apt-get download, from Debian's
#                                         archive) and unpacks them below ROOT
#   assets/photos/prepare.sh [ROOT]       cuts every picture from the
#                                         photographs unpacked below ROOT
#                                         (default /: the packages installed)
#                                         into this folder, or into
#                                         $PREPARE_OUT when that is set
#
# Needs ImageMagick; fetching needs apt-get and dpkg, and djxl (libjxl-tools)
# decodes the JPEG XL files of budgie-backgrounds into lossless PNG.
#
# Each picture is cut to 4:3 (landscape) or 3:4 (portrait) around a chosen
# centre, scaled to LONG_SIDE pixels on its long side and stored as JPEG of
# QUALITY without metadata; a cut smaller than LONG_SIDE is refused, so no
# picture is ever enlarged. The level is the number in front of the file name.
set -euo pipefail

LONG_SIDE=1800
# Quality 75: at 1:1 the photographs' fine detail (grass, feathers, stone)
# shows no blocks or ringing next to the same cut at quality 90, and sixty
# pictures take about 15 MB, which keeps six themes, the tutorial and the
# program in a Debian package under 25 MB (quality 80 would take 17.5 MB).
QUALITY=75

# The packages, each at the version whose photographs were chosen, and the
# Debian release that carries that version.
PACKAGES=(
  "bookworm mate-backgrounds=1.26.0-1"
  "bookworm plasma-workspace-wallpapers=4:5.27.5-2"
  "bookworm lomiri-wallpapers-16.04=20.04.0-2"
  "bookworm lomiri-wallpapers-20.04=20.04.0-2"
  "bookworm lxqt-themes=1.2.0-1"
  "bookworm lifeograph=2.0.3-1"
  "bookworm mate-screensaver-common=1.26.1-1+deb12u1"
  "bullseye gnome-backgrounds=3.38.0-1"
  "sid budgie-backgrounds=4.2-1"
)

fetch() {
  local root=$1 work
  work=$(mktemp -d)
  mkdir -p "$root" "$work/lists/partial" "$work/cache/archives/partial" "$work/debs"
  local releases
  releases=$(printf '%s\n' "${PACKAGES[@]}" | cut -d' ' -f1 | sort -u)
  for release in $releases; do
    echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $release main"
  done >"$work/sources.list"
  # A private apt configuration: the machine's own package lists stay as they are.
  cat >"$work/apt.conf" <<EOF
Dir::Etc::SourceList "$work/sources.list";
Dir::Etc::SourceParts "/nonexistent";
Dir::State::Lists "$work/lists";
Dir::State::status "/dev/null";
Dir::Cache "$work/cache";
Acquire::IndexTargets::deb::Contents-deb::DefaultEnabled "false";
APT::Sandbox::User "root";
EOF
  APT_CONFIG=$work/apt.conf apt-get -q update
  local entry
  for entry in "${PACKAGES[@]}"; do
    (cd "$work/debs" && APT_CONFIG=$work/apt.conf apt-get -q download "${entry#* }")
  done
  local deb
  for deb in "$work"/debs/*.deb; do dpkg -x "$deb" "$root"; done
  local jxl
  for jxl in "$root"/usr/share/backgrounds/budgie/*.jxl; do djxl "$jxl" "${jxl%.jxl}.png" >/dev/null 2>&1; done
  rm -rf "$work"
  echo "Unpacked below $root"
}

if [[ ${1:-} == fetch ]]; then
  fetch "${2:?usage: prepare.sh fetch ROOT}"
  exit 0
fi

ROOT=${1:-/}
HERE=$(cd "$(dirname "$0")" && pwd)
OUT=${PREPARE_OUT:-$HERE}
MATE=$ROOT/usr/share/backgrounds/mate/nature
PLASMA=$ROOT/usr/share/wallpapers
LOMIRI=$ROOT/usr/share/backgrounds
LXQT=$ROOT/usr/share/lxqt/wallpapers
LIFEOGRAPH=$ROOT/usr/share/net.sourceforge.Lifeograph/backgrounds
GNOME=$ROOT/usr/share/backgrounds/gnome
COSMOS=$ROOT/usr/share/backgrounds/cosmos
BUDGIE=$ROOT/usr/share/backgrounds/budgie

plasma() { echo "$PLASMA/$1/contents/images/2560x1600.jpg"; }

# cut SOURCE TARGET ASPECT_W ASPECT_H CENTRE_X CENTRE_Y [ZOOM]  (centre as
# fractions; ZOOM above 1 cuts a smaller part of the photograph)
cut() {
  local source=$1 target=$OUT/$2 aw=$3 ah=$4 cx=$5 cy=$6 zoom=${7:-1}
  local w h
  read -r w h < <(identify -format '%w %h\n' "$source" | head -n 1)
  local geometry
  geometry=$(awk -v w="$w" -v h="$h" -v aw="$aw" -v ah="$ah" -v cx="$cx" -v cy="$cy" -v z="$zoom" 'BEGIN {
    cw = w; ch = int(w * ah / aw + 0.5);
    if (ch > h) { ch = h; cw = int(h * aw / ah + 0.5); }
    if (z != 1) { cw = int(cw / z + 0.5); ch = int(cw * ah / aw + 0.5); }
    x = int(cx * w - cw / 2 + 0.5); y = int(cy * h - ch / 2 + 0.5);
    if (x < 0) x = 0; if (x + cw > w) x = w - cw;
    if (y < 0) y = 0; if (y + ch > h) y = h - ch;
    printf "%dx%d+%d+%d", cw, ch, x, y }')
  local long=${geometry%%+*}
  long=$(( ${long%x*} > ${long#*x} ? ${long%x*} : ${long#*x} ))
  if (( long < LONG_SIDE )); then
    echo "$2: the cut [$geometry] of $(basename "$source") is smaller than $LONG_SIDE pixels" >&2
    exit 1
  fi
  mkdir -p "$(dirname "$target")"
  convert "$source" -auto-orient -crop "$geometry" +repage -colorspace sRGB \
    -resize "${LONG_SIDE}x${LONG_SIDE}" -strip -sampling-factor 4:2:0 -interlace none -quality "$QUALITY" "$target"
  echo "$2: $(identify -format '%wx%h' "$target") from $(basename "$source") [$geometry]"
}

land() { cut "$1" "$2" 4 3 "${@:3}"; }
port() { cut "$1" "$2" 3 4 "${@:3}"; }

# Garden: flowers, leaves and small creatures, close up.
land "$LXQT/flowers.png"                         Garden/01_Meadow.jpg           0.50 0.55
land "$MATE/YellowFlower.jpg"                    Garden/02_YellowFlower.jpg     0.60 0.50
port "$BUDGIE/blue-periwinkle.png"               Garden/03_ForgetMeNots.jpg     0.55 0.50
land "$MATE/Garden.jpg"                          Garden/04_Marigold.jpg         0.55 0.50
port "$LXQT/appleflower.png"                     Garden/05_AppleBlossom.jpg     0.60 0.50
land "$LOMIRI/seeding_by_Clements_Engelhardt.jpg" Garden/06_Dandelions.jpg      0.40 0.50
land "$MATE/TwoWings.jpg"                        Garden/07_TwoWings.jpg         0.55 0.50
land "$(plasma FallenLeaf)"                      Garden/08_FallenLeaf.jpg       0.62 0.50
port "$BUDGIE/tea-gardens.png"                   Garden/09_TeaGarden.jpg        0.35 0.60
land "$(plasma OneStandsOut)"                    Garden/10_PineTops.jpg         0.50 0.50

# Landscapes: mountains, water, forest and sky.
land "$(plasma EveningGlow)"                     Landscapes/01_EveningGlow.jpg  0.55 0.50
port "$LOMIRI/picosdeeuropa_by_Aitzol_Berasategi.jpg" Landscapes/02_PicosDeEuropa.jpg 0.45 0.50
land "$(plasma Path)"                            Landscapes/03_ForestPath.jpg   0.35 0.50
land "$LOMIRI/aitzgorri_by_Aitzol_Berasategi.jpg" Landscapes/04_Aitzgorri.jpg   0.50 0.50
land "$LOMIRI/sunset_by_Aitzol_Berasategi.jpg"   Landscapes/05_Sunset.jpg       0.55 0.50
port "$LOMIRI/life_by_Aitzol_Berasategi.jpg"     Landscapes/06_Stream.jpg       0.50 0.50
port "$GNOME/ColdWarm.jpg"                       Landscapes/07_SnowyForest.jpg  0.50 0.50
land "$(plasma BytheWater)"                      Landscapes/08_ByTheWater.jpg   0.50 0.50
land "$BUDGIE/lake-sherburne.png"                Landscapes/09_LakeSherburne.jpg 0.50 0.50
land "$(plasma summer_1am)"                      Landscapes/10_SummerNight.jpg  0.50 0.50

# Curiosities: things and creatures of every day.
land "$LOMIRI/Picture_0B_by_freespace.jpg"       Curiosities/01_Fig.jpg         0.55 0.50
port "$GNOME/Acrylic.jpg"                        Curiosities/02_Paint.jpg       0.40 0.50
land "$GNOME/Road.jpg"                           Curiosities/03_Road.jpg        0.50 0.50
port "$LOMIRI/Wine_by_Jakkub_Mede.jpg"           Curiosities/04_Wine.jpg        0.50 0.55
land "$MATE/Aqua.jpg"                            Curiosities/05_Drop.jpg        0.55 0.50
land "$LOMIRI/free_by_Peter_Nerlich.jpg"         Curiosities/06_FlyingLamp.jpg  0.50 0.50
land "$(plasma ColorfulCups)"                    Curiosities/07_Cups.jpg        0.45 0.50
land "$LOMIRI/greentock_by_Peter_Nerlich.jpg"    Curiosities/08_Clock.jpg       0.50 0.50
port "$BUDGIE/the-spices-of-life.png"            Curiosities/09_Spices.jpg      0.30 0.50
land "$COSMOS/cloud.jpg"                         Curiosities/10_Nebula.jpg      0.45 0.50

# Animals: furred, feathered and winged, in their own surroundings.
land "$BUDGIE/oakland-zoo-otters.png"            Animals/01_Otters.jpg          0.55 0.55
port "$LOMIRI/friends_by_Aitzol_Berasategi.jpg"  Animals/02_Friends.jpg         0.50 0.50
land "$MATE/LadyBird.jpg"                        Animals/03_LadyBird.jpg        0.55 0.50
port "$BUDGIE/perched-osprey.png"                Animals/04_Osprey.jpg          0.40 0.50
land "$LOMIRI/Kleiber_by_Lukas_Baubkus.jpg"      Animals/05_Nuthatch.jpg        0.55 0.50
land "$BUDGIE/pondering-heron.png"               Animals/06_Heron.jpg           0.55 0.55
port "$LOMIRI/Dragonfly_by_Bolly.jpg"            Animals/07_Dragonfly.jpg       0.57 0.50
land "$BUDGIE/canyon-wren.png"                   Animals/08_Wren.jpg            0.45 0.60
port "$LXQT/butterfly.png"                       Animals/09_Swallowtail.jpg     0.47 0.50
land "$BUDGIE/sunning-anhinga.png"               Animals/10_Anhinga.jpg         0.55 0.50

# Cities: streets, squares and buildings.
land "$BUDGIE/beacon-street-sunset.png"          Cities/01_BeaconStreet.jpg     0.40 0.50
port "$BUDGIE/casa-mila.png"                     Cities/02_CasaMila.jpg         0.50 0.50
land "$BUDGIE/singaporean-cityscape.png"         Cities/03_Singapore.jpg        0.55 0.60
port "$BUDGIE/roman-colosseum.png"               Cities/04_Colosseum.jpg        0.30 0.50
land "$BUDGIE/high-trestle-trail.png"            Cities/05_TrestleBridge.jpg    0.50 0.50
port "$LIFEOGRAPH/cloister.jpg"                  Cities/06_Cloister.jpg         0.50 0.50
land "$BUDGIE/abstract-spiral.png"               Cities/07_Facade.jpg           0.50 0.50
land "$LIFEOGRAPH/street.jpg"                    Cities/08_OldStreet.jpg        0.55 0.50
port "$BUDGIE/piazza-gae-aulenti.png"            Cities/09_GaeAulenti.jpg       0.55 0.50
land "$BUDGIE/singaporean-cityscape.png"         Cities/10_Harbour.jpg          0.80 0.70 1.3

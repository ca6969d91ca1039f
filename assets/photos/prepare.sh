#!/usr/bin/env bash
# Makes the level pictures in this folder from the Debian packages' photographs.
# Run once by hand when the selection changes; the results are committed, so a
# build never needs the packages. Needs ImageMagick and the packages
# mate-backgrounds, plasma-workspace-wallpapers, lomiri-wallpapers-16.04 and
# lomiri-wallpapers-20.04 installed (or unpacked with `dpkg -x` below ROOT).
#
#   assets/photos/prepare.sh [ROOT]
#
# Each picture is cut to 4:3 (landscape) or 3:4 (portrait) around a chosen
# centre, scaled to 1000 pixels on its long side and stored as JPEG quality 85
# without metadata. The level is the number in front of the file name.
set -euo pipefail

ROOT=${1:-/}
HERE=$(cd "$(dirname "$0")" && pwd)
MATE=$ROOT/usr/share/backgrounds/mate/nature
PLASMA=$ROOT/usr/share/wallpapers
LOMIRI=$ROOT/usr/share/backgrounds

plasma() { echo "$PLASMA/$1/contents/images/2560x1600.jpg"; }

# cut SOURCE TARGET ASPECT_W ASPECT_H CENTRE_X CENTRE_Y  (centre as fractions)
cut() {
  local source=$1 target=$HERE/$2 aw=$3 ah=$4 cx=$5 cy=$6
  local w h
  read -r w h < <(identify -format '%w %h\n' "$source" | head -n 1)
  local geometry
  geometry=$(awk -v w="$w" -v h="$h" -v aw="$aw" -v ah="$ah" -v cx="$cx" -v cy="$cy" 'BEGIN {
    cw = w; ch = int(w * ah / aw + 0.5);
    if (ch > h) { ch = h; cw = int(h * aw / ah + 0.5); }
    x = int(cx * w - cw / 2 + 0.5); y = int(cy * h - ch / 2 + 0.5);
    if (x < 0) x = 0; if (x + cw > w) x = w - cw;
    if (y < 0) y = 0; if (y + ch > h) y = h - ch;
    printf "%dx%d+%d+%d", cw, ch, x, y }')
  mkdir -p "$(dirname "$target")"
  convert "$source" -auto-orient -crop "$geometry" +repage -colorspace sRGB \
    -resize 1000x1000 -strip -sampling-factor 4:2:0 -interlace none -quality 85 "$target"
  echo "$2: $(identify -format '%wx%h' "$target") from $(basename "$source") [$geometry]"
}

L=landscape; P=portrait
land() { cut "$1" "$2" 4 3 "$3" "$4"; }
port() { cut "$1" "$2" 3 4 "$3" "$4"; }

# Garden: flowers, leaves and small animals, close up.
land "$MATE/FreshFlower.jpg"                     Garden/01_FreshFlower.jpg      0.50 0.50
port "$MATE/YellowFlower.jpg"                    Garden/02_YellowFlower.jpg     0.74 0.50
land "$MATE/LadyBird.jpg"                        Garden/03_LadyBird.jpg         0.55 0.50
land "$MATE/Garden.jpg"                          Garden/04_Marigold.jpg         0.55 0.50
port "$LOMIRI/Dragonfly_by_Bolly.jpg"            Garden/05_Dragonfly.jpg        0.57 0.50
land "$LOMIRI/seeding_by_Clements_Engelhardt.jpg" Garden/06_Dandelions.jpg      0.40 0.50
port "$MATE/TwoWings.jpg"                        Garden/07_TwoWings.jpg         0.68 0.50
land "$(plasma FallenLeaf)"                      Garden/08_FallenLeaf.jpg       0.62 0.50
land "$MATE/RainDrops.jpg"                       Garden/09_RainDrops.jpg        0.50 0.50
port "$MATE/GreenMeadow.jpg"                     Garden/10_GreenMeadow.jpg      0.50 0.50

# Landscapes: mountains, water, forest and sky.
land "$(plasma EveningGlow)"                     Landscapes/01_EveningGlow.jpg  0.55 0.50
land "$LOMIRI/picosdeeuropa_by_Aitzol_Berasategi.jpg" Landscapes/02_PicosDeEuropa.jpg 0.50 0.50
port "$(plasma Path)"                            Landscapes/03_ForestPath.jpg   0.25 0.50
land "$LOMIRI/aitzgorri_by_Aitzol_Berasategi.jpg" Landscapes/04_Aitzgorri.jpg   0.50 0.50
land "$LOMIRI/sunset_by_Aitzol_Berasategi.jpg"   Landscapes/05_Sunset.jpg       0.55 0.50
port "$LOMIRI/life_by_Aitzol_Berasategi.jpg"     Landscapes/06_Stream.jpg       0.50 0.50
land "$MATE/Dune.jpg"                            Landscapes/07_Dune.jpg         0.50 0.50
land "$(plasma BytheWater)"                      Landscapes/08_ByTheWater.jpg   0.50 0.50
land "$MATE/Storm.jpg"                           Landscapes/09_Storm.jpg        0.50 0.50
land "$(plasma summer_1am)"                      Landscapes/10_SummerNight.jpg  0.50 0.50

# Curiosities: things and creatures of every day.
land "$LOMIRI/Picture_0B_by_freespace.jpg"       Curiosities/01_Fig.jpg         0.55 0.50
port "$LOMIRI/friends_by_Aitzol_Berasategi.jpg"  Curiosities/02_Friends.jpg     0.50 0.50
land "$LOMIRI/Picture_1A_by_freespace.jpg"       Curiosities/03_Brushes.jpg     0.50 0.50
port "$LOMIRI/Wine_by_Jakkub_Mede.jpg"           Curiosities/04_Wine.jpg        0.50 0.55
land "$LOMIRI/Kleiber_by_Lukas_Baubkus.jpg"      Curiosities/05_Nuthatch.jpg    0.60 0.50
land "$LOMIRI/free_by_Peter_Nerlich.jpg"         Curiosities/06_FlyingLamp.jpg  0.50 0.50
port "$(plasma ColorfulCups)"                    Curiosities/07_Cups.jpg        0.45 0.50
land "$LOMIRI/greentock_by_Peter_Nerlich.jpg"    Curiosities/08_Clock.jpg       0.50 0.50
land "$MATE/Aqua.jpg"                            Curiosities/09_Drop.jpg        0.55 0.50
land "$(plasma Grey)"                            Curiosities/10_Grey.jpg        0.50 0.50

#!/usr/bin/env bash
# Draws every picture of the program folder into assets/ (or the folder given), from nothing but
# ImageMagick and the DejaVu fonts. Same input, same bytes: noise is seeded, ImageMagick runs
# on one thread and no time stamps are written, so a rerun changes nothing in git.
#
#   tools/make_assets.sh [OUTPUT_FOLDER]
#
# One look for all of it: near-black brushed backgrounds, dark grey brushed buttons with a
# soft bevel, light grey glyphs, and amber as the only accent (pressed state, lamps, logo).
set -euo pipefail

racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=${1:-$racine/assets}
mkdir -p "$sortie"
sortie=$(cd "$sortie" && pwd)

command -v convert >/dev/null || { echo "make_assets: ImageMagick's convert is missing" >&2; exit 1; }
POLICE=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
POLICE_R=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
POLICE_C=/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf
POLICE_M=/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf
for f in "$POLICE" "$POLICE_R" "$POLICE_C" "$POLICE_M"; do
  [[ -f $f ]] || { echo "make_assets: font $f is missing (fonts-dejavu-core)" >&2; exit 1; }
done

export MAGICK_THREAD_LIMIT=1
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT

# Palette.
FOND='#0d0e11'         # window background, also the matte behind rounded corners
HAUT_A='#3c3f45'       # button face at rest, top and bottom of its gradient
HAUT_B='#1c1e22'
BAS_A='#141518'        # pressed face: lit from below, so it looks sunk
BAS_B='#2a2c31'
AMBRE='#ffa62b'
AMBRE_SOMBRE='#b86a00'
GLYPHE='#e6e6e6'

# Final encoders: no metadata, fixed quality, so the bytes only depend on the pixels.
jpg() { convert "$1" -strip -interlace none -sampling-factor 2x2 -quality "${3:-88}" "$sortie/$2"; }
gif() { convert "$1" -strip +dither -colors "${3:-96}" "$sortie/$2"; }
png() { convert "$1" -strip -depth 8 -define png:exclude-chunks=date,time "$sortie/$2"; }

# Horizontal brushed streaks centred on mid grey, for an overlay blend (mid grey changes nothing).
# brosse W H SEED CONTRAST% OUT
brosse() {
  local w=$1 h=$2 graine=$3 c=$4
  convert -size "${w}x${h}" xc:gray50 -seed "$graine" -attenuate 1.0 +noise Gaussian \
    -colorspace gray -virtual-pixel tile -morphology Convolve Blur:0x9 -auto-level \
    +level "$((50 - c))%,$((50 + c))%" "$5"
}

# A button face: rounded plate, brushed, bevelled; pressed faces are lit from below and get an
# amber rim.  face W H haut|bas RADIUS SEED OUT
face() {
  local w=$1 h=$2 etat=$3 r=$4 graine=$5 out=$6 a b az
  if [[ $etat == haut ]]; then a=$HAUT_A b=$HAUT_B az=135; else a=$BAS_A b=$BAS_B az=315; fi
  local flou
  flou=$(awk -v h="$h" 'BEGIN { s = h / 18; if (s < 1) s = 1; if (s > 2.5) s = 2.5; print s }')
  convert -size "${w}x${h}" xc:black -fill white \
    -draw "roundrectangle 0,0 $((w - 1)),$((h - 1)) $r,$r" "$T/masque.png"
  brosse "$w" "$h" "$graine" 7 "$T/brosse.png"
  convert -size "${w}x${h}" "gradient:$a-$b" "$T/brosse.png" -compose overlay -composite \
    \( "$T/masque.png" -blur "0x$flou" -shade "${az}x30" \) -compose overlay -composite \
    "$T/plaque.png"
  if [[ $etat == bas ]]; then
    # Amber light leaking round the inside of the rim.
    convert -size "${w}x${h}" xc:black -fill none -stroke white -strokewidth 1.5 \
      -draw "roundrectangle 1,1 $((w - 2)),$((h - 2)) $((r - 1)),$((r - 1))" -blur 0x1.4 \
      -level 0%,55% "$T/masque.png" -compose multiply -composite "$T/anneau.png"
    convert "$T/plaque.png" \( -size "${w}x${h}" "xc:$AMBRE" "$T/anneau.png" \
      -alpha off -compose copy_opacity -composite \) -compose screen -composite "$T/plaque.png"
  fi
  # Dark hairline round the plate, then flatten on the window background.
  convert -size "${w}x${h}" "xc:$FOND" "$T/plaque.png" "$T/masque.png" -compose over -composite \
    -fill none -stroke '#050506' -strokewidth 1 \
    -draw "roundrectangle 0,0 $((w - 1)),$((h - 1)) $r,$r" "$out"
}

# Draws a glyph with a soft shadow. "@C@" in the drawing arguments stands for the colour.
#   glyphe IN OUT COLOUR DRAW_ARGS...
glyphe() {
  local in=$1 out=$2 coul=$3 w h
  shift 3
  w=$(identify -format '%w' "$in")
  h=$(identify -format '%h' "$in")
  local ombre=() trace=() arg
  for arg in "$@"; do
    ombre+=("${arg//@C@/#000000}")
    trace+=("${arg//@C@/$coul}")
  done
  convert "$in" \
    \( -size "${w}x${h}" xc:none "${ombre[@]}" -channel A -evaluate multiply 0.8 +channel \
       -blur 0x1.1 -roll +1+1 \) -compose over -composite \
    \( -size "${w}x${h}" xc:none "${trace[@]}" \) -compose over -composite "$out"
}

# A small round lamp, lit (amber with a halo) or dark.  lampe IN OUT CX CY R allumee|eteinte
lampe() {
  local in=$1 out=$2 cx=$3 cy=$4 r=$5 etat=$6 w h
  w=$(identify -format '%w' "$in")
  h=$(identify -format '%h' "$in")
  if [[ $etat == allumee ]]; then
    convert "$in" \
      \( -size "${w}x${h}" xc:none -fill "$AMBRE" -draw "circle $cx,$cy $((cx + r + 2)),$cy" \
         -blur 0x3 \) -compose screen -composite -compose over \
      -fill "$AMBRE" -stroke "$AMBRE_SOMBRE" -draw "circle $cx,$cy $((cx + r)),$cy" \
      -fill '#fff3d6' -stroke none -draw "circle $((cx - 1)),$((cy - 1)) $cx,$((cy - 1))" "$out"
  else
    convert "$in" -fill '#3a2a10' -stroke '#050506' -draw "circle $cx,$cy $((cx + r)),$cy" "$out"
  fi
}

# ---------------------------------------------------------------------------------------------
# Deck buttons (open, play, zap) and the empty face they show while the mouse button is down.
W=48 H=40
face $W $H haut 7 11 "$T/deck_haut.png"
face $W $H bas 7 12 "$T/deck_bas.png"
gif "$T/deck_bas.png" bouton_vide_noir.gif
# Folder: back with its tab, then the front flap a shade lighter.
glyphe "$T/deck_haut.png" "$T/open.png" "$GLYPHE" \
  -fill '@C@' -draw "polygon 13,12 20,12 23,15 35,15 35,29 13,29" \
  -fill '@C@' -draw "polygon 14,19 37,19 34,29 13,29"
convert "$T/open.png" -fill '#9a9ca0' -draw "polygon 16,21 36,21 33.5,28 14,28" "$T/open.png"
gif "$T/open.png" Open_noir.gif
glyphe "$T/deck_haut.png" "$T/play.png" "$GLYPHE" -fill '@C@' -draw "polygon 18,11 33,20 18,29"
gif "$T/play.png" tplay_noir.gif
glyphe "$T/deck_haut.png" "$T/fleche.png" "$GLYPHE" \
  -fill '@C@' -draw "polygon 11,17 24,17 24,11 36,20 24,29 24,23 11,23"
gif "$T/fleche.png" bouton_fleche_noir.gif

# ---------------------------------------------------------------------------------------------
# Quit / close button: a power sign, at rest and pressed.
W=96 H=40
face $W $H haut 9 21 "$T/gros_haut.png"
face $W $H bas 9 22 "$T/gros_bas.png"
power=(-fill none -stroke '@C@' -strokewidth 3 -draw "arc 37,9 59,31 300,600"
       -draw "line 48,7 48,19")
glyphe "$T/gros_haut.png" "$T/gros_haut.png" "$GLYPHE" "${power[@]}"
glyphe "$T/gros_bas.png" "$T/gros_bas.png" "$AMBRE" "${power[@]}"
jpg "$T/gros_haut.png" bouton_noir_gros.jpg
jpg "$T/gros_bas.png" bouton_noir_grosdoux.jpg

# Faces shared by several buttons carry no glyph: the window names the button. The rest faces
# are extra pictures for layouts that want the button visible before it is pressed.
face 64 28 bas 7 31 "$T/moyen_bas.png"
face 64 28 haut 7 32 "$T/moyen_haut.png"
jpg "$T/moyen_bas.png" bouton_noir_moyendoux.jpg
jpg "$T/moyen_haut.png" bouton_noir_moyen.jpg

face 32 24 bas 6 41 "$T/petit_bas.png"
lampe "$T/petit_bas.png" "$T/petit_bas.png" 16 12 3 allumee
face 32 24 haut 6 42 "$T/petit_haut.png"
lampe "$T/petit_haut.png" "$T/petit_haut.png" 16 12 3 eteinte
jpg "$T/petit_bas.png" bouton_noir_petitdoux.jpg
jpg "$T/petit_haut.png" bouton_noir_petit.jpg

face 80 26 bas 6 51 "$T/bas_bas.png"
face 80 26 haut 6 52 "$T/bas_haut.png"
jpg "$T/bas_bas.png" boutons_bas.jpg
jpg "$T/bas_haut.png" boutons_bas_repos.jpg

# ---------------------------------------------------------------------------------------------
# Playlist window buttons: pressed faces b1..b7 (amber glyph) and their rest faces.
W=44 H=36
glyphes_b=(
  "-fill @C@ -draw polygon_16,10_30,18_16,26"                                  # play the list
  "-fill @C@ -draw polygon_11,11_21,18_11,25 -draw polygon_21,11_31,18_21,25 -draw rectangle_31,11_33,25" # zap
  "-fill @C@ -draw rectangle_15,11_29,25"                                      # stop
  "-fill none -stroke @C@ -strokewidth 2 -draw circle_22,18_22,10 -fill @C@ -stroke none -draw circle_22,18_22,15" # on air
  "-fill none -stroke @C@ -strokewidth 2 -draw rectangle_12,10_32,26 -fill @C@ -stroke none -draw rectangle_12,10_32,14" # main window
  "-fill none -stroke @C@ -strokewidth 2 -draw ellipse_22,18_11,8_0,360 -fill @C@ -stroke none -draw circle_17,15_17,17 -draw circle_24,13_24,15 -draw circle_28,19_28,21" # look
  "-fill @C@ -font $POLICE -pointsize 20 -gravity center -annotate +0+0 ?"      # help
)
for i in 1 2 3 4 5 6 7; do
  face $W $H bas 7 $((60 + i)) "$T/b_bas.png"
  face $W $H haut 7 $((70 + i)) "$T/b_haut.png"
  # The table keeps each glyph on one line; underscores stand for the spaces inside an argument.
  read -r -a args <<<"${glyphes_b[$((i - 1))]}"
  args=("${args[@]//_/ }")
  glyphe "$T/b_bas.png" "$T/b_bas.png" "$AMBRE" "${args[@]}"
  glyphe "$T/b_haut.png" "$T/b_haut.png" "$GLYPHE" "${args[@]}"
  jpg "$T/b_bas.png" "b${i}noir.jpg"
  jpg "$T/b_haut.png" "b${i}noir_repos.jpg"
done

# ---------------------------------------------------------------------------------------------
# Microphone switched off: a sunk face, the microphone greyed, an amber bar across it.
face 40 40 bas 8 81 "$T/micro.png"
glyphe "$T/micro.png" "$T/micro.png" '#8d8f94' \
  -fill '@C@' -draw "roundrectangle 16,8 24,24 4,4" \
  -fill none -stroke '@C@' -strokewidth 2 -draw "arc 12,14 28,29 0,180" \
  -draw "line 20,29 20,33" -draw "line 15,33 25,33"
convert "$T/micro.png" -stroke "$AMBRE" -strokewidth 3 -draw "line 10,31 30,9" "$T/micro.png"
jpg "$T/micro.png" micro_desactive.jpg

# ---------------------------------------------------------------------------------------------
# Shapes computed once: a waveform, equaliser bars, a gear.

# onde X0 X1 CY AMPLITUDE GRAINE: polyline points of a decaying, beating waveform.
onde() {
  awk -v x0="$1" -v x1="$2" -v cy="$3" -v a="$4" -v g="$5" 'BEGIN {
    for (x = x0; x <= x1; x += 1) {
      t = (x - x0) / (x1 - x0)
      env = sin(3.14159 * t) * (0.55 + 0.45 * sin(17 * t + g))
      y = cy + a * env * sin(x * 0.45 + g) * cos(x * 0.07)
      printf "%d,%.1f ", x, y
    }
  }'
}

# barres X0 BASE LARGEUR PAS N HMAX PHASE: -draw rectangles of an equaliser, heights from sines.
barres() {
  awk -v x0="$1" -v base="$2" -v l="$3" -v pas="$4" -v n="$5" -v hmax="$6" -v ph="$7" 'BEGIN {
    for (i = 0; i < n; i++) {
      v = 0.5 + 0.25 * sin(i * 1.7 + ph) + 0.2 * sin(i * 0.6 + 2.3 * ph + 1) + 0.05 * cos(ph * 3 + i)
      if (v < 0.12) v = 0.12
      if (v > 1) v = 1
      x = x0 + i * pas
      printf "rectangle %d,%d %d,%d ", x, base - int(v * hmax), x + l - 1, base
    }
  }'
}

# engrenage CX CY R_EXT R_INT DENTS: polygon points of a gear.
engrenage() {
  awk -v cx="$1" -v cy="$2" -v R="$3" -v r="$4" -v n="$5" 'BEGIN {
    pi = 3.14159265
    for (i = 0; i < n; i++) {
      for (k = 0; k < 4; k++) {
        a = 2 * pi * (i + (k == 0 ? 0 : k == 1 ? 0.12 : k == 2 ? 0.5 : 0.62)) / n
        rr = (k == 0 || k == 3) ? r : R
        if (k == 1) rr = R; if (k == 2) rr = R
        printf "%.1f,%.1f ", cx + rr * cos(a), cy + rr * sin(a)
      }
    }
  }'
}

# Near-black brushed background with darker corners.  fond W H SEED OUT [TOP BOTTOM]
fond() {
  local w=$1 h=$2 graine=$3 out=$4 a=${5:-'#17191d'} b=${6:-'#0a0b0d'}
  brosse "$w" "$h" "$graine" 14 "$T/brosse.png"
  convert -size "${w}x${h}" "gradient:$a-$b" "$T/brosse.png" -compose overlay -composite \
    \( -size "${w}x${h}" radial-gradient:'#ffffff'-'#8c8c8c' \) -compose multiply -composite "$out"
}

# ---------------------------------------------------------------------------------------------
# Background of the main and playlist windows: plain, so any layout sits on it.
fond 960 640 101 "$T/fond.png"
jpg "$T/fond.png" fond_noir1.jpg 80

# Options window background: the same, with a faint gear where the help panel stands.
fond 640 480 102 "$T/options.png"
convert "$T/options.png" -fill '#ffffff0c' -stroke none \
  -draw "polygon $(engrenage 540 390 120 100 12)" -fill '#0c0d10' -draw "circle 540,390 540,345" \
  -fill none -stroke '#ffa62b40' -strokewidth 1 -draw "line 24,8 616,8" "$T/options.png"
jpg "$T/options.png" Logo_form_option.jpg 80

# File manager background: smooth gradient (a GIF), a faint folder outline in its corner.
convert -size 720x440 gradient:'#17191d'-'#0b0c0e' \
  -fill none -stroke '#25272d' -strokewidth 6 \
  -draw "polygon 470,250 540,250 560,272 690,272 690,410 470,410" \
  -draw "line 470,300 690,300" \
  -stroke '#ffa62b30' -strokewidth 1 -draw "line 20,6 700,6" "$T/fichiers.png"
gif "$T/fichiers.png" Menu_fichier_noir.gif 128

# Playlist background: brushed aluminium in the list's default mid grey, so the default dark
# text and the lighter text of the season themes both stay readable on it; a faint watermark.
brosse 640 360 103 6 "$T/brosse.png"
convert -size 640x360 gradient:'#949494'-'#808080' "$T/brosse.png" -compose overlay -composite \
  -fill '#00000014' -stroke none -font "$POLICE" -pointsize 92 -gravity southeast \
  -annotate +24+34 'Sonavel' -gravity northwest \
  -fill none -stroke '#00000018' -strokewidth 2 -draw "polyline $(onde 40 600 300 26 1.3)" \
  "$T/liste.png"
jpg "$T/liste.png" Liste_sonavel1.jpg 82

# ---------------------------------------------------------------------------------------------
# Playlist window logo: equaliser mark, name, caption; the ground is transparent so the logo
# sits on whatever background the window has.
convert -size 220x90 "xc:$FOND" \
  -fill "$AMBRE" -draw "$(barres 12 60 5 7 5 34 0.8)" \
  -fill "$GLYPHE" -font "$POLICE" -pointsize 30 -annotate +54+52 'Sonavel' \
  -fill "$AMBRE" -font "$POLICE_C" -pointsize 13 -annotate +192+30 'V5' \
  -fill '#8d8f94' -font "$POLICE_R" -pointsize 11 -annotate +55+74 'liste de lecture' \
  -fill none -stroke "$AMBRE_SOMBRE" -strokewidth 1 -draw "line 12,66 44,66" \
  -transparent "$FOND" "$T/logo.png"
gif "$T/logo.png" Logo_liste1.gif 64

# Splash: the name over an amber glow, the equaliser running along the bottom.
fond 480 300 104 "$T/splash.png" '#1a1c21' '#08090b'
convert "$T/splash.png" \
  \( -size 480x300 xc:none -fill '#ffa62b38' -draw "ellipse 240,122 170,46 0,360" -blur 0x28 \) \
  -compose screen -composite -compose over \
  \( -size 480x300 "xc:$AMBRE" \
     \( -size 480x300 xc:black -fill white -draw "$(barres 8 288 6 8 59 74 2.1)" \
        \( -size 480x300 gradient:black-white -level 62%,100% \) -compose multiply -composite \) \
     -alpha off -compose copy_opacity -composite \) -compose over -composite \
  -fill '#00000090' -font "$POLICE" -pointsize 64 -gravity north -annotate +2+82 'Sonavel' \
  -fill "$GLYPHE" -annotate +0+80 'Sonavel' \
  -fill "$AMBRE" -font "$POLICE_C" -pointsize 24 -gravity northwest -annotate +392+84 'V5' \
  -fill '#9a9ca1' -font "$POLICE_R" -pointsize 14 -gravity north \
  -annotate +0+168 'lecteur  ·  mixeur  ·  studio radio' \
  -fill none -stroke "$AMBRE_SOMBRE" -strokewidth 1 -draw "line 150,196 330,196" "$T/splash.png"
jpg "$T/splash.png" main_.jpg 86

# ---------------------------------------------------------------------------------------------
# Banners (animated GIFs; the banner view takes them in place of the ".swf" names).

# An endless animated GIF over one palette shared by all frames, so that only the parts that
# move are stored again.  anime DELAY_CENTISECONDS COLOURS OUT FRAMES...
anime() {
  local delai=$1 couleurs=$2 out=$3
  shift 3
  convert "$@" -append +dither -colors "$couleurs" -unique-colors "$T/palette.png"
  convert -delay "$delai" -loop 0 "$@" +dither -remap "$T/palette.png" -strip \
    -layers OptimizePlus "$out"
}

# Local banner: an "ON AIR" lamp breathing, the name, an equaliser dancing.
fond 468 60 105 "$T/bandeau_fond.png" '#1b1d22' '#0b0c0f'
convert "$T/bandeau_fond.png" -fill none -stroke '#050506' -draw "rectangle 0,0 467,59" \
  -fill "$GLYPHE" -stroke none -font "$POLICE" -pointsize 20 -annotate +118+31 'SONAVEL' \
  -fill '#8d8f94' -font "$POLICE_R" -pointsize 11 -annotate +119+47 'studio radio  ·  en direct' \
  "$T/bandeau_fond.png"
images=()
for k in $(seq 0 11); do
  # Lamp brightness follows a sine over the 12 frames; the equaliser moves with it.
  read -r rouge vert bleu < <(awk -v k="$k" 'BEGIN {
    v = 0.35 + 0.65 * (0.5 + 0.5 * cos(2 * 3.14159265 * k / 12))
    printf "%d %d %d\n", 40 + v * 215, 26 + v * 140, 6 + v * 37 }')
  lampe_coul=$(printf '#%02x%02x%02x' "$rouge" "$vert" "$bleu")
  convert "$T/bandeau_fond.png" \
    \( -size 468x60 xc:none -fill "$lampe_coul" -draw "roundrectangle 14,17 98,43 6,6" -blur 0x5 \) \
    -compose screen -composite -compose over \
    -fill "$lampe_coul" -stroke '#050506' -draw "roundrectangle 14,17 98,43 6,6" \
    -fill '#141210' -stroke none -font "$POLICE" -pointsize 14 -annotate +25+36 'ON AIR' \
    -fill "$AMBRE" -draw "$(barres 318 50 6 8 17 36 "$(awk -v k="$k" 'BEGIN { print k * 0.5236 }')")" \
    "$T/bandeau_$k.png"
  images+=("$T/bandeau_$k.png")
done
anime 12 64 "$sortie/bandeau.gif" "${images[@]}"

# Online banner stand-in: an amber dot-matrix sign scrolling a message. The text is set at one
# pixel per dot, enlarged three times, then seen through a grid of round dots.
message='  SONAVEL V5  •  STUDIO RADIO  •'
convert -background black -fill white +antialias -font "$POLICE_M" -pointsize 13 \
  label:"$message" -gravity center -extent "x20" "$T/texte.png"
lt=$(identify -format '%w' "$T/texte.png")
convert "$T/texte.png" "$T/texte.png" +append "$T/texte2.png"
# One 3x3 cell: a lit dot takes the middle and the corners fade.
convert -size 3x3 xc:black -fill white -draw "point 1,1 point 0,1 point 1,0 point 2,1 point 1,2" \
  "$T/cellule.png"
convert -size 468x60 tile:"$T/cellule.png" "$T/grille.png"
images=()
pas=3
for ((x = 0; x < lt; x += pas)); do
  convert "$T/texte2.png" -crop "156x20+$x+0" +repage -filter point -resize 468x60\! \
    \( +clone -fill '#24180a' -colorize 100 \) \
    \( -clone 0 -fill "$AMBRE" -colorize 100 \) \
    \( -clone 0 \) -delete 0 -compose over -composite \
    "$T/grille.png" -compose multiply -composite "$T/defile_$x.png"
  images+=("$T/defile_$x.png")
done
anime 10 8 "$sortie/bandeau_Flash.gif" "${images[@]}"

# ---------------------------------------------------------------------------------------------
# Icons: the two programs share a tile with an amber ring; the list file is a page.
# tuile OUT: a 128x128 rounded tile on a transparent ground, ring drawn, centre left free.
tuile() {
  face 120 120 haut 24 "$1" "$T/tuile_face.png"
  convert "$T/tuile_face.png" "$T/masque.png" -alpha off -compose copy_opacity -composite -compose over \
    -background none -gravity center -extent 128x128 \
    \( -size 128x128 xc:none -fill none -stroke "$AMBRE" -strokewidth 7 \
       -draw "circle 64,64 64,26" -blur 0x4 \) -compose screen -composite -compose over \
    -fill none -stroke "$AMBRE" -strokewidth 5 -draw "circle 64,64 64,27" "$T/tuile.png"
}
tuile 111
glyphe "$T/tuile.png" "$T/icone_prog.png" "$GLYPHE" -fill '@C@' -draw "polygon 53,44 84,64 53,84"
png "$T/icone_prog.png" Sonavel_V5.png
tuile 112
glyphe "$T/tuile.png" "$T/icone_aide.png" "$GLYPHE" \
  -fill '@C@' -font "$POLICE" -pointsize 54 -gravity center -annotate +0+2 '?'
png "$T/icone_aide.png" Aide_Sonavel.png

# List file: a light page with a folded corner, rows of entries, an amber play badge.
convert -size 128x128 xc:none \
  -fill '#00000060' -draw "polygon 26,10 84,10 106,32 106,122 26,122" -blur 0x2 \
  -fill '#d8d9dc' -stroke '#5c5e63' -strokewidth 2 -draw "polygon 22,6 80,6 102,28 102,118 22,118" \
  -fill '#a9abb0' -draw "polygon 80,6 80,28 102,28" \
  -stroke none -fill '#55575c' \
  -draw "rectangle 34,40 88,45 rectangle 34,54 80,59 rectangle 34,68 88,73 rectangle 34,82 70,87" \
  -fill '#00000070' -draw "circle 96,100 96,75" -blur 0x0.6 \
  -fill "$AMBRE" -stroke "$AMBRE_SOMBRE" -strokewidth 2 -draw "circle 94,98 94,74" \
  -fill '#141210' -stroke none -draw "polygon 86,86 108,98 86,110" "$T/icone_liste.png"
png "$T/icone_liste.png" Sonavel_liste.png

# The same icons for the association window, which looks for ".ico" files.
for nom in Sonavel_V5 Sonavel_liste; do
  convert "$sortie/$nom.png" -define icon:auto-resize=48,32,16 "$sortie/$nom.ico"
done

#!/usr/bin/env bash
# Makes the pictures of the help from the program itself, under Wine in a virtual desktop:
# the main window in each language with its parts numbered, the tool panel with its buttons
# numbered, the magnified view and the theme previews. The results are committed in help/;
# run this (`make help-pictures`) after a change that shows in them.
# The pictures' prefix is the tests' one (same dialog fonts) with the fonts Windows draws window
# captions and their buttons with: Marlett, whose letters are the caption buttons' symbols, and
# Tahoma. Without them the close box shows a letter. The tests' prefix does without them, so
# that its metrics stay as they are.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
session=$here/tests/wine/session.sh
state=$build/wine-pictures
work=$build/help-pictures
control=$build/windows/tintra_control.exe
mkdir -p "$work"

# Debian's fonts-wine holds them; unpacked into the build tree when it is not installed.
caption_fonts_dir() {
    local dir=/usr/share/wine/fonts unpacked=$build/fonts-wine
    if [[ -f $dir/marlett.ttf ]]; then echo "$dir"; return; fi
    dir=$unpacked/usr/share/wine/fonts
    if [[ ! -f $dir/marlett.ttf ]]; then
        rm -rf "$unpacked" && mkdir -p "$unpacked"
        (cd "$unpacked" && apt-get download fonts-wine >&2 && dpkg-deb -x fonts-wine_*.deb .)
    fi
    echo "$dir"
}
fonts=$(caption_fonts_dir)

trap '"$session" stop "$state"' EXIT
if [[ -f $build/wine/prefix/.tintra-ready ]]; then export TINTRA_PREFIX_FROM=$build/wine/prefix; fi
"$session" start "$state"
export DISPLAY=$(cat "$state/display")
# Copied, not linked: the tests' prefix must not get them.
cp --remove-destination "$fonts/marlett.ttf" "$fonts/tahoma.ttf" "$fonts/tahomabd.ttf" \
    "$state/prefix/drive_c/windows/Fonts/"

# Pictures without time stamps, so that an unchanged picture makes no change to commit.
png_options=(-strip -define png:exclude-chunks=date,time)

wine_path() { echo 'Z:'"${1//\//\\}"; }

# Number badges: red discs with white figures, joined to the part they name by a line.
badge_font=DejaVu-Sans-Bold
badge() { # x y number -> ImageMagick drawing options
    printf -- "-fill '#d00000' -stroke white -strokewidth 1.5 -draw 'circle %d,%d %d,%d' " "$1" "$2" "$(($1 + 9))" "$2"
    printf -- "-fill white -stroke none -font %s -pointsize 12 -draw \"text %d,%d '%s'\" " \
        "$badge_font" "$(($1 - 4))" "$(($2 + 5))" "$3"
}
leader() { # x1 y1 x2 y2
    printf -- "-stroke '#d00000' -strokewidth 1.5 -draw 'line %d,%d %d,%d' " "$@"
}
part() { # name -> left top right bottom
    awk -v name="$1" '$1 == name { print $2, $3, $4, $5 }' "$parts"
}

label_main_window() { # language
    local picture=$work/main-$1.bmp margin=26
    parts=$work/parts-$1.txt
    "$session" run "$state" "$control" help-picture "$1" "$(wine_path "$picture")" "$(wine_path "$parts")"
    local width height
    read -r width height < <(identify -format '%w %h\n' "$picture")
    local right=$((width + margin + margin / 2)) bottom=$((height + margin + margin / 2))
    local draw=""
    # Each part: a point on it, and the badge in the margin on the side nearest to it.
    local l t r b x y
    read -r l t r b < <(part panes); x=$((l + 6 + margin)); y=$((t + 24 + margin))
    draw+="$(leader $((margin / 2)) $y $x $y)$(badge $((margin / 2)) $y 1)"
    read -r l t r b < <(part locks); x=$((r + margin)); y=$(((t + b) / 2 + margin))
    draw+="$(leader $x $y $right $y)$(badge $right $y 2)"
    read -r l t r b < <(part sliders); x=$((r - 4 + margin)); y=$(((t + b) / 2 + margin))
    draw+="$(leader $x $y $right $y)$(badge $right $y 3)"
    read -r l t r b < <(part info); x=$((l + 6 + margin)); y=$(((t + b) / 2 + margin))
    draw+="$(leader $((margin / 2)) $y $x $y)$(badge $((margin / 2)) $y 4)"
    read -r l t r b < <(part tools); x=$((l + 120 + margin)); y=$((b - 4 + margin))
    draw+="$(leader $x $y $x $bottom)$(badge $x $bottom 5)"
    eval convert "$picture" -bordercolor white -border "$margin" "$draw" \
        "${png_options[@]}" "$here/help/$1/images/main-window.png"
}

label_tool_panel() {
    parts=$work/parts-en.txt
    local l t r b scale=2 top=26
    read -r l t r b < <(part tools)
    local draw="" i bl bt br bb x
    for i in 1 2 3 4 5 6 7 8; do
        read -r bl bt br bb < <(part "button$i")
        x=$(((bl + br) / 2 - l)); x=$((x * scale))
        draw+="$(badge "$x" $((top / 2)) "$i")"
    done
    eval convert "$work/main-en.bmp" -crop "$((r - l))x$((b - t))+$l+$t" +repage -filter point \
        -resize "$((scale * 100))%" -background white -gravity north -splice 0x$top +gravity \
        "$draw" "${png_options[@]}" "$here/help/common/images/tool-panel.png"
}

# The magnified view as the program shows it, pointed at the corners where the four panes meet. Where this build of the program shows none yet,
# it is drawn from the same screen picture by the view's own geometry: the 44 x 32 pixels
# around the point, each a 4 x 4 block, a grid line (dark grey at 31 % opacity) on the first
# row and column of every block, the image at (2, 1) of the 180 x 130 display on white, and the
# display's 4-pixel frame, half of it inside.
magnified_view() {
    local out=$here/help/common/images/magnified-view.png status=0
    "$session" run "$state" "$control" zoom-picture "$(wine_path "$work/zoom.bmp")" || status=$?
    if ((status == 0)); then
        convert "$work/zoom.bmp" -filter point -resize 200% "${png_options[@]}" "$out"
        echo "magnified view: taken from the program"
        return
    fi
    ((status == 3)) || exit "$status"
    parts=$work/parts-en.txt
    # The middle of the panes: the point the zoom-picture mode clicks.
    local l t r b x y i grid=""
    read -r l t r b < <(part panes)
    x=$(((l + r) / 2)); y=$(((t + b) / 2))
    for ((i = 0; i < 176; i += 4)); do grid+="line $i,0 $i,127 "; done
    for ((i = 0; i < 128; i += 4)); do grid+="line 0,$i 175,$i "; done
    convert "$work/main-en.bmp" -crop "44x32+$((x - 22))+$((y - 16))" +repage -filter point -resize 400% \
        +antialias -fill none -stroke 'rgba(40,40,40,0.3137)' -strokewidth 1 -draw "$grid" "$work/zoom-image.png"
    convert -size 180x130 xc:white "$work/zoom-image.png" -geometry +2+1 -composite \
        +antialias -fill none -stroke '#282828' -strokewidth 4 -draw 'rectangle 0,0 180,130' \
        -filter point -resize 200% "${png_options[@]}" "$out"
    echo "magnified view: drawn from the program's picture (this build shows none)"
}

theme_previews() {
    local n
    for n in 1 2 3 4 5 6; do
        convert "$build/windows/pictures/preview-$n.bmp" "${png_options[@]}" "$here/help/common/images/theme-$n.png"
    done
}

label_main_window en
label_main_window ru
label_tool_panel
magnified_view
theme_previews
echo "Help pictures written to $here/help"

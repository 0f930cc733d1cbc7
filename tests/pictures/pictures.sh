#!/usr/bin/env bash
# The reference pictures: the client areas of the main window (theme 4, four panes of fixed
# colours, HEX marked), of its three dialogs and of the loupe over a known pattern while the
# colour picker waits, at 96 and 144 DPI, in English and Russian,
# under the test prefix's fonts.
#   pictures.sh compare BUILD_DIR   takes them and compares each with its reference in this
#                                   folder, pixel for pixel; a difference leaves the new picture
#                                   and a picture of the difference in BUILD_DIR/pictures
#   pictures.sh take BUILD_DIR      takes them anew into this folder (`make pictures`)
set -euo pipefail
mode=$1
build=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
session=$here/../wine/session.sh
base=$build/wine
windows=$build/windows
work=$build/pictures
# Pictures without time stamps, so that an unchanged picture makes no change to commit.
png_options=(-strip -define png:exclude-chunks=date,time)

case $mode in
compare | take) ;;
*)
    echo "usage: pictures.sh compare|take BUILD_DIR" >&2
    exit 2
    ;;
esac

rm -rf "$work"
mkdir -p "$work"
wine_path() { echo 'Z:'"${1//\//\\}"; }

failed=()
check() { # name: compares work/name-new.png with here/name.png
    local name=$1 reference=$here/$1.png new=$work/$1-new.png difference=$work/$1-difference.png
    if [[ ! -f $reference ]]; then
        failed+=("$name: no reference picture $reference; new: $new")
        return
    fi
    local reference_size new_size
    reference_size=$(identify -format '%wx%h' "$reference")
    new_size=$(identify -format '%wx%h' "$new")
    if [[ $reference_size != "$new_size" ]]; then
        # Side by side: the reference on the left, the new picture on the right.
        convert "$reference" "$new" -background magenta +append "$difference"
        failed+=("$name: $new_size instead of $reference_size; new: $new, side by side: $difference")
        return
    fi
    local pixels
    pixels=$(compare -metric AE "$reference" "$new" "$difference" 2>&1 >/dev/null) || true
    if [[ $pixels == 0 ]]; then
        rm -f "$new" "$difference"
    else
        failed+=("$name: $pixels pixels differ; new: $new, difference: $difference")
    fi
}

take_at() { # dpi state
    local dpi=$1 state=$2 language picture folder
    for language in en ru; do
        folder=$work/$language-$dpi
        mkdir -p "$folder"
        (cd "$windows" && "$session" run "$state" ./tintra_control.exe reference-pictures "$language" \
            "$(wine_path "$folder")")
        for picture in main pane-tip color-dialog options about loupe; do
            local name=$picture-$language-$dpi
            if [[ $mode == take ]]; then
                convert "$folder/$picture.bmp" "${png_options[@]}" "$here/$name.png"
            else
                convert "$folder/$picture.bmp" "${png_options[@]}" "$work/$name-new.png"
                check "$name"
            fi
        done
        rm -rf "$folder"
    done
}

# 96 DPI in the usual session (a test run has it started already), 144 in one of its own
# whose prefix is a linked copy of the usual one, as the layout check at other DPIs has it.
if [[ $mode == take ]]; then trap '"$session" stop "$base"' EXIT; fi
"$session" start "$base"
take_at 96 "$base"
TINTRA_DPI=144 TINTRA_PREFIX_FROM=$base/prefix "$session" start "$base-144"
take_at 144 "$base-144"
"$session" stop "$base-144"

if [[ $mode == take ]]; then
    du -cb "$here"/*.png | tail -1 | awk '{ print "reference pictures: " $1 " bytes" }'
    exit 0
fi
if ((${#failed[@]})); then
    printf '%s\n' "${failed[@]}" >&2
    echo "If the change is meant, review the new pictures and take them anew with \`make pictures\`." >&2
    exit 1
fi
echo "all reference pictures match"

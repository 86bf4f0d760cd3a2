#!/usr/bin/env bash
# Draws the program's built-in pictures into this folder, named by their resource id.
# Needs ImageMagick 6 ("convert") and the fonts below; on Debian 12:
#   apt-get install imagemagick fonts-ipafont-gothic fonts-urw-base35 fonts-dejavu-core fonts-dejavu-extra
# The output is byte for byte the same on every run. The build does not run this: commit what it draws.
set -euo pipefail

out="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# One thread: the colour reduction must not depend on scheduling.
export MAGICK_THREAD_LIMIT=1 OMP_NUM_THREADS=1

GOTHIC=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf
PGOTHIC=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
BANNER=/usr/share/fonts/opentype/urw-base35/NimbusSans-BoldItalic.otf
SANS_BOLD=/usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf
SANS=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
SANS_COND_BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf
for f in "$GOTHIC" "$PGOTHIC" "$BANNER" "$SANS_BOLD" "$SANS" "$SANS_COND_BOLD"; do
    [[ -r $f ]] || { echo "missing font: $f (see the packages at the top of $0)" >&2; exit 1; }
done
command -v convert >/dev/null || { echo "missing ImageMagick's convert (Debian: imagemagick)" >&2; exit 1; }

# Colours of the windows the pictures stand on.
SPLASH_BACK='#EFBB8D' # splash card and viewer window, RGB(239,187,141)
FACE='#D4D0C8'        # the classic button face; used to blend the edges of transparent pictures
INK='#000000'
FIGURE_LINE='#303030'
DIMENSION='#0040C0' # dimension lines and their labels
MARK='#D00000'      # numbers and highlighted parts

# --- finishing -------------------------------------------------------------------------------------------

# RGBA picture -> GIF89a with one transparent colour. Half-covered edge pixels are blended over the
# button face and made opaque, the rest become transparent.
finish_gif() { # src id
    convert "$1" -write mpr:src +delete \
        \( mpr:src -background "$FACE" -alpha remove -alpha off \) \
        \( mpr:src -alpha extract -threshold 50% \) \
        -compose CopyOpacity -composite +dither -colors 255 -strip "GIF:$out/$2.gif"
    # The writer still adds its own application block (a gamma note); no reader needs it.
    perl -0777 -pi -e 's/\x21\xFF\x0BImageMagick[\x01-\xFF][^\x00]*\x00//s' "$out/$2.gif"
}

# Opaque picture -> baseline JFIF, three components, no chroma subsampling so thin lines stay sharp.
finish_jpeg() { # src id
    convert "$1" -alpha off -colorspace sRGB -type TrueColor -interlace none \
        -sampling-factor 1x1 -quality 92 -strip "JPEG:$out/$2.jpg"
}

# --- text helpers ----------------------------------------------------------------------------------------

# Small Japanese text without anti-aliasing: crisp on any background once made transparent.
heading() { # id width height font size text [x]
    local id=$1 w=$2 h=$3 font=$4 size=$5 text=$6 x=${7:-1}
    convert -size "${w}x${h}" xc:none +antialias -font "$font" -pointsize "$size" -fill "$INK" \
        -gravity west -annotate "+${x}+0" "$text" "$work/$id.png"
    finish_gif "$work/$id.png" "$id"
}

# Text filled with a vertical gradient over its own ink, optionally outlined. Writes an RGBA layer.
gradient_text() { # dst width height font size x y text top bottom [outline]
    local dst=$1 w=$2 h=$3 font=$4 size=$5 x=$6 y=$7 text=$8 top=$9 bottom=${10} outline=${11:-}
    convert -size "${w}x${h}" xc:black -font "$font" -pointsize "$size" -fill white \
        -annotate "+${x}+${y}" "$text" -alpha off "$work/mask.png"
    local box
    box=$(convert "$work/mask.png" -format '%@' info:)
    local rest=${box#*x}
    local bh=${rest%%+*} by=${rest##*+}
    # Top colour above the ink, the gradient across it, the bottom colour below.
    convert -size "${w}x${h}" "xc:$bottom" \( -size "${w}x$((by + 1))" "xc:$top" \) -geometry +0+0 -composite \
        \( -size "${w}x${bh}" "gradient:$top-$bottom" \) -geometry "+0+${by}" -composite \
        "$work/mask.png" -alpha off -compose CopyOpacity -composite "$work/fill.png"
    if [[ -n $outline ]]; then
        convert -size "${w}x${h}" xc:none -font "$font" -pointsize "$size" -fill "$outline" \
            -stroke "$outline" -strokewidth 2 -annotate "+${x}+${y}" "$text" \
            "$work/fill.png" -composite "$dst"
    else
        cp "$work/fill.png" "$dst"
    fi
}

# Product banner: the name and year shaded red to yellow, then an edition word.
banner() { # dst width height size x y edition-size edition-x edition-colour-top edition-colour-bottom
    local dst=$1 w=$2 h=$3 size=$4 x=$5 y=$6 esize=$7 ex=$8 etop=$9 ebottom=${10}
    gradient_text "$work/name.png" "$w" "$h" "$BANNER" "$size" "$x" "$y" 'Kavor Lintep 2005' \
        '#D00000' '#FFE000' '#5A0000'
    gradient_text "$work/edition.png" "$w" "$h" "$SANS_BOLD" "$esize" "$ex" "$y" "${EDITION}" \
        "$etop" "$ebottom"
    convert "$work/name.png" "$work/edition.png" -composite "$dst"
}

# The maker's mark: a wheel in a ring, then the name.
logo() { # dst width height background scale
    local dst=$1 w=$2 h=$3 back=$4 s=$5
    local r=$(((h - 3) / 2)) cy=$((h / 2)) cx=$(((h + 1) / 2))
    local hub=$((r / 3 + 1))
    local spokes=""
    for a in 0 72 144 216 288; do
        spokes+="line $cx,$cy $(awk -v a="$a" -v r="$r" -v x="$cx" -v y="$cy" \
            'BEGIN{t=a*3.14159265/180; printf "%.1f,%.1f", x+0.7*r*sin(t), y-0.7*r*cos(t)}') "
    done
    convert -size "${w}x${h}" "xc:$back" -fill none -stroke '#103080' -strokewidth "$((s + 1))" \
        -draw "circle $cx,$cy $((cx + r)),$cy" -strokewidth "$s" -stroke '#C00000' -draw "$spokes" \
        -fill '#103080' -stroke none -draw "circle $cx,$cy $((cx + hub)),$cy" \
        -font "$SANS_BOLD" -pointsize "$((h * 9 / 10))" -fill '#103080' -gravity west \
        -annotate "+$((h + 2))+0" 'Tolvane' "$dst"
}

# --- headings and labels ---------------------------------------------------------------------------------

heading 120 68 13 "$GOTHIC" 12 '前輪タイヤ'
heading 121 68 13 "$GOTHIC" 12 '後輪タイヤ'
heading 122 125 15 "$GOTHIC" 13 '変更前データ入力'
heading 123 125 15 "$GOTHIC" 13 '変更後データ入力'
heading 124 36 14 "$GOTHIC" 13 '解説'
heading 125 62 15 "$GOTHIC" 13 '解析完了'
heading 126 55 13 "$GOTHIC" 12 '比較結果'
heading 130 110 15 "$PGOTHIC" 13 '起動オプション'
heading 143 202 12 "$PGOTHIC" 12 'プログラムを起動する（入力モード）' 0
heading 144 241 12 "$PGOTHIC" 12 'ビューワを起動する（解析結果ビューワモード）' 0

# --- banners ---------------------------------------------------------------------------------------------

EDITION=Zelmarovinth
banner "$work/157.png" 312 36 25 3 27 13 226 '#000000' '#A0A0A0'
finish_gif "$work/157.png" 157
cp "$out/157.gif" "$out/160.gif" # the top menu shows the same banner

banner "$work/106.png" 330 38 26 3 29 14 233 '#000000' '#A0A0A0'
finish_gif "$work/106.png" 106

EDITION=Viewer
banner "$work/110.png" 296 38 26 3 29 17 234 '#E00000' '#E00000'
finish_gif "$work/110.png" 110

banner "$work/171.png" 285 36 25 3 27 16 226 '#E00000' '#E00000'
convert -size 285x36 "xc:$SPLASH_BACK" "$work/171.png" -composite "$work/171o.png"
finish_jpeg "$work/171o.png" 171

EDITION=Zelmarovinth
banner "$work/117.png" 449 52 36 6 39 20 322 '#000000' '#A0A0A0'
convert -size 449x52 "xc:$SPLASH_BACK" "$work/117.png" -composite "$work/117o.png"
finish_jpeg "$work/117o.png" 117

# --- the maker -------------------------------------------------------------------------------------------

logo "$work/101.png" 139 25 none 2
finish_gif "$work/101.png" 101
logo "$work/102.png" 95 17 none 1
finish_gif "$work/102.png" 102
logo "$work/159.png" 139 25 "$SPLASH_BACK" 2
finish_jpeg "$work/159.png" 159

convert -size 140x14 xc:none -font "$SANS_BOLD" -pointsize 11 -fill '#103080' -gravity west \
    -annotate +1+0 'Produced by Tolvane' "$work/131.png"
finish_gif "$work/131.png" 131
convert -size 143x17 "xc:$SPLASH_BACK" -font "$SANS_BOLD" -pointsize 13 -fill '#103080' -gravity west \
    -annotate +1+0 'Produced by Tolvane' "$work/137.png"
finish_jpeg "$work/137.png" 137

legal() { # id product
    convert -size 290x24 xc:none +antialias -fill "$INK" \
        -font "$SANS" -pointsize 9 -annotate +1+10 "$2  © 2005 Tolvane" \
        -font "$PGOTHIC" -pointsize 11 -annotate +1+22 '本製品は著作権法および国際条約により保護されています。' \
        "$work/$1.png"
    finish_gif "$work/$1.png" "$1"
}
legal 132 'Kavor Lintep 2005 Zelmarovinth'
legal 135 'Kavor Lintep 2005 Viewer'
convert -size 290x11 xc:none +antialias -fill "$INK" -font "$SANS" -pointsize 9 \
    -annotate +1+9 'Copyright (C) 2005 Tolvane. All rights reserved.' "$work/136.png"
finish_gif "$work/136.png" 136

# --- drawing helpers (MVG text on stdout) ----------------------------------------------------------------

# Advance width in pixels of a text (a bar in front, so that blanks count too).
advance() { # font size text
    local with without
    with=$(convert -size 1x1 xc: -font "$1" -pointsize "$2" -debug annotate -annotate +0+0 "|$3" null: 2>&1 |
        sed -n 's/.*; width: \([0-9.]*\);.*/\1/p' | head -n 1)
    without=$(convert -size 1x1 xc: -font "$1" -pointsize "$2" -debug annotate -annotate +0+0 "|" null: 2>&1 |
        sed -n 's/.*; width: \([0-9.]*\);.*/\1/p' | head -n 1)
    calc "$with - $without"
}

# A wheel seen from the side: tyre, rim, five spokes, hub.
wheel_mvg() { # cx cy radius
    awk -v x="$1" -v y="$2" -v r="$3" 'BEGIN {
        printf "fill #282828 stroke #101010 stroke-width 1 circle %g,%g %g,%g\n", x, y, x + r, y
        printf "fill #C8CCD0 stroke #707478 circle %g,%g %g,%g\n", x, y, x + r * 0.64, y
        printf "fill none stroke #8A8E92 stroke-width %g\n", (r > 24 ? 3 : 2)
        for (i = 0; i < 5; i++) {
            t = i * 72 * 3.14159265 / 180
            printf "line %g,%g %g,%g\n", x + r * 0.16 * sin(t), y - r * 0.16 * cos(t), x + r * 0.58 * sin(t), y - r * 0.58 * cos(t)
        }
        printf "fill #5A5E62 stroke none circle %g,%g %g,%g\n", x, y, x + r * 0.15, y
    }'
}

# Filled arrow head with its tip at x,y pointing left, right, up or down.
arrow_mvg() { # x y direction colour
    local x=$1 y=$2 c=$4
    case $3 in
    left) echo "fill $c stroke none polygon $x,$y $(calc "$x+4"),$(calc "$y-2") $(calc "$x+4"),$(calc "$y+2")" ;;
    right) echo "fill $c stroke none polygon $x,$y $(calc "$x-4"),$(calc "$y-2") $(calc "$x-4"),$(calc "$y+2")" ;;
    up) echo "fill $c stroke none polygon $x,$y $(calc "$x-2"),$(calc "$y+4") $(calc "$x+2"),$(calc "$y+4")" ;;
    down) echo "fill $c stroke none polygon $x,$y $(calc "$x-2"),$(calc "$y-4") $(calc "$x+2"),$(calc "$y-4")" ;;
    esac
}
calc() { awk "BEGIN { printf \"%g\", $1 }"; }

# Dimension lines with arrows at both ends; "out" puts the arrows outside a span too short for them.
hdim_mvg() { # x1 x2 y [out]
    local x1=$1 x2=$2 y=$3 c=$DIMENSION
    if [[ ${4:-} == out ]]; then
        echo "fill none stroke $c stroke-width 1 line $(calc "$x1-9"),$y $(calc "$x2+9"),$y"
        arrow_mvg "$x1" "$y" right "$c"
        arrow_mvg "$x2" "$y" left "$c"
    else
        echo "fill none stroke $c stroke-width 1 line $x1,$y $x2,$y"
        arrow_mvg "$x1" "$y" left "$c"
        arrow_mvg "$x2" "$y" right "$c"
    fi
}
vdim_mvg() { # x y1 y2
    local x=$1 y1=$2 y2=$3 c=$DIMENSION
    echo "fill none stroke $c stroke-width 1 line $x,$y1 $x,$y2"
    arrow_mvg "$x" "$y1" up "$c"
    arrow_mvg "$x" "$y2" down "$c"
}
# Thin extension or leader line.
thin_mvg() { # x1 y1 x2 y2 [colour] [dashed]
    local c=${5:-$DIMENSION}
    if [[ ${6:-} == dashed ]]; then
        echo "push graphic-context stroke-dasharray 2 2 fill none stroke $c stroke-width 1 line $1,$2 $3,$4 pop graphic-context"
    else
        echo "fill none stroke $c stroke-width 1 line $1,$2 $3,$4"
    fi
}

# Draws an MVG file on an opaque white canvas, then sets the labels: lines of "font size colour x y text".
figure() { # id width height mvg labels
    local id=$1 w=$2 h=$3 mvg=$4 labels=$5
    local args=() font size colour x y text
    while IFS='|' read -r font size colour x y text; do
        [[ -z $font ]] && continue
        args+=(-font "${!font}" -pointsize "$size" -fill "$colour" -stroke none -annotate "+$x+$y" "$text")
    done <"$labels"
    convert -size "${w}x${h}" xc:white -draw "$(<"$mvg")" "${args[@]}" \
        -fill none -stroke '#A0A0A0' -strokewidth 1 -draw "rectangle 0,0 $((w - 1)),$((h - 1))" \
        "$work/$id.png"
    finish_jpeg "$work/$id.png" "$id"
}

# --- size markings ---------------------------------------------------------------------------------------

# A size marking written out token by token, with a circled number centred under the numbered tokens.
# Tokens: "text" or "text=number". The baselines keep descenders (the J of the flange) off the numbers.
notation() { # id width height size text-baseline number-baseline tokens...
    local id=$1 w=$2 h=$3 size=$4 base=$5 nbase=$6
    shift 6
    local x=0 token text number wd total=0 args=()
    for token in "$@"; do
        text=${token%%=*}
        total=$(calc "$total + $(advance "$SANS_COND_BOLD" "$size" "$text")")
    done
    x=$(calc "int(($w - $total) / 2)")
    for token in "$@"; do
        text=${token%%=*}
        wd=$(advance "$SANS_COND_BOLD" "$size" "$text")
        args+=(-font "$SANS_COND_BOLD" -pointsize "$size" -fill "$INK" -annotate "+$x+$base" "$text")
        if [[ $token == *=* ]]; then
            number=${token#*=}
            args+=(-font "$GOTHIC" -pointsize 10 -fill "$MARK"
                -annotate "+$(calc "int($x + $wd / 2 - 5 + 0.5)")+$nbase" "$number")
        fi
        x=$(calc "$x + $wd")
    done
    convert -size "${w}x${h}" xc:white "${args[@]}" \
        -fill none -stroke '#A0A0A0' -strokewidth 1 -draw "rectangle 0,0 $((w - 1)),$((h - 1))" \
        "$work/$id.png"
    finish_jpeg "$work/$id.png" "$id"
}
notation 119 150 35 14 16 32 '225=①' '/' '45=②' ' R' '17=③' '  ' '91W=④'
notation 162 155 26 12 12 24 '17=①' '×' '7.5=②' ' ' 'J=③' ' ' '+48=④' ' ' '5H=⑤' '-' '114.3=⑥'

# --- figure A: wheel in cross-section --------------------------------------------------------------------
# Inner side left, outer side right; the axis runs across the middle. Rim seats at y 28 and 114 (H), flanges
# at x 24 and 92 (W), centre line x 58, mounting face x 68 (Wa), bolt circle y 53.5 and 88.5 (P.C.D).
{
    rim_half() { # sign: 1 top half, -1 bottom half (mirrored about y 71)
        awk -v s="$1" 'function Y(y) { return s > 0 ? y : 142 - y }
        BEGIN {
            printf "fill #B8BCC0 stroke #404448 stroke-width 1 polygon"
            n = split("19,16 24,16 26,19 26,25 36,25 40,35 52,35 56,25 90,25 90,19 92,16 97,16 97,19 94,20 93,28 " \
                      "58,28 55,38 38,38 34,28 23,28 22,20 19,19", p, " ")
            for (i = 1; i <= n; i++) { split(p[i], q, ","); printf " %s,%s", q[1], Y(q[2]) }
            printf "\n"
        }'
    }
    rim_half 1
    rim_half -1
    # Disc from the rim well to the hub; its inner face at x 68 is the mounting face.
    echo "fill #8C9094 stroke #404448 stroke-width 1 polygon 54,38 60,38 80,46 80,96 60,104 54,104 68,96 68,46"
    echo "fill white stroke #404448 rectangle 68,66 80,76" # centre bore
    echo "fill white stroke #404448 rectangle 68,51 80,55" # bolt holes
    echo "fill white stroke #404448 rectangle 68,87 80,91"
    echo "fill none stroke $MARK stroke-width 2 line 68,46 68,96"
    # Centre lines: the wheel's (vertical) and the axis (horizontal).
    echo "push graphic-context stroke-dasharray 6 2 1 2 fill none stroke #606060 stroke-width 1"
    echo "line 58.5,13 58.5,134 line 20,71.5 100,71.5 pop graphic-context"
    # W between the flanges, above the wheel, its letter in a gap of the line.
    thin_mvg 23.5 6 23.5 15
    thin_mvg 92.5 6 92.5 15
    hdim_mvg 24 92 10.5
    echo "fill white stroke none rectangle 33,4 45,16"
    # H across the rim seats, left of the wheel.
    thin_mvg 4 28.5 22 28.5
    thin_mvg 4 113.5 22 113.5
    vdim_mvg 9.5 29 113
    echo "fill white stroke none rectangle 3,43 16,55"
    # Wa from the centre line to the mounting face, below the wheel.
    thin_mvg 68.5 97 68.5 134 "$DIMENSION" dashed
    hdim_mvg 58.5 68.5 131.5 out
    # P.C.D across the bolt holes, right of the hub.
    thin_mvg 81 53.5 92 53.5
    thin_mvg 81 89.5 92 89.5
    vdim_mvg 88.5 54 89
    # Leaders to the named parts.
    thin_mvg 95 126 103 130 "$FIGURE_LINE"
    thin_mvg 69 97 103 104 "$FIGURE_LINE"
} >"$work/163.mvg"
cat >"$work/163.txt" <<LABELS
SANS_BOLD|11|$DIMENSION|35|15|W
SANS_BOLD|11|$DIMENSION|5|54|H
SANS_BOLD|11|$DIMENSION|80|139|Wa
SANS_BOLD|10|$DIMENSION|95|75|P.C.D
GOTHIC|10|$FIGURE_LINE|104|135|フランジ
GOTHIC|10|$MARK|104|108|取付座面
GOTHIC|10|$FIGURE_LINE|26|62|中心線
GOTHIC|10|$FIGURE_LINE|1|10|内側
GOTHIC|10|$FIGURE_LINE|130|10|外側
LABELS
figure 163 152 142 "$work/163.mvg" "$work/163.txt"

# --- figure B: tyre under the fender, seen from the front ------------------------------------------------
# Tyre from x 40 (inner side) to x 100 (outer side), top at y 56; the fender's underside at y 38 (L2) and
# its edge at x 118 (L1).
{
    echo "fill none stroke #808080 stroke-width 1 line 20,147.5 132,147.5" # road
    echo "fill #303030 stroke #101010 stroke-width 1 roundrectangle 40,56 100,147 14,14"
    echo "fill none stroke #5A5A5A stroke-width 2 line 56,60 56,143 line 70,58 70,145 line 84,60 84,143"
    # Fender: the body panel over the tyre, bending down at the outer side to its edge.
    echo "fill #B4C4DC stroke #304060 stroke-width 1 path 'M 0,20 L 104,20 Q 118,20 120,34 L 120,45 L 114,45 L 114,38 L 0,38 Z'"
    # L1: sideways from the tyre's outer side to the fender's edge.
    thin_mvg 100.5 57 100.5 84 "$DIMENSION" dashed
    thin_mvg 117.5 46 117.5 84 "$DIMENSION" dashed
    hdim_mvg 101 117 80.5
    # L2: from the top of the tyre up to the fender.
    vdim_mvg 70.5 39 55
} >"$work/164.mvg"
cat >"$work/164.txt" <<LABELS
GOTHIC|10|$FIGURE_LINE|8|14|フェンダー
GOTHIC|10|white|55|106|タイヤ
GOTHIC|10|$FIGURE_LINE|6|100|内側
GOTHIC|10|$FIGURE_LINE|123|120|外側
SANS_BOLD|11|$DIMENSION|121|84|L1
SANS_BOLD|11|$DIMENSION|75|51|L2
LABELS
figure 164 152 154 "$work/164.mvg" "$work/164.txt"

# --- figure C: wheel under its arch, seen from the side --------------------------------------------------
# Wheel centre (76,84), tyre radius 38; the arch is a circle of radius 52 about the same centre, cut by the
# body's lower edge at y 74 (x 25 and 127). L2 above the tyre, L3 before and behind it.
{
    echo "fill #B4C4DC stroke #304060 stroke-width 1 rectangle -1,8 153,74"
    echo "fill white stroke #304060 stroke-width 1 circle 76,84 128,84"
    echo "fill white stroke none rectangle 0,75 152,125"
    echo "fill none stroke #304060 stroke-width 1 line 0,74.5 25,74.5 line 127,74.5 152,74.5"
    echo "fill none stroke #808080 stroke-width 1 line 4,122.5 148,122.5" # road
    wheel_mvg 76 84 38
    # L2 straight above the wheel centre.
    vdim_mvg 76.5 33 45
    # L3 at the height of the arch's ends, in front of and behind the tyre.
    thin_mvg 25.5 75 25.5 84 "$DIMENSION" dashed
    thin_mvg 126.5 75 126.5 84 "$DIMENSION" dashed
    hdim_mvg 26 38 80.5
    hdim_mvg 114 126 80.5
} >"$work/165.mvg"
cat >"$work/165.txt" <<LABELS
SANS_BOLD|11|$DIMENSION|81|44|L2
SANS_BOLD|11|$DIMENSION|23|96|L3
SANS_BOLD|11|$DIMENSION|114|96|L3
GOTHIC|10|$FIGURE_LINE|4|118|前方
GOTHIC|10|$FIGURE_LINE|128|118|後方
LABELS
figure 165 152 126 "$work/165.mvg" "$work/165.txt"

# --- usage notes of the top menu -------------------------------------------------------------------------
# Lines broken by hand: 11 px full-width characters, 28 to a line after the number.
{
    args=(+antialias -font "$GOTHIC" -pointsize 12 -fill '#103080' -annotate +0+12 '【ご使用上の注意】'
        -font "$GOTHIC" -pointsize 11 -fill "$INK")
    y=12
    while IFS='|' read -r indent text; do
        y=$((y + 13))
        args+=(-annotate "+${indent}+${y}" "$text")
    done <<'NOTES'
0|1. 本ソフトはホイール変更時の基本項目をチェックする
17|もので、ボルト穴数・リム形状・P.C.Dは変更前後で
17|同一であることを前提としています。
0|2. 変更後のクリアランスはフェンダー端からタイヤ側面
17|までの実測値を基に算出しています。他の測り方
17|(フェンダー端からホイールリムまで等)では多少異なります。
0|3. 解析結果は入力値による計算値であり、実車に装着し
17|た状態とは多少異なる場合があります。
NOTES
    convert -size 337x123 xc:none "${args[@]}" "$work/172.png"
    finish_gif "$work/172.png" 172
}

# --- side bars -------------------------------------------------------------------------------------------

side_bar() { # id height top-colour bottom-colour
    local id=$1 h=$2 top=$3 bottom=$4
    {
        wheel_mvg 25 $((h - 32)) 19
        echo "fill none stroke #FFFFFF stroke-width 1 line 10,$((h - 62)).5 40,$((h - 62)).5"
    } >"$work/$id.mvg"
    convert -size "50x${h}" "gradient:$top-$bottom" -draw "$(<"$work/$id.mvg")" \
        \( -size "$((h - 74))x50" xc:none -font "$BANNER" -pointsize 17 -fill white -gravity east \
        -annotate +6+0 'Kavor Lintep 2005' -rotate -90 \) -gravity north -geometry +0+0 -composite \
        "$work/$id.png"
    finish_jpeg "$work/$id.png" "$id"
}
side_bar 111 225 '#B03000' "$SPLASH_BACK" # viewer and notices: the viewer's warm colours
side_bar 112 225 '#102878' '#7088D8'
side_bar 113 365 '#102878' '#90A8E0'

# --- advertisement of the maker's products ---------------------------------------------------------------
{
    product() { # y name kind line1 line2
        local y=$1
        wheel_mvg 30 $((y + 24)) 17 >>"$work/103.mvg"
        args+=(-antialias -font "$SANS_BOLD" -pointsize 12 -fill '#A00000' -annotate "+56+$((y + 12))" "$2"
            +antialias -font "$GOTHIC" -pointsize 11 -fill '#103080' -annotate "+56+$((y + 27))" "$3"
            -fill "$INK" -annotate "+56+$((y + 41))" "$4" -annotate "+56+$((y + 54))" "$5")
    }
    echo "fill white stroke #103080 stroke-width 2 roundrectangle 1,1 283,361 10,10" >"$work/103.mvg"
    echo "fill #103080 stroke none path 'M 1,44 L 1,11 Q 1,1 11,1 L 273,1 Q 283,1 283,11 L 283,44 Z'" >>"$work/103.mvg"
    args=(+antialias)
    product 60 'Kavor Lintep 2005 Zelmarovinth' 'フル機能版' '引込・上部・前後の3方向で' 'クリアランスを解析します。'
    product 140 'Kavor Lintep 2005' 'ベーシック版' '引込量に絞った解析で' '手軽にチェックできます。'
    product 220 'Kavor Lintep 2005 Viewer' '解析結果ビューワ' '保存した解析結果を読み込み' '再判定・印刷ができます。'
    echo "fill none stroke #103080 stroke-width 1 line 12,134.5 272,134.5 line 12,214.5 272,214.5" >>"$work/103.mvg"
    echo "fill none stroke #103080 stroke-width 1 line 12,294.5 272,294.5" >>"$work/103.mvg"
    convert -size 285x363 xc:none -draw "$(<"$work/103.mvg")" \
        -font "$SANS_BOLD" -pointsize 20 -fill white -annotate +14+30 'Tolvane' \
        -font "$GOTHIC" -pointsize 14 -annotate +110+29 '製品のご案内' \
        "${args[@]}" \
        -font "$GOTHIC" -pointsize 11 -fill "$INK" -annotate +14+316 'ご購入方法や製品の詳細は、ヘルプまたは' \
        -annotate +14+331 'TolvaneのWebサイトをご覧下さい。' \
        -fill '#A00000' -annotate +14+349 'ショップ向けのカスタマイズにも対応します。' \
        "$work/103.png"
    finish_gif "$work/103.png" 103
}

# --- window icon -----------------------------------------------------------------------------------------

# The 32 x 32 icon of every window: a wheel in its tyre, on a transparent ground. PNG keeps the soft edge
# that a single transparent colour would lose; no time stamp, so the bytes stay the same.
convert -size 32x32 xc:none -draw "$(wheel_mvg 15.5 15.5 15)" -strip \
    -define png:exclude-chunks=date,time "PNG32:$out/icon.png"

#!/usr/bin/env python3
"""Draws the shipped pictures: edition icons (.ico and a 256 px PNG twin),
header logos, list bar pictures, the version dialog's product picture and the
marks that forms may show on the preview.

Uses only the Python standard library and ImageMagick's `convert`, so anyone
with the build's Debian packages can redraw the pictures after changing a
colour or a shape here. Run it from anywhere:

    python3 resources/images/make_images.py

The output goes beside this script. Text chunks and timestamps are left out of
the PNG files so that redrawing unchanged pictures gives identical files.
"""

import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

JAPANESE_FONTS = [
    "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
    "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf",
]
LATIN_FONTS = [
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf",
] + JAPANESE_FONTS


def first_existing(paths):
    """Returns the first font file that is installed, or stops with a hint."""
    for path in paths:
        if os.path.exists(path):
            return path
    sys.exit("make_images.py: none of these fonts is installed: " + ", ".join(paths))


def convert_program():
    """ImageMagick 6 calls it convert, ImageMagick 7 magick."""
    for name in ("convert", "magick"):
        found = shutil.which(name)
        if found:
            return found
    sys.exit("make_images.py: ImageMagick (convert) is not installed")


CONVERT = convert_program()
JP_FONT = first_existing(JAPANESE_FONTS)
LATIN_FONT = first_existing(LATIN_FONTS)

# Settings that keep the written files free of dates and other run-dependent data.
REPRODUCIBLE = ["-strip", "-define", "png:exclude-chunks=date,time,tEXt,zTXt,iTXt"]


def run(args):
    """Runs convert with the given arguments; any failure stops the script."""
    subprocess.run([CONVERT] + args, check=True)


def mix(colour, other, amount):
    """Blends two #rrggbb colours: amount 0 gives colour, 1 gives other."""
    a = [int(colour[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(other[i:i + 2], 16) for i in (1, 3, 5)]
    return "#" + "".join("%02x" % round(x + (y - x) * amount) for x, y in zip(a, b))


def lighter(colour, amount):
    return mix(colour, "#ffffff", amount)


def darker(colour, amount):
    return mix(colour, "#000000", amount)


# ---------------------------------------------------------------------------
# Editions: colour identity, names and the glyph of the mark.
# ---------------------------------------------------------------------------

EDITIONS = {
    # 10: postal payment slips, a calm postal blue-green.
    "brenno": {"colour": "#0f7f86", "name": "郵便払込票", "latin": "PAYMENT SLIP", "bar": "bar2.bmp"},
    # 20: Quillo, a warm orange.
    "quillo": {"colour": "#e07415", "name": "クィロ便", "latin": "QUILLO EXPRESS", "bar": "bar3.bmp"},
    # 30: Dovrak, a deep blue.
    "dovrak": {"colour": "#1f57a6", "name": "ドヴラク便", "latin": "DOVRAK PARCEL", "bar": "bar4.bmp"},
    # 40: Zerrat, a signal red.
    "zerrat": {"colour": "#c22f2a", "name": "ゼラット運輸", "latin": "ZERRAT TRANSPORT", "bar": "bar6.bmp"},
    # 50: Morvik, a violet.
    "morvik": {"colour": "#6a3fa3", "name": "モルヴィク運送", "latin": "MORVIK LOGISTICS", "bar": "bar5.bmp"},
}

NEUTRAL = "#66788f"  # bar1: the grey-blue of pages that belong to no edition


def glyph_brenno(c):
    """A payment slip with its receipt stub torn along a perforation."""
    ink = darker(c, 0.1)
    return [
        "fill white", "stroke none",
        "roundrectangle 30,74 226,182 12,12",
        # perforation between the slip and its receipt stub
        "stroke %s" % ink, "stroke-width 5", "stroke-dasharray 9 7", "stroke-linecap butt",
        "line 166,82 166,176",
        "stroke-dasharray none",
        # lines of the receipt stub
        "stroke-linecap round", "stroke-width 7",
        "line 182,104 208,104", "line 182,128 208,128", "line 182,152 200,152",
        # the yen sign of the amount
        "stroke none", "fill %s" % ink, "font '%s'" % LATIN_FONT, "font-size 92",
        "text-anchor middle", "text 98,160 '¥'",
    ]


def glyph_quillo(c):
    """A quill feather: a swift hand that carries letters."""
    ink = darker(c, 0.05)
    return [
        "fill white", "stroke none",
        "path 'M 204,40 C 130,52 78,110 86,184 C 150,178 206,118 204,40 Z'",
        # the vein of the feather and two notches in its vane
        "stroke %s" % ink, "stroke-width 6", "stroke-linecap round", "fill none",
        "path 'M 92,180 Q 150,118 196,54'",
        "stroke-width 5",
        "line 136,128 114,116", "line 160,98 142,84",
        # the bare quill below the vane
        "stroke white", "stroke-width 10",
        "line 56,214 92,176",
    ]


def glyph_dovrak(c):
    """A parcel seen from above, with its tape across the lid."""
    edge = darker(c, 0.25)
    tape = lighter(c, 0.45)
    return [
        "stroke %s" % edge, "stroke-width 4", "stroke-linejoin round",
        "fill white", "polygon 128,40 216,86 128,132 40,86",
        "fill %s" % lighter(c, 0.88), "polygon 40,86 128,132 128,222 40,176",
        "fill %s" % lighter(c, 0.72), "polygon 128,132 216,86 216,176 128,222",
        "stroke none", "fill %s" % tape,
        "polygon 97,56 185,102 169,110 81,64",
        "polygon 169,110 185,102 185,192 169,200",
    ]


def glyph_zerrat(c):
    """A delivery lorry with the carrier's stripe."""
    ink = darker(c, 0.3)
    return [
        "stroke none", "fill white",
        "roundrectangle 26,70 162,174 8,8",
        "path 'M 170,100 L 206,100 L 232,136 L 232,174 L 170,174 Z'",
        "fill %s" % ink,
        "polygon 180,110 202,110 220,136 180,136",
        "fill %s" % c, "rectangle 26,116 162,132",
        # wheels
        "fill %s" % ink, "stroke white", "stroke-width 7",
        "circle 70,178 70,200", "circle 198,178 198,200",
        "stroke none", "fill white",
        "circle 70,178 70,186", "circle 198,178 198,186",
    ]


def glyph_morvik(c):
    """Two chevrons: forward, and forward again."""
    return [
        "stroke none", "fill rgba(255,255,255,0.6)",
        "polygon 46,60 114,128 46,196 88,196 156,128 88,60",
        "fill white",
        "polygon 110,60 178,128 110,196 152,196 220,128 152,60",
    ]


GLYPHS = {
    "brenno": glyph_brenno,
    "quillo": glyph_quillo,
    "dovrak": glyph_dovrak,
    "zerrat": glyph_zerrat,
    "morvik": glyph_morvik,
}


# ---------------------------------------------------------------------------
# Drawing steps.
# ---------------------------------------------------------------------------

def draw_args(commands):
    """Joins MVG drawing commands into one -draw argument."""
    return ["-draw", "\n".join(commands)]


def icon_master(identifier, path):
    """The 256 px icon: a rounded tile in the edition colour with its glyph."""
    c = EDITIONS[identifier]["colour"]
    tile = [
        "stroke %s" % darker(c, 0.28), "stroke-width 4",
        "fill none", "roundrectangle 6,6 249,249 50,50",
    ]
    run(["-size", "256x256", "gradient:%s-%s" % (lighter(c, 0.22), darker(c, 0.08)),
         "(", "-size", "256x256", "xc:black", "-fill", "white",
         "-draw", "roundrectangle 6,6 249,249 50,50", ")",
         "-alpha", "off", "-compose", "CopyOpacity", "-composite",
         "-compose", "Over"]
        # a soft sheen over the upper half
        + draw_args(["fill rgba(255,255,255,0.10)", "stroke none",
                     "roundrectangle 10,10 245,128 46,46"])
        + draw_args(tile)
        + draw_args(GLYPHS[identifier](c))
        + REPRODUCIBLE + ["PNG32:" + path])


def scaled(master, size, path):
    """A smaller copy of the master; small sizes are sharpened a little."""
    args = [master, "-filter", "Lanczos", "-resize", "%dx%d" % (size, size)]
    if size <= 32:
        args += ["-unsharp", "0x0.6+0.6+0"]
    run(args + REPRODUCIBLE + ["PNG32:" + path])


def icon_files(identifier, work):
    """<identifier>.ico with 16, 32, 48 and 256 px images, and <identifier>_icon.png."""
    master = os.path.join(work, identifier + "_256.png")
    icon_master(identifier, master)
    sizes = []
    for size in (16, 32, 48):
        small = os.path.join(work, "%s_%d.png" % (identifier, size))
        scaled(master, size, small)
        sizes.append(small)
    run(sizes + [master, "-strip", "ICO:" + os.path.join(HERE, identifier + ".ico")])
    run([master] + REPRODUCIBLE + ["PNG32:" + os.path.join(HERE, identifier + "_icon.png")])
    return master


def logo(identifier, master, work):
    """<identifier>.png: the mark and the edition's short name for the window header."""
    e = EDITIONS[identifier]
    c = e["colour"]
    mark = os.path.join(work, identifier + "_40.png")
    scaled(master, 40, mark)
    run(["-size", "200x48", "xc:none", mark, "-geometry", "+4+4", "-composite"]
        + draw_args([
            "fill %s" % darker(c, 0.35), "stroke %s" % darker(c, 0.35), "stroke-width 0.5",
            "font '%s'" % JP_FONT, "font-size 20", "text 52,26 '%s'" % e["name"],
            "stroke none", "fill %s" % c,
            "font '%s'" % LATIN_FONT, "font-size 9", "kerning 1.2",
            "text 53,41 '%s'" % e["latin"],
        ])
        + REPRODUCIBLE + ["PNG32:" + os.path.join(HERE, identifier + ".png")])


def carrier_mark_of_edition(identifier, master, work):
    """<identifier>_mark.png: a larger mark with names, as printed on the edition's forms."""
    e = EDITIONS[identifier]
    c = e["colour"]
    mark = os.path.join(work, identifier + "_80.png")
    scaled(master, 80, mark)
    run(["-size", "360x96", "xc:none", mark, "-geometry", "+8+8", "-composite"]
        + draw_args([
            "fill %s" % darker(c, 0.3), "stroke %s" % darker(c, 0.3), "stroke-width 0.8",
            "font '%s'" % JP_FONT, "font-size 36", "text 100,50 '%s'" % e["name"],
            "stroke none", "fill %s" % c,
            "font '%s'" % LATIN_FONT, "font-size 15", "kerning 2",
            "text 102,80 '%s'" % e["latin"],
        ])
        + REPRODUCIBLE + ["PNG32:" + os.path.join(HERE, identifier + "_mark.png")])


def bar(name, colour):
    """A 400 x 24 title-bar background: light enough for black text on it."""
    top = lighter(colour, 0.62)
    bottom = lighter(colour, 0.30)
    run(["-size", "400x24", "gradient:%s-%s" % (top, bottom),
         # fade towards the right so that long captions stay readable
         "(", "-size", "24x400", "gradient:rgba(255,255,255,0)-rgba(255,255,255,0.55)",
         "-rotate", "-90", ")",
         "-compose", "Over", "-composite"]
        + draw_args([
            "stroke %s" % lighter(colour, 0.85), "line 0,0 399,0",
            "stroke %s" % darker(colour, 0.15), "line 0,23 399,23",
        ])
        + ["-alpha", "off", "-type", "TrueColor", "-strip",
           "BMP3:" + os.path.join(HERE, name)])


def product_picture():
    """product.png: a printer putting out a waybill, for the version dialog."""
    slate = "#56657a"
    stripe = []
    x = 68
    for identifier in ("brenno", "quillo", "dovrak", "zerrat", "morvik"):
        stripe += ["fill %s" % EDITIONS[identifier]["colour"], "rectangle %d,162 %d,172" % (x, x + 20)]
        x += 21
    commands = [
        # shadow on the desk
        "stroke none", "fill rgba(0,0,0,0.16)", "ellipse 120,214 96,10 0,360",
        # the sheet fed in at the back
        "fill white", "stroke #b8c0cb", "stroke-width 3", "rectangle 70,40 170,108",
        "stroke #d5dae1", "line 84,60 150,60", "line 84,74 140,74",
        # the printer body with its lighter lid
        "stroke %s" % darker(slate, 0.3), "stroke-width 3",
        "fill %s" % slate, "roundrectangle 26,96 214,190 16,16",
        "stroke none", "fill %s" % lighter(slate, 0.22), "roundrectangle 29,99 211,130 13,13",
        "fill %s" % lighter(slate, 0.5), "rectangle 44,112 120,116",
        "fill #4cd964", "circle 192,114 192,119",
        # output slot
        "fill %s" % darker(slate, 0.45), "roundrectangle 50,150 190,160 4,4",
        # the waybill coming out
        "fill white", "stroke #aeb7c3", "stroke-width 2", "rectangle 64,156 176,230",
        "stroke none",
    ] + stripe + [
        "stroke #9aa4b1", "stroke-width 3", "stroke-linecap round",
        "line 74,184 140,184", "line 74,198 128,198", "line 74,212 136,212",
        "stroke none", "fill #39424e",
    ]
    # a short bar code: few, wide bars so that it still reads at 120 px
    bx = 146
    for width in (4, 2, 4, 2, 2, 4):
        commands.append("rectangle %d,180 %d,222" % (bx, bx + width - 1))
        bx += width + 3
    run(["-size", "240x240", "xc:none"] + draw_args(commands)
        + ["-filter", "Lanczos", "-resize", "120x120"]
        + REPRODUCIBLE + ["PNG32:" + os.path.join(HERE, "product.png")])


def carrier_mark():
    """carrier_mark.png: a plain parcel-service mark for any form's preview."""
    ink = "#3a4350"
    run(["-size", "240x80", "xc:none"] + draw_args([
        "fill white", "stroke %s" % ink, "stroke-width 4",
        "roundrectangle 3,3 236,76 14,14",
        # parcel
        "stroke %s" % ink, "stroke-width 3", "stroke-linejoin round",
        "fill %s" % "#ffffff", "polygon 42,14 70,28 42,42 14,28",
        "fill %s" % "#e4e8ee", "polygon 14,28 42,42 42,70 14,56",
        "fill %s" % "#c6ccd6", "polygon 42,42 70,28 70,56 42,70",
        # the service name
        "stroke %s" % ink, "stroke-width 0.8", "fill %s" % ink,
        "font '%s'" % JP_FONT, "font-size 36", "text 84,54 '宅配便'",
    ]) + REPRODUCIBLE + ["PNG32:" + os.path.join(HERE, "carrier_mark.png")])


def main():
    with tempfile.TemporaryDirectory(prefix="korvel-images-") as work:
        for identifier, edition in EDITIONS.items():
            master = icon_files(identifier, work)
            logo(identifier, master, work)
            carrier_mark_of_edition(identifier, master, work)
            bar(edition["bar"], edition["colour"])
        bar("bar1.bmp", NEUTRAL)
        product_picture()
        carrier_mark()
    print("make_images.py: pictures written to " + HERE)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Builds the bundled fonts from the Debian packages fonts-liberation and
fonts-wine: the same outlines and metrics under family names of our own, so
that a font of the same name installed on a machine can never take their
place and change the text widths a layout is measured with.

Run from this folder (needs python3-fonttools, fonts-liberation, fonts-wine).
"""
from fontTools.ttLib import TTFont

SOURCES = [
    ("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf", "SumcraftSans-Regular.ttf", "Sumcraft Sans", "Regular"),
    ("/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf", "SumcraftSans-Bold.ttf", "Sumcraft Sans", "Bold"),
    ("/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf", "SumcraftMono-Regular.ttf", "Sumcraft Mono", "Regular"),
    ("/usr/share/fonts/truetype/liberation/LiberationMono-Bold.ttf", "SumcraftMono-Bold.ttf", "Sumcraft Mono", "Bold"),
    ("/usr/share/wine/fonts/tahoma.ttf", "SumcraftUI-Regular.ttf", "Sumcraft UI", "Regular"),
    ("/usr/share/wine/fonts/tahomabd.ttf", "SumcraftUI-Bold.ttf", "Sumcraft UI", "Bold"),
]

for src, dst, family, style in SOURCES:
    font = TTFont(src)
    names = font["name"]
    full = family if style == "Regular" else f"{family} {style}"
    postscript = family.replace(" ", "") + "-" + style
    # Drop the localised and typographic names so no old family survives.
    names.names = [n for n in names.names if n.nameID not in (1, 2, 3, 4, 6, 16, 17, 18, 21, 22)]
    for name_id, value in ((1, family), (2, style), (3, f"Sumcraft: {full}"), (4, full), (6, postscript)):
        names.setName(value, name_id, 3, 1, 0x409)
        names.setName(value, name_id, 1, 0, 0)
    if family == "Sumcraft UI":
        # Wine's Tahoma asks for its typographic line metrics, which are
        # shorter than Tahoma's; text lines follow Tahoma's own (hhea/win)
        # metrics without the flag.
        font["OS/2"].fsSelection &= ~(1 << 7)
    font.save(dst)
    print(dst, "<-", src)

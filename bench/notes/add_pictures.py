#!/usr/bin/env python3
"""Put a picture into the first K note files (*.pnf, by name) of DIR.

usage: add_pictures.py DIR K [--width W] [--height H]

The picture is a screenshot-like PNG (W x H pixels, default 1600 x 900, the
size a pasted full-HD screenshot is stored at): flat panels, lines of "text"
and a photo-like patch, its title bar a different colour in every note so that
no two notes hold the same picture, written the way Paperlet writes pasted
pictures,
{\\pict\\pngblip\\picwN\\pichN\\picwgoalN\\pichgoalN hex}, at the end of the note's
first paragraph.
"""
import argparse
import os
import random
import struct
import zlib


def screenshot_rows(width, height):
    rnd = random.Random(5)
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            if y < 40:
                px = (40, 60, 90)                       # title bar
            elif x < width // 5:
                px = (230, 230, 235)                    # side panel
            elif (y // 18) % 2 == 0 and (x // 7) % 9 != 0 and y % 18 < 11 and x < width * 3 // 4:
                px = (30, 30, 30) if (x * 7 + y) % 5 else (250, 250, 250)  # lines of text
            elif y > height * 2 // 3 and x > width * 3 // 4:
                v = rnd.randrange(256)                  # a photo
                px = (v, (v + x) % 256, (v + y) % 256)
            else:
                px = (250, 250, 250)
            row += bytes(px)
        rows.append(b"\x00" + bytes(row))
    return rows


def png(width, height, rows):
    raw = zlib.compress(b"".join(rows), 9)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", raw) + chunk(b"IEND", b""))


def picture_group(width, height, rows):
    data = png(width, height, rows).hex()
    lines = [data[i:i + 128] for i in range(0, len(data), 128)]
    return ("{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\r\n" % (width, height, width * 15, height * 15)
            + "\r\n".join(lines) + "\r\n}")


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("dir")
    ap.add_argument("k", type=int)
    ap.add_argument("--width", type=int, default=1600)
    ap.add_argument("--height", type=int, default=900)
    a = ap.parse_args()
    rows = screenshot_rows(a.width, a.height)
    names = sorted(n for n in os.listdir(a.dir) if n.endswith(".pnf"))
    for i, name in enumerate(names[:a.k]):
        bar = b"\x00" + bytes((40 + 7 * i % 200, 60, 90)) * a.width
        group = picture_group(a.width, a.height, [bar] * min(40, a.height) + rows[40:]).encode("ascii")
        path = os.path.join(a.dir, name)
        with open(path, "rb") as f:
            data = f.read()
        at = data.index(b"\\par")  # the end of the first paragraph
        with open(path, "wb") as f:
            f.write(data[:at] + group + data[at:])


if __name__ == "__main__":
    main()

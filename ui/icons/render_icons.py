#!/usr/bin/env python3
"""Render the pixel-art icon sources in this folder into Windows .ico files.

Usage: python3 render_icons.py OUTDIR [SOURCE.txt ...]
Reads every <id>.txt next to this script (or only the sources named) and
writes OUTDIR/<id>.ico.

Source format (one .txt per icon, UTF-8, read line by line):

    # A line starting with '#' is a comment; blank lines are ignored
    # except inside a grid.
    depth 4                 bits per pixel: 4 (16 colours) or 8 (256 colours)
    . transparent           legend: one character, then a colour; exactly one
    k 000000 black          character is transparent, the others are RRGGBB in
    w ffffff white          hex; anything after the colour is a free comment
    grid 32                 a square image of 32 by 32 pixels follows:
    ....kkkk....            32 rows of exactly 32 legend characters, top row
    ...                     first (trailing whitespace is ignored)
    grid 16                 optionally a second, 16 by 16 image

The header (depth and legend) comes before the first grid. Every file needs a
32 grid; 16 is the only other size. Legend characters are printable, not '#'
and not whitespace. Distinct colours, plus black when the legend has none
(transparent pixels are black in the colour bitmap), must fit the depth:
16 for depth 4, 256 for depth 8.

Each grid becomes one uncompressed BMP entry (BITMAPINFOHEADER, palette, colour
bitmap, 1-bit AND mask, rows bottom-up and padded to 4 bytes), the 32 by 32
entry first. Any malformed source stops the run with "file:line: message" and
exit status 1, before any .ico is written.
"""

import pathlib
import struct
import sys

SIZES = (32, 16)
REQUIRED_SIZE = 32
DEPTHS = ("4", "8")
BLACK = (0, 0, 0)


class SourceError(Exception):
    """A malformed icon source; the message names file and line."""

    def __init__(self, path, line_no, message):
        super().__init__(f"{path}:{line_no}: {message}")


class Icon:
    def __init__(self):
        self.depth = None
        self.legend = {}  # character -> RGB tuple, or None for transparent
        self.grids = {}  # size -> list of row strings


def parse(path):
    icon = Icon()
    data = path.read_bytes()
    try:
        lines = data.decode("utf-8").splitlines()
    except UnicodeDecodeError as error:
        bad_line = data.count(b"\n", 0, error.start) + 1
        raise SourceError(path, bad_line, f"not UTF-8 text ({error.reason})") from None
    transparent = None
    last_size = None
    line_no = 0

    def fail(message):
        raise SourceError(path, line_no, message)

    while line_no < len(lines):
        line = lines[line_no]
        line_no += 1
        text = line.strip()
        if not text or text.startswith("#"):
            continue
        words = text.split()
        if words[0] == "depth":
            if icon.grids:
                fail("'depth' must come before the first grid")
            if icon.depth is not None:
                fail("'depth' given twice")
            if len(words) != 2 or words[1] not in DEPTHS:
                fail(f"expected 'depth 4' or 'depth 8', got {text!r}")
            icon.depth = int(words[1])
        elif words[0] == "grid":
            if len(words) != 2 or not words[1].isdigit() or int(words[1]) not in SIZES:
                fail(f"expected 'grid N' with N one of {SIZES}, got {text!r}")
            size = int(words[1])
            if size in icon.grids:
                fail(f"a {size} grid is given twice")
            if icon.depth is None:
                fail("'depth' must come before the first grid")
            if transparent is None:
                fail("the legend has no transparent character")
            rows = []
            while len(rows) < size:
                if line_no >= len(lines):
                    fail(f"the {size} grid ends after {len(rows)} rows, expected {size}")
                row = lines[line_no].rstrip()
                line_no += 1
                if len(row) != size:
                    fail(f"row {len(rows) + 1} of the {size} grid has {len(row)} characters, expected {size}")
                for column, ch in enumerate(row, 1):
                    if ch not in icon.legend:
                        fail(f"unknown character {ch!r} in column {column} (not in the legend)")
                rows.append(row)
            icon.grids[size] = rows
            last_size = size
        elif len(words[0]) == 1:
            if icon.grids:
                fail("legend entries must come before the first grid")
            ch = words[0]
            if ch == "#" or not ch.isprintable():
                fail(f"{ch!r} cannot be a legend character")
            if ch in icon.legend:
                fail(f"legend character {ch!r} is defined twice")
            if len(words) < 2:
                fail(f"legend character {ch!r} has no colour")
            if icon.depth is None:
                fail("'depth' must come before the legend")
            value = words[1].lower()
            if value == "transparent":
                if transparent is not None:
                    fail(f"a second transparent character {ch!r} (already {transparent!r})")
                transparent = ch
                icon.legend[ch] = None
            elif len(value) == 6 and all(c in "0123456789abcdef" for c in value):
                icon.legend[ch] = tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))
                limit = 1 << icon.depth
                needed = len(set(icon.legend.values()) - {None} | {BLACK})
                if needed > limit:
                    fail(f"too many colours for depth {icon.depth}: {needed} needed"
                         f" (black included), at most {limit}")
            else:
                fail(f"colour of {ch!r} must be RRGGBB in hex or 'transparent', got {words[1]!r}")
        elif icon.grids and len(line.rstrip()) == last_size:
            fail(f"the {last_size} grid has more than {last_size} rows")
        else:
            fail(f"expected 'depth', a legend entry or 'grid', got {text!r}")

    if REQUIRED_SIZE not in icon.grids:
        raise SourceError(path, line_no, f"no {REQUIRED_SIZE} grid")
    return icon


def palette_of(icon):
    """Black first (the colour under transparent pixels), then legend order."""
    palette = [BLACK]
    for rgb in icon.legend.values():
        if rgb is not None and rgb not in palette:
            palette.append(rgb)
    return palette + [BLACK] * ((1 << icon.depth) - len(palette))


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def bmp_entry(icon, rows, palette):
    size = len(rows)
    index = {rgb: i for i, rgb in reversed(list(enumerate(palette)))}
    xor_rows = []
    and_rows = []
    for row in reversed(rows):  # BMP rows run bottom-up
        pixels = [index.get(icon.legend[ch], 0) for ch in row]
        if icon.depth == 4:
            packed = bytes((pixels[i] << 4) | pixels[i + 1] for i in range(0, size, 2))
        else:
            packed = bytes(pixels)
        xor_rows.append(padded(packed))
        mask = bytearray((size + 7) // 8)
        for x, ch in enumerate(row):
            if icon.legend[ch] is None:
                mask[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(padded(bytes(mask)))
    xor = b"".join(xor_rows)
    and_mask = b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, icon.depth, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + xor + and_mask


def ico_bytes(icon):
    palette = palette_of(icon)
    sizes = sorted(icon.grids, reverse=True)
    images = [bmp_entry(icon, icon.grids[size], palette) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        colour_count = 16 if icon.depth == 4 else 0
        entries += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1,
                               icon.depth, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main(argv):
    if len(argv) < 2:
        print("usage: render_icons.py OUTDIR [SOURCE.txt ...]", file=sys.stderr)
        return 2
    if len(argv) > 2:
        sources = [pathlib.Path(arg) for arg in argv[2:]]
    else:
        sources = sorted(pathlib.Path(__file__).resolve().parent.glob("*.txt"))
    if not sources:
        print("render_icons.py: no icon sources found", file=sys.stderr)
        return 1
    try:
        rendered = [(src.stem, ico_bytes(parse(src))) for src in sources]
        outdir = pathlib.Path(argv[1])
        outdir.mkdir(parents=True, exist_ok=True)
        for stem, data in rendered:
            (outdir / f"{stem}.ico").write_bytes(data)
    except (OSError, SourceError) as error:
        print(f"render_icons.py: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""Writes DELICON.ico and SMALLICON.ico beside this script from the pixel maps below.

The .ico files are kept in the tree and embedded by the build, so the build never runs
this; run it again only after changing a map.

Each icon is 16 x 16 pixels, 4 bits per pixel over the classic 16-colour palette, with
the AND mask (1 = transparent) after the colour bitmap, as a 16-colour icon resource is
laid out.
"""

import os
import struct

# The classic 16-colour palette as (red, green, blue), in palette order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# Letters of the maps and their palette index; "." is transparent.
INK = {"K": 0, "N": 4, "S": 7, "G": 8, "R": 9, "W": 15}

# A diskette: navy body with a cut corner, the silver shutter with its slot above, the
# white label with two ruled lines below.
SMALLICON = [
    "................",
    ".KKKKKKKKKKKKK..",
    ".KNNSSSSSSSSNNK.",
    ".KNNSSSSSKKSNNNK",
    ".KNNSSSSSKKSNNNK",
    ".KNNSSSSSKKSNNNK",
    ".KNNSSSSSSSSNNNK",
    ".KNNNNNNNNNNNNNK",
    ".KNNWWWWWWWWWNNK",
    ".KNNWGGGGGGGWNNK",
    ".KNNWWWWWWWWWNNK",
    ".KNNWGGGGGGGWNNK",
    ".KNNWWWWWWWWWNNK",
    ".KNNWWWWWWWWWNNK",
    ".KKKKKKKKKKKKKKK",
    "................",
]

# The same diskette crossed out by a red X from corner to corner.
DELICON = [
    "................",
    ".RRKKKKKKKKKKKRR",
    ".KRRSSSSSSSSNRR.",
    ".KNRRSSSSKKSRRNK",
    ".KNNRRSSSKKRRNNK",
    ".KNNSRRSSKRRNNNK",
    ".KNNSSRRSRRSNNNK",
    ".KNNNNNRRRNNNNNK",
    ".KNNWWWRRRWWWNNK",
    ".KNNWGRRGRRGWNNK",
    ".KNNWRRWWWRRWNNK",
    ".KNNRRGGGGGRRNNK",
    ".KNRRWWWWWWWRRNK",
    ".KRRWWWWWWWWWRRK",
    ".RRKKKKKKKKKKKRR",
    "................",
]

SIZE = 16


def icon_bytes(pixel_map):
    if len(pixel_map) != SIZE or any(len(row) != SIZE for row in pixel_map):
        raise ValueError("a map is 16 rows of 16 letters")
    colours = bytearray()
    mask = bytearray()
    # Bitmaps run bottom-up.
    for row in reversed(pixel_map):
        indices = [INK.get(letter, 0) for letter in row]
        for left, right in zip(indices[0::2], indices[1::2]):
            colours.append(left << 4 | right)
        bits = 0
        for letter in row:
            bits = bits << 1 | (letter == ".")
        mask += struct.pack(">H", bits) + b"\0\0"  # mask rows are padded to 4 bytes

    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    # The height counts the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(colours) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(colours) + bytes(mask)

    directory = struct.pack("<HHH", 0, 1, 1)  # reserved, type icon, one image
    offset = len(directory) + 16
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), offset)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, pixel_map in (("DELICON", DELICON), ("SMALLICON", SMALLICON)):
        with open(os.path.join(here, name + ".ico"), "wb") as out:
            out.write(icon_bytes(pixel_map))


if __name__ == "__main__":
    main()

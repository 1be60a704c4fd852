#!/usr/bin/python3
"""Writes GIF pictures made by Pillow and ImageMagick, reshaped where a case needs it, and
what gifdecode must print for them: for case NAME, NAME.gif and per target depth D either
NAME.D.pgm (standard output) or NAME.D.err (the one line on standard error).

Expected pixels come from each picture's own colours through the toolkit's rule: invert,
then the mean cut to the depth, or at depth 8 the 6 x 6 x 6 cube index."""
import io
import os
import random
import shutil
import subprocess
import sys

from PIL import Image

DEPTHS = (1, 4, 8)
OUT = sys.argv[1]
rnd = random.Random(7)


def pixel(rgb, depth):
    r, g, b = (255 - c for c in rgb[:3])
    if depth == 8:
        r, g, b = r // 43, g // 43, b // 43
        return g + 6 * (b % 3) + 18 * r + 108 * (b // 3)
    return ((r + g + b) // 3) >> (8 - depth)


def pgm(w, h, depth, value):
    rows = (' '.join(str(value(x, y)) for x in range(w)) + '\n' for y in range(h))
    return 'P2\n%d %d\n%d\n' % (w, h, (1 << depth) - 1) + ''.join(rows)


def write(name, data, expect):
    """expect(depth) gives the PGM text, or a one-line error ending in a newline."""
    with open(os.path.join(OUT, name + '.gif'), 'wb') as f:
        f.write(data)
    for d in DEPTHS:
        text = expect(d)
        ext = 'pgm' if text.startswith('P2\n') else 'err'
        with open(os.path.join(OUT, '%s.%d.%s' % (name, d, ext)), 'w') as f:
            f.write(text)


def as_decoded(data):
    """Expectation from the picture's colours as Pillow reads them."""
    im = Image.open(io.BytesIO(data)).convert('RGB')
    return lambda d: pgm(im.width, im.height, d, lambda x, y: pixel(im.getpixel((x, y)), d))


def failing(line):
    return lambda d: line + '\n'


def pillow(w, h, colours, interlace=False, indices=None):
    im = Image.new('P', (w, h))
    im.putpalette([c for rgb in colours for c in rgb] + [0] * (768 - 3 * len(colours)))
    im.putdata(indices or [rnd.randrange(len(colours)) for _ in range(w * h)])
    out = io.BytesIO()
    im.save(out, 'GIF', interlace=interlace, optimize=False)
    return out.getvalue()


# --- the block structure, to reshape what the encoders wrote -------------------------

def parse(d):
    """(screen descriptor, global table, [blocks]); a block is ('ext', label, sub-blocks) or
    ('img', descriptor, local table, code size, data)."""
    table = 3 << ((d[10] & 7) + 1) if d[10] & 0x80 else 0
    screen, gct, pos, blocks = d[6:13], d[13:13 + table], 13 + table, []

    def subblocks(pos):
        parts = []
        while d[pos]:
            parts.append(d[pos + 1:pos + 1 + d[pos]])
            pos += d[pos] + 1
        return parts, pos + 1
    while d[pos] != 0x3B:
        if d[pos] == 0x21:
            parts, end = subblocks(pos + 2)
            blocks.append(('ext', d[pos + 1], parts))
        else:
            desc = d[pos + 1:pos + 10]
            lct = 3 << ((desc[8] & 7) + 1) if desc[8] & 0x80 else 0
            parts, end = subblocks(pos + 11 + lct)
            blocks.append(('img', desc, d[pos + 10:pos + 10 + lct], d[pos + 10 + lct], b''.join(parts)))
        pos = end
    return screen, gct, blocks


def chunks(data, n):
    return b''.join(bytes([len(data[i:i + n])]) + data[i:i + n] for i in range(0, len(data), n))


def build(screen, gct, blocks, size=255):
    out = b'GIF89a' + bytes(screen) + gct
    for b in blocks:
        if b[0] == 'ext':
            out += bytes([0x21, b[1]]) + b''.join(bytes([len(p)]) + p for p in b[2]) + b'\0'
        else:
            out += b'\x2c' + bytes(b[1]) + b[2] + bytes([b[3]]) + chunks(b[4], size) + b'\0'
    return out + b';'


def lzw_features(data):
    """(clear codes seen, widest code) of the first image's raster."""
    root, raster = [b for b in parse(data)[2] if b[0] == 'img'][0][3:]
    clear, size, avail, bits, n, i, clears, widest, old = 1 << root, root + 1, 0, 0, 0, 0, 0, 0, None
    avail = clear + 2
    while True:
        while n < size:
            if i >= len(raster):
                return clears, widest
            bits, n, i = bits | raster[i] << n, n + 8, i + 1
        code, bits, n = bits & ((1 << size) - 1), bits >> size, n - size
        widest = max(widest, size)
        if code == clear:
            clears, size, avail, old = clears + 1, root + 1, clear + 2, None
        elif code == clear + 1:
            return clears, widest
        else:
            if old is not None and avail < 4096:
                avail += 1
                if avail == 1 << size and size < 12:
                    size += 1
            old = code


def lzw_codes(root, codes):
    """A raster of the given codes at the widths a decoder expects, table growth ignored."""
    bits = n = 0
    out = b''
    for c in codes:
        bits, n = bits | c << n, n + root + 1
        while n >= 8:
            out, bits, n = out + bytes([bits & 0xFF]), bits >> 8, n - 8
    return out + (bytes([bits]) if n else b'')


def screen_of(w, h, flags=0):
    return bytes([w & 0xFF, w >> 8, h & 0xFF, h >> 8, flags, 0, 0])


# --- cases ---------------------------------------------------------------------------

GREYS = [(v, v, v) for v in range(0, 256, 17)]
COLOURS = [(rnd.randrange(256), rnd.randrange(256), rnd.randrange(256)) for _ in range(256)]

plain = pillow(24, 20, GREYS)
write('global_table', plain, as_decoded(plain))

# Rows of random colours, so that any row in the wrong place shows.
interlaced = pillow(21, 37, GREYS + COLOURS[:40], interlace=True)
assert parse(interlaced)[2][-1][1][8] & 0x40
write('interlaced', interlaced, as_decoded(interlaced))

screen, gct, blocks = parse(plain)
local = [('img', b[1][:8] + bytes([b[1][8] | 0x80 | (screen[4] & 7)]), gct, b[3], b[4])
         if b[0] == 'img' else b for b in blocks]
local_gif = build(screen[:4] + bytes([screen[4] & 0x70]) + screen[5:], b'', local)
write('local_table', local_gif, as_decoded(local_gif))

# A local table that differs from the global one: the image must use its own.
inverted = bytes(255 - c for c in gct)
both = [('img', b[1][:8] + bytes([b[1][8] | 0x80 | (screen[4] & 7)]), inverted, b[3], b[4])
        if b[0] == 'img' else b for b in blocks]
both_gif = build(screen, gct, both)
write('local_over_global', both_gif, as_decoded(both_gif))

one_byte = build(*parse(plain), size=1)
write('one_byte_subblocks', one_byte, as_decoded(one_byte))

noise = pillow(160, 120, COLOURS)
clears, widest = lzw_features(noise)
assert clears >= 2 and widest == 12, (clears, widest)  # the table filled and was cleared
full = build(*parse(noise), size=255)
assert full.count(b'\xff') > 50
write('twelve_bit_codes', full, as_decoded(full))

screen, gct, blocks = parse(plain)
extended = build(screen, gct, [('ext', 0xFE, [b'a comment ' * 25, b'!']),
                               ('ext', 0xFF, [b'NETSCAPE2.0', b'\x01\x00\x00']),
                               ('ext', 0xF9, [b'\x00\x00\x00\x00'])] + blocks)
write('extension_blocks', extended, as_decoded(extended))

# An image placed partly outside the screen: only the part inside is drawn.
src = Image.open(io.BytesIO(plain)).convert('RGB')
screen, gct, blocks = parse(plain)
img = [b for b in blocks if b[0] == 'img'][0]
placed = build(screen_of(30, 25, screen[4]), gct,
               [('img', bytes([10, 0, 12, 0]) + img[1][4:], img[2], img[3], img[4])])
write('image_past_screen_edge', placed, lambda d: pgm(
    30, 25, d, lambda x, y: pixel(src.getpixel((x - 10, y - 12)), d) if x >= 10 and y >= 12 else 0))

# A descriptor far larger than the screen and its raster: rows never complete, nothing drawn.
huge = build(screen_of(8, 6, screen[4]), gct, [('img', bytes(4) + b'\xff\xff\xff\xff' + img[1][8:9],
                                                 img[2], img[3], img[4])])
write('image_larger_than_screen', huge, lambda d: pgm(8, 6, d, lambda x, y: 0))

empty = b'GIF89a' + screen_of(7, 3, screen[4]) + gct + b';'
write('trailer_only', empty, lambda d: pgm(7, 3, d, lambda x, y: 0))

if shutil.which('/usr/bin/convert'):
    for name, opts in (('magick', []), ('magick_interlaced', ['-interlace', 'GIF'])):
        path = os.path.join(OUT, name + '.gif')
        subprocess.run(['/usr/bin/convert', '-size', '33x27', 'gradient:navy-gold', '+dither',
                        '-colors', '16'] + opts + [path], check=True)
        with open(path, 'rb') as f:
            data = f.read()
        assert any(b[0] == 'img' and bool(b[1][8] & 0x40) == bool(opts) for b in parse(data)[2])
        write(name, data, as_decoded(data))

# Failures.
header = b'GIF89a' + screen_of(4, 4)
write('unknown_block', header + b'\x99', failing('java/lang/RuntimeException: bst#153'))
write('cut_in_raster', plain[:len(plain) // 2], failing('java/lang/RuntimeException: Read past eof!'))
write('subblock_past_end', header + b'\x2c' + bytes(8) + b'\x00\x02\xc8' + bytes(20),
      failing('java/lang/RuntimeException: Read past eof!'))
# Code size 2: clear, a literal, then 7 where only 6 is next to be defined.
raster = lzw_codes(2, [4, 1, 7, 5])
write('code_past_table', header + b'\x2c' + bytes(4) + b'\x04\x00\x04\x00\x00\x02' +
      bytes([len(raster)]) + raster + b'\x00;', failing('java/lang/RuntimeException: bad LZW code'))
write('code_size_12', header + b'\x2c' + bytes(4) + b'\x04\x00\x04\x00\x00\x0c\x01\x00\x00;',
      failing('java/lang/RuntimeException: bad LZW code size'))
write('screen_65535_square', b'GIF89a' + screen_of(65535, 65535) + b';',
      failing('Fatal error: Out of memory.'))
write('screen_past_heap', b'GIF89a' + screen_of(2000, 2000) + b';', failing('Fatal error: Out of memory.'))
with open(os.path.join(OUT, 'depth_two.gif'), 'wb') as f:
    f.write(plain)
with open(os.path.join(OUT, 'depth_two.2.err'), 'w') as f:
    f.write('java/lang/RuntimeException: depth currently unsupported!\n')

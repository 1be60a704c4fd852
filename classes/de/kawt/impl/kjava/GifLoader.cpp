// de/kawt/impl/kjava/GifLoader
#include "de/kawt/impl/kjava/GifLoader.h"

#include <algorithm>

#include "de/kawt/impl/kjava/ImageImpl.h"
#include "java/io/InputStream.h"
#include "java/lang/Integer.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"

namespace de::kawt::impl::kjava {

using java::io::InputStream;

ClassDecl GifLoader::klass = {
    .name = "de/kawt/impl/kjava/GifLoader",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(in), JAVA_REF(palette), JAVA_REF(global), JAVA_REF(image)},
    .uses = {&java::lang::Object::klass, &de::kawt::impl::kjava::ImageImpl::klass,
             &java::io::InputStream::klass, &java::lang::Integer::klass,
             &java::lang::String::klass},
};

static constexpr jint MAX_CODES = 4096;  // 12-bit codes

[[noreturn]] static void fail(Ref message) { jthrow(jnew<java::lang::RuntimeException>(message)); }

void GifLoader::init(Ref self, Ref in, jint depth) {
  java::lang::Object::init(self);
  f(self).in = in;
  f(self).depth = depth;
}

Ref GifLoader::load(Ref in, jint depth) {
  Ref volatile loader = jnew<GifLoader>(in, depth);
  return load(loader);
}

/* ---------------------------------------------------------------------------
 * Bytes
 * ------------------------------------------------------------------------- */

static jint readByte(Ref self) {
  jint c = vcall(InputStream::m_read, nn(GifLoader::f(self).in));
  if (c < 0) fail(lit("Read past eof!"));
  return c;
}

static jint readWord(Ref self) {
  jint lo = readByte(self);
  return lo | (readByte(self) << 8);
}

// Length-prefixed sub-blocks up to and including the empty one.
static void skipSubBlocks(Ref self) {
  for (jint n = readByte(self); n != 0; n = readByte(self))
    while (n-- > 0) readByte(self);
}

/* ---------------------------------------------------------------------------
 * Colour tables
 * ------------------------------------------------------------------------- */

// Colours are inverted first (the palm screen's 0 is white). Below depth 8 a pixel is the
// mean brightness cut to the depth; at depth 8 an index into the 6 x 6 x 6 colour cube.
static jint pixelValue(jint r, jint g, jint b, jint depth) {
  r = 255 - r;
  g = 255 - g;
  b = 255 - b;
  if (depth >= 8) {
    r /= 43;
    g /= 43;
    b /= 43;
    return g + 6 * (b % 3) + 18 * r + 108 * (b / 3);
  }
  if (depth < 1) return 0;
  return ((r + g + b) / 3) >> (8 - depth);
}

// A table of 2^bits colours as pixel values; indexes beyond it give 0.
static Ref readPalette(Ref self, jint bits) {
  Ref volatile keep = self;
  Ref volatile table = new_byte_array(256);
  for (jint i = 0; i < (1 << bits); i++) {
    jint r = readByte(keep);
    jint g = readByte(keep);
    jint b = readByte(keep);
    rt_array_store8(table, i, pixelValue(r, g, b, GifLoader::f(keep).depth));
  }
  return table;
}

/* ---------------------------------------------------------------------------
 * Image data
 * ------------------------------------------------------------------------- */

// The row that the r-th decoded row of an interlaced image of height h belongs to: every
// 8th row from 0, every 8th from 4, every 4th from 2, then the odd rows.
static jint interlacedRow(jint r, jint h) {
  jint pass = (h + 7) / 8;
  if (r < pass) return 8 * r;
  r -= pass;
  pass = (h + 3) / 8;
  if (r < pass) return 4 + 8 * r;
  r -= pass;
  pass = (h + 1) / 4;
  if (r < pass) return 2 + 4 * r;
  return 1 + 2 * (r - pass);
}

// Codes least significant bit first from the sub-blocks of one image.
struct CodeReader {
  Ref self;
  uint32_t bits = 0;
  jint count = 0;      // bits held
  jint blockLeft = 0;  // bytes left in the current sub-block
  bool ended = false;  // the empty sub-block has been read

  // The next code of `size` bits; -1 once the sub-blocks end.
  jint next(jint size) {
    while (count < size) {
      if (blockLeft == 0) {
        if (ended) return -1;
        blockLeft = readByte(self);
        if (blockLeft == 0) {
          ended = true;
          return -1;
        }
      }
      bits |= static_cast<uint32_t>(readByte(self)) << count;
      count += 8;
      blockLeft--;
    }
    jint code = static_cast<jint>(bits & ((1u << size) - 1));
    bits >>= size;
    count -= size;
    return code;
  }

  // After the end code: the rest of the data sub-blocks.
  void finish() {
    if (ended) return;
    while (blockLeft-- > 0) readByte(self);
    skipSubBlocks(self);
  }
};

// One image: its descriptor, its colour table and its LZW raster. Rows are stored at the
// image's place in the logical screen; whatever falls outside the screen is dropped.
static void readImage(Ref self, Ref line, jint screenWidth) {
  Ref volatile keep = self;
  Ref volatile buffer = line;
  jint left = readWord(keep), top = readWord(keep);
  jint width = readWord(keep), height = readWord(keep);
  jint flags = readByte(keep);
  bool interlaced = (flags & 0x40) != 0;
  GifLoader::f(keep).palette =
      (flags & 0x80) ? readPalette(keep, (flags & 7) + 1) : GifLoader::f(keep).global;
  if (!GifLoader::f(keep).palette)
    GifLoader::f(keep).palette = new_byte_array(256);  // no table at all
  jint rootBits = readByte(keep);
  if (rootBits < 1 || rootBits > 11) fail(lit("bad LZW code size"));

  Ref volatile prefix = new_char_array(MAX_CODES);
  Ref volatile suffix = new_byte_array(MAX_CODES);
  Ref volatile stack = new_byte_array(MAX_CODES + 1);
  jchar* pre = elements<jchar>(prefix);
  uint8_t* suf = elements<uint8_t>(suffix);
  uint8_t* out = elements<uint8_t>(stack);
  const uint8_t* colour = elements<uint8_t>(GifLoader::f(keep).palette);
  uint8_t* row = elements<uint8_t>(buffer);
  // Columns that land on the screen; the line buffer is as wide as the screen.
  const jint visible = std::clamp(screenWidth - left, 0, width);

  const jint clear = 1 << rootBits, end = clear + 1;
  for (jint i = 0; i < clear; i++) suf[i] = static_cast<uint8_t>(i);
  jint size = rootBits + 1, avail = clear + 2, old = -1, first = 0;
  jint x = 0, r = 0;
  CodeReader codes{keep};
  for (;;) {
    jint code = codes.next(size);
    if (code < 0) return;  // sub-blocks ended without an end code
    if (code == end) break;
    if (code == clear) {
      size = rootBits + 1;
      avail = clear + 2;
      old = -1;
      continue;
    }
    // A code may name a defined entry, or the one about to be defined after a first code.
    if (code > avail || (code == avail && old < 0)) fail(lit("bad LZW code"));
    jint sp = 0, in = code;
    if (code == avail) {
      out[sp++] = static_cast<uint8_t>(first);
      code = old;
    }
    while (code >= clear) {
      out[sp++] = suf[code];
      code = pre[code];
    }
    first = suf[code];
    out[sp++] = static_cast<uint8_t>(first);
    if (old >= 0 && avail < MAX_CODES) {
      pre[avail] = static_cast<jchar>(old);
      suf[avail] = static_cast<uint8_t>(first);
      avail++;
      if (avail == (1 << size) && size < 12) size++;
    }
    old = in;
    while (sp > 0 && r < height) {
      jint index = out[--sp];
      if (x < visible) row[x] = colour[index];
      if (++x < width) continue;
      jint y = top + (interlaced ? interlacedRow(r, height) : r);
      if (visible > 0) ImageImpl::setPixels(GifLoader::f(keep).image, left, y, buffer, 0, visible);
      x = 0;
      r++;
    }
  }
  codes.finish();
}

/* ---------------------------------------------------------------------------
 * The picture
 * ------------------------------------------------------------------------- */

// The logical screen, then blocks until the trailer: extensions are skipped, each image is
// drawn into the one picture.
Ref GifLoader::load(Ref self) {
  Ref volatile keep = self;
  for (int i = 0; i < 6; i++) readByte(keep);  // the signature is not checked
  jint width = readWord(keep), height = readWord(keep);
  jint flags = readByte(keep);
  readByte(keep);  // background colour
  readByte(keep);  // aspect ratio
  if (flags & 0x80) f(keep).global = readPalette(keep, (flags & 7) + 1);
  f(keep).image = jnew<ImageImpl>(width, height, f(keep).depth);
  Ref volatile line = new_byte_array(width + 16);
  for (;;) {
    jint c = vcall(InputStream::m_read, f(keep).in);
    if (c == -1 || c == 0 || c == 0x3B) break;
    if (c == 0x21) {
      readByte(keep);  // label
      skipSubBlocks(keep);
    } else if (c == 0x2C) {
      readImage(keep, line, width);
    } else {
      fail(jconcat({lit("bst#"), java::lang::Integer::toString(c)}));
    }
  }
  return f(keep).image;
}

}  // namespace de::kawt::impl::kjava

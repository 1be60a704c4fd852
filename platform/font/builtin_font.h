// The built-in host font: ISO 8859-1 glyphs in a 22-pixel cell, bold sans-serif.
#pragma once

#include <cstdint>

#define BUILTIN_FONT_HEIGHT 22

struct BuiltinGlyph {
  int8_t advance;  // pen advance in pixels
  int8_t left;     // column of row bit 0, relative to the pen position
};

// Indexed by character code 0..255; codes without a glyph carry the question mark's.
extern const BuiltinGlyph builtin_font_glyphs[256];
// Row r of glyph c: bit i set = ink at column left + i.
extern const uint32_t builtin_font_rows[256][BUILTIN_FONT_HEIGHT];

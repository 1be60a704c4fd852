// de/kawt/impl/kjava/ImageImpl
#include "de/kawt/impl/kjava/ImageImpl.h"

#include <algorithm>

#include "com/sun/kjava/Bitmap.h"
#include "java/lang/RuntimeException.h"

namespace de::kawt::impl::kjava {

ClassDecl ImageImpl::klass = {
    .name = "de/kawt/impl/kjava/ImageImpl",
    .super = &java::awt::Image::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(bitmap), JAVA_REF(data)},
    .methods = {::impl(java::awt::Image::m_getWidth, &ImageImpl::getWidth),
                ::impl(java::awt::Image::m_getHeight, &ImageImpl::getHeight)},
    .uses = {&java::awt::Image::klass, &com::sun::kjava::Bitmap::klass},
};

[[noreturn]] static void unsupportedDepth() {
  jthrow(jnew<java::lang::RuntimeException>(lit("depth currently unsupported!")));
}

// "[S" is not a well-known class: looked up again whenever the remembered index is stale.
static Ref newShortArray(jint n) {
  static int16_t index = -1;
  if (index < 0 || index >= rt_image.classCount ||
      __builtin_strcmp(rt_record(index)->name, "[S") != 0)
    index = rt_class_index_by_name("[S");
  return rt_new_array(index, 2, n);
}

// Depths beyond 16 bits a pixel have no row layout at all; 1, 4 and 8 are the ones rows
// can be set in.
void ImageImpl::init(Ref self, jint width, jint height, jint depth) {
  java::awt::Image::init(self);
  if (depth < 1 || depth > 16) unsupportedDepth();
  // Sizes are counted in 64 bits: a picture header may ask for anything up to 65535 x 65535.
  int64_t wordsPerRow = (static_cast<int64_t>(width) * depth + 15) / 16;
  int64_t length = HEADER_WORDS + static_cast<int64_t>(height) * wordsPerRow;
  if (width < 0 || height < 0) rt_throw_error(ERR_NEGATIVE_ARRAY_SIZE);
  if (length > INT32_MAX) rt_fatal("Out of memory.");
  Ref volatile keep = self;
  Ref volatile data = newShortArray(static_cast<jint>(length));
  jchar* w = elements<jchar>(data);
  w[0] = static_cast<jchar>(width);
  w[1] = static_cast<jchar>(height);
  w[2] = static_cast<jchar>(2 * wordsPerRow);
  w[4] = static_cast<jchar>((depth << 8) + 1);
  f(keep).data = data;
  f(keep).wordsPerRow = static_cast<jint>(wordsPerRow);
  f(keep).depth = depth;
  f(keep).bitmap = jnew<com::sun::kjava::Bitmap>(static_cast<Ref>(data));
}

jint ImageImpl::getWidth(Ref self, Ref observer) { return rt_array_load16u(f(nn(self)).data, 0); }

jint ImageImpl::getHeight(Ref self, Ref observer) { return rt_array_load16u(f(nn(self)).data, 1); }

// Pixels are packed from the most significant bit of each word: 16 a word at depth 1,
// 4 at depth 4 (shifts 12, 8, 4, 0), 2 at depth 8 (high byte, low byte). Each pixel is
// merged into its word, so a row set in parts keeps its other pixels.
void ImageImpl::setPixels(Ref self, jint x, jint y, Ref pixels, jint offset, jint count) {
  auto& s = f(nn(self));
  if (s.depth != 1 && s.depth != 4 && s.depth != 8) unsupportedDepth();
  jint width = getWidth(self, nullptr), height = getHeight(self, nullptr);
  if (y < 0 || y >= height || count <= 0) return;
  if (!in_range(alen(pixels), offset, count)) rt_throw_error(ERR_ARRAY_INDEX_OUT_OF_BOUNDS);
  // Only the columns inside the image.
  int64_t first = x < 0 ? -static_cast<int64_t>(x) : 0;
  int64_t last = std::min<int64_t>(count, static_cast<int64_t>(width) - x);
  const jint depth = s.depth, perWord = 16 / depth, mask = (1 << depth) - 1;
  jchar* row = elements<jchar>(s.data) + HEADER_WORDS + static_cast<int64_t>(y) * s.wordsPerRow;
  const auto* src = elements<uint8_t>(pixels) + offset;
  for (int64_t i = first; i < last; i++) {
    int64_t col = x + i;
    int shift = 16 - depth * static_cast<int>(col % perWord + 1);
    jchar& word = row[col / perWord];
    word = static_cast<jchar>((word & ~(mask << shift)) | ((src[i] & mask) << shift));
  }
}

jint ImageImpl::getPixel(Ref self, jint x, jint y) {
  auto& s = f(nn(self));
  if (s.depth != 1 && s.depth != 4 && s.depth != 8) unsupportedDepth();
  if (x < 0 || y < 0 || x >= getWidth(self, nullptr) || y >= getHeight(self, nullptr)) return 0;
  const jint perWord = 16 / s.depth;
  jchar word =
      elements<jchar>(s.data)[HEADER_WORDS + static_cast<int64_t>(y) * s.wordsPerRow + x / perWord];
  int shift = 16 - s.depth * (x % perWord + 1);
  return (word >> shift) & ((1 << s.depth) - 1);
}

}  // namespace de::kawt::impl::kjava

// de/kawt/impl/kjava/ImageImpl
#pragma once
#include "java/awt/Image.h"

namespace de::kawt::impl::kjava {

// An image held as palm bitmap data: eight header words, then rows of packed pixels.
struct ImageImpl {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref bitmap;  // com/sun/kjava/Bitmap over data
    Ref data;    // short[]
    jint wordsPerRow;
    jint depth;
  };
  JAVA_FIELDS(java::awt::Image)

  static constexpr jint HEADER_WORDS = 8;

  // A blank (all-zero) image; depth must be 1, 4 or 8.
  static void init(Ref self, jint width, jint height, jint depth);
  static jint getWidth(Ref self, Ref observer);
  static jint getHeight(Ref self, Ref observer);
  // Stores count pixel values from pixels[offset...] into row y from column x on; the
  // part outside the image is dropped.
  static void setPixels(Ref self, jint x, jint y, Ref pixels, jint offset, jint count);
  // The stored value of one pixel (0 outside the image).
  static jint getPixel(Ref self, jint x, jint y);
};

}  // namespace de::kawt::impl::kjava

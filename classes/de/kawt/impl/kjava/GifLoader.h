// de/kawt/impl/kjava/GifLoader
#pragma once
#include "java/lang/Object.h"

namespace de::kawt::impl::kjava {

// Decodes a GIF picture from a stream into an ImageImpl of the logical screen's size.
struct GifLoader {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref in;       // java/io/InputStream
    jint depth;   // target pixel depth: 1, 4 or 8
    Ref palette;  // byte[]: pixel value of each colour index of the table in use
    Ref global;   // byte[]: the global table's pixel values, or null
    Ref image;    // de/kawt/impl/kjava/ImageImpl being filled
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self, Ref in, jint depth);
  // Reads the whole picture; throws java/lang/RuntimeException on malformed input.
  static Ref load(Ref self);
  // new GifLoader(in, depth).load()
  static Ref load(Ref in, jint depth);
};

}  // namespace de::kawt::impl::kjava

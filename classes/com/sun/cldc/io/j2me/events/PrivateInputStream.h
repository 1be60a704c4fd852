// com/sun/cldc/io/j2me/events/PrivateInputStream
#pragma once
#include "java/io/InputStream.h"

namespace com::sun::cldc::io::j2me::events {

// The host's event queue as a stream of ints; creating one claims the queue.
struct PrivateInputStream {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::io::InputStream)

  static inline Method<jint(Ref)> m_readInt{"readInt()", &klass};
  static Operations closing;  // close(): only programs that name it carry it

  static void init(Ref self);
  static jint read(Ref self);
  static jint readInt(Ref self);
  static Ref readBeamData(Ref self);
  static void close(Ref self);
};

}  // namespace com::sun::cldc::io::j2me::events

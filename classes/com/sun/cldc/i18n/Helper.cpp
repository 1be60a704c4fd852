// com/sun/cldc/i18n/Helper
#include "com/sun/cldc/i18n/Helper.h"

#include "com/sun/cldc/i18n/StreamReader.h"
#include "com/sun/cldc/i18n/StreamWriter.h"
#include "java/io/ByteArrayInputStream.h"
#include "java/io/ByteArrayOutputStream.h"
#include "java/io/IOException.h"
#include "java/io/UnsupportedEncodingException.h"
#include "java/lang/Class.h"
#include "java/lang/ClassCastException.h"
#include "java/lang/ClassNotFoundException.h"
#include "java/lang/IllegalAccessException.h"
#include "java/lang/InstantiationException.h"
#include "java/lang/NullPointerException.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/System.h"
#include "java/lang/Throwable.h"

namespace com::sun::cldc::i18n {

using java::io::ByteArrayInputStream;
using java::io::ByteArrayOutputStream;
using java::io::IOException;
using java::io::UnsupportedEncodingException;
using java::lang::Class;
using java::lang::RuntimeException;
using java::lang::String;
using java::lang::System;

ClassDecl Helper::klass = {
    .name = "com/sun/cldc/i18n/Helper",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Helper::staticInit,
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&StreamWriter::klass, &java::io::IOException::klass,
             &java::io::UnsupportedEncodingException::klass, &java::lang::Class::klass,
             &java::lang::ClassCastException::klass, &java::lang::ClassNotFoundException::klass,
             &java::lang::IllegalAccessException::klass, &java::lang::InstantiationException::klass,
             &java::lang::NullPointerException::klass, &java::lang::RuntimeException::klass,
             &java::lang::String::klass, &java::lang::System::klass, &java::lang::Throwable::klass},
};

Operations Helper::conversions = {
    .name = "com/sun/cldc/i18n/Helper byte conversions",
    .classes = {&ByteArrayInputStream::klass, &ByteArrayOutputStream::klass, &StreamReader::klass},
    .staticWords = sizeof(Caches) / sizeof(uintptr_t),
};

void Helper::staticInit() {
  S().microEdition = 0;
  Ref volatile enc = System::getProperty(lit("microedition.encoding"));
  S().defaultEncoding = enc ? enc : lit("ISO8859_1");
  if (System::getProperty(lit("microedition.configuration"))) S().microEdition = 1;
  Ref volatile path = System::getProperty(lit("microedition.i18npath"));
  S().defaultMEPath = path ? path : lit("com.sun.cldc.i18n.j2me");
}

[[noreturn]] static void missing_default() {
  jthrow(jnew<RuntimeException>(
      jconcat({lit("Missing default encoding "), Helper::S().defaultEncoding})));
}

Ref Helper::getStreamReader(Ref is) {
  clinit<Helper>();
  try {
    return getStreamReader(is, S().defaultEncoding);
  } catch (JavaThrow& e) {
    if (!caught<UnsupportedEncodingException>(e)) throw;
  }
  missing_default();
}

Ref Helper::getStreamReader(Ref is, Ref enc) {
  clinit<Helper>();
  if (!is || !enc) jthrow(jnew<java::lang::NullPointerException>());
  Ref volatile keep = is;
  return vcall(StreamReader::m_open, getStreamReaderPrim(enc), keep, enc);
}

// The converter class is named by the encoding: <path>.<name>_Reader or _Writer, made by
// name and cast to its base.
static Ref converter(Ref name, const char* suffix, int baseIndex) {
  if (!name) jthrow(jnew<java::lang::NullPointerException>());
  Ref volatile className =
      Helper::S().microEdition
          ? jconcat({Helper::S().defaultMEPath, lit("."), name, lit(suffix)})
          : lit(baseIndex == StreamReader::klass.index ? "com.sun.cldc.i18n.j2se.Default_Reader"
                                                       : "com.sun.cldc.i18n.j2se.Default_Writer");
  Ref volatile why = nullptr;
  try {
    Ref volatile made = Class::newInstance(Class::forName(className));
    if (!rt_instance_of(made, baseIndex)) jthrow(jnew<java::lang::ClassCastException>());
    return made;
  } catch (JavaThrow& e) {
    if (caught<java::lang::ClassNotFoundException>(e))
      jthrow(
          jnew<UnsupportedEncodingException>(jconcat({lit("Encoding "), name, lit(" not found")})));
    if (caught<java::lang::InstantiationException>(e))
      why = lit("InstantiationException ");
    else if (caught<java::lang::IllegalAccessException>(e))
      why = lit("IllegalAccessException ");
    else if (caught<java::lang::ClassCastException>(e))
      why = lit("ClassCastException ");
    else
      throw;
    Ref volatile message = vcall(java::lang::Throwable::m_getMessage, e.object());
    jthrow(jnew<RuntimeException>(jconcat({why, message})));
  }
}

Ref Helper::getStreamReaderPrim(Ref name) {
  clinit<Helper>();
  return converter(name, "_Reader", StreamReader::klass.index);
}

Ref Helper::getStreamWriter(Ref os) {
  clinit<Helper>();
  try {
    return getStreamWriter(os, S().defaultEncoding);
  } catch (JavaThrow& e) {
    if (!caught<UnsupportedEncodingException>(e)) throw;
  }
  missing_default();
}

Ref Helper::getStreamWriter(Ref os, Ref enc) {
  clinit<Helper>();
  if (!os || !enc) jthrow(jnew<java::lang::NullPointerException>());
  Ref volatile keep = os;
  return vcall(StreamWriter::m_open, getStreamWriterPrim(enc), keep, enc);
}

Ref Helper::getStreamWriterPrim(Ref name) {
  clinit<Helper>();
  return converter(name, "_Writer", StreamWriter::klass.index);
}

Ref Helper::byteToCharArray(Ref buffer, jint offset, jint length) {
  clinit<Helper>();
  try {
    return byteToCharArray(buffer, offset, length, S().defaultEncoding);
  } catch (JavaThrow& e) {
    if (!caught<UnsupportedEncodingException>(e)) throw;
  }
  missing_default();
}

Ref Helper::charToByteArray(Ref buffer, jint offset, jint length) {
  clinit<Helper>();
  try {
    return charToByteArray(buffer, offset, length, S().defaultEncoding);
  } catch (JavaThrow& e) {
    if (!caught<UnsupportedEncodingException>(e)) throw;
  }
  missing_default();
}

// One reader is kept with its encoding name and reused while the name stays the same.
Ref Helper::byteToCharArray(Ref buffer, jint offset, jint length, Ref enc) {
  clinit<Helper>();
  Ref volatile keep = buffer;
  if (!C().lastReaderEncoding || !String::equals(C().lastReaderEncoding, enc)) {
    C().lastReader = getStreamReaderPrim(enc);
    C().lastReaderEncoding = enc;
  }
  jint size = vcall(StreamReader::m_sizeOf, C().lastReader, keep, offset, length);
  Ref volatile result = new_char_array(size);
  try {
    Ref volatile in = jnew<ByteArrayInputStream>(keep, offset, length);
    vcall(StreamReader::m_open, C().lastReader, in, enc);
    vcall(java::io::Reader::m_readChars, C().lastReader, result, 0, size);
    vcall(java::io::Reader::m_close, C().lastReader);
  } catch (JavaThrow& e) {
    if (!caught<IOException>(e)) throw;
    Ref volatile message = vcall(java::lang::Throwable::m_getMessage, e.object());
    jthrow(jnew<RuntimeException>(jconcat({lit("IOException reading reader "), message})));
  }
  return result;
}

// The stream is closed whatever happens, and being exactly full hands out its own array.
Ref Helper::charToByteArray(Ref buffer, jint offset, jint length, Ref enc) {
  clinit<Helper>();
  Ref volatile keep = buffer;
  if (!C().lastWriterEncoding || !String::equals(C().lastWriterEncoding, enc)) {
    C().lastWriter = getStreamWriterPrim(enc);
    C().lastWriterEncoding = enc;
  }
  jint size = vcall(StreamWriter::m_sizeOf, C().lastWriter, keep, offset, length);
  Ref volatile os = jnew<ByteArrayOutputStream>(size);
  try {
    vcall(StreamWriter::m_open, C().lastWriter, os, enc);
    vcall(java::io::Writer::m_writeChars, C().lastWriter, keep, offset, length);
    vcall(java::io::Writer::m_close, C().lastWriter);
  } catch (JavaThrow& e) {
    ByteArrayOutputStream::close(os);
    if (!caught<IOException>(e)) throw;
    Ref volatile message = vcall(java::lang::Throwable::m_getMessage, e.object());
    jthrow(jnew<RuntimeException>(jconcat({lit("IOException writing writer "), message})));
  }
  ByteArrayOutputStream::close(os);
  return ByteArrayOutputStream::toByteArray(os);
}

}  // namespace com::sun::cldc::i18n

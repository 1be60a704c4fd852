// java/io/PrintStream
#include "java/io/PrintStream.h"

#include "java/io/IOException.h"
#include "java/io/OutputStreamWriter.h"
#include "java/lang/NullPointerException.h"
#include "java/lang/String.h"

namespace java::io {

using java::lang::String;

ClassDecl PrintStream::klass = {
    .name = "java/io/PrintStream",
    .super = &OutputStream::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(charOut), JAVA_REF(byteOut)},
    .methods = {impl(OutputStream::m_write, &PrintStream::write),
                impl(OutputStream::m_writeArray, &PrintStream::write),
                impl(OutputStream::m_flush, &PrintStream::flush),
                impl(OutputStream::m_close, &PrintStream::close),
                impl(m_checkError, &PrintStream::checkError), impl(m_print, &PrintStream::print),
                impl(m_println, &PrintStream::println)},
    .uses = {&java::io::IOException::klass, &java::io::OutputStream::klass,
             &java::io::OutputStreamWriter::klass, &java::lang::NullPointerException::klass,
             &java::lang::String::klass},
};

void PrintStream::init(Ref self, Ref out) {
  OutputStream::init(self);
  f(self).trouble = 0;
  f(self).closing = 0;
  if (!out) jthrow(jnew<java::lang::NullPointerException>(lit("Null output stream")));
  f(self).byteOut = out;
  f(self).charOut = jnew<OutputStreamWriter>(out);
}

// A closed stream reports "Stream closed", which lands in `trouble` like every other
// IOException of the underlying streams.
static void ensureOpen(Ref self) {
  if (!PrintStream::f(self).charOut) jthrow(jnew<IOException>(lit("Stream closed")));
}

// Runs an output step; an IOException only records trouble.
template <class Step>
static void guarded(Ref self, Step step) {
  try {
    step();
  } catch (JavaThrow& e) {
    if (!caught<IOException>(e)) throw;
    PrintStream::f(self).trouble = 1;
  }
}

void PrintStream::flush(Ref self) {
  rt_monitor_enter(self);
  guarded(self, [&] {
    ensureOpen(self);
    vcall(Writer::m_flush, f(self).charOut);
  });
  rt_monitor_exit(self);
}

void PrintStream::close(Ref self) {
  rt_monitor_enter(self);
  if (!f(self).closing) {
    f(self).closing = 1;
    guarded(self, [&] { vcall(Writer::m_close, f(self).charOut); });
    f(self).charOut = nullptr;
    f(self).byteOut = nullptr;
  }
  rt_monitor_exit(self);
}

jbool PrintStream::checkError(Ref self) {
  if (f(self).charOut) flush(self);
  return f(self).trouble;
}

// Bytes go straight to the byte stream, past the character writer.
void PrintStream::write(Ref self, jint b) {
  rt_monitor_enter(self);
  guarded(self, [&] {
    ensureOpen(self);
    vcall(OutputStream::m_write, f(self).byteOut, b);
  });
  rt_monitor_exit(self);
}

void PrintStream::write(Ref self, Ref buf, jint off, jint len) {
  rt_monitor_enter(self);
  guarded(self, [&] {
    ensureOpen(self);
    vcall(OutputStream::m_writeArray, f(self).byteOut, buf, off, len);
  });
  rt_monitor_exit(self);
}

// Characters go through the writer, converted by the default encoding.
static void writeText(Ref self, Ref s) {
  Ref volatile keep = s;
  rt_monitor_enter(self);
  guarded(self, [&] {
    ensureOpen(self);
    vcall(Writer::m_writeString, PrintStream::f(self).charOut, keep);
  });
  rt_monitor_exit(self);
}

static void newLine(Ref self) { writeText(self, String::valueOfChar('\n')); }

void PrintStream::printBoolean(Ref self, jbool b) { writeText(self, String::valueOfBoolean(b)); }
void PrintStream::printChar(Ref self, jchar c) { writeText(self, String::valueOfChar(c)); }
void PrintStream::print(Ref self, jint i) { writeText(self, String::valueOf(i)); }
void PrintStream::print(Ref self, jlong l) { writeText(self, String::valueOf(l)); }
void PrintStream::printChars(Ref self, Ref s) { writeText(self, String::valueOfChars(s)); }
void PrintStream::print(Ref self, Ref s) { writeText(self, s ? s : lit("null")); }
void PrintStream::printObject(Ref self, Ref obj) { writeText(self, String::valueOf(obj)); }

void PrintStream::println(Ref self) { newLine(self); }

// Each println is one step between yields, so lines from two threads never interleave.
template <class Print>
static void line(Ref self, Print print) {
  rt_monitor_enter(self);
  print();
  newLine(self);
  rt_monitor_exit(self);
}

void PrintStream::printlnBoolean(Ref self, jbool x) {
  line(self, [&] { printBoolean(self, x); });
}
void PrintStream::printlnChar(Ref self, jchar x) {
  line(self, [&] { printChar(self, x); });
}
void PrintStream::println(Ref self, jint x) {
  line(self, [&] { print(self, x); });
}
void PrintStream::println(Ref self, jlong x) {
  line(self, [&] { print(self, x); });
}
void PrintStream::printlnChars(Ref self, Ref x) {
  line(self, [&] { printChars(self, x); });
}
void PrintStream::println(Ref self, Ref x) {
  line(self, [&] { print(self, x); });
}
void PrintStream::printlnObject(Ref self, Ref x) {
  line(self, [&] { printObject(self, x); });
}

}  // namespace java::io

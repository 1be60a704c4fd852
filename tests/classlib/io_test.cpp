// Streams and encodings: byte-array streams' growth and close rules, bounds tests at the
// int limits, readInt, the console's bytes, converter lookup by name and its messages.
#include <gtest/gtest.h>

#include <climits>

#include "com/sun/cldc/i18n/Helper.h"
#include "java/io/ByteArrayInputStream.h"
#include "java/io/ByteArrayOutputStream.h"
#include "java/io/DataInput.h"
#include "java/io/DataInputStream.h"
#include "java/io/DataOutputStream.h"
#include "java/io/OutputStreamWriter.h"
#include "java/io/PrintStream.h"
#include "java/lang/System.h"
#include "program.h"

using namespace java::io;
using com::sun::cldc::i18n::Helper;
using java::lang::System;

namespace {

// A class by a converter's name that is not a converter.
ClassDecl bogusWriter = {.name = "com/sun/cldc/i18n/j2me/Bogus_Writer",
                         .super = &java::lang::Object::klass,
                         .instanceSize = RT_HEADER_SIZE};

std::vector<jint> growth(Ref out, int n) {
  std::vector<jint> seen{alen(ByteArrayOutputStream::f(out).buf)};
  for (int i = 0; i < n; i++) {
    vcall(OutputStream::m_write, out, i);
    if (alen(ByteArrayOutputStream::f(out).buf) != seen.back())
      seen.push_back(alen(ByteArrayOutputStream::f(out).buf));
  }
  return seen;
}

// From size zero to one, then doubling; an array write grows to what it needs; 32 by default.
LIBRARY_TEST(ByteArrayOutputStreamTest, GrowthClosingAndNegativeSizeMessage) {
  EXPECT_EQ(growth(jnew<ByteArrayOutputStream>(0), 5), (std::vector<jint>{0, 1, 2, 4, 8}));
  Ref out = jnew<ByteArrayOutputStream>(2);
  vcall(OutputStream::m_writeArray, out, byte_array({1, 2, 3, 4, 5}), 0, 5);
  EXPECT_EQ(alen(ByteArrayOutputStream::f(out).buf), 5);
  EXPECT_EQ(array_bytes(ByteArrayOutputStream::toByteArray(out)),
            (std::vector<uint8_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(alen(ByteArrayOutputStream::f(jnew<ByteArrayOutputStream>()).buf), 32);
  EXPECT_EQ(thrown([] { jnew<ByteArrayOutputStream>(-4); }), IAE "Negative initial size: -4");
  out = jnew<ByteArrayOutputStream>(2);
  vcall(OutputStream::m_write, out, 7);
  vcall(OutputStream::m_write, out, 8);
  Ref copy = ByteArrayOutputStream::toByteArray(out);
  EXPECT_NE(copy, ByteArrayOutputStream::f(out).buf);  // open: always a copy
  vcall(OutputStream::m_close, out);
  EXPECT_EQ(thrown([&] { vcall(OutputStream::m_write, out, 9); }),
            RTE "Writing to closed ByteArrayOutputStream");
  EXPECT_EQ(ByteArrayOutputStream::toByteArray(out),
            ByteArrayOutputStream::f(out).buf);  // exactly full
  Ref partial = jnew<ByteArrayOutputStream>(4);
  vcall(OutputStream::m_write, partial, 1);
  vcall(OutputStream::m_close, partial);
  EXPECT_EQ(array_bytes(ByteArrayOutputStream::toByteArray(partial)), std::vector<uint8_t>{1});
}

// off + len past INT_MAX must fail the test, not wrap into a small number.
LIBRARY_TEST(StreamBoundsTest, ReadAndWriteFormsRejectWrappingRanges) {
  Ref volatile b = byte_array({1, 2, 3, 4});
  Ref volatile in = jnew<ByteArrayInputStream>(static_cast<Ref>(b));
  Ref volatile out = jnew<ByteArrayOutputStream>();
  Ref volatile data = jnew<DataOutputStream>(static_cast<Ref>(out));
  const char* ioobe = "java/lang/IndexOutOfBoundsException";
  EXPECT_EQ(thrown([&] { vcall(InputStream::m_readArray, in, b, 1, INT_MAX); }), ioobe);
  EXPECT_EQ(thrown([&] { vcall(InputStream::m_readArray, in, b, INT_MAX, 1); }), ioobe);
  EXPECT_EQ(thrown([&] { vcall(InputStream::m_readArray, in, nullptr, 0, 1); }), NPE);
  EXPECT_EQ(thrown([&] { vcall(OutputStream::m_writeArray, out, b, 2, INT_MAX); }), ioobe);
  EXPECT_EQ(thrown([&] { vcall(OutputStream::m_writeArray, data, b, INT_MAX, INT_MAX); }), ioobe);
  EXPECT_EQ(ByteArrayOutputStream::f(out).count, 0);
  // The base class's byte-by-byte forms test the same way.
  Ref volatile din = jnew<DataInputStream>(static_cast<Ref>(in));
  EXPECT_EQ(thrown([&] { InputStream::read(din, b, 3, INT_MAX); }), ioobe);
  EXPECT_EQ(thrown([&] { OutputStream::write(data, b, 3, INT_MAX); }), ioobe);
  EXPECT_EQ(vcall(InputStream::m_readArray, in, b, 4, 0), 0);
}

LIBRARY_TEST(ByteArrayInputStreamTest, ReadFormsAndTheCountLimit) {
  Ref volatile src = byte_array({0x10, 0xff, 0x30, 0x40, 0x50});
  Ref in =
      jnew<ByteArrayInputStream>(static_cast<Ref>(src), 1, INT_MAX);  // count: the array length
  EXPECT_EQ(ByteArrayInputStream::f(in).count, 5);
  EXPECT_EQ(vcall(InputStream::m_read, in), 0xff);
  Ref volatile dst = byte_array({0, 0, 0, 0, 0, 0});
  EXPECT_EQ(vcall(InputStream::m_readArray, in, dst, 1, 6 - 1), 3);
  EXPECT_EQ(array_bytes(dst), (std::vector<uint8_t>{0, 0x30, 0x40, 0x50, 0, 0}));
  EXPECT_EQ(vcall(InputStream::m_readArray, in, dst, 0, 2), -1);
  EXPECT_EQ(vcall(InputStream::m_read, in), -1);
  Ref part = jnew<ByteArrayInputStream>(static_cast<Ref>(src), 1, 2);
  EXPECT_EQ(vcall(InputStream::m_read, part), 0xff);
  EXPECT_EQ(vcall(InputStream::m_read, part), 0x30);
  EXPECT_EQ(vcall(InputStream::m_read, part), -1);
}

LIBRARY_TEST(DataInputStreamTest, ReadIntAndWriteIntAreBigEndian) {
  Ref in = jnew<DataInputStream>(
      jnew<ByteArrayInputStream>(byte_array({1, 2, 3, 4, 0xff, 0xff, 0xff, 0xfe})));
  EXPECT_EQ(icall(DataInput::m_readInt, in), 16909060);
  EXPECT_EQ(icall(DataInput::m_readInt, in), -2);
  // three bytes left: EOF after consuming them
  Ref volatile bin = jnew<ByteArrayInputStream>(byte_array({1, 2, 3}));
  in = jnew<DataInputStream>(static_cast<Ref>(bin));
  EXPECT_EQ(thrown([&] { icall(DataInput::m_readInt, in); }), "java/io/EOFException");
  EXPECT_EQ(ByteArrayInputStream::f(bin).pos, 3);
  EXPECT_EQ(vcall(InputStream::m_read, in), -1);
  Ref volatile bout = jnew<ByteArrayOutputStream>();
  Ref out = jnew<DataOutputStream>(static_cast<Ref>(bout));
  DataOutputStream::writeInt(out, INT_MIN + 5);
  EXPECT_EQ(array_bytes(ByteArrayOutputStream::toByteArray(bout)),
            (std::vector<uint8_t>{0x80, 0, 0, 5}));
}

LIBRARY_TEST(PrintStreamTest, ConsoleGetsLatin1AndUnsignedBytesNullAndClosedStreams) {
  Ref out = System::S().out;
  EXPECT_EQ(out, System::S().err);
  PrintStream::print(out, jstr16(u"A\u00e9\u20ac"));
  PrintStream::println(out, static_cast<Ref>(nullptr));
  PrintStream::println(out, static_cast<jint>(INT_MIN));
  PrintStream::printlnObject(out, nullptr);
  EXPECT_EQ(host_log.console, u"A\u00e9?null\n-2147483648\nnull\n");
  EXPECT_FALSE(PrintStream::checkError(out));
  PrintStream::write(out, byte_array({0x41, 0xe9}), 0, 2);  // bytes reach it unsigned
  PrintStream::write(out, 0x42);
  EXPECT_EQ(host_log.console, u"A\u00e9?null\n-2147483648\nnull\nA\u00e9B");
  EXPECT_EQ(thrown([] { jnew<PrintStream>(static_cast<Ref>(nullptr)); }),
            NPE ": Null output stream");
  Ref volatile bout = jnew<ByteArrayOutputStream>();
  Ref ps = jnew<PrintStream>(static_cast<Ref>(bout));
  PrintStream::print(ps, lit("ok"));
  vcall(OutputStream::m_close, ps);
  vcall(OutputStream::m_close, ps);  // once only
  // A print after the close is swallowed and leaves an error.
  EXPECT_EQ(thrown([&] { PrintStream::print(ps, lit("late")); }), "no exception");
  EXPECT_TRUE(PrintStream::checkError(ps));
  EXPECT_EQ(array_bytes(ByteArrayOutputStream::toByteArray(bout)),
            (std::vector<uint8_t>{'o', 'k'}));
}

LIBRARY_TEST(WriterTest, ClosedWriterAndStringRanges) {
  Ref w = jnew<OutputStreamWriter>(jnew<ByteArrayOutputStream>());
  vcall(java::io::Writer::m_close, w);
  vcall(java::io::Writer::m_close, w);
  EXPECT_EQ(thrown([&] { vcall(java::io::Writer::m_write, w, 'x'); }), IOE "Stream closed");
  Ref volatile bout = jnew<ByteArrayOutputStream>();
  w = jnew<OutputStreamWriter>(static_cast<Ref>(bout));
  EXPECT_EQ(thrown([&] { vcall(java::io::Writer::m_writeSub, w, lit("abc"), 2, INT_MAX); }),
            "java/lang/IndexOutOfBoundsException");
  vcall(java::io::Writer::m_writeSub, w, lit("abc"), 1, 2);
  EXPECT_EQ(array_bytes(ByteArrayOutputStream::toByteArray(bout)),
            (std::vector<uint8_t>{'b', 'c'}));
}

TEST(HelperTest, FailureMessages) {
  run_library(
      [] {
        EXPECT_EQ(thrown([] { Helper::getStreamWriterPrim(lit("UTF8")); }),
                  "java/io/UnsupportedEncodingException: Encoding UTF8 not found");
        EXPECT_EQ(thrown([] { Helper::getStreamWriter(nullptr, lit("ISO8859_1")); }), NPE);
        EXPECT_EQ(thrown([] { Helper::getStreamWriterPrim(lit("Bogus")); }),
                  RTE "ClassCastException null");
        Helper::S().defaultEncoding = lit("EBCDIC");
        EXPECT_EQ(thrown([] { Helper::byteToCharArray(byte_array({1}), 0, 1); }),
                  RTE "Missing default encoding EBCDIC");
      },
      {&bogusWriter});
}

}  // namespace

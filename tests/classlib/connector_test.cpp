// The connector's name rules and every failure row; the debug, socket, serversocket and
// datagram handlers, sockets end to end on 127.0.0.1 with a peer of the test's own.
#include "javax/microedition/io/Connector.h"

#include <gtest/gtest.h>

#include "com/sun/cldc/io/ConnectionBase.h"
#include "com/sun/cldc/io/GeneralBase.h"
#include "com/sun/cldc/io/j2me/datagram/Protocol.h"
#include "com/sun/cldc/io/j2me/debug/Protocol.h"
#include "com/sun/cldc/io/j2me/serversocket/Protocol.h"
#include "com/sun/cldc/io/j2me/socket/Protocol.h"
#include "java/io/DataInput.h"
#include "java/io/InputStream.h"
#include "java/io/OutputStream.h"
#include "java/lang/Class.h"
#include "javax/microedition/io/Connection.h"
#include "javax/microedition/io/InputConnection.h"
#include "javax/microedition/io/OutputConnection.h"
#include "javax/microedition/io/StreamConnectionNotifier.h"
#include "loopback_peer.h"
#include "program.h"

using namespace javax::microedition::io;
using com::sun::cldc::io::ConnectionBase;
using com::sun::cldc::io::GeneralBase;
using java::io::InputStream;
using java::io::OutputStream;
namespace socket_ = com::sun::cldc::io::j2me::socket;
namespace server_ = com::sun::cldc::io::j2me::serversocket;
namespace datagram_ = com::sun::cldc::io::j2me::datagram;
using namespace nettest;

namespace {

// A class found by a handler's name that is no handler.
ClassDecl bogusProtocol = {.name = "com/sun/cldc/io/j2me/bogus/Protocol",
                           .super = &java::lang::Object::klass,
                           .instanceSize = RT_HEADER_SIZE};

// A connection whose read() gives the bytes 1, 2, 3, 4, 5 and then the end.
struct CountingBase {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint next;
  };
  JAVA_FIELDS(ConnectionBase)
  static void init(Ref self) { ConnectionBase::init(self); }
  static jint read(Ref self) { return f(self).next < 5 ? ++f(self).next : -1; }
};
ClassDecl CountingBase::klass = {
    .name = "test/CountingBase",
    .super = &ConnectionBase::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &CountingBase::init,
    .methods = {impl(GeneralBase::m_read, &CountingBase::read)},
};

std::string open_error(const std::string& name, jint mode = Connector::READ_WRITE) {
  return thrown([&] { Connector::open(lit(name.c_str()), mode); });
}

std::string class_name(Ref o) {
  return text(java::lang::Class::getName(java::lang::Object::getClass(o)));
}

// Name rules fail before any lookup; unknown protocols are not found; a class by a
// handler's name that is no handler is an IOException. (The handlers' class root and
// platform are pinned by the lookups of the handler tests.)
TEST(ConnectorTest, NameRulesLookupAndProperties) {
  run_library(
      [] {
        EXPECT_EQ(thrown([] { Connector::open(nullptr); }), IAE "Null URL");
        EXPECT_EQ(open_error("nocolon"), IAE "no ':' in URL");
        EXPECT_EQ(open_error(":debug"), IAE "no ':' in URL");
        EXPECT_EQ(open_error("file:///a.txt"),
                  "javax/microedition/io/ConnectionNotFoundException: "
                  "The requested protocol does not exist file:///a.txt");
        EXPECT_EQ(open_error("bogus:x"), IOE "java/lang/ClassCastException");
      },
      {&bogusProtocol});
}

LIBRARY_TEST(DebugHandlerTest, OptionsStreamsAndClose) {
  EXPECT_EQ(open_error("debug:x"), IAE "Bad protocol option:x");
  Ref volatile con = Connector::open(lit("debug:"));
  EXPECT_EQ(class_name(con), "com/sun/cldc/io/j2me/debug/Protocol");
  Ref volatile out = icall(OutputConnection::m_openOutputStream, con);
  EXPECT_EQ(thrown([&] { icall(OutputConnection::m_openOutputStream, con); }),
            IOE "Stream already opened");
  vcall(OutputStream::m_write, out, 0x10041);  // the low 16 bits reach the console
  vcall(OutputStream::m_close, out);
  EXPECT_EQ(thrown([&] { vcall(OutputStream::m_write, out, 'x'); }), IOE "Connection closed");
  Ref volatile again = icall(OutputConnection::m_openOutputStream, con);  // close made room
  vcall(OutputStream::m_write, again, 'z');
  EXPECT_EQ(host_log.console, u"Az");
  EXPECT_EQ(thrown([&] { icall(InputConnection::m_openInputStream, con); }),
            RTE "No openInputStream");
  EXPECT_EQ(thrown([&] { vcall(GeneralBase::m_read, con); }), RTE "No read()");
}

TEST(ConnectionBaseTest, ReadIntIsBigEndianAndEndsInEOFException) {
  run_library(
      [] {
        Ref con = jnew<CountingBase>();
        EXPECT_EQ(icall(java::io::DataInput::m_readInt, con), 0x01020304);
        EXPECT_EQ(thrown([&] { icall(java::io::DataInput::m_readInt, con); }),
                  "java/io/EOFException");
        EXPECT_EQ(thrown([&] { vcall(GeneralBase::m_write, con, 1); }), RTE "No write()");
      },
      {&CountingBase::klass});
}

LIBRARY_TEST(DatagramHandlerTest, NameChecksThenTheNativeRefuses) {
  EXPECT_EQ(open_error("datagram://:0"), IAE "Bad port number \"//\" :0");
  EXPECT_EQ(open_error("datagram://h:70000"), IAE "Bad port number h:70000");
  EXPECT_EQ(open_error("datagram:h:1"), IAE "Protocol must start with \"//\" h:1");
  EXPECT_EQ(open_error("datagram://h1"), IAE "No ':' in protocol name h1");
  EXPECT_EQ(open_error("datagram://h:x1"), NFE "x1");
  EXPECT_EQ(open_error("datagram://127.0.0.1:5000"), RTE "Method not implemented");
  Ref d = jnew<datagram_::Protocol>();
  EXPECT_EQ(datagram_::Protocol::f(d).handle, -1);
  EXPECT_EQ(thrown([&] { vcall(GeneralBase::m_close, d); }), "no exception");  // never opened
  EXPECT_EQ(thrown([&] { vcall(ConnectionBase::m_openOutputStream, d); }),
            RTE "No openOutputStream");
}

LIBRARY_TEST(SocketHandlerTest, NameErrorsAreTheNativesCodes) {
  int port = free_port();
  EXPECT_EQ(open_error("socket://127.0.0.1:" + std::to_string(port)), IOE "Socket error");
  EXPECT_EQ(open_error("serversocket://127.0.0.1:0"), "java/lang/IllegalArgumentException");
  Ref s = jnew<socket_::Protocol>();
  EXPECT_EQ(thrown([&] { vcall(ConnectionBase::m_open, s, lit("//x:1"), 3, 0); }),
            RTE "Should not be called");
}

// socket:// with an empty host is a server socket; a client the test connects is accepted.
LIBRARY_TEST(SocketHandlerTest, EmptyHostGivesAServerSocketThatAccepts) {
  Ref volatile server = Connector::open(lit("socket://:0"));
  EXPECT_EQ(class_name(server), "com/sun/cldc/io/j2me/serversocket/Protocol");
  int port = local_port(server_::Protocol::f(server).handle);
  os_handle client = peer_connect(port);
  ASSERT_NE(client, -1);
  Ref volatile con = icall(StreamConnectionNotifier::m_acceptAndOpen, server);
  EXPECT_EQ(class_name(con), "com/sun/cldc/io/j2me/socket/Protocol");
  icall(Connection::m_close, con);
  EXPECT_TRUE(peer_sees_end(client));
  icall(Connection::m_close, server);
  EXPECT_EQ(thrown([&] { icall(Connection::m_close, server); }), IOE "Server socket error");
  peer_close(client);
}

// Opens socket://127.0.0.1:<port of a fresh listener> and accepts the test's end.
struct Peer {
  os_handle listener = -1, end = -1;
  ~Peer() {
    peer_close(end);
    peer_close(listener);
  }
  Ref open(jint mode = Connector::READ_WRITE) {
    int port = 0;
    listener = peer_listen(&port);
    Ref con = Connector::open(lit(("socket://127.0.0.1:" + std::to_string(port)).c_str()), mode);
    end = peer_accept(listener);
    return con;
  }
};

LIBRARY_TEST(SocketHandlerTest, ConnectWriteReadEndOfStream) {
  Peer peer;
  Ref volatile con = peer.open();
  EXPECT_EQ(class_name(con), "com/sun/cldc/io/j2me/socket/Protocol");
  Ref volatile out = icall(OutputConnection::m_openDataOutputStream, con);
  Ref volatile in = icall(InputConnection::m_openDataInputStream, con);
  vcall(OutputStream::m_writeArray, out, byte_array({'h', 'i', 0xe9}), 0, 3);
  EXPECT_EQ(peer_recv(peer.end, 3), "hi\xe9");
  peer_send(peer.end, std::string("\x01\x02\x03\x04\xff", 5));
  EXPECT_EQ(icall(java::io::DataInput::m_readInt, in), 16909060);
  EXPECT_EQ(vcall(InputStream::m_read, in), 0xff);
  peer_close(peer.end);
  peer.end = -1;
  EXPECT_EQ(vcall(InputStream::m_read, in), -1);
  EXPECT_EQ(vcall(InputStream::m_read, in), -1);  // eof stays; the host is not asked again
  EXPECT_EQ(thrown([&] { icall(java::io::DataInput::m_readInt, in); }), "java/io/EOFException");
  Ref volatile buf = byte_array({0, 0});
  EXPECT_EQ(vcall(InputStream::m_readArray, in, buf, 0, 2), -1);
}

LIBRARY_TEST(SocketHandlerTest, ModesSecondStreamsAndCountedClose) {
  Peer reader;
  Ref volatile r = reader.open(Connector::READ);
  EXPECT_EQ(thrown([&] { icall(OutputConnection::m_openOutputStream, r); }),
            IOE "Connection not open for writing");
  icall(InputConnection::m_openInputStream, r);
  EXPECT_EQ(thrown([&] { icall(InputConnection::m_openInputStream, r); }),
            IOE "Input stream already opened");
  Peer writer;
  Ref volatile w = writer.open(Connector::WRITE);
  EXPECT_EQ(thrown([&] { icall(InputConnection::m_openInputStream, w); }),
            IOE "Connection not open for reading");
  icall(OutputConnection::m_openOutputStream, w);
  EXPECT_EQ(thrown([&] { icall(OutputConnection::m_openOutputStream, w); }),
            IOE "Output stream already opened");
  // The host socket closes only when the connection and every stream from it are closed.
  Peer peer;
  Ref volatile con = peer.open();
  Ref volatile in = icall(InputConnection::m_openInputStream, con);
  Ref volatile out = icall(OutputConnection::m_openOutputStream, con);
  EXPECT_EQ(socket_::Protocol::f(con).openCount, 3);
  icall(Connection::m_close, con);
  icall(Connection::m_close, con);  // twice: nothing more
  EXPECT_EQ(socket_::Protocol::f(con).openCount, 2);
  EXPECT_EQ(thrown([&] { icall(InputConnection::m_openInputStream, con); }),
            IOE "Connection closed");
  vcall(OutputStream::m_write, out, 'a');  // the streams still work
  EXPECT_EQ(peer_recv(peer.end, 1), "a");
  vcall(InputStream::m_close, in);
  vcall(InputStream::m_close, in);
  EXPECT_EQ(thrown([&] { vcall(InputStream::m_read, in); }), IOE "Stream closed");
  EXPECT_TRUE(peer_is_quiet(peer.end));  // one stream left: still open
  vcall(OutputStream::m_close, out);
  EXPECT_EQ(thrown([&] { vcall(OutputStream::m_write, out, 'b'); }), IOE "Stream closed");
  EXPECT_EQ(socket_::Protocol::f(con).handle, -1);
  EXPECT_TRUE(peer_sees_end(peer.end));
}

}  // namespace

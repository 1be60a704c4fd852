// A page has no sockets: every kind of connection fails to open with the IOException of its
// kind.
#include <gtest/gtest.h>

#include "program.h"
#include "javax/microedition/io/Connector.h"

using javax::microedition::io::Connector;

namespace {

std::string open_error(const char* name) {
  return thrown([&] { Connector::open(lit(name), Connector::READ_WRITE); });
}

LIBRARY_TEST(WebSocketsTest, EveryOpenThrowsTheIOExceptionOfItsKind) {
  EXPECT_EQ(open_error("socket://127.0.0.1:80"), IOE "Socket error");
  EXPECT_EQ(open_error("socket://:0"), IOE "Socket error");  // refused before the empty host is seen
  EXPECT_EQ(open_error("serversocket://:0"), IOE "Server socket error");
  EXPECT_EQ(open_error("datagram://127.0.0.1:5000"), IOE "Datagram socket error");
  EXPECT_EQ(open_error("datagram://:5000"), IOE "Datagram socket error");
}

}  // namespace

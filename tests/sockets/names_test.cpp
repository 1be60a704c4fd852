// Connection names: the host and port rules and every error code they give.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "loopback_peer.h"
#include "net_program.h"

using namespace nettest;

namespace {

struct HostResult {
  std::string host;  // "<null>" on failure
  int32_t error;
};

HostResult host_of(Ref s) {
  rt_take_error();
  char* h = parse_host(rt_string(s)->value, rt_string(s)->offset, rt_string(s)->count);
  HostResult r{h ? h : "<null>", rt_take_error()};
  free(h);
  return r;
}
HostResult host_of(const std::string& name) { return host_of(jstr(name)); }

struct PortResult {
  jint port;
  int32_t error;
};

PortResult port_of(const std::string& name) {
  rt_take_error();
  Ref s = jstr(name);
  jint p = parse_port(rt_string(s)->value, rt_string(s)->offset, rt_string(s)->count);
  return PortResult{p, rt_take_error()};
}

// The error of a client open of `name`; the handle of a failed open stays -1.
int32_t client_open_error(Ref name) {
  Ref conn = new_protocol<SocketProtocol>();
  sock_open(conn, name, 3, 0);
  int32_t e = rt_take_error();
  if (e != ERR_NONE) {
    EXPECT_EQ(handle<SocketProtocol>(conn), -1);
  } else {
    sock_close(conn);
  }
  return e;
}
int32_t client_open_error(const std::string& name) { return client_open_error(jstr(name)); }

int32_t server_open_error(const std::string& name) {
  Ref srv = new_protocol<ServerProtocol>();
  srv_open(srv, jstr(name), 3, 0);
  int32_t e = rt_take_error();
  if (e != ERR_NONE) {
    EXPECT_EQ(handle<ServerProtocol>(srv), -1);
  } else {
    srv_close(srv);
  }
  return e;
}

}  // namespace

TEST(SocketNames, HostIsTheTextAfterTheSlashesUpToColonOrSemicolon) {
  run_net_program([] {
    EXPECT_EQ(host_of("//example.org:80").host, "example.org");
    EXPECT_EQ(host_of("//h;x=1:80").host, "h");
    EXPECT_EQ(host_of("//plain").host, "plain");
    HostResult empty = host_of("//:5000");
    EXPECT_EQ(empty.host, "");
    EXPECT_EQ(empty.error, ERR_NONE);
  });
}

TEST(SocketNames, HostOfANameWithoutTwoSlashesIsIllegalArgument) {
  run_net_program([] {
    EXPECT_EQ(host_of("127.0.0.1:80").error, ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(host_of("/x:80").error, ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(host_of("/").error, ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(host_of("").error, ERR_ILLEGAL_ARGUMENT);
  });
}

TEST(SocketNames, HostWithACharacterBeyondEightBitsOrZeroIsRefused) {
  run_net_program([] {
    // Cutting to the low byte would turn U+0131 into '1' and name another host.
    EXPECT_EQ(host_of(jstr_with("//127.0.0.x:80", 10, 0x0131)).error, ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(host_of(jstr_with("//localhost.evil:80", 11, 0)).error, ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(host_of(jstr_with("//h\xe9:80", 3, 0xE9)).host, "h\xe9");  // Latin-1 passes
  });
}

TEST(SocketNames, NameRoutinesWithoutCharactersGiveNullPointer) {
  run_net_program([] {
    rt_take_error();
    EXPECT_EQ(parse_host(nullptr, 0, 0), nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    EXPECT_EQ(parse_port(nullptr, 0, 0), -1);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
  });
}

TEST(SocketNames, NameRoutinesRefuseARangeOutsideTheArray) {
  run_net_program([] {
    Ref s = jstr("//h:80");
    Ref chars = rt_string(s)->value;
    rt_take_error();
    EXPECT_EQ(parse_host(chars, 1, 6), nullptr);
    EXPECT_EQ(rt_take_error(), ERR_INDEX_OUT_OF_BOUNDS);
    EXPECT_EQ(parse_port(chars, INT_MAX, INT_MAX), -1);
    EXPECT_EQ(rt_take_error(), ERR_INDEX_OUT_OF_BOUNDS);
    EXPECT_EQ(parse_port(chars, -1, 3), -1);
    EXPECT_EQ(rt_take_error(), ERR_INDEX_OUT_OF_BOUNDS);
    EXPECT_EQ(parse_port(chars, 0, -1), -1);
    EXPECT_EQ(rt_take_error(), ERR_INDEX_OUT_OF_BOUNDS);
    // A name within a larger array: offset and count select it.
    EXPECT_EQ(parse_port(chars, 2, 4), 80);
  });
}

// The digits after the first colon up to a semicolon, at most 15 of them and at most
// 65535 (never cut to 16 bits); anything else is an illegal argument.
TEST(SocketNames, PortIsTheDigitsAfterTheFirstColon) {
  const std::pair<const char*, jint> cases[] = {
      {"//localhost:80", 80},
      {"//:65535", 65535},
      {"//:0", 0},
      {"//h:8080;timeout=5", 8080},
      {"//h:8080;", 8080},
      {"//h:000000000000080", 80},  // 15 digits
      {"//h:1:2", -1},
      {"//localhost", -1},
      {"//localhost:", -1},
      {"//localhost:x", -1},
      {"//localhost:80x", -1},
      {"//localhost:8 0", -1},
      {"//localhost:;80", -1},
      {"//h:0000000000000080", -1},  // 16 digits
      {"//h:0000000000000001", -1},
      {"//h:-1", -1},
      {"//h:65536", -1},
      {"//h:65616", -1},  // low 16 bits: 80
      {"//h:4294967376", -1},
      {"//h:999999999999999", -1},
      {"//h:999999999999999x", -1},
  };
  run_net_program([&] {
    for (const auto& [name, port] : cases) {
      PortResult r = port_of(name);
      EXPECT_EQ(r.port, port) << name;
      EXPECT_EQ(r.error, port < 0 ? ERR_ILLEGAL_ARGUMENT : ERR_NONE) << name;
    }
  });
}

TEST(SocketNames, ResolveGivesLoopbackInNetworkOrderAndAllOnesOnFailure) {
  run_net_program([] {
    const uint8_t bytes[4] = {127, 0, 0, 1};  // network order: the first byte first
    uint32_t loop;
    memcpy(&loop, bytes, 4);
    EXPECT_EQ(resolve_host("127.0.0.1"), loop);
    EXPECT_EQ(resolve_host("localhost"), loop);
    EXPECT_EQ(resolve_host(nullptr), 0xFFFFFFFFu);
    EXPECT_EQ(resolve_host("255.255.255.255"), 0xFFFFFFFFu);
  });
}

TEST(SocketNames, ClientNameErrorCodes) {
  run_net_program([] {
    int port = 0;
    os_handle listener = peer_listen(&port);
    std::string p = std::to_string(port);
    EXPECT_EQ(client_open_error("//:" + p), ERR_INTERRUPTED);  // empty host: a server name
    EXPECT_EQ(client_open_error("//127.0.0.1"), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(client_open_error("//127.0.0.1:"), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(client_open_error("//127.0.0.1:" + p + "x"), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(client_open_error("//127.0.0.1:0000000000" + std::string(6 - p.size(), '0') + p),
              ERR_ILLEGAL_ARGUMENT);  // 16 digits
    EXPECT_EQ(client_open_error("127.0.0.1:" + p), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(client_open_error(std::to_string(65536 + port).insert(0, "//127.0.0.1:")),
              ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(client_open_error("//255.255.255.255:" + p), ERR_SOCKET);  // does not resolve
    EXPECT_EQ(client_open_error("//127.0.0.1:" + std::to_string(free_port())), ERR_SOCKET);
    EXPECT_EQ(client_open_error(nullptr), ERR_NULL_POINTER);
    Ref noChars = jstr("//127.0.0.1:80");
    rt_string(noChars)->value = nullptr;
    EXPECT_EQ(client_open_error(noChars), ERR_NULL_POINTER);
    Ref badRange = jstr("//127.0.0.1:80");
    rt_string(badRange)->count = INT_MAX;
    EXPECT_EQ(client_open_error(badRange), ERR_INDEX_OUT_OF_BOUNDS);
    // None of them reached the listener (65536 + port would, cut to 16 bits).
    EXPECT_FALSE(peer_has_client(listener));
    peer_close(listener);
  });
}

TEST(SocketNames, ServerNameErrorCodes) {
  run_net_program([] {
    EXPECT_EQ(server_open_error("//127.0.0.1:0"), ERR_ILLEGAL_ARGUMENT);  // servers have no host
    EXPECT_EQ(server_open_error("//:"), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(server_open_error("//"), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(server_open_error("//:x"), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(server_open_error("//:65536"), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(server_open_error("//:1234567890123456"), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(server_open_error(":0"), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(server_open_error("//:0;backlog=9"), ERR_NONE);
    Ref srv = new_protocol<ServerProtocol>();
    rt_take_error();
    srv_open(srv, nullptr, 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    srv_open(nullptr, jstr("//:0"), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
  });
}

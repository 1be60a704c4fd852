// Connection names: the host and port rules and every error code they give.
#include <climits>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "net_program.h"

using namespace nettest;

namespace {

// parse_host or parse_port on a String's fields, and the error it left.
template <class R>
std::pair<R, int32_t> parse(R (*fn)(Ref, jint, jint), Ref s) {
  rt_take_error();
  R r = fn(rt_string(s)->value, rt_string(s)->offset, rt_string(s)->count);
  return {r, rt_take_error()};
}

std::string host_of(Ref s, int32_t* error) {
  auto [h, e] = parse(parse_host, s);
  *error = e;
  std::string text = h ? h : "<null>";
  free(h);
  return text;
}

// The error of an open of name; the handle of a failed open stays -1.
template <class C>
int32_t open_error(Ref name) {
  Ref o = new_protocol<C>();
  std::is_same_v<C, SocketProtocol> ? sock_open(o, name, 3, 0) : srv_open(o, name, 3, 0);
  int32_t e = rt_take_error();
  EXPECT_EQ(handle<C>(o) == -1, e != ERR_NONE);
  if (e == ERR_NONE) std::is_same_v<C, SocketProtocol> ? sock_close(o) : srv_close(o);
  return e;
}

}  // namespace

// The host is the text after the slashes up to ':' or ';', of 8-bit characters other
// than 0: cutting U+0131 to its low byte would make it '1' and name another host.
TEST(SocketNames, HostIsTheTextAfterTheSlashesUpToColonOrSemicolon) {
  const std::tuple<std::u16string, std::string, int32_t> cases[] = {
      {u"//example.org:80", "example.org", ERR_NONE},
      {u"//h;x=1:80", "h", ERR_NONE},
      {u"//plain", "plain", ERR_NONE},
      {u"//:5000", "", ERR_NONE},
      {u"//h\u00e9:80", "h\xe9", ERR_NONE},  // Latin-1 passes
      {u"127.0.0.1:80", "<null>", ERR_ILLEGAL_ARGUMENT},
      {u"/x:80", "<null>", ERR_ILLEGAL_ARGUMENT},
      {u"/", "<null>", ERR_ILLEGAL_ARGUMENT},
      {u"", "<null>", ERR_ILLEGAL_ARGUMENT},
      {u"//127.0.0.\u0131:80", "<null>", ERR_ILLEGAL_ARGUMENT},
      {std::u16string(u"//localhost\0evil:80", 19), "<null>", ERR_ILLEGAL_ARGUMENT},
  };
  run_net_program([&] {
    for (size_t i = 0; i < std::size(cases); i++) {
      const auto& [name, host, error] = cases[i];
      SCOPED_TRACE(i);
      int32_t e;
      EXPECT_EQ(host_of(jstr(name), &e), host);
      EXPECT_EQ(e, error);
    }
  });
}

// No characters: a null pointer; a range outside the array: out of bounds; a name within
// a larger array is selected by offset and count.
TEST(SocketNames, NameRoutinesCheckTheCharacterArray) {
  run_net_program([] {
    Ref chars = rt_string(jstr("//h:80"))->value;
    const std::tuple<Ref, jint, jint, int32_t> cases[] = {
        {nullptr, 0, 0, ERR_NULL_POINTER},
        {chars, 1, 6, ERR_INDEX_OUT_OF_BOUNDS},
        {chars, INT_MAX, INT_MAX, ERR_INDEX_OUT_OF_BOUNDS},
        {chars, -1, 3, ERR_INDEX_OUT_OF_BOUNDS},
        {chars, 0, -1, ERR_INDEX_OUT_OF_BOUNDS},
    };
    for (const auto& [array, offset, count, error] : cases) {
      SCOPED_TRACE(offset);
      EXPECT_EQ(parse_host(array, offset, count), nullptr);
      EXPECT_EQ(rt_take_error(), error);
      EXPECT_EQ(parse_port(array, offset, count), -1);
      EXPECT_EQ(rt_take_error(), error);
    }
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
      SCOPED_TRACE(name);
      EXPECT_EQ(parse(parse_port, jstr(name)),
                std::make_pair(port, int32_t{port < 0 ? ERR_ILLEGAL_ARGUMENT : ERR_NONE}));
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

// None of the bad client names reaches the listener (65536 + port would, cut to 16 bits);
// an empty host is a server's name, and a server's name has no host.
TEST(SocketNames, OpenErrorCodes) {
  run_net_program([] {
    int port = 0;
    os_handle listener = peer_listen(&port);
    std::string p = std::to_string(port), to = "//127.0.0.1:";
    Ref noChars = jstr(to + "80"), badRange = jstr(to + "80");
    rt_string(noChars)->value = nullptr;
    rt_string(badRange)->count = INT_MAX;
    const std::pair<Ref, int32_t> clients[] = {
        {jstr("//:" + p), ERR_INTERRUPTED},
        {jstr("//127.0.0.1"), ERR_ILLEGAL_ARGUMENT},
        {jstr(to), ERR_ILLEGAL_ARGUMENT},
        {jstr(to + p + "x"), ERR_ILLEGAL_ARGUMENT},
        {jstr(to + std::string(16 - p.size(), '0') + p), ERR_ILLEGAL_ARGUMENT},
        {jstr("127.0.0.1:" + p), ERR_ILLEGAL_ARGUMENT},
        {jstr(to + std::to_string(65536 + port)), ERR_ILLEGAL_ARGUMENT},
        {jstr("//255.255.255.255:" + p), ERR_SOCKET},  // does not resolve
        {jstr(to + std::to_string(free_port())), ERR_SOCKET},
        {nullptr, ERR_NULL_POINTER},
        {noChars, ERR_NULL_POINTER},
        {badRange, ERR_INDEX_OUT_OF_BOUNDS},
    };
    for (size_t i = 0; i < std::size(clients); i++) {
      const auto& [name, error] = clients[i];
      SCOPED_TRACE(i);
      EXPECT_EQ(open_error<SocketProtocol>(name), error);
    }
    EXPECT_FALSE(peer_has_client(listener));
    peer_close(listener);
    for (const char* name :
         {"//127.0.0.1:0", "//:", "//", "//:x", "//:65536", "//:1234567890123456", ":0"})
      EXPECT_EQ(open_error<ServerProtocol>(jstr(name)), ERR_ILLEGAL_ARGUMENT) << name;
    EXPECT_EQ(open_error<ServerProtocol>(jstr("//:0;backlog=9")), ERR_NONE);
    EXPECT_EQ(open_error<ServerProtocol>(nullptr), ERR_NULL_POINTER);
    srv_open(nullptr, jstr("//:0"), 3, 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
  });
}

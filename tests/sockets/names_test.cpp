// Connection names: the host and port rules and every error code they give.
#include <cstdlib>
#include <type_traits>

#include "net_program.h"

using namespace nettest;
using namespace std::string_literals;

namespace {

// parse_host or parse_port on a String's fields, and the error it left.
template <class R>
std::pair<R, int32_t> parse(R (*fn)(Ref, jint, jint), Ref s) {
  rt_take_error();
  return took(fn(rt_string(s)->value, rt_string(s)->offset, rt_string(s)->count));
}

std::pair<std::string, int32_t> host_of(const std::u16string& name) {
  auto [h, e] = parse(parse_host, jstr(name));
  std::string text = h ? h : "<null>";
  free(h);
  return {text, e};
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
// than 0 (Latin-1 passes; cutting U+0131 to its low byte would make it '1' and name another
// host). It resolves to an address in network order, all ones on failure.
TEST(SocketNames, HostIsTheTextAfterTheSlashesUpToColonOrSemicolon) {
  const std::pair<std::u16string, std::string> good[] = {
      {u"//h;x=1:80", "h"}, {u"//plain", "plain"}, {u"//:5000", ""}, {u"//h\u00e9:80", "h\xe9"}};
  run_net_program([&] {
    for (const auto& [name, host] : good) EXPECT_EQ(host_of(name), want(host));
    for (const std::u16string& name : {u"127.0.0.1:80"s, u"/x:80"s, u"/"s, u""s,
                                       u"//127.0.0.\u0131:80"s, u"//localhost\0evil:80"s})
      EXPECT_EQ(host_of(name), want<std::string>("<null>", ERR_ILLEGAL_ARGUMENT));
    // The connections to 127.0.0.1 and localhost show the names that resolve; none is a failure.
    EXPECT_EQ(resolve_host(nullptr), 0xFFFFFFFFu);
  });
}

// The digits after the first colon up to a semicolon, at most 15 of them and at most
// 65535 (never cut to 16 bits: 65616 would be 80); anything else is an illegal argument.
// Both routines take a name within a larger array by offset and count; no characters are
// a null pointer, a range outside the array is out of bounds.
TEST(SocketNames, PortDigitsAndCharacterRanges) {
  const std::pair<const char*, jint> good[] = {
      {"//localhost:80", 80},       {"//:65535", 65535}, {"//:0", 0},
      {"//h:8080;timeout=5", 8080}, {"//h:8080;", 8080}, {"//h:000000000000080", 80}};
  run_net_program([&] {
    Ref chars = rt_string(jstr("//h:80"))->value;
    const std::tuple<Ref, jint, jint, int32_t> cases[] = {
        {nullptr, 0, 0, ERR_NULL_POINTER},
        {chars, 1, 6, ERR_INDEX_OUT_OF_BOUNDS},
        {chars, INT_MAX, INT_MAX, ERR_INDEX_OUT_OF_BOUNDS},
        {chars, -1, 3, ERR_INDEX_OUT_OF_BOUNDS}};
    for (const auto& [array, offset, count, error] : cases) {
      SCOPED_TRACE(offset);
      EXPECT_EQ(took(parse_host(array, offset, count)), want<char*>(nullptr, error));
      EXPECT_EQ(took(parse_port(array, offset, count)), want(-1, error));
    }
    EXPECT_EQ(parse_port(chars, 2, 4), 80);
    for (const auto& [name, port] : good)
      EXPECT_EQ(parse(parse_port, jstr(name)), want(port)) << name;
    for (const char* name :
         {"//h:1:2", "//localhost", "//localhost:", "//localhost:;80", "//localhost:80x",
          "//h:0000000000000080", "//h:65536", "//h:65616", "//h:4294967376"})
      EXPECT_EQ(parse(parse_port, jstr(name)), want(-1, ERR_ILLEGAL_ARGUMENT)) << name;
  });
}

// None of the bad client names reaches the listener (65536 + port would, cut to 16 bits);
// an empty host is a server's name, and a server's name has no host.
TEST(SocketNames, OpenErrorCodes) {
  run_net_program([] {
    int port = 0;
    os_handle listener = peer_listen(&port);
    std::string p = std::to_string(port), to = "//127.0.0.1:";
    const std::pair<Ref, int32_t> clients[] = {
        {jstr("//:" + p), ERR_INTERRUPTED},
        {jstr("//255.255.255.255:" + p), ERR_SOCKET},  // does not resolve
        {jstr("//no-such-host.invalid:80"), ERR_SOCKET},
        {jstr(to + std::to_string(free_port())), ERR_SOCKET},
        {nullptr, ERR_NULL_POINTER}};
    for (size_t i = 0; i < std::size(clients); i++)
      EXPECT_EQ(open_error<SocketProtocol>(clients[i].first), clients[i].second) << i;
    for (const std::string& name :
         {"//127.0.0.1"s, to + p + "x", "127.0.0.1:" + p, to + std::to_string(65536 + port)})
      EXPECT_EQ(open_error<SocketProtocol>(jstr(name)), ERR_ILLEGAL_ARGUMENT) << name;
    EXPECT_FALSE(peer_has_client(listener));
    peer_close(listener);
    for (const char* name : {"//127.0.0.1:0", "//:", "//", "//:65536", ":0"})
      EXPECT_EQ(open_error<ServerProtocol>(jstr(name)), ERR_ILLEGAL_ARGUMENT) << name;
    EXPECT_EQ(open_error<ServerProtocol>(jstr("//:0;backlog=9")), ERR_NONE);
    EXPECT_EQ(open_error<ServerProtocol>(nullptr), ERR_NULL_POINTER);
  });
}

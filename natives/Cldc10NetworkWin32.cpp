// Cldc10NetworkWin32 native module: TCP sockets over Winsock, or BSD sockets elsewhere.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "natives/modules.h"
#include "natives/net.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

static constexpr size_t HANDLE_FIELD = 0;  // byte position of the handle: the first field
static constexpr int LISTEN_BACKLOG = 5;
static constexpr int MAX_PORT_DIGITS = 15;
static constexpr jint MAX_PORT = 65535;
static constexpr uint32_t UNRESOLVED = 0xFFFFFFFFu;

static const char* const SOCKET_CLASS = "com/sun/cldc/io/j2me/socket/Protocol";
static const char* const SERVER_CLASS = "com/sun/cldc/io/j2me/serversocket/Protocol";
static const char* const DATAGRAM_CLASS = "com/sun/cldc/io/j2me/datagram/Protocol";

static int g_ready;               // 1 while the socket layer is started
static std::vector<jint> g_open;  // handles this module opened and has not closed yet

#define FAIL(code) rt_set_error((code), __LINE__)

/* ---------------------------------------------------------------------------
 * Platform layer: the few socket calls, with one shape on both systems
 * ------------------------------------------------------------------------- */

#ifdef _WIN32
using sock_t = SOCKET;
static constexpr int SHUT_RECEIVE = SD_RECEIVE;
static constexpr int SHUT_BOTH = SD_BOTH;

static int os_close(sock_t s) { return closesocket(s); }

static int os_recv(sock_t s, void* buf, jint len) {
  return recv(s, static_cast<char*>(buf), len, 0);
}

static int os_send(sock_t s, const void* buf, jint len) {
  return send(s, static_cast<const char*>(buf), len, 0);
}

static sock_t os_accept(sock_t s) {
  sockaddr_in peer;
  int size = sizeof peer;  // 16 bytes
  return accept(s, reinterpret_cast<sockaddr*>(&peer), &size);
}

// Another process must not be able to bind the same port and take our clients.
static void os_server_options(sock_t s) {
  BOOL on = TRUE;
  setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&on), sizeof on);
}
#else
using sock_t = int;
static constexpr sock_t INVALID_SOCKET = -1;
static constexpr int SHUT_RECEIVE = SHUT_RD;
static constexpr int SHUT_BOTH = SHUT_RDWR;
#ifndef MSG_NOSIGNAL
#define MSG_NOSIGNAL 0
#endif

static int os_close(sock_t s) { return close(s); }

static int os_recv(sock_t s, void* buf, jint len) {
  ssize_t n;
  do n = recv(s, buf, static_cast<size_t>(len), 0);
  while (n < 0 && errno == EINTR);
  return static_cast<int>(n);
}

// A peer that has gone must give an error, not the signal that ends the process.
static int os_send(sock_t s, const void* buf, jint len) {
  ssize_t n;
  do n = send(s, buf, static_cast<size_t>(len), MSG_NOSIGNAL);
  while (n < 0 && errno == EINTR);
  return static_cast<int>(n);
}

static sock_t os_accept(sock_t s) {
  sockaddr_in peer;
  socklen_t size = sizeof peer;  // 16 bytes
  sock_t c;
  do c = accept(s, reinterpret_cast<sockaddr*>(&peer), &size);
  while (c < 0 && errno == EINTR);
  return c;
}

static void os_server_options(sock_t s) {
  int on = 1;
  setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);  // rebinding after a restart
}
#endif

static void os_reuse_address(sock_t s) {
  int on = 1;
  setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on);
}

// A stream socket, or INVALID_SOCKET. Its handle must fit the 32-bit handle field.
static sock_t os_stream_socket() {
  sock_t s = socket(AF_INET, SOCK_STREAM, 0);
  if (s == INVALID_SOCKET) return s;
#ifdef SO_NOSIGPIPE
  int on = 1;
  setsockopt(s, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
  if (static_cast<uint64_t>(s) > static_cast<uint64_t>(INT32_MAX)) {
    os_close(s);
    return INVALID_SOCKET;
  }
  return s;
}

static sockaddr_in ipv4_address(uint32_t address, jint port) {
  sockaddr_in a;
  memset(&a, 0, sizeof a);
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = address;
  a.sin_port = htons(static_cast<uint16_t>(port));
  return a;
}

/* ---------------------------------------------------------------------------
 * Handles this module owns
 * ------------------------------------------------------------------------- */

static jint handle_of(Ref o) { return rt_get_int(o, HANDLE_FIELD); }
static void set_handle(Ref o, jint h) { rt_set_int(o, HANDLE_FIELD, h); }
static sock_t as_socket(jint h) { return static_cast<sock_t>(h); }

static bool owned(jint h) {
  for (jint x : g_open)
    if (x == h) return true;
  return false;
}

static void adopt(jint h) { g_open.push_back(h); }

static void disown(jint h) {
  for (size_t i = 0; i < g_open.size(); i++)
    if (g_open[i] == h) {
      g_open[i] = g_open.back();
      g_open.pop_back();
      return;
    }
}

// Shuts down and closes an owned handle; false when the close fails.
static bool close_owned(jint h, int how) {
  disown(h);
  shutdown(as_socket(h), how);  // fails harmlessly on a listening or reset socket
  return os_close(as_socket(h)) == 0;
}

// The handle of an open connection object, or -1 with `code` set (1 for a null object).
static jint open_handle(Ref self, int32_t code) {
  if (!self) {
    FAIL(ERR_NULL_POINTER);
    return -1;
  }
  if (!g_ready) {
    FAIL(code);
    return -1;
  }
  jint h = handle_of(self);
  if (h < 0 || !owned(h)) {
    FAIL(code);
    return -1;
  }
  return h;
}

/* ---------------------------------------------------------------------------
 * Connection names: "//host:port;params"
 * ------------------------------------------------------------------------- */

// The characters of chars[offset..offset+count), or null with the error set.
static const jchar* name_chars(Ref chars, jint offset, jint count) {
  if (!chars || !rt_array(chars)->storage) {
    FAIL(ERR_NULL_POINTER);
    return nullptr;
  }
  jint length = rt_array(chars)->length;
  if (offset < 0 || count < 0 || offset > length || count > length - offset) {
    FAIL(ERR_INDEX_OUT_OF_BOUNDS);
    return nullptr;
  }
  return static_cast<const jchar*>(rt_array(chars)->storage) + offset;
}

char* parse_host(Ref chars, jint offset, jint count) {
  const jchar* c = name_chars(chars, offset, count);
  if (!c) return nullptr;
  if (count < 2 || c[0] != '/' || c[1] != '/') {
    FAIL(ERR_ILLEGAL_ARGUMENT);
    return nullptr;
  }
  jint end = 2;
  while (end < count && c[end] != ':' && c[end] != ';') end++;
  char* host = static_cast<char*>(malloc(static_cast<size_t>(end - 2) + 1));
  if (!host) {
    FAIL(ERR_OUT_OF_MEMORY);
    return nullptr;
  }
  for (jint i = 2; i < end; i++) {
    if (c[i] == 0 || c[i] > 0xFF) {  // its low byte would name another host
      free(host);
      FAIL(ERR_ILLEGAL_ARGUMENT);
      return nullptr;
    }
    host[i - 2] = static_cast<char>(c[i]);
  }
  host[end - 2] = '\0';
  return host;
}

// A port above 65535 is refused rather than cut to its low 16 bits, which would connect
// to a port the name does not give (the datagram handler refuses it the same way).
jint parse_port(Ref chars, jint offset, jint count) {
  const jchar* c = name_chars(chars, offset, count);
  if (!c) return -1;
  jint i = 0;
  while (i < count && c[i] != ':') i++;
  if (i == count || i + 1 == count || c[i + 1] < '0' || c[i + 1] > '9') {
    FAIL(ERR_ILLEGAL_ARGUMENT);
    return -1;
  }
  int digits = 0;
  jint port = 0;
  bool tooBig = false;
  for (i++; i < count && c[i] != ';'; i++) {
    if (c[i] < '0' || c[i] > '9' || ++digits > MAX_PORT_DIGITS) {
      FAIL(ERR_ILLEGAL_ARGUMENT);
      return -1;
    }
    if (!tooBig) {
      port = port * 10 + (c[i] - '0');  // at most 655359: no overflow
      tooBig = port > MAX_PORT;
    }
  }
  if (tooBig) {
    FAIL(ERR_ILLEGAL_ARGUMENT);
    return -1;
  }
  return port;
}

#ifdef _WIN32
uint32_t resolve_host(const char* text) {
  if (!text) return UNRESOLVED;
  hostent* e = gethostbyname(text);
  if (!e || e->h_addrtype != AF_INET || e->h_length != 4 || !e->h_addr_list[0]) return UNRESOLVED;
  uint32_t address;
  memcpy(&address, e->h_addr_list[0], 4);
  return address;
}
#else
uint32_t resolve_host(const char* text) {
  if (!text) return UNRESOLVED;
  addrinfo hints;
  memset(&hints, 0, sizeof hints);
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* list = nullptr;
  if (getaddrinfo(text, nullptr, &hints, &list) != 0 || !list) return UNRESOLVED;
  uint32_t address = UNRESOLVED;
  if (list->ai_family == AF_INET && list->ai_addrlen >= sizeof(sockaddr_in))
    address = reinterpret_cast<const sockaddr_in*>(list->ai_addr)->sin_addr.s_addr;
  freeaddrinfo(list);
  return address;
}
#endif

// A name String's characters: its char array and the range of it the String holds.
struct NameRange {
  Ref chars;
  jint offset;
  jint count;
};

// The first steps of both opens: the object and name tests, the ready test (failing with
// notReady), then the host of the name. Null with the error set on failure.
static char* open_host(Ref self, Ref name, int32_t notReady, NameRange* n) {
  if (!self || !name || !rt_string(name)->value || !rt_array(rt_string(name)->value)->storage) {
    FAIL(ERR_NULL_POINTER);
    return nullptr;
  }
  if (!g_ready) {
    FAIL(notReady);
    return nullptr;
  }
  *n = NameRange{rt_string(name)->value, rt_string(name)->offset, rt_string(name)->count};
  return parse_host(n->chars, n->offset, n->count);
}

/* ---------------------------------------------------------------------------
 * Start and stop
 * ------------------------------------------------------------------------- */

void net_startup() {
  rt_take_error();
  g_ready = 0;
#ifdef __EMSCRIPTEN__
  return;  // a page has no sockets: every open fails with its IOException
#endif
#ifdef _WIN32
  WSADATA data;
  if (WSAStartup(0x0001, &data) != 0) return;
  if (data.wVersion != 0x0001) {  // only version 1.0 will do
    WSACleanup();
    return;
  }
#endif
  g_ready = 1;
}

void net_cleanup() {
  // The layer goes away: no socket may stay open, whoever holds it.
  while (!g_open.empty()) close_owned(g_open.back(), SHUT_BOTH);
  if (g_ready != 1) return;
  g_ready = 0;
#ifdef _WIN32
  WSACleanup();
#endif
}

// The socket layer starts with the first connection class, not with the module.
int Cldc10NetworkWin32_start() { return 1; }
void Cldc10NetworkWin32_stop() { net_cleanup(); }

int net_release_resources(Ref object, const char* className) {
  if (!object || !className) return 0;
  int how;
  if (strcmp(className, SOCKET_CLASS) == 0 || strcmp(className, DATAGRAM_CLASS) == 0)
    how = SHUT_BOTH;
  else if (strcmp(className, SERVER_CLASS) == 0)
    how = SHUT_RECEIVE;
  else
    return 0;
  jint h = handle_of(object);
  if (h >= 0 && owned(h)) close_owned(h, how);
  return 1;
}

/* ---------------------------------------------------------------------------
 * TCP client
 * ------------------------------------------------------------------------- */

void sock_open(Ref self, Ref name, jint mode, jbool timeouts) {
  rt_take_error();
  NameRange n;
  char* host = open_host(self, name, ERR_SOCKET, &n);
  if (!host) return;
  if (!host[0]) {
    free(host);
    FAIL(ERR_INTERRUPTED);  // no host: the class code opens a server socket instead
    return;
  }
  jint port = parse_port(n.chars, n.offset, n.count);
  uint32_t address = port < 0 ? UNRESOLVED : resolve_host(host);
  free(host);
  if (port < 0) return;
  if (address == UNRESOLVED) {
    FAIL(ERR_SOCKET);
    return;
  }
  sock_t s = os_stream_socket();
  if (s == INVALID_SOCKET) {
    FAIL(ERR_SOCKET);
    return;
  }
  os_reuse_address(s);
  sockaddr_in to = ipv4_address(address, port);
  if (connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
    os_close(s);
    FAIL(ERR_SOCKET);
    return;
  }
  adopt(static_cast<jint>(s));
  set_handle(self, static_cast<jint>(s));
}

// The storage at array[offset..offset+length), or null with the error set.
static uint8_t* byte_range(Ref array, jint offset, jint length) {
  ArrayFields* a = rt_array(array);
  if (!a->storage) {
    FAIL(ERR_NULL_POINTER);
    return nullptr;
  }
  if (offset < 0 || length < 0 || offset > a->length || length > a->length - offset) {
    FAIL(ERR_INDEX_OUT_OF_BOUNDS);
    return nullptr;
  }
  return static_cast<uint8_t*>(a->storage) + offset;
}

jint sock_read(Ref self, Ref array, jint offset, jint length) {
  rt_take_error();
  jint h = open_handle(self, ERR_SOCKET);
  if (h < 0) return 0;
  if (!array) {
    uint8_t b;
    int n = os_recv(as_socket(h), &b, 1);
    if (n < 0) {
      FAIL(ERR_SOCKET);
      return 0;
    }
    return n == 0 ? -1 : b;
  }
  uint8_t* into = byte_range(array, offset, length);
  if (!into) return 0;
  if (length == 0) return 0;  // nothing asked for; a 0 from recv would read as end of stream
  int n = os_recv(as_socket(h), into, length);
  if (n < 0) {
    FAIL(ERR_SOCKET);
    return 0;
  }
  return n == 0 ? -1 : n;
}

jint sock_write(Ref self, Ref array, jint offset, jint length) {
  rt_take_error();
  jint h = open_handle(self, ERR_SOCKET);
  if (h < 0) return 0;
  if (!array) {
    uint8_t b = static_cast<uint8_t>(offset);
    if (os_send(as_socket(h), &b, 1) < 0) {
      FAIL(ERR_SOCKET);
      return 0;
    }
    return 1;
  }
  const uint8_t* from = byte_range(array, offset, length);
  if (!from) return 0;
  if (length == 0) return 0;
  int n = os_send(as_socket(h), from, length);
  if (n < 0) {
    FAIL(ERR_SOCKET);
    return 0;
  }
  return n;
}

jint sock_available(Ref self) {
  rt_take_error();
  open_handle(self, ERR_SOCKET);
  return 0;
}

void sock_close(Ref self) {
  rt_take_error();
  jint h = open_handle(self, ERR_SOCKET);
  if (h < 0) return;
  set_handle(self, -1);
  if (!close_owned(h, SHUT_BOTH)) FAIL(ERR_SOCKET);
}

/* ---------------------------------------------------------------------------
 * TCP server
 * ------------------------------------------------------------------------- */

void srv_open(Ref self, Ref name, jint mode, jbool timeouts) {
  rt_take_error();
  NameRange n;
  char* host = open_host(self, name, ERR_SERVER_SOCKET, &n);
  if (!host) return;
  bool named = host[0] != '\0';
  free(host);
  if (named) {
    FAIL(ERR_ILLEGAL_ARGUMENT);  // a server listens on every local address
    return;
  }
  jint port = parse_port(n.chars, n.offset, n.count);
  if (port < 0) return;
  sock_t s = os_stream_socket();
  if (s == INVALID_SOCKET) {
    FAIL(ERR_SERVER_SOCKET);
    return;
  }
  os_server_options(s);
  sockaddr_in at = ipv4_address(htonl(0), port);
  if (bind(s, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 || listen(s, LISTEN_BACKLOG) != 0) {
    os_close(s);
    FAIL(ERR_SERVER_SOCKET);
    return;
  }
  adopt(static_cast<jint>(s));
  set_handle(self, static_cast<jint>(s));
}

jint srv_accept(Ref self) {
  rt_take_error();
  jint h = open_handle(self, ERR_SERVER_SOCKET);
  if (h < 0) return -1;
  sock_t c = os_accept(as_socket(h));
  if (c == INVALID_SOCKET || static_cast<uint64_t>(c) > static_cast<uint64_t>(INT32_MAX)) {
    if (c != INVALID_SOCKET) os_close(c);
    FAIL(ERR_SERVER_SOCKET);
    return -1;
  }
  adopt(static_cast<jint>(c));
  return static_cast<jint>(c);
}

void srv_close(Ref self) {
  rt_take_error();
  jint h = open_handle(self, ERR_SERVER_SOCKET);
  if (h < 0) return;
  set_handle(self, -1);
  if (!close_owned(h, SHUT_RECEIVE)) FAIL(ERR_SERVER_SOCKET);
}

/* ---------------------------------------------------------------------------
 * Datagrams: the entry points exist, the service does not
 * ------------------------------------------------------------------------- */

void dgram_open(Ref self, jint mode, jbool timeouts, jint port) {
  rt_take_error();
  if (!self) {
    FAIL(ERR_NULL_POINTER);
    return;
  }
  if (!g_ready) {
    FAIL(ERR_DATAGRAM_SOCKET);
    return;
  }
  sock_t s = socket(AF_INET, SOCK_DGRAM, 0);
  if (s == INVALID_SOCKET) {
    FAIL(ERR_DATAGRAM_SOCKET);
    return;
  }
  os_close(s);
  FAIL(ERR_NOT_IMPLEMENTED);
}

// The common failure of the datagram natives other than open.
static void dgram_refuse(Ref self) {
  rt_take_error();
  if (!self)
    FAIL(ERR_NULL_POINTER);
  else
    FAIL(g_ready ? ERR_NOT_IMPLEMENTED : ERR_DATAGRAM_SOCKET);
}

jint dgram_close(Ref self) {
  dgram_refuse(self);
  return 0;
}

jint dgram_send(Ref self, Ref datagram) {
  dgram_refuse(self);
  return 0;
}

jlong dgram_receive(Ref self, Ref datagram) {
  dgram_refuse(self);
  return 0;
}

jint dgram_get_maximum_length(Ref self) {
  dgram_refuse(self);
  return 0;
}

jint dgram_get_nominal_length(Ref self) {
  dgram_refuse(self);
  return 0;
}

// The tests' own peer over the operating system's sockets.
#include "loopback_peer.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using socklen_t = int;
static int os_close(SOCKET s) { return closesocket(s); }
static bool was_reset() { return WSAGetLastError() == WSAECONNRESET; }
// The test's own sockets must outlive the module's start-up and clean-up of Winsock.
static const int g_winsock = [] {
  WSADATA data;
  return WSAStartup(0x0202, &data);
}();
static void set_timeout(SOCKET s, int ms) {
  DWORD t = static_cast<DWORD>(ms);
  setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&t), sizeof t);
}
#else
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
using SOCKET = int;
static int os_close(int s) { return close(s); }
static bool was_reset() { return errno == ECONNRESET; }
static void set_timeout(int s, int ms) {
  timeval t{ms / 1000, (ms % 1000) * 1000};
  setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &t, sizeof t);
}
#endif

namespace nettest {

static SOCKET S(os_handle h) { return static_cast<SOCKET>(h); }

// A stream socket bound to (listen) or connected to (connect) 127.0.0.1:port; -1 on failure.
static os_handle loopback(int port, bool listen_there) {
  SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = htons(static_cast<uint16_t>(port));
  auto* address = reinterpret_cast<sockaddr*>(&a);
  if (listen_there ? bind(s, address, sizeof a) == 0 && listen(s, 5) == 0
                   : connect(s, address, sizeof a) == 0)
    return s;
  os_close(s);
  return -1;
}

os_handle peer_listen(int* port) {
  os_handle s = loopback(0, true);
  *port = local_port(s);
  return s;
}

os_handle peer_accept(os_handle listener) { return accept(S(listener), nullptr, nullptr); }

bool peer_has_client(os_handle listener) {
  fd_set ready;
  FD_ZERO(&ready);
  FD_SET(S(listener), &ready);
  timeval wait{0, 100000};
  return select(static_cast<int>(S(listener)) + 1, &ready, nullptr, nullptr, &wait) > 0;
}

os_handle peer_connect(int port) { return loopback(port, false); }

void peer_send(os_handle s, const std::string& bytes) {
  send(S(s), bytes.data(), static_cast<int>(bytes.size()), 0);
}

std::string peer_recv(os_handle s, size_t n) {
  set_timeout(S(s), 1000);
  std::string out(n, '\0');
  size_t got = 0;
  for (int r; got < n && (r = static_cast<int>(recv(S(s), &out[got], int(n - got), 0))) > 0;)
    got += static_cast<size_t>(r);
  return out.substr(0, got);
}

bool peer_sees_end(os_handle s) {
  set_timeout(S(s), 2000);
  char b;
  for (int got; (got = static_cast<int>(recv(S(s), &b, 1, 0))) != 0;)
    if (got < 0) return was_reset();  // data still in flight before the end is skipped
  return true;
}

bool peer_is_quiet(os_handle s) {
  set_timeout(S(s), 200);
  char b;
  return recv(S(s), &b, 1, 0) < 0;
}

void peer_reset(os_handle s) {
  linger l{1, 0};
  setsockopt(S(s), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&l), sizeof l);
  os_close(S(s));
}

void peer_close(os_handle s) {
  if (s >= 0) os_close(S(s));
}

bool peer_is_open(os_handle s) {
  int type = 0;
  socklen_t size = sizeof type;
  return getsockopt(S(s), SOL_SOCKET, SO_TYPE, reinterpret_cast<char*>(&type), &size) == 0;
}

int local_port(os_handle s) {
  sockaddr_in a;
  socklen_t size = sizeof a;
  if (getsockname(S(s), reinterpret_cast<sockaddr*>(&a), &size) != 0) return -1;
  return ntohs(a.sin_port);
}

int free_port() {
  int port = 0;
  peer_close(peer_listen(&port));
  return port;
}

}  // namespace nettest

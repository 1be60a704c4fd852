// The tests' own peer: plain operating-system sockets, only ever on 127.0.0.1.
#pragma once
#include <string>

namespace nettest {

using os_handle = long long;  // an OS socket (a handle of the module is one too); -1 = none

os_handle peer_listen(int* port);  // at a free port, stored in *port
os_handle peer_accept(os_handle listener);
bool peer_has_client(os_handle listener);  // a client waits to be accepted (looks 0.1 s)
os_handle peer_connect(int port);          // -1 when refused
void peer_send(os_handle s, const std::string& bytes);
// Up to n bytes, fewer at end of stream or after a second of silence.
std::string peer_recv(os_handle s, size_t n);
// The other side has closed: a read gives end of stream (or a reset) in time.
bool peer_sees_end(os_handle s);
// A read would still wait: the other side is open and sent nothing.
bool peer_is_quiet(os_handle s);
// Closes at once with a reset, so that the other side's next send fails.
void peer_reset(os_handle s);
void peer_close(os_handle s);
bool peer_is_open(os_handle s);  // still an open socket of this process
int local_port(os_handle s);
int free_port();  // nothing listens on it just now

}  // namespace nettest

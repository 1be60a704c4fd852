// The tests' own peer: plain operating-system sockets, only ever on 127.0.0.1.
#pragma once
#include <string>

namespace nettest {

using os_handle = long long;  // an OS socket; -1 = none

// A listener on 127.0.0.1 at a free port, which it stores in *port.
os_handle peer_listen(int* port);
os_handle peer_accept(os_handle listener);
// Whether a client waits on the listener to be accepted (looks for a tenth of a second).
bool peer_has_client(os_handle listener);
// Connects to 127.0.0.1:port; -1 when refused.
os_handle peer_connect(int port);
void peer_send(os_handle s, const std::string& bytes);
// Up to n bytes, fewer at end of stream or after a second of silence.
std::string peer_recv(os_handle s, size_t n);
// True when the other side has closed: a read gives end of stream (or a reset) in time.
bool peer_sees_end(os_handle s);
// True when a read would still wait: the other side is open and sent nothing.
bool peer_is_quiet(os_handle s);
// Closes at once with a reset, so that the other side's next send fails.
void peer_reset(os_handle s);
void peer_close(os_handle s);
// Whether s is still an open socket of this process.
bool peer_is_open(os_handle s);
// The local port of a socket (a handle of the module is an OS socket too).
int local_port(os_handle s);
// The address the peer of s connected from, as dotted text.
std::string remote_address(os_handle s);
// A port that nothing listens on just now.
int free_port();

}  // namespace nettest

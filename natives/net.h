// Sockets: the natives of the Cldc10NetworkWin32 module and the host routines they share.
//
// Every native clears the pending error on entry and, on failure, sets one error code and
// returns a neutral value (0, -1 or nothing); none of them throws. The calling class code
// takes the code with rt_take_error and throws its exception.
//
// The protocol objects keep the socket handle in their first instance field (int):
// >= 0 open, -1 closed. Class code should set it to -1 in the constructor; a handle this
// module did not open (such as the 0 of a fresh object) is never read, written or closed.
//
// Every call blocks the one operating-system thread until the system call returns, so a
// waiting connect, accept or read stops every cooperative thread and the window.
#pragma once

#include <cstdint>

#include "runtime/rt.h"

// ---------------------------------------------------------------------------
// Start and stop
// ---------------------------------------------------------------------------

// Starts the socket layer (NetworkConnectionBase's class initialiser calls it). Without it,
// or after net_cleanup, socket natives fail with 13, server natives with 12, datagram
// natives with 14.
void net_startup();
// Closes any socket still open and stops the socket layer; called by the module's stop.
void net_cleanup();

// The collector's release hook for sockets: host_release_resources calls it for every
// freed object. Closes the open socket of a freed com/sun/cldc/io/j2me/{socket,
// serversocket,datagram}/Protocol (the handle field is left as it is). Returns 1 when
// className is one of those three classes, 0 for any other class (nothing done).
int net_release_resources(Ref object, const char* className);

// ---------------------------------------------------------------------------
// Host routines used by the open natives. `chars` is a char array ("[C"); offset and count
// select the name within it (the fields of the name String).
// ---------------------------------------------------------------------------

// The host of "//host:port;params": a malloc'd C text (free it with free()), maybe empty.
// Null on failure with the error set: 1 no characters, 4 not "//" or a host character that
// is not an 8-bit character (0 or above 255), 6 offset/count outside the array, 16 no memory.
char* parse_host(Ref chars, jint offset, jint count);

// The port of the name: the digits after its first ':' up to the end or a ';'.
// -1 on failure with the error set: 1 no characters, 4 no ':', no digit after it, a
// character other than a digit before the end or ';', more than 15 digits, or a value
// above 65535; 6 offset/count outside the array.
jint parse_port(Ref chars, jint offset, jint count);

// The IPv4 address of a host name or dotted text, in network byte order; 0xFFFFFFFF when
// it cannot be resolved (also for a null text and for 255.255.255.255 itself).
uint32_t resolve_host(const char* text);

// ---------------------------------------------------------------------------
// TCP client: com/sun/cldc/io/j2me/socket/Protocol
// ---------------------------------------------------------------------------

// Connects to "//host:port" and stores the handle in self. An empty host: error 11 (class
// code then opens a server socket instead). Other failures: 1, 4, 6, 13, 16.
void sock_open(Ref self, Ref name, jint mode, jbool timeouts);

// With an array: receives up to length bytes into array[offset..]; the count, or -1 at end
// of stream (0 for length 0). Without (null): one byte as 0..255, or -1 at end of stream.
// Errors (result 0): 1 null self or array storage, 6 bad offset/length, 13 closed or failed.
jint sock_read(Ref self, Ref array, jint offset, jint length);

// With an array: sends array[offset..offset+length) once; the count actually sent (may be
// less than length). Without (null): sends the low 8 bits of offset; 1.
// Errors (result 0): as sock_read.
jint sock_write(Ref self, Ref array, jint offset, jint length);

// Always 0 (errors 1, 13 as sock_read).
jint sock_available(Ref self);

// Sets the handle to -1, shuts the socket down both ways and closes it.
// Errors: 1 null self, 13 already closed or the close failed.
void sock_close(Ref self);

// ---------------------------------------------------------------------------
// TCP server: com/sun/cldc/io/j2me/serversocket/Protocol
// ---------------------------------------------------------------------------

// Listens on "//:port" on every local address (port 0: any free port) with a backlog of 5.
// Errors: 1, 4 (a name with a host, or a bad port), 6, 12, 16.
void srv_open(Ref self, Ref name, jint mode, jbool timeouts);

// Waits for a client; the new connection's handle, or -1 with error 1 (null self) or 12.
jint srv_accept(Ref self);

// Sets the handle to -1, shuts down the receiving side and closes the socket.
// Errors: 1 null self, 12 already closed or the close failed.
void srv_close(Ref self);

// ---------------------------------------------------------------------------
// Datagrams: com/sun/cldc/io/j2me/datagram/Protocol. Present, not implemented: each
// fails with 1 (null self), 14 (socket layer not started) or 18 ("Method not implemented").
// ---------------------------------------------------------------------------

void dgram_open(Ref self, jint mode, jbool timeouts, jint port);
jint dgram_close(Ref self);
jint dgram_send(Ref self, Ref datagram);
jlong dgram_receive(Ref self, Ref datagram);
jint dgram_get_maximum_length(Ref self);
jint dgram_get_nominal_length(Ref self);

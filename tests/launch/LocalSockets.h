#pragma once
// The few socket calls the local HTTP server of the Internet-check tests needs, on each platform.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace launch_test::sockets {

using Handle = std::intptr_t;
inline constexpr Handle kNone = -1;

// A socket listening on a free port of 127.0.0.1; kNone when none could be opened.
Handle Listen(int& port);
// The next connection, or kNone once the listener was shut down.
Handle Accept(Handle listener);
// What one receive gives (possibly nothing).
std::size_t Receive(Handle socket, char* buffer, std::size_t size);
void Send(Handle socket, std::string_view data);
void Close(Handle socket);
// Closes a listener so that an Accept waiting on it returns.
void CloseListener(Handle listener);

}  // namespace launch_test::sockets

#include "tests/launch/LocalSockets.h"

#include <winsock2.h>

namespace launch_test::sockets {
namespace {

// Winsock is started once for the test program and left running until it exits.
bool Started() {
    static const bool started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

Handle FromSocket(SOCKET socket) {
    return socket == INVALID_SOCKET ? kNone : static_cast<Handle>(socket);
}

}  // namespace

Handle Listen(int& port) {
    if (!Started()) {
        return kNone;
    }
    const SOCKET listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener == INVALID_SOCKET) {
        return kNone;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(listener, 8) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::closesocket(listener);
        return kNone;
    }
    port = ntohs(address.sin_port);
    return static_cast<Handle>(listener);
}

Handle Accept(Handle listener) {
    return FromSocket(::accept(static_cast<SOCKET>(listener), nullptr, nullptr));
}

std::size_t Receive(Handle socket, char* buffer, std::size_t size) {
    const int received = ::recv(static_cast<SOCKET>(socket), buffer, static_cast<int>(size), 0);
    return received > 0 ? static_cast<std::size_t>(received) : 0;
}

void Send(Handle socket, std::string_view data) {
    ::send(static_cast<SOCKET>(socket), data.data(), static_cast<int>(data.size()), 0);
}

void Close(Handle socket) {
    ::closesocket(static_cast<SOCKET>(socket));
}

// Closing a socket ends a wait in accept on it.
void CloseListener(Handle listener) {
    Close(listener);
}

}  // namespace launch_test::sockets

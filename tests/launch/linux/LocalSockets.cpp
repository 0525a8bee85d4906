#include "tests/launch/LocalSockets.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace launch_test::sockets {

Handle Listen(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        return kNone;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::close(fd);
        return kNone;
    }
    port = ntohs(address.sin_port);
    return fd;
}

Handle Accept(Handle listener) {
    return ::accept(static_cast<int>(listener), nullptr, nullptr);
}

std::size_t Receive(Handle socket, char* buffer, std::size_t size) {
    const ssize_t received = ::recv(static_cast<int>(socket), buffer, size, 0);
    return received > 0 ? static_cast<std::size_t>(received) : 0;
}

void Send(Handle socket, std::string_view data) {
    ::send(static_cast<int>(socket), data.data(), data.size(), MSG_NOSIGNAL);
}

void Close(Handle socket) {
    ::close(static_cast<int>(socket));
}

// Closing alone would leave the waiting accept blocked.
void CloseListener(Handle listener) {
    ::shutdown(static_cast<int>(listener), SHUT_RDWR);
    Close(listener);
}

}  // namespace launch_test::sockets

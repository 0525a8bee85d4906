#include "tests/e2e/VirtualDisplay.h"

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstring>

namespace velorin::test {

namespace {

constexpr int kAttempts = 3;

// The server writes its display number to standard output once it accepts connections. It stays
// as it is when its last client leaves: a server that resets then refuses, for that moment, the
// client that comes next (a launcher started between two checks could not connect).
std::vector<std::string> ServerCommand(int width, int height) {
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    return {"Xvfb", "-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"};
}

// What a client tries first: the server's socket in the abstract namespace, then its file.
bool Accepts(const std::string& number) {
    const std::string path = "/tmp/.X11-unix/X" + number;
    for (const bool abstract : {true, false}) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const size_t offset = abstract ? 1 : 0;
        std::memcpy(address.sun_path + offset, path.data(), path.size());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool connected =
            fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address),
                                 static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                                        path.size())) == 0;
        if (fd >= 0) {
            ::close(fd);
        }
        if (connected) {
            return true;
        }
    }
    return false;
}

}  // namespace

// A server that ends while another starts can leave the new one announced but unreachable (its
// socket taken down with the old one's); a new server is started then.
VirtualDisplay::VirtualDisplay(int width, int height) {
    for (int attempt = 0; attempt < kAttempts && name_.empty(); ++attempt) {
        Stop();
        server_.emplace(ServerCommand(width, height));
        std::string number;
        if (!server_->started() || !server_->ReadLine(number)) {
            continue;
        }
        while (!number.empty() && number.back() == ' ') {
            number.pop_back();
        }
        if (!number.empty() && Accepts(number)) {
            name_ = ":" + number;
        }
    }
    if (!name_.empty()) {
        display_.emplace("DISPLAY", name_.c_str());
    }
}

VirtualDisplay::~VirtualDisplay() {
    Stop();
}

void VirtualDisplay::Stop() {
    if (server_) {
        server_->Kill(SIGTERM);
        server_->Wait(std::chrono::seconds(5));
        server_.reset();
    }
}

}  // namespace velorin::test

// The Internet check on libcurl against a small HTTP server on 127.0.0.1.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "launch/LaunchFlows.h"
#include "platform/inet/linux/CurlInternet.h"
#include "tests/launch/FlowFixture.h"
#include "tests/platform/registry/RegistryTestSupport.h"

namespace launch_test {
namespace {

// A listening socket on a free local port; closed, the port refuses connections at once.
class LocalSocket {
  public:
    LocalSocket() : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), size);
        ::listen(fd_, 8);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
    }
    ~LocalSocket() { ::close(fd_); }
    LocalSocket(const LocalSocket&) = delete;
    LocalSocket& operator=(const LocalSocket&) = delete;

    int fd() const { return fd_; }
    std::string Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

  private:
    int fd_;
    int port_ = 0;
};

// Answers every request with an empty page and keeps the requests it saw.
class LocalHttpServer {
  public:
    LocalHttpServer() : thread_([this] { Serve(); }) {}
    ~LocalHttpServer() {
        stopping_ = true;
        ::shutdown(socket_.fd(), SHUT_RDWR);
        thread_.join();
    }
    std::string Address() const { return socket_.Address(); }
    std::string Requests() {
        std::lock_guard lock(mutex_);
        return requests_;
    }

  private:
    void Serve() {
        while (!stopping_) {
            int client = ::accept(socket_.fd(), nullptr, nullptr);
            if (client < 0) {
                return;
            }
            char buffer[4096];
            ssize_t size = ::recv(client, buffer, sizeof buffer, 0);
            {
                std::lock_guard lock(mutex_);
                requests_.append(buffer, size > 0 ? static_cast<std::size_t>(size) : 0);
            }
            constexpr std::string_view kAnswer =
                "HTTP/1.0 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello";
            ::send(client, kAnswer.data(), kAnswer.size(), MSG_NOSIGNAL);
            ::close(client);
        }
    }

    LocalSocket socket_;
    std::atomic<bool> stopping_ = false;
    std::mutex mutex_;
    std::string requests_;
    std::thread thread_;
};

std::string ClosedAddress() {
    LocalSocket socket;
    return socket.Address();
}

// The local server is asked directly, whatever proxy the machine may be configured with.
class InternetCheckOnCurl : public ::testing::Test {
  protected:
    platform::registry::test::ScopedEnv noProxy_{"no_proxy", "127.0.0.1"};
};

TEST_F(InternetCheckOnCurl, OnlineAsksWithTheAgent007AndReadsNothing) {
    LocalHttpServer maker;
    platform::inet::CurlInternet internet;
    EXPECT_TRUE(IsInternetReachable(internet, {maker.Address(), ClosedAddress()}));
    std::string requests = maker.Requests();
    EXPECT_EQ(requests.rfind("HEAD / HTTP/1.1\r\n", 0), 0u) << requests;
    EXPECT_NE(requests.find("\r\nUser-Agent: 007\r\n"), std::string::npos) << requests;
}

TEST_F(InternetCheckOnCurl, TheMakerDownAndThePublisherUpIsOnline) {
    LocalHttpServer publisher;
    platform::inet::CurlInternet internet;
    EXPECT_TRUE(IsInternetReachable(internet, {ClosedAddress(), publisher.Address()}));
    EXPECT_FALSE(publisher.Requests().empty());
}

TEST_F(InternetCheckOnCurl, BothDownIsOffline) {
    platform::inet::CurlInternet internet;
    EXPECT_FALSE(IsInternetReachable(internet, {ClosedAddress(), ClosedAddress()}));
    EXPECT_FALSE(internet.OpenUrl("not an address"));
}

}  // namespace
}  // namespace launch_test

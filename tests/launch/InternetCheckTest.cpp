// The Internet check on libcurl against a small HTTP server on 127.0.0.1.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "launch/LaunchFlows.h"
#include "tests/launch/FlowFixture.h"
#include "tests/launch/LocalSockets.h"
#include "tests/launch/SystemServices.h"
#include "tests/support/Helpers.h"

namespace launch_test {
namespace {

// A listening socket on a free local port; closed, the port refuses connections at once.
class LocalSocket {
  public:
    LocalSocket() : handle_(sockets::Listen(port_)) {}
    ~LocalSocket() {
        if (const sockets::Handle handle = handle_.load(); handle != sockets::kNone) {
            sockets::Close(handle);
        }
    }
    LocalSocket(const LocalSocket&) = delete;
    LocalSocket& operator=(const LocalSocket&) = delete;

    sockets::Handle handle() const { return handle_.load(); }
    std::string Address() const { return "http://127.0.0.1:" + std::to_string(port_); }
    // Closes the socket now, ending a wait for a connection.
    void CloseNow() { sockets::CloseListener(handle_.exchange(sockets::kNone)); }

  private:
    int port_ = 0;
    // The serving thread reads it while the test's thread closes it.
    std::atomic<sockets::Handle> handle_;
};

// Answers every request with an empty page and keeps the requests it saw.
class LocalHttpServer {
  public:
    LocalHttpServer() : thread_([this] { Serve(); }) {}
    ~LocalHttpServer() {
        stopping_ = true;
        socket_.CloseNow();
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
            const sockets::Handle client = sockets::Accept(socket_.handle());
            if (client == sockets::kNone) {
                return;
            }
            char buffer[4096];
            const std::size_t size = sockets::Receive(client, buffer, sizeof buffer);
            {
                std::lock_guard lock(mutex_);
                requests_.append(buffer, size);
            }
            sockets::Send(client,
                          "HTTP/1.0 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello");
            sockets::Close(client);
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
class InternetCheck : public ::testing::Test {
  protected:
    testing_support::ScopedEnv noProxy_{"no_proxy", "127.0.0.1"};
};

TEST_F(InternetCheck, OnlineAsksWithTheAgent007AndReadsNothing) {
    LocalHttpServer maker;
    const auto internet = MakeSystemInternet();
    EXPECT_TRUE(IsInternetReachable(*internet, {maker.Address(), ClosedAddress()}));
    std::string requests = maker.Requests();
    EXPECT_EQ(requests.rfind(std::string(kSystemInternetMethod) + " / HTTP/1.1\r\n", 0), 0u)
        << requests;
    EXPECT_NE(requests.find("\r\nUser-Agent: 007\r\n"), std::string::npos) << requests;
}

TEST_F(InternetCheck, EitherSiteUpIsOnlineAndBothDownOffline) {
    LocalHttpServer publisher;
    const auto internet = MakeSystemInternet();
    EXPECT_TRUE(IsInternetReachable(*internet, {ClosedAddress(), publisher.Address()}));
    EXPECT_FALSE(publisher.Requests().empty());
    EXPECT_FALSE(IsInternetReachable(*internet, {ClosedAddress(), ClosedAddress()}));
    EXPECT_FALSE(internet->OpenUrl("not an address"));
}

}  // namespace
}  // namespace launch_test

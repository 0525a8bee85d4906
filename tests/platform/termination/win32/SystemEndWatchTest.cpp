#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The guard holder, killed if a test leaves it running.
class Holder {
  public:
    explicit Holder(const fs::path& file) {
        std::string line = "\"" GUARD_HOLDER "\" \"" + file.string() + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started_ = ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    nullptr, &startup, &process_) != FALSE;
    }
    ~Holder() {
        if (started_) {
            ::TerminateProcess(process_.hProcess, 1);
            ::CloseHandle(process_.hThread);
            ::CloseHandle(process_.hProcess);
        }
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    DWORD id() const { return process_.dwProcessId; }
    // The holder's watch window, once it watches; null after a generous deadline.
    HWND WatchWindow() const {
        for (auto deadline = std::chrono::steady_clock::now() + 20s;
             std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(20ms)) {
            Search search{id(), nullptr};
            ::EnumWindows(&FindWatch, reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr) {
                return search.found;
            }
        }
        return nullptr;
    }
    // The exit status once it has ended within the time given; nothing while it runs.
    std::optional<DWORD> EndedWithin(std::chrono::milliseconds limit) const {
        if (::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) !=
            WAIT_OBJECT_0) {
            return std::nullopt;
        }
        DWORD status = 0;
        ::GetExitCodeProcess(process_.hProcess, &status);
        return status;
    }

  private:
    struct Search {
        DWORD process;
        HWND found;
    };
    static BOOL CALLBACK FindWatch(HWND window, LPARAM data) {
        auto* search = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        char name[64] = {};
        ::GetClassNameA(window, name, sizeof name);
        if (owner == search->process && std::string(name) == "VelorinSystemEndWatch") {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    bool started_ = false;
    PROCESS_INFORMATION process_{};
};

class SystemEndWatch : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("velorin-session-" + std::to_string(::GetCurrentProcessId()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path Witness() const { return folder_ / "witness.txt"; }
    std::string Cleanups() const {
        std::ifstream in(Witness());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    LRESULT Send(HWND window, UINT message, WPARAM wParam) {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(window, message, wParam, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000,
                              &result);
        return static_cast<LRESULT>(result);
    }

    fs::path folder_;
};

// The question alone and a session end called off change nothing; the end itself runs the
// cleanup once and ends the process, though its main thread takes no messages.
TEST_F(SystemEndWatch, TheSessionsEndRunsTheLivingCleanupOnceThenEndsTheProcess) {
    const Holder holder(Witness());
    const HWND window = holder.WatchWindow();
    ASSERT_NE(window, nullptr) << "no watch window";

    EXPECT_EQ(Send(window, WM_QUERYENDSESSION, 0), TRUE) << "the watch never vetoes the end";
    Send(window, WM_ENDSESSION, FALSE);
    EXPECT_FALSE(holder.EndedWithin(300ms)) << "a session end called off ends nothing";
    EXPECT_EQ(Cleanups(), "");

    Send(window, WM_ENDSESSION, TRUE);
    EXPECT_EQ(holder.EndedWithin(10s), 0u);
    EXPECT_EQ(Cleanups(), "cleaned\n");
}

}  // namespace

#include "tests/launch/FlowFixture.h"

#include <utility>

#include "platform/process/CommandLine.h"
#include "settings/Settings.h"
#include "tests/platform/registry/RegistryTestSupport.h"

namespace launch_test {

namespace registry = platform::registry;
namespace ui = platform::ui;

namespace {
constexpr const char* kProductKey = "SOFTWARE\\Tessaly\\Velorin";
constexpr const char* kOptionsKey = "SOFTWARE\\Tessaly\\Velorin\\Options";
constexpr const char* kMixingToolKey =
    "SOFTWARE\\Blendora Technologies, Inc.\\Blendora Studio VL\\Path";

template <typename T>
T Next(std::deque<T>& answers, T otherwise) {
    if (answers.empty()) {
        return otherwise;
    }
    T answer = answers.front();
    answers.pop_front();
    return answer;
}
}  // namespace

void FakeWindow::Show() {
    visible_ = true;
    log_.push_back(name_ + ":show");
}
void FakeWindow::Hide() {
    visible_ = false;
    log_.push_back(name_ + ":hide");
}
void FakeWindow::RedrawNow(const ui::Rect* rect) {
    log_.push_back(name_ + (rect == nullptr ? ":redraw" : ":redraw-part"));
}

bool FakeDevices::OpenCdAudio() {
    ++cdTries;
    return Next(cdAnswers, cdOpens);
}
bool FakeDevices::OpenWaveAudio() {
    ++waveTries;
    return Next(waveAnswers, waveOpens);
}

int RecordingDialogs::Run(ui::Window* /*owner*/, const ui::DialogLayout& layout,
                          const ui::DialogOptions& options) {
    shown.push_back(layout);
    topmost.push_back(options.topmost);
    return Next(answers, ui::kIdCancel);
}

std::optional<ui::CursorShape> CursorLog::Set(ui::CursorShape shape) {
    log_.push_back(shape == ui::CursorShape::Wait ? "cursor:wait" : "cursor:arrow");
    return std::nullopt;
}

FlowTest::FlowTest()
    : flows_(screen_,
             LaunchServices{
                 processes_, internet_, {kMaker, kPublisher}, browser_, processor_, devices_}) {
    SetOnline(true);
}

void FlowTest::InstallVelorin(std::function<void()> during) {
    processes_.Install("Velorin", [this, during = std::move(during)](const auto&) {
        log_.push_back("Velorin");
        if (during) {
            during();
        }
        if (IsSpeedTestPending()) {
            StoreText("FPS", "41.5 fps");
        }
    });
}

std::string FlowTest::MixingToolProgram(const std::string& folder) {
    return platform::process::ProgramFileName(folder + "\\Blendora Studio VL.exe");
}

std::string FlowTest::InstallMixingTool(std::function<void()> during) {
    std::string folder = store_.folder() + "/Blendora";
    StoreMixingToolFolder(folder);
    processes_.Install(MixingToolProgram(folder), [this, during = std::move(during)](const auto&) {
        log_.push_back("Blendora");
        if (during) {
            during();
        }
    });
    return folder;
}

void FlowTest::StoreMixingToolFolder(std::string_view folder) {
    registry::test::Write(registry::Root::LocalMachine, kMixingToolKey, "",
                          registry::ValueType::String, folder);
}

void FlowTest::SetOnline(bool online) {
    internet_.SetReachable(kMaker, online);
    internet_.SetReachable(kPublisher, online);
}

void FlowTest::StoreText(std::string_view name, std::string_view text) {
    registry::test::Write(registry::Root::LocalMachine, kProductKey, name,
                          registry::ValueType::String, text);
}

std::optional<std::string> FlowTest::StoredText(std::string_view name) {
    auto bytes = registry::test::ReadBack(registry::Root::LocalMachine, kProductKey, name);
    return bytes ? std::optional(registry::test::Text(*bytes)) : std::nullopt;
}

std::optional<std::uint8_t> FlowTest::StoredOptionFlag(std::string_view name) {
    auto bytes = registry::test::ReadBack(registry::Root::LocalMachine, kOptionsKey, name);
    return bytes && bytes->size() == 1 ? std::optional(static_cast<std::uint8_t>((*bytes)[0]))
                                       : std::nullopt;
}

std::vector<std::string> FlowTest::Messages() const {
    std::vector<std::string> messages;
    for (const ui::MessageRequest& request : boxes_.shown()) {
        messages.push_back(request.caption + "|" + request.text);
    }
    return messages;
}

int FlowTest::VelorinRuns() const {
    return static_cast<int>(std::count(log_.begin(), log_.end(), "Velorin"));
}

}  // namespace launch_test

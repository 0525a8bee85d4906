// The flows with the real process layer and the stand-in programs, over a temporary store.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/process/CommandLine.h"
#include "settings/Settings.h"
#include "tests/launch/FlowFixture.h"
#include "tests/launch/SystemServices.h"
#include "tests/support/Helpers.h"

namespace launch_test {
namespace {

namespace fs = std::filesystem;
namespace ui = platform::ui;
using testing_support::ScopedEnv;
using Strings = std::vector<std::string>;

// The built stand-in program's file name: name and the platform's program suffix.
fs::path BuiltProgram(const std::string& name) {
    return fs::path(VELORIN_STANDIN_DIR) / (name + VELORIN_PROGRAM_SUFFIX);
}

// A name as the start log writes it: backslashes doubled (Windows paths have them).
std::string Logged(const fs::path& name) {
    std::string logged;
    for (char c : name.string()) {
        logged += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    return logged;
}

// An installation folder with the stand-ins, the launcher's current folder while a test runs.
class EndToEnd : public FlowTest {
  protected:
    EndToEnd()
        : install_(fs::path(store_.folder()) / "install"),
          runner_(MakeSystemRunner(install_.string())),
          standinFlows_(
              screen_,
              {*runner_, internet_, {kMaker, kPublisher}, browser_, processor_, devices_}) {}

    void SetUp() override {
        fs::create_directories(install_);
        for (const char* program : {"Velorin", "exportToWeb", "TsAVIMaker"}) {
            fs::copy_file(BuiltProgram(program), install_ / BuiltProgram(program).filename());
        }
        InstallBlendora(install_ / "Blendora");
        previous_ = fs::current_path();
        fs::current_path(install_);
    }
    void TearDown() override { fs::current_path(previous_); }

    void InstallBlendora(const fs::path& folder) {
        fs::create_directories(folder);
        const fs::path mixingTool = BuiltProgram("Blendora/Blendora Studio VL");
        fs::copy_file(mixingTool, folder / mixingTool.filename(),
                      fs::copy_options::overwrite_existing);
        const std::string arguments[] = {folder.string()};
        ASSERT_EQ(
            runner_->RunProgramAndWait(BuiltProgram("blendora-setup").string(), arguments, {}),
            platform::process::RunResult::Finished);
    }

    void Script(const std::string& lines) { std::ofstream(ScriptPath()) << lines; }
    // No program the test's hostile values name was ever started: none left its witness file.
    void ExpectNoWitness() const {
        for (const auto& entry : fs::recursive_directory_iterator(install_)) {
            EXPECT_NE(entry.path().filename().string().rfind("pwned", 0), 0u) << entry.path();
        }
    }
    std::string ScriptPath() const { return store_.folder() + "/script.txt"; }
    std::string LogPath() const { return store_.folder() + "/starts.log"; }
    // The start log's lines, each read back as its tab-separated fields.
    std::vector<Strings> Starts() const {
        std::vector<Strings> starts;
        std::ifstream in(LogPath());
        for (std::string line; std::getline(in, line);) {
            Strings fields;
            std::stringstream split(line);
            for (std::string field; std::getline(split, field, '\t');) {
                fields.push_back(field);
            }
            starts.push_back(fields);
        }
        return starts;
    }

    fs::path install_;
    std::unique_ptr<platform::process::ProcessRunner> runner_;
    LaunchFlows standinFlows_;
    ScopedEnv noDisplay_{"DISPLAY", nullptr};
    ScopedEnv noWayland_{"WAYLAND_DISPLAY", nullptr};
    ScopedEnv logEnv_{"VELORIN_STANDIN_LOG", LogPath().c_str()};
    ScopedEnv scriptEnv_{"VELORIN_STANDIN_SCRIPT", ScriptPath().c_str()};
    fs::path previous_;
};

TEST_F(EndToEnd, FirstRunThenChangedOptionsThenReTest) {
    Script("");
    standinFlows_.LaunchVelorin();
    const Strings velorin = {"Velorin", Logged(install_)};
    EXPECT_EQ(Starts(), (std::vector<Strings>{velorin, velorin}));
    EXPECT_FALSE(IsSpeedTestPending());
    EXPECT_EQ(boxes_.shown().size(), 2u);
    EXPECT_EQ(screen_.endedWith, 0);

    SetModelResolution(1);
    standinFlows_.LaunchVelorin();
    EXPECT_EQ(Starts().size(), 4u);
    EXPECT_EQ(boxes_.shown().size(), 4u);
    EXPECT_FALSE(IsSpeedTestPending());

    Script("Blendora nothing\nVelorin model-resolution 2\n");
    standinFlows_.RetestComputer();
    EXPECT_EQ(screen_.shownResolution, 2);
    EXPECT_EQ(GetModelResolution(), 2);
    // Read as text: the stand-ins write their script's lines as text files are written there.
    std::ifstream left(ScriptPath());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(left), {}), "Blendora nothing\n");
}

TEST_F(EndToEnd, EachHandOffAndTheReturnToVelorinThroughTheMixingTool) {
    StoreText("FPS", "30 fps");
    const std::string dance = store_.folder() + "/Salsa.one.dnc";
    Script("Velorin export-web " + dance + "\nVelorin export-avi " + dance +
           "\nVelorin export-mix /mixes/a mix.mix\nBlendora export-wav /w/take.wav\n");
    boxes_.Answer({ui::Answer::Ok, ui::Answer::Ok});
    standinFlows_.LaunchVelorin();
    standinFlows_.LaunchVelorin();
    EXPECT_TRUE(fs::exists(dance + ".html"));
    EXPECT_TRUE(fs::exists(dance + ".avi"));
    EXPECT_FALSE(screen_.endedWith.has_value());

    standinFlows_.LaunchVelorin();
    auto starts = Starts();
    ASSERT_EQ(starts.size(), 7u);
    EXPECT_EQ(starts[1], (Strings{"exportToWeb", Logged(install_), Logged(dance)}));
    EXPECT_EQ(starts[3], (Strings{"TsAVIMaker", Logged(install_), Logged(dance)}));
    EXPECT_EQ(starts[5],
              (Strings{"Blendora Studio VL", Logged(install_ / "Blendora"), "/mixes/a mix.mix"}));
    EXPECT_EQ(starts[6][0], "Velorin");
    EXPECT_EQ(screen_.endedWith, 0);
}

// Whatever a stored name holds, it starts no other program and arrives whole as the exporter's one
// argument.
TEST_F(EndToEnd, StoredNamesStartNoOtherProgramAndArriveWhole) {
    const Strings names = {"/tmp/x; touch pwned1", "/tmp/$(touch pwned2)", "/tmp/`touch pwned3`",
                           "/tmp/it's \"quoted\"", "/tmp/two  blanks\\",   "/tmp/new\nline"};
    Script("");
    for (const std::string& name : names) {
        StoreText("VelorinExportedDance", name);
        boxes_.Answer({ui::Answer::Ok});
        standinFlows_.RunWebExporter();
    }
    const Strings logged = {"/tmp/x; touch pwned1", "/tmp/$(touch pwned2)", "/tmp/`touch pwned3`",
                            "/tmp/it's \"quoted\"", "/tmp/two  blanks\\\\", "/tmp/new\\nline"};
    std::vector<Strings> expected;
    for (const std::string& name : logged) {
        expected.push_back({"exportToWeb", Logged(install_), name});
    }
    EXPECT_EQ(Starts(), expected);
    ExpectNoWitness();
}

// The mixing tool's folder is one path up to the longest the store holds (255 characters), never
// cut at a blank (a program planted at a shorter prefix) nor read as a command line of its own.
TEST_F(EndToEnd, TheMixingToolFolderIsOnePathAndTheMixOneArgument) {
    const fs::path planted = install_ / "My";
    std::ofstream(planted) << "#!/bin/sh\ntouch '" << (install_ / "pwned4").string() << "'\n";
    fs::permissions(planted, fs::perms::owner_exec, fs::perm_options::add);
    fs::path longest = install_;
    longest /= std::string(200 - longest.string().size(), 'f');
    longest /= std::string(255 - longest.string().size() - 1, 'g');
    const std::string mix = "/mixes/a mix" + std::string(255 - 12, 'm');
    Script("");
    std::vector<Strings> expected;
    for (const std::string& folder :
         {(install_ / "My Tools" / "Blendora").string(),
          std::string(R"("/bin/sh" -c "touch pwned5" x)"), longest.string()}) {
        InstallBlendora(install_ / folder);
        StoreMixingToolFolder(folder);
        StoreText("VelorinExportedMix", mix);
        standinFlows_.RunMixingTool();
        expected.push_back({"Blendora Studio VL", Logged(install_ / folder), mix});
    }
    EXPECT_EQ(Starts(), expected);
    EXPECT_TRUE(boxes_.shown().empty());
    ExpectNoWitness();
}

}  // namespace
}  // namespace launch_test

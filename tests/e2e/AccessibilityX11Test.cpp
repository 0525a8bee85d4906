// The built launcher as a screen reader sees it: Qt's AT-SPI bridge on a private accessibility
// bus, read and driven with D-Bus calls alone (no pointer, no keyboard).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>
#include <thread>

#include "platform/registry/fake/ScopedStore.h"
#include "settings/Settings.h"
#include "tests/e2e/AccessibilityBus.h"
#include "tests/e2e/Installation.h"
#include "tests/e2e/VirtualDisplay.h"
#include "tests/e2e/X11Screen.h"
#include "tests/support/ChildProcess.h"

namespace fs = std::filesystem;
using testing_support::ChildProcess;
using testing_support::RunProgram;
using velorin::test::AccessibilityBus;
using velorin::test::ReplyText;

namespace {

constexpr const char* kAccessible = "org.a11y.atspi.Accessible";
constexpr unsigned kStateChecked = 1U << 4;

// An object of the tree: its bus name and path.
struct Node {
    std::string name;
    std::string path;
};

class Reader {
  public:
    explicit Reader(const AccessibilityBus& bus) : bus_(bus) {}

    std::string Call(const Node& node, const std::string& method,
                     const std::vector<std::string>& arguments = {}) const {
        return bus_.Call(node.name, node.path, method, arguments).value_or("");
    }
    std::string Property(const Node& node, const std::string& property) const {
        return Call(node, "org.freedesktop.DBus.Properties.Get", {kAccessible, property});
    }
    std::string Name(const Node& node) const { return ReplyText(Property(node, "Name")); }
    std::string Description(const Node& node) const {
        return ReplyText(Property(node, "Description"));
    }
    std::string Role(const Node& node) const {
        return ReplyText(Call(node, std::string(kAccessible) + ".GetRoleName"));
    }
    std::vector<Node> Children(const Node& node) const {
        const std::string reply = Call(node, std::string(kAccessible) + ".GetChildren");
        std::vector<Node> children;
        const std::regex child(R"(\('([^']+)', (?:objectpath )?'([^']+)'\))");
        for (std::sregex_iterator it(reply.begin(), reply.end(), child), end; it != end; ++it) {
            children.push_back({(*it)[1], (*it)[2]});
        }
        return children;
    }
    std::vector<long> Numbers(const std::string& reply) const {
        std::vector<long> numbers;
        const std::regex number(R"(\b\d+\b)");  // not the 32 of a uint32
        for (std::sregex_iterator it(reply.begin(), reply.end(), number), end; it != end; ++it) {
            numbers.push_back(std::stol(it->str()));
        }
        return numbers;
    }
    std::vector<long> Extents(const Node& node) const {
        return Numbers(Call(node, "org.a11y.atspi.Component.GetExtents", {"uint32 0"}));
    }
    bool Checked(const Node& node) const {
        const auto words = Numbers(Call(node, std::string(kAccessible) + ".GetState"));
        return !words.empty() && (static_cast<unsigned long>(words[0]) & kStateChecked) != 0;
    }
    bool DoAction(const Node& node) const {
        return Call(node, "org.a11y.atspi.Action.DoAction", {"int32 0"}) == "(true,)\n";
    }
    // The launcher's top-level object named name, from every application on the bus.
    std::optional<Node> Window(const std::string& title) const {
        const std::string names = Call({"org.freedesktop.DBus", "/org/freedesktop/DBus"},
                                       "org.freedesktop.DBus.ListNames");
        const std::regex unique(R"('(:[0-9.]+)')");
        for (std::sregex_iterator it(names.begin(), names.end(), unique), end; it != end; ++it) {
            for (const Node& window : Children({(*it)[1], "/org/a11y/atspi/accessible/root"})) {
                if (Name(window) == title) {
                    return window;
                }
            }
        }
        return std::nullopt;
    }

  private:
    const AccessibilityBus& bus_;
};

bool WaitFor(const std::function<bool()>& state) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!state()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(velorin::test::kPollPeriod);
    }
    return true;
}

}  // namespace

TEST(AccessibilityOnX11, AScreenReaderReadsTheRegionsWhereThePicturesAreAndRunsThem) {
    platform::registry::ScopedStore store;
    SetAudioDialogue(1);
    velorin::test::VirtualDisplay display(1024, 768);
    ASSERT_TRUE(display.Ready()) << "Xvfb did not start";
    const AccessibilityBus bus(store.folder());
    ASSERT_TRUE(bus.Ready()) << "the accessibility bus did not start";
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("VELORIN_AUDIO", "loopback", 1);
    const fs::path install = velorin::test::StageLauncher(store.folder());
    ChildProcess launcher({(install / "velorin-launcher").string()}, ChildProcess::Output::Shared);
    ASSERT_TRUE(launcher.started());
    const auto corner = velorin::test::FindWindow("^Velorin Launcher$");
    ASSERT_TRUE(corner) << "no launcher screen appeared";

    const Reader reader(bus);
    std::optional<Node> screen;
    ASSERT_TRUE(WaitFor([&] { return (screen = reader.Window("Velorin Launcher")).has_value(); }));
    EXPECT_EQ(reader.Role(*screen), "dialog");
    EXPECT_TRUE(reader.Window("Velorin Launcher backdrop")) << "the backdrop has a name";
    std::vector<Node> regions = reader.Children(*screen);
    ASSERT_EQ(regions.size(), 5u);
    const char* buttons[] = {"Launch Velorin", "Set-Up Options", "Audio Test", "Mixing Room",
                             "Quit"};
    for (std::size_t index = 0; index < regions.size(); ++index) {
        EXPECT_EQ(reader.Name(regions[index]), buttons[index]);
        EXPECT_EQ(reader.Role(regions[index]), "push button");
    }
    EXPECT_EQ(reader.Description(regions[0]), "Click here to launch Velorin.");
    EXPECT_EQ(reader.Extents(regions[4]),
              (std::vector<long>{corner->x + 260, corner->y + 210, 140, 30}))
        << "Quit where its picture is";

    ASSERT_TRUE(reader.DoAction(regions[1]));
    ASSERT_TRUE(WaitFor([&] { return (regions = reader.Children(*screen)).size() == 13; }));
    const Node& dialogue = regions[5];
    EXPECT_EQ(reader.Name(dialogue), "Character Dialogue");
    EXPECT_EQ(reader.Role(dialogue), "check box");
    EXPECT_TRUE(reader.Checked(dialogue));
    ASSERT_TRUE(reader.DoAction(dialogue));
    EXPECT_TRUE(WaitFor([&] { return !reader.Checked(dialogue); }));
    const std::string options = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tessaly\\Velorin\\Options";
    EXPECT_EQ(RunProgram({VELORIN_REG_PATH, "query", options, "Audio Dialogue"}).out,
              "REG_BINARY\t00\n");

    ASSERT_TRUE(reader.DoAction(regions[4]));
    EXPECT_TRUE(WaitFor([&] { return reader.Window("Velorin credits").has_value(); }))
        << "Quit rolls the credits, which say what they are";
}

// velorin-reg and the system's registry editor on the real registry: a file either one exports,
// the other imports, every value coming back byte for byte.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "platform/registry/Registry.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Helpers.h"

namespace {

using platform::registry::Root;
using platform::registry::ValueType;
using platform::registry::test::ReadBack;
using testing_support::RunProgram;

struct Sample {
    const char* name;
    ValueType type;
    std::string data;
};

// Texts carry their terminating zero, as both importers store them.
const Sample kSamples[] = {
    {"", ValueType::String, std::string("play\0", 5)},
    {"Quoted \"Name\"", ValueType::String, std::string("C:\\Dances\\Salsa \"one\".dnc\0", 26)},
    {"Flags", ValueType::Binary, std::string("\x00\xff\x10", 3)},
    {"Count", ValueType::Dword, std::string("\x2a\x00\x00\x00", 4)},
};

class RegistryEditorFiles : public ::testing::Test {
  protected:
    RegistryEditorFiles() {
        std::filesystem::create_directories(folder_);
        for (const Sample& sample : kSamples) {
            platform::registry::test::Write(Root::LocalMachine, key_, sample.name, sample.type,
                                            sample.data);
        }
        platform::registry::test::Write(Root::LocalMachine, key_ + "\\Sub", "x", ValueType::String,
                                        std::string("y\0", 2));
    }
    ~RegistryEditorFiles() override {
        static_cast<void>(platform::registry::DeleteKey(Root::LocalMachine, key_));
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    void ExpectAllBack() {
        for (const Sample& sample : kSamples) {
            EXPECT_EQ(ReadBack(Root::LocalMachine, key_, sample.name),
                      platform::registry::test::Bytes(sample.data))
                << sample.name;
        }
        EXPECT_EQ(ReadBack(Root::LocalMachine, key_ + "\\Sub", "x"),
                  platform::registry::test::Bytes(std::string("y\0", 2)));
    }

    // The machine's own roots, not a test's stand-in for them: the editor knows only those. The
    // editor here is a 64-bit program and works on the 64-bit view of SOFTWARE, so the key is
    // one that both views share.
    testing_support::ScopedEnv realRoots_{"VELORIN_REGISTRY", nullptr};
    const std::string key_ =
        "SYSTEM\\Velorin Tests\\Editor " + std::to_string(::GetCurrentProcessId());
    const std::string fullKey_ = "HKEY_LOCAL_MACHINE\\" + key_;
    const std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() /
        ("velorin-reg-editor-" + std::to_string(::GetCurrentProcessId()));
};

TEST_F(RegistryEditorFiles, WhatVelorinRegExportsTheEditorImports) {
    const auto exported = RunProgram({VELORIN_REG, "export", fullKey_});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string file = (folder_ / "from-velorin-reg.reg").string();
    std::ofstream(file, std::ios::binary) << exported.out;
    ASSERT_EQ(platform::registry::DeleteKey(Root::LocalMachine, key_),
              platform::registry::Status::Ok);
    ASSERT_EQ(RunProgram({"regedit", "/s", file}).status, 0);
    ExpectAllBack();
}

TEST_F(RegistryEditorFiles, WhatTheEditorExportsVelorinRegImports) {
    const std::string file = (folder_ / "from-editor.reg").string();
    ASSERT_EQ(RunProgram({"regedit", "/e", file, fullKey_}).status, 0);
    ASSERT_EQ(platform::registry::DeleteKey(Root::LocalMachine, key_),
              platform::registry::Status::Ok);
    const auto imported = RunProgram({VELORIN_REG, "import", file});
    EXPECT_EQ(imported.status, 0) << imported.err;
    ExpectAllBack();
}

}  // namespace

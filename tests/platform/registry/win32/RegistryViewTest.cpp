// What the layer asks of the registry: every key in the 32-bit view that the launcher's 32-bit
// neighbours share, and no more rights than each call needs. Wine grants any rights asked for, so
// the calls are recorded and their rights checked here.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/registry/Registry.h"
#include "platform/registry/fake/ScopedStore.h"
#include "platform/registry/win32/SystemCalls.h"
#include "settings/Settings.h"
#include "tests/platform/registry/RegistryTestSupport.h"
#include "tests/support/Helpers.h"

namespace {

using platform::registry::Access;
using platform::registry::Key;
using platform::registry::Root;
using platform::registry::Status;
using platform::registry::ValueType;
using platform::registry::test::Bytes;
using platform::registry::test::ReadBack;

struct Call {
    std::string text;  // what was asked: "open NAME RIGHTS" or "create NAME RIGHTS"
    HKEY parent;
    HKEY result;
};
std::vector<Call> g_calls;

std::string Describe(const char* kind, LPCSTR path, REGSAM rights) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%#lx", static_cast<unsigned long>(rights));
    return std::string(kind) + " " + (path != nullptr ? path : "") + " " + hex;
}

LSTATUS WINAPI RecordOpen(HKEY parent, LPCSTR path, DWORD options, REGSAM rights, PHKEY out) {
    const LSTATUS code = ::RegOpenKeyExA(parent, path, options, rights, out);
    g_calls.push_back({Describe("open", path, rights), parent, code == 0 ? *out : nullptr});
    return code;
}

LSTATUS WINAPI RecordCreate(HKEY parent, LPCSTR path, DWORD reserved, LPSTR keyClass, DWORD options,
                            REGSAM rights, const LPSECURITY_ATTRIBUTES security, PHKEY out,
                            LPDWORD disposition) {
    const LSTATUS code = ::RegCreateKeyExA(parent, path, reserved, keyClass, options, rights,
                                           security, out, disposition);
    g_calls.push_back({Describe("create", path, rights), parent, code == 0 ? *out : nullptr});
    return code;
}

LSTATUS WINAPI RecordDelete(HKEY parent, LPCSTR path, REGSAM view, DWORD reserved) {
    g_calls.push_back({Describe("delete", path, view), parent, nullptr});
    return ::RegDeleteKeyExA(parent, path, view, reserved);
}

// Records the layer's calls while alive, on a registry of the test's own.
class RecordedCalls : public ::testing::Test {
  protected:
    RecordedCalls() {
        platform::registry::StoreProblem();  // the stand-in roots are made before recording
        platform::registry::Calls() = {RecordOpen, RecordCreate, RecordDelete};
    }
    ~RecordedCalls() override { platform::registry::Calls() = {}; }

    std::vector<std::string> Taken() {
        std::vector<std::string> texts;
        for (const Call& call : g_calls) {
            texts.push_back(call.text);
        }
        g_calls.clear();
        return texts;
    }

    platform::registry::ScopedStore store_;
};

constexpr REGSAM k32 = KEY_WOW64_32KEY;

TEST_F(RecordedCalls, AnOptionReadOpensSoftwareForQueryAndCreatesEachKeyBelowTheLast) {
    g_calls.clear();
    EXPECT_EQ(GetAudioDialogue(), 1);
    const std::vector<Call> calls = g_calls;
    const std::vector<std::string> expected = {Describe("open", "SOFTWARE", KEY_QUERY_VALUE | k32),
                                               Describe("create", "Tessaly", KEY_ALL_ACCESS | k32),
                                               Describe("create", "Velorin", KEY_ALL_ACCESS | k32),
                                               Describe("create", "Options", KEY_ALL_ACCESS | k32)};
    EXPECT_EQ(Taken(), expected);
    for (std::size_t step = 1; step < calls.size(); ++step) {
        EXPECT_EQ(calls[step].parent, calls[step - 1].result) << calls[step].text;
    }

    SetBvhExport(0);
    EXPECT_EQ(Taken(), expected);
    char folder[256];
    EXPECT_FALSE(GetMixingToolPath(folder, sizeof folder));
    EXPECT_EQ(Taken(), (std::vector<std::string>{
                           Describe("open", "SOFTWARE", KEY_QUERY_VALUE | k32),
                           Describe("create", "Blendora Technologies, Inc.", KEY_ALL_ACCESS | k32),
                           Describe("create", "Blendora Studio VL", KEY_ALL_ACCESS | k32),
                           Describe("create", "Path", KEY_ALL_ACCESS | k32)}));
}

TEST_F(RecordedCalls, ToolsAskForWhatTheyDoAndUndoStaysInTheView) {
    Key key;
    ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\A\\B", key), Status::Ok);
    EXPECT_EQ(Taken(),
              (std::vector<std::string>{Describe("create", "SOFTWARE", KEY_CREATE_SUB_KEY | k32),
                                        Describe("create", "A", KEY_CREATE_SUB_KEY | k32),
                                        Describe("create", "B", KEY_ALL_ACCESS | k32)}));
    static_cast<void>(key.Close());

    ASSERT_EQ(OpenKey(Root::LocalMachine, "SOFTWARE\\A", Access::Read, key), Status::Ok);
    Key below;
    ASSERT_EQ(OpenKey(key, "B", Access::QueryValue, below), Status::Ok);
    EXPECT_EQ(Taken(), (std::vector<std::string>{Describe("open", "SOFTWARE\\A", KEY_READ | k32),
                                                 Describe("open", "B", KEY_QUERY_VALUE | k32)}));
    static_cast<void>(key.Close());

    {
        platform::registry::WriteBatch dropped;
        ASSERT_EQ(DeleteKey(Root::LocalMachine, "SOFTWARE\\A"), Status::Ok);
        ASSERT_EQ(CreateKey(Root::LocalMachine, "SOFTWARE\\C", key), Status::Ok);
        static_cast<void>(key.Close());
        Taken();
    }
    // Taking the batch back: the new key deleted, the old tree made again to hold its values.
    EXPECT_EQ(Taken(),
              (std::vector<std::string>{
                  Describe("open", "SOFTWARE\\C", platform::registry::kDeleteTreeRights | k32),
                  Describe("delete", "SOFTWARE\\C", k32),
                  Describe("create", "SOFTWARE\\A", KEY_SET_VALUE | k32),
                  Describe("create", "SOFTWARE\\A\\B", KEY_SET_VALUE | k32)}));
    EXPECT_TRUE(platform::registry::test::KeyExists(Root::LocalMachine, "SOFTWARE\\A\\B"));
}

// The machine's own HKEY_LOCAL_MACHINE, as a 32-bit program sees and writes it.
class ThirtyTwoBitView : public ::testing::Test {
  protected:
    ~ThirtyTwoBitView() override {
        static_cast<void>(platform::registry::DeleteKey(Root::LocalMachine, key_));
    }

    static LSTATUS OpenRaw(const std::string& path, REGSAM view, HKEY& out) {
        return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | view, &out);
    }

    testing_support::ScopedEnv realRoots_{"VELORIN_REGISTRY", nullptr};
    const std::string key_ =
        "SOFTWARE\\Velorin Tests\\View " + std::to_string(::GetCurrentProcessId());
};

TEST_F(ThirtyTwoBitView, WhatA32BitProgramWritesIsReadAndWhatWeWriteItReads) {
    HKEY raw = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, nullptr, 0,
                                KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    const wchar_t expandable[] = L"%TEMP%\\Salsa.dnc";
    const wchar_t plain[] = L"TEST SPEED";
    ::RegSetValueExW(raw, L"Dance", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expandable),
                     sizeof expandable);
    ::RegSetValueExW(raw, L"FPS", 0, REG_SZ, reinterpret_cast<const BYTE*>(plain), sizeof plain);
    ::RegCloseKey(raw);

    // Both text types come back as text, the expandable one unexpanded.
    EXPECT_EQ(ReadBack(Root::LocalMachine, key_, "Dance"),
              Bytes(std::string("%TEMP%\\Salsa.dnc", 17)));
    EXPECT_EQ(ReadBack(Root::LocalMachine, key_, "FPS"), Bytes(std::string("TEST SPEED", 11)));

    ASSERT_TRUE(platform::registry::test::Write(Root::LocalMachine, key_ + "\\Ours", "v",
                                                ValueType::String, "x"));
    ASSERT_EQ(OpenRaw(key_ + "\\Ours", KEY_WOW64_32KEY, raw), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(::RegQueryValueExW(raw, L"v", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, sizeof(wchar_t));
    ::RegCloseKey(raw);
    EXPECT_EQ(OpenRaw(key_, KEY_WOW64_64KEY, raw), ERROR_FILE_NOT_FOUND);

    ASSERT_EQ(platform::registry::DeleteKey(Root::LocalMachine, key_), Status::Ok);
    EXPECT_EQ(OpenRaw(key_, KEY_WOW64_32KEY, raw), ERROR_FILE_NOT_FOUND);
}

}  // namespace

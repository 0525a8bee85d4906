#include "platform/registry/win32/Roots.h"

#include <cstdlib>
#include <mutex>

#include "platform/registry/win32/SystemCalls.h"

namespace platform::registry {
namespace {

constexpr char kStandInsVariable[] = "VELORIN_REGISTRY";

// "play" with its terminating zero, as the system's own installation writes it.
constexpr char kAudioCdVerb[] = "play";

struct StandIns {
    std::string location;
    HKEY localMachine = nullptr;
    HKEY classesRoot = nullptr;
};

// Handles to the stand-ins stay open for the process: a later VELORIN_REGISTRY opens new ones,
// and the few old ones are not worth tracking.
std::mutex g_lock;
StandIns g_standIns;

// A stand-in root is kept open to start paths from, as a predefined key is: reading and
// creating below it is all the layer does through it.
constexpr REGSAM kStandInRootRights = KEY_READ | KEY_CREATE_SUB_KEY;

HKEY CreateBelow(HKEY parent, const std::string& path, REGSAM rights,
                 DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    return CreateSubKey(parent, path, rights, key, disposition) == ERROR_SUCCESS ? key : nullptr;
}

// What a fresh Windows holds that the launcher relies on.
bool Furnish(HKEY localMachine, HKEY classesRoot) {
    HKEY software = CreateBelow(localMachine, "SOFTWARE", KEY_QUERY_VALUE);
    HKEY shell = CreateBelow(classesRoot, "AudioCD\\shell", KEY_SET_VALUE);
    bool done = software != nullptr && shell != nullptr;
    if (shell != nullptr) {
        done = done &&
               ::RegSetValueExA(shell, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(kAudioCdVerb),
                                sizeof kAudioCdVerb) == ERROR_SUCCESS;
        ::RegCloseKey(shell);
    }
    if (software != nullptr) {
        ::RegCloseKey(software);
    }
    return done;
}

bool OpenStandIns(const std::string& location, std::string* problem) {
    DWORD disposition = 0;
    HKEY base = CreateBelow(HKEY_CURRENT_USER, location, KEY_CREATE_SUB_KEY, &disposition);
    if (base == nullptr) {
        if (problem != nullptr) {
            *problem = "cannot open the registry key HKEY_CURRENT_USER\\" + location;
        }
        return false;
    }
    g_standIns = {location, CreateBelow(base, "HKEY_LOCAL_MACHINE", kStandInRootRights),
                  CreateBelow(base, "HKEY_CLASSES_ROOT", kStandInRootRights)};
    ::RegCloseKey(base);
    const bool opened = g_standIns.localMachine != nullptr && g_standIns.classesRoot != nullptr;
    if (opened && disposition == REG_CREATED_NEW_KEY) {
        Furnish(g_standIns.localMachine, g_standIns.classesRoot);
    }
    return opened;
}

}  // namespace

HKEY RootKey(Root root, std::string* problem) {
    const char* location = std::getenv(kStandInsVariable);
    if (location == nullptr || *location == '\0') {
        return root == Root::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CLASSES_ROOT;
    }
    std::lock_guard guard(g_lock);
    if (g_standIns.location != location && !OpenStandIns(location, problem)) {
        g_standIns = {};
        return nullptr;
    }
    return root == Root::LocalMachine ? g_standIns.localMachine : g_standIns.classesRoot;
}

namespace {

thread_local std::string g_lastProblem;

// The system's own words for an error code, as one line.
std::string Describe(LSTATUS code) {
    char text[512] = {};
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
    std::string line(text, length);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    return line.empty() ? "error " + std::to_string(code) : line;
}

}  // namespace

std::string LastProblem() {
    return g_lastProblem;
}

Status StatusOf(LSTATUS code) {
    switch (code) {
        case ERROR_SUCCESS:
            return Status::Ok;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_KEY_DELETED:
            return Status::NotFound;
        case ERROR_MORE_DATA:
            return Status::MoreData;
        case ERROR_ACCESS_DENIED:
            return Status::AccessDenied;
        case ERROR_INVALID_PARAMETER:
            return Status::InvalidArgument;
        default:
            g_lastProblem = StorePath() + ": " + Describe(code);
            return Status::StoreUnavailable;
    }
}

std::string StorePath() {
    const char* location = std::getenv(kStandInsVariable);
    if (location == nullptr || *location == '\0') {
        return "the registry";
    }
    return std::string("HKEY_CURRENT_USER\\") + location;
}

std::string StoreProblem() {
    std::string problem;
    RootKey(Root::LocalMachine, &problem);
    return problem;
}

}  // namespace platform::registry

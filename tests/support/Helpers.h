#pragma once
// Small helpers tests of every folder share: files read and written whole, environment variables.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace testing_support {

// The file's bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view contents);

// Sets (or, given null, removes) an environment variable of the process and the programs it starts.
void SetVariable(const char* name, const char* value);

// Sets (or, given null, removes) an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace testing_support

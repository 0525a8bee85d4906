#include "tests/support/Helpers.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace testing_support {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, std::string_view contents) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* current = std::getenv(name)) {
        previous_ = current;
    }
    SetVariable(name, value);
}

ScopedEnv::~ScopedEnv() {
    SetVariable(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}

}  // namespace testing_support

#pragma once
// Messages for the developer, not the user: standard error, or a capture for tests.
#include <string>
#include <string_view>

namespace platform::debug {

void OutputDebugText(std::string_view text);

// While alive, OutputDebugText appends to text() instead of standard error.
class CapturedDebugOutput {
  public:
    CapturedDebugOutput();
    ~CapturedDebugOutput();
    CapturedDebugOutput(const CapturedDebugOutput&) = delete;
    CapturedDebugOutput& operator=(const CapturedDebugOutput&) = delete;
    const std::string& text() const { return text_; }

  private:
    friend void OutputDebugText(std::string_view text);
    std::string text_;
    CapturedDebugOutput* previous_;
};

}  // namespace platform::debug

#pragma once
// The CD autoplay guard: while the audio test uses the drive, an inserted audio CD must not set
// off the system's autoplay action, the default value of ClassesRoot\AudioCD\shell. The guard
// blanks that value and puts it back afterwards, exactly as it was; a blank it finds (its own,
// left by a test that never finished) is put back as the system's verb.
#include <cstddef>
#include <optional>
#include <vector>

#include "platform/registry/Registry.h"

class CSeTestDlg {
  public:
    static constexpr std::size_t kAutoplayChars = 80;  // including the terminating zero

    CSeTestDlg();

    void SuspendAutoplay();
    void RestoreAutoplay();
    // Reads the autoplay verb into an 80-byte buffer; on failure the buffer may be untouched.
    void ReadAutoplayString(char* autoplayBuffer);
    void WriteAutoplayString(const char* value);

    char savedAutoplay[kAutoplayChars];
    char replacementAutoplay[kAutoplayChars];  // nothing fills it: the blank verb

  private:
    // What the value was before the guard blanked it, when the 80-byte read cannot carry it:
    // absent (no bytes), or too long, in which case every byte and the type are kept.
    struct Original {
        bool present = false;
        platform::registry::ValueType type = platform::registry::ValueType::String;
        std::vector<std::byte> data;
    };
    static std::optional<Original> UnreadableOriginal();
    void PutBack(const Original& original);

    std::optional<Original> unreadableOriginal_;
};

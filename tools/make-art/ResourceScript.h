#pragma once
// The Windows resource script of the launcher's resources: the pictures make-art draws, the
// string table and the dialog layouts, written from the same tables the Linux build reads, so
// the two builds show the same texts and nothing is typed twice.
#include <string>
#include <string_view>

#include "platform/ui/PictureScales.h"

namespace art {

inline constexpr int kIconId = 128;
inline constexpr int kCursorId = 138;
inline constexpr int kBitmapIds[] = {131, 133, 134, 145, 146, 148, 149, 161};

// Where the script's pictures are, relative to resources/, the folder it is compiled from. A bitmap
// is there at every scale, as resource id + the scale's resourceIdOffset.
std::string BitmapFile(int id, const platform::ui::PictureScale& scale);
std::string IconFile();
std::string CursorFile();

// A text as a resource-script string literal, quotes included; the script is read as UTF-8.
std::string ScriptString(std::string_view text);

// The whole script, as make-art writes it to resources/Velorin.rc.
std::string ResourceScript();

}  // namespace art

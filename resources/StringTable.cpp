#include <algorithm>
#include <iterator>

#include "resources/Strings.h"

namespace resources {

namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Sorted by id. Texts are kept exactly as shipped, spelling included.
constexpr Entry kStrings[] = {
    {101, "&About Launcher..."},
    {137,
     "You are about to test your audio configuration.\n\nAs part of the compatibility test, an "
     "audio CD in your CD drive\nwill be played for 15 seconds.  Please make sure there is an\n"
     "audio CD in the CD player before beginning the test.\n\nClick \"Ok\" when you are ready."},
    {138, "Audio Test"},
    {139, "Your system is properly configured for beat estimation\nfrom an audio CD."},
    {140, "Success!"},
    {148, "Sound Capture Unsuccessful"},
    {154, "Click here to launch Velorin."},
    {155, "Click here to change system options."},
    {156,
     "Click here to test your audio settings to see if\nthey are compatible for Beat Estimation."},
    {157, "Click here to go directly to the\nVelorin mixing room."},
    {158, "Click here when you want to\nexit Velorin."},
};

}  // namespace

std::string_view LoadResourceString(int id) {
    auto found = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                  [](const Entry& entry, int wanted) { return entry.id < wanted; });
    return found != std::end(kStrings) && found->id == id ? found->text : std::string_view{};
}

}  // namespace resources

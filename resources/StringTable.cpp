#include <algorithm>
#include <iterator>

#include "resources/Strings.h"

namespace resources {

namespace {

// Sorted by id. Texts are kept exactly as shipped, spelling included.
constexpr ResourceString kStrings[] = {
    {101, "&About Launcher..."},
    {137,
     "You are about to test your audio configuration.\n\nAs part of the compatibility test, an "
     "audio CD in your CD drive\nwill be played for 15 seconds.  Please make sure there is an\n"
     "audio CD in the CD player before beginning the test.\n\nClick \"Ok\" when you are ready."},
    {138, "Audio Test"},
    {139, "Your system is properly configured for beat estimation\nfrom an audio CD."},
    {140, "Success!"},
    {147,
     "Error Code #6 - Cannot Initialize Sound Card.\n\nPlease close all applications that are "
     "using the sound card.\nIf an application has terminated and not released the sound\ncard, "
     "you can re-initialize the sound cad by rebooting the\nsystem.\n\nNOTE: If your system does "
     "not have a sound card, on-line\nbeat estimation from an audio CD will not work for "
     "you.\nHowever beat estimation from WAVE or MIDI files will still work."},
    {148, "Sound Capture Unsuccessful"},
    {149,
     "Error Code #1 - Could not initialize sound card for recording.\n\nPlease make sure your "
     "sound card is enabled for full-duplex mode:\n\n\t 1) Launch the Control Panel by clicking "
     "on\n\t              Start->Settings->Control Panel.\n\n\t 2) On the Control Panel, "
     "double-click on \"System\"\n\n\t 3) On the System Properties dialog, click on the \"Device "
     "Manager\" tab.\n\n\t 4) On the list of devices, open the \"Sound, video, and game "
     "controllers\" folder.\n\n\t 5) Double-click on the device that represents your sound "
     "card.\n\n\t 6) On the Property Dialog for your sound card, enable the\n\t         "
     "full-duplex mode option if it is available.\n\n\t 7) Click \"OK\" on the Property Dialog for "
     "your sound card.\n\nNOTE: Some older sound cards do not support full-duplex\nmode.  If this "
     "is the case for you the on-line audio CD beat\nestimator will not work, however it will "
     "still work offline on\nWAVE and MIDI files."},
    {150, "Error Code #2 - Could not initialize sound card for recording."},
    {151,
     "Error Code #3 - Cannot Access the CD Player.\n\nPlease make sure a CD player is installed.  "
     "If a CD player is\ninstalled, please close all applications that are currently\naccessing "
     "the CD player.\n\nThis error can also occur if there is no audio CD in your\nCD player."},
    {152,
     "Error Code $4 - Cannot play CD track.\n\nPlease make sure there is an audio CD in the CD "
     "player."},
    {153,
     "Error Code #5 - Could not detect any audio for sound capture.\n\nPlease check the "
     "following:\n\n\t 1) Open the Volume Control.  You can do so by clicking on\n\t          "
     "Start->Programs->Accessories->Multimedia->Volume Control\n\t          or by double-clicking "
     "on the Speaker icon on the\n\t          taskbar.\n\n\t 2) On the Volume Control panel, click "
     "on the menu item\n\t          \"Options->Properties\".\n\n\t 3) On the Properties panel, "
     "click on the \"Recording\" radio\n\t          item under the \"Adjust volume for\" group "
     "box.\n\n\t 4) Check all the checkboxes in the listbox titled\n\t          \"Show the "
     "following volume controls.\"\n\n\t 5) Click \"OK\" on the Properties panel.\n\n\t 6) On the "
     "Recording Control panel, make sure that\n\t          \"CD Audio\" is enabled.  This can be "
     "done by using\n\t          the checkboxes on the bottom of the panel.\n\n\t 7) Make sure the "
     "volume level for \"CD Audio\" is set to\n\t          about 25 percent.\n\n\t 8) Close the "
     "Recording Control panel.\n"},
    {154, "Click here to launch Velorin."},
    {155, "Click here to change system options."},
    {156,
     "Click here to test your audio settings to see if\nthey are compatible for Beat Estimation."},
    {157, "Click here to go directly to the\nVelorin mixing room."},
    {158, "Click here when you want to\nexit Velorin."},
};

}  // namespace

std::string_view LoadResourceString(int id) {
    auto found =
        std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                         [](const ResourceString& entry, int wanted) { return entry.id < wanted; });
    return found != std::end(kStrings) && found->id == id ? found->text : std::string_view{};
}

std::span<const ResourceString> ResourceStrings() {
    return kStrings;
}

}  // namespace resources

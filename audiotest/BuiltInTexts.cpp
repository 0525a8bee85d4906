#include "audiotest/BuiltInTexts.h"

// Kept exactly as shipped, wording and line breaks included.
std::string_view BuiltInErrorText(std::int32_t code) {
    switch (code) {
        case 1:
            return "Error Code #1 - Could not initialize sound card for recording.\nPlease make "
                   "sure your sound card is enabled for full-duplex mode:\n\n\t 1) Launch the "
                   "Control Panel by clicking on\n\t         Start->Settings->Control Panel.\n\n\t "
                   "2) On the Control Panel, double-click on \"System\"\n\n\t 3) On the System "
                   "Properties dialog, click on the \"Device Manager\" tab.\n\n\t 4) On the list "
                   "of devices, open the \"Sound, video, and game controllers\" folder\n\n\t 5) "
                   "Double-click on the device that represents your sound card.\n\n\t 6) On the "
                   "Property Dialog for your sound card, enable the full-duplex mode\n\t         "
                   "option if it is available.\n\n\t 7) Click \"OK\" on the Property Dialog for "
                   "your sound card.  Close the\n\t         System Properties dialog.\n\n\nNOTE: "
                   "Some older sound cards do not support full-duplex mode.  If this is the\n      "
                   "   case for you the on-line beat estimator will not work, however\n         it "
                   "will still work offline on recorded wave files.";
        case 2:
            return "Error Code #2 - Could not initialize sound card for recording.";
        case 3:
            return "Error Code #3 - Cannot Access CD Player.\nPlease make sure a CD player is "
                   "installed.  If a CD player\nis installed, please close all applications that "
                   "are\ncurrently accessing the CD device.\n\nThis error can also occur if there "
                   "is no audio CD in\nyour CD player.";
        case 4:
            return "Error Code #4 - Cannot play CD track.  Please make sure there is an audio\nCD "
                   "in the CD player.";
        case 5:
            return "Error Code #5 - Could not detect any audio for sound capture.  Please check "
                   "the following:\n\n\t 1) Open the Volume Control.  You can do so by clicking "
                   "on\n\t         Start->Programs->Accessories->Multimedia->Volume Control\n\t    "
                   "     on the Desktop, or by double-clicking on the Speaker icon\n\t         in "
                   "the taskbar.\n\n\t 2) On the Volume Control panel, click on the menu item "
                   "Options->Properties.\n\n\t 3) On the Properties panel, click on the "
                   "\"Recording\" radio item under the\n\t         \"Adjust volume for\" group "
                   "box.\n\n\t 4) Check all the checkboxes in the listbox titled\n \t        "
                   "\"Show the following volume controls\".\n\n\t 5) Click OK on the Properties "
                   "panel.\n\n\t 6) On the Recording Control control, make sure that only\n\t      "
                   "   \"CD Audio\" is enabled.  This can be done by using the checkboxes\n\t      "
                   "   on the bottom of the panel.  CAREFUL: On some machines the checkboxes\n\t   "
                   "      SELECT the audio source, while on other machines they MUTE the audio "
                   "source.\n\n\t 7) Make sure the volume level for \"CD Audio\" is set at about "
                   "25 percent.\n\n\t 8) Close the Recording Control panel.";
        case 6:
            return "Error Code #6 - Cannot Initialize Sound Card.\nPlease close all applications "
                   "using the sound card.\nIf an application has terminated and not released the "
                   "sound card, \nyou can re-initialize the sound card by rebooting the system. "
                   "\n\nNOTE: If your system does not have a sound card, the beat "
                   "estimation\nfeature will not work for you.";
    }
    return {};
}

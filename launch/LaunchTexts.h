#pragma once
// The texts of the launch flows' message boxes, exactly as the user has always seen them
// (spelling included). Texts that name a page or a dance are put together by the flows.
#include <string_view>

namespace launch_texts {

// Starting Velorin and checking its devices.
inline constexpr std::string_view kVelorinCommandLine = "Velorin";
inline constexpr std::string_view kCdDriveBusy =
    "Could not access the CD drive. \nPlease close any applications that are currently "
    "accessing\nthe CD drive and click \"Retry\" to continue.\n";
inline constexpr std::string_view kCdDriveBusyCaption = "CD Drive Busy";
inline constexpr std::string_view kSoundCardBusy =
    "Could not access the sound card.  Please close\nany applications that are currently "
    "accessing\nthe sound card and click \"Retry\" to continue.\n\nNote: Velorin will not run "
    "without a sound card.";
inline constexpr std::string_view kSoundCardBusyCaption = "Cannot Access Sound Card";
inline constexpr std::string_view kFirstRun =
    "You are running Velorin for the first time since installation.\nVelorin will now analyze "
    "your computer for a few seconds.\n";
inline constexpr std::string_view kOptionsChanged =
    "You have changed the hardware acceleration or model resolution options.\nVelorin will now "
    "analyze your computer for a few seconds.\n\nPlease click \"OK\" to continue.";
inline constexpr std::string_view kAnalysisComplete =
    "Velorin has finished analyzing your computer.\nIf your hardware configuration changes in "
    "the future,\nplease select the \"Re-test\" option on the Options\nScreen to re-analyze your "
    "computer.\n\nPlease click \"OK\" to start playing Velorin.";
inline constexpr std::string_view kAnalysisCompleteCaption = "Analysis Complete";
inline constexpr std::string_view kCannotStartVelorin =
    "Could not start Velorin.\nPlease re-install Velorin.";
inline constexpr std::string_view kCannotStartVelorinCaption = "Cannot find Velorin";

// Hand-offs to the companion tools.
inline constexpr std::string_view kMixingToolFile = "\\Blendora Studio VL.exe";
inline constexpr std::string_view kBlendoraNotInstalled =
    "You do not have Blendora installed on your machine.";
inline constexpr std::string_view kBlendoraCannotStart =
    "Cound not locate the Blendora program.\nPlease re-install Blendora.";
inline constexpr std::string_view kBlendoraCaption = "Cannot find Blendora";
inline constexpr std::string_view kNoDanceFile = "Could not file the exported dance file.";
inline constexpr std::string_view kNoDanceFileCaption = "No Dance File Exported";
inline constexpr std::string_view kQuestionEnd = "\n\nWould you like to continue?";

// Download offers.
inline constexpr std::string_view kLaterTextStart = "You can manually connect to \"";
inline constexpr std::string_view kLaterTextMiddle = "\"\nat a later time to download the ";

// The processor upgrade offer.
inline constexpr std::string_view kUpgradePath = "/Velorin/Intel";
inline constexpr std::string_view kNoLongerLatestProcessor =
    "Velorin has detected that you no longer have\nthe latest Intel processor.\n";
inline constexpr std::string_view kNoLongerLatestProcessorCaption = "Warning";
inline constexpr std::string_view kUpgradeQuestion =
    "Velorin has detected one of Intel's latest processors.\n\nTo download Velorin enhancements "
    "and new features for this processor,\nclick \"Yes\" to continue.";
inline constexpr std::string_view kUpgradeQuestionCaption = "Intel Enhancements";
inline constexpr std::string_view kUpgradeOffline =
    "To proceed, click \"Ok\" and manually establish a connection\nto the Internet.";
inline constexpr std::string_view kUpgradeOfflineCaption = "Download Velorin Upgrade";

}  // namespace launch_texts

// Offering the download of a missing tool, with the Internet check and the waiting dialogs.
#include "launch/LaunchFlows.h"
#include "launch/LaunchTexts.h"
#include "launch/ScreenGuards.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/MessageBox.h"

namespace ui = platform::ui;
using namespace launch_texts;

namespace {

struct DownloadOffer {
    std::string_view path;  // below the maker's site
    std::string_view product;
    std::string_view onlineQuestion;
    std::string_view caption;
    std::string_view laterCaption;
    std::string_view offlineQuestion;
};

const DownloadOffer& OfferFor(DownloadTool tool) {
    static const DownloadOffer kAviMaker{
        "/Velorin/AVI",
        "Velorin AVI Maker",
        "This feature requires the Velorin AVI Maker utility.\n\nWould you like to automatically "
        "connect to the AVI Maker\nHome Page to download this utility?",
        "Download Velorin AVI Maker",
        "Download AVI Maker Later...",
        "This feature requires you to download the Velorin AVI Maker\nutility from the Velorin AVI "
        "Maker Home Page.\n\nTo proceed, click \"Ok\" and manually establish a connection\nto the "
        "Internet."};
    static const DownloadOffer kWebExporter{
        "/Velorin/Exporter",
        "Velorin Web Exporter",
        "This feature requires the Netstepper Export utility.\n\nWould you like to automatically "
        "connect to the Netstepper\nHome Page to download this utility?",
        "Download Velorin Web Exporter",
        "Download Web Exporter Later...",
        "This feature requires you to download the Netstepper Export\nutility from the Netstepper "
        "Home Page.\n\nTo proceed, click \"Ok\" and manually establish a connection\nto the "
        "Internet."};
    return tool == DownloadTool::AviMaker ? kAviMaker : kWebExporter;
}

}  // namespace

bool IsInternetReachable(platform::inet::Internet& internet, const platform::inet::Sites& sites) {
    return internet.OpenUrl(sites.maker) || internet.OpenUrl(sites.publisher);
}

bool LaunchFlows::IsOnline() {
    WaitCursor waiting;
    return IsInternetReachable(services_.internet, services_.sites);
}

std::string LaunchFlows::PageAddress(std::string_view path) const {
    return services_.sites.maker + std::string(path);
}

void LaunchFlows::OfferToolDownload(DownloadTool tool) {
    const DownloadOffer& offer = OfferFor(tool);
    std::string page = PageAddress(offer.path);
    if (!IsOnline()) {
        if (tool == DownloadTool::AviMaker) {
            WaitForConnectionAndOpen(offer.offlineQuestion, offer.caption, CWaitAviMakerDlg(page),
                                     page);
        } else {
            WaitForConnectionAndOpen(offer.offlineQuestion, offer.caption, CWaitExporterDlg(page),
                                     page);
        }
        return;
    }
    if (ui::ShowMessage(Owner(), offer.onlineQuestion, offer.caption, ui::Buttons::YesNo) ==
        ui::Answer::Yes) {
        services_.browser.OpenPage(page);
        return;
    }
    std::string later = std::string(kLaterTextStart) + page + std::string(kLaterTextMiddle) +
                        std::string(offer.product) + ".";
    ui::ShowMessage(Owner(), later, offer.laterCaption, ui::Buttons::Ok);
}

bool LaunchFlows::WaitForConnectionAndOpen(std::string_view question, std::string_view caption,
                                           const CWaitDlg& retryDialog, const std::string& page) {
    if (ui::ShowMessage(Owner(), question, caption, ui::Buttons::OkCancel) != ui::Answer::Ok) {
        return false;
    }
    if (screen_.Backdrop() == nullptr) {
        return false;
    }
    HiddenWindows hidden(screen_);
    if (CWaitConnectDlg().DoModal() == ui::kIdCancel) {
        return false;
    }
    while (!IsOnline()) {
        if (retryDialog.DoModal() == ui::kIdCancel) {
            return false;
        }
    }
    hidden.ShowAgain();
    services_.browser.OpenPage(page);
    return true;
}

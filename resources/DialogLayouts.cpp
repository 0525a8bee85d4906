#include "resources/DialogLayouts.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace resources {

namespace {

using platform::ui::ControlKind;
using platform::ui::DialogLayout;
using platform::ui::kIdCancel;
using platform::ui::kIdOk;
using platform::ui::kIdRetry;

// The waiting dialogs of the download offers; "%s" stands for the download page's address.
std::string NoConnectionText(std::string_view object) {
    return "No Internet Connection Detected.\n\nClick \"Retry\" when you are connected to the "
           "Internet,\nof click \"Cancel\" to download " +
           std::string(object) + " another time.";
}
std::string ManualConnectText(std::string_view product) {
    return "If you click \"Cancel\", you can manually connect to\n      %s\nat a later time to "
           "download the " +
           std::string(product) + ".";
}
constexpr std::string_view kWaiting = "Velorin Waiting ...";

// Where a retry dialog's parts go, in dialog units; both texts start at x 7 and are as wide as
// the dialog allows.
struct RetryGeometry {
    int width, height;
    int noConnectionHeight;
    int manualConnectY, manualConnectHeight;
    int retryX, cancelX, buttonsY;
};

// A waiting dialog that offers Retry and Cancel while the computer is still offline.
DialogLayout RetryLayout(int id, const RetryGeometry& at, std::string_view object,
                         std::string_view product) {
    constexpr int kMargin = 7;
    int textWidth = at.width - 2 * kMargin;
    return {id,
            std::string(kWaiting),
            at.width,
            at.height,
            "MS Sans Serif",
            8,
            {{ControlKind::DefaultButton, kIdRetry, "Retry", at.retryX, at.buttonsY, 50, 14},
             {ControlKind::Button, kIdCancel, "Cancel", at.cancelX, at.buttonsY, 50, 14},
             {ControlKind::Text, -1, NoConnectionText(object), kMargin, kMargin, textWidth,
              at.noConnectionHeight},
             {ControlKind::Text, -1, ManualConnectText(product), kMargin, at.manualConnectY,
              textWidth, at.manualConnectHeight}}};
}

DialogLayout ConnectLayout() {
    return {151,
            "Velorin Waiting...",
            183,
            63,
            "MS Sans Serif",
            8,
            {{ControlKind::DefaultButton, kIdOk, "OK", 29, 41, 50, 14},
             {ControlKind::Button, kIdCancel, "Cancel", 100, 41, 50, 14},
             {ControlKind::Text, -1,
              "Click \"OK\" when you are connected to the Internet,\nor \"Cancel\" to return to "
              "Velorin.",
              7, 7, 169, 27}}};
}

}  // namespace

const std::vector<DialogLayout>& DialogLayouts() {
    static const std::vector<DialogLayout> layouts = {
        {100,
         "About Launcher",
         217,
         55,
         "MS Sans Serif",
         8,
         {{ControlKind::ApplicationIcon, -1, "", 11, 17, 20, 20},
          {ControlKind::Text, -1, "Launcher Version 1.0", 40, 10, 119, 8},
          {ControlKind::Text, -1, "The front door of Velorin, the 3-D dance program.", 40, 25, 130,
           16},
          {ControlKind::DefaultButton, kIdOk, "OK", 178, 7, 32, 14}}},
        ConnectLayout(),
        RetryLayout(152, {205, 105, 36, 45, 29, 39, 110, 84}, "the exporter",
                    "Velorin Web Exporter"),
        RetryLayout(153, {194, 111, 40, 48, 34, 37, 109, 90}, "the upgrade", "Velorin upgrade"),
        RetryLayout(156, {201, 108, 36, 45, 33, 37, 115, 87}, "the AVI Maker", "Velorin AVI Maker"),
    };
    return layouts;
}

const DialogLayout& LoadDialogLayout(int id) {
    static const DialogLayout none;
    const auto& layouts = DialogLayouts();
    auto found = std::find_if(layouts.begin(), layouts.end(),
                              [id](const DialogLayout& layout) { return layout.resourceId == id; });
    return found != layouts.end() ? *found : none;
}

}  // namespace resources

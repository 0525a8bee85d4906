#include "resources/DialogLayouts.h"

#include <algorithm>
#include <vector>

namespace resources {

namespace {

using platform::ui::ControlKind;
using platform::ui::DialogLayout;
using platform::ui::kIdOk;

// One entry per dialog template, in id order.
const std::vector<DialogLayout>& Layouts() {
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
    };
    return layouts;
}

}  // namespace

const DialogLayout& LoadDialogLayout(int id) {
    static const DialogLayout none;
    const auto& layouts = Layouts();
    auto found = std::find_if(layouts.begin(), layouts.end(),
                              [id](const DialogLayout& layout) { return layout.resourceId == id; });
    return found != layouts.end() ? *found : none;
}

}  // namespace resources

#include "resources/DialogLayouts.h"

#include <algorithm>
#include <vector>

namespace resources {

namespace {

using platform::ui::DialogLayout;

// One entry per dialog template, in id order.
const std::vector<DialogLayout>& Layouts() {
    static const std::vector<DialogLayout> layouts = {};
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

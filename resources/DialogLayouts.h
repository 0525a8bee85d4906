#pragma once
// The layouts of the launcher's plain dialogs, by resource id.
#include <vector>

#include "platform/ui/Dialog.h"

namespace resources {

// The layout stored under id; an empty layout (resourceId 0) when the table has none.
const platform::ui::DialogLayout& LoadDialogLayout(int id);

// Every layout in id order, for writing them out as Windows dialog templates.
const std::vector<platform::ui::DialogLayout>& DialogLayouts();

}  // namespace resources

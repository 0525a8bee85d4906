#pragma once
// The layouts of the launcher's plain dialogs, by resource id.
#include "platform/ui/Dialog.h"

namespace resources {

// The layout stored under id; an empty layout (resourceId 0) when the table has none.
const platform::ui::DialogLayout& LoadDialogLayout(int id);

}  // namespace resources

#pragma once
// A host window as screen readers see it through Qt's accessibility (AT-SPI on Linux): the window
// as its DialogWindow describes itself, with the parts it paints as children that can be read,
// focused and pressed.
#include "platform/ui/Accessible.h"

namespace platform::ui::qt {

class QtHost;

// Makes Qt ask here for the interface of every host; installing it again changes nothing.
void InstallAccessibleFactory();
// Tells the screen readers listening of a change to the host window's item index.
void AnnounceAccessibleChange(QtHost& host, int index, AccessibleChange change);

}  // namespace platform::ui::qt

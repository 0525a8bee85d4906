#pragma once
// The three 400 by 250 launcher screens: without the options panel, with it, and with it and
// RE-TEST SYSTEM lit.
#include <QImage>

namespace art {

enum class PanelState { Hidden, Shown, RetestLit };

QImage DrawLauncherScreen(PanelState state, qreal scale);

}  // namespace art

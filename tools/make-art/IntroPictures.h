#pragma once
// The pictures around the launcher screen: the splash, the credits' background and the logo the
// credits end on.
#include <QImage>

namespace art {

QImage DrawSplash();
QImage DrawCreditsBackground();
QImage DrawLogo();

}  // namespace art

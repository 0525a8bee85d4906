#pragma once
// The pictures around the launcher screen: the splash, the credits' background and the logo the
// credits end on.
#include <QImage>

namespace art {

QImage DrawSplash(qreal scale);
QImage DrawCreditsBackground(qreal scale);
QImage DrawLogo(qreal scale);

}  // namespace art

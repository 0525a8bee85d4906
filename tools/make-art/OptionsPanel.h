#pragma once
// The options panel painted on the left half of the launcher screen: headings, the option labels
// right of the places where the program draws its marks, and the RE-TEST SYSTEM button.
#include <QPainter>

namespace art {

void DrawOptionsPanel(QPainter& painter, bool retestLit);

}  // namespace art

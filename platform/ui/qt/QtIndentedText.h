#pragma once
// Message texts lay out their steps with tabs and blanks at the start of a line. A box that is
// narrower than such a line would wrap it back to the margin; this breaks it beforehand instead,
// each continuation starting with its line's indent.
#include <QFontMetrics>
#include <QString>

namespace platform::ui::qt {

// Tabs become blanks up to the next multiple of eight characters; then every line wider than
// maxWidth pixels in the font is broken at blanks, continuations indented as their line. A single
// word wider than that stays whole.
QString WrapKeepingIndent(const QString& text, const QFontMetrics& metrics, int maxWidth);

}  // namespace platform::ui::qt

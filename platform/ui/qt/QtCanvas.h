#pragma once
// Canvas on a QPainter that the host has clipped to the region being repainted.
#include <QFont>

#include "platform/ui/Canvas.h"

class QPainter;

namespace platform::ui::qt {

class QtWindowSystem;

// The toolkit font for a requested one; faces the system lacks get a metric-compatible one.
QFont MakeFont(const FontSpec& wanted);
// The rectangle the text takes in the font: rect's top-left, its widest line, all its lines.
Rect MeasureLines(const QFont& font, std::string_view text, const Rect& rect);

class QtCanvas final : public Canvas {
  public:
    QtCanvas(QPainter& painter, Rect clipBox, QtWindowSystem& system);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    void CopyPicture(const Picture& picture, const Rect& destination, int sourceX,
                     int sourceY) override;
    void FillRect(const Rect& rect, Color color) override;
    void DrawIcon(int iconId, int x, int y) override;
    Color SetTextColor(Color color) override;
    Color SetBackgroundColor(Color color) override;
    FontSpec SelectFont(const FontSpec& font) override;
    int DrawText(std::string_view text, const Rect& rect, TextAlign align) override;
    Rect MeasureText(std::string_view text, const Rect& rect) override;
    Rect ClipBox() const override { return clipBox_; }
    int LogicalPixelsY() const override;

  private:
    QPainter& painter_;
    Rect clipBox_;
    QtWindowSystem& system_;
    Color textColor_ = kBlack;
    Color backgroundColor_ = kWhite;
    FontSpec fontSpec_;
    QFont font_;
};

}  // namespace platform::ui::qt

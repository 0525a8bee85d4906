#pragma once
// The credits roll after the launcher screen: two title cards, a list scrolling up one pixel per
// 20 ms tick through the text area, then the logo; looping music all along. A click ends it, but
// only once the list has scrolled for a while.
#include <cstdint>
#include <string_view>

#include "platform/ui/DialogWindow.h"
#include "resources/Credits.h"

class CCreditsDlg : public platform::ui::DialogWindow {
  public:
    // The phases, in order.
    static constexpr int kFirstCard = 0;
    static constexpr int kSecondCard = 1;
    static constexpr int kList = 2;
    static constexpr int kLogo = 3;

    // Where all text is drawn, in client pixels.
    static constexpr platform::ui::Rect kTextArea{150, 125, 460, 332};

    // A line's height in a font is that of this sample text as measured, plus the leading.
    static constexpr std::string_view kLineSample = "test";
    static constexpr int kLineLeading = 2;

    CCreditsDlg();
    ~CCreditsDlg() override;
    CCreditsDlg(const CCreditsDlg&) = delete;
    CCreditsDlg& operator=(const CCreditsDlg&) = delete;

    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnLButtonDown(int x, int y) override;
    void OnDestroy() override;
    void OnTimer(int id) override;
    platform::ui::AccessibleItem AccessibleWindow() const override;

    int phase() const { return m_nPhase; }
    std::int32_t scrolled() const { return m_nScrolled; }
    std::int32_t total() const { return m_nTotal; }

  private:
    void ScrollList();
    void DrawCard(platform::ui::Canvas& canvas, const resources::CreditsCard& card,
                  const platform::ui::Rect& titleBox);
    void DrawList(platform::ui::Canvas& canvas);

    const resources::CreditsContent& m_credits;
    platform::ui::FontSpec m_fontBody;
    platform::ui::FontSpec m_fontHeading;
    platform::ui::FontSpec m_fontTitle;
    unsigned m_nTimer;             // the timer's id; all ones while none runs
    std::int32_t m_nScrolled = 0;  // pixels the list has scrolled so far
    std::int32_t m_nTotal = 0;     // pixels to scroll in all, measured when the window is set up
    float m_fElapsed = 0.0F;       // seconds counted in the current phase, 0.05 per tick
    int m_nPhase = kFirstCard;
    bool m_bListDone = false;               // the list has scrolled to its end
    platform::ui::Picture m_bmpBackground;  // bitmap 148, 640 x 480
    platform::ui::Picture m_bmpLogo;        // bitmap 161, 68 x 55
    bool m_bMusicPending = true;            // the music has not been started yet
};

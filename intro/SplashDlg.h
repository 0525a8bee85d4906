#pragma once
// The splash picture in the middle of the screen, before the launcher screen: it closes itself
// after about two and a half seconds, or at once when clicked.
#include "platform/ui/DialogWindow.h"

class CSplashDlg : public platform::ui::DialogWindow {
  public:
    CSplashDlg();
    ~CSplashDlg() override;
    CSplashDlg(const CSplashDlg&) = delete;
    CSplashDlg& operator=(const CSplashDlg&) = delete;

    bool OnInitDialog() override;
    void OnPaint(platform::ui::Canvas& canvas) override;
    void OnLButtonDown(int x, int y) override;
    void OnDestroy() override;
    void OnTimer(int id) override;
    platform::ui::AccessibleItem AccessibleWindow() const override;

  private:
    platform::ui::Picture m_bmpPicture;  // bitmap 146, 400 x 250
    unsigned m_nTimer;                   // the timer's id; all ones while none runs
    float m_fElapsed = 0.0F;             // seconds counted by the timer
};

// What the credits roll draws: the background, then the phase's card, list or logo.
#include <algorithm>

#include "intro/CreditsDlg.h"

namespace {

namespace ui = platform::ui;

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr ui::Rect kFirstCardTitle{150, 165, 460, 215};
constexpr ui::Rect kSecondCardTitle{150, 175, 460, 215};
constexpr int kFirstNameOffset = 35;  // below the card title box's top
constexpr int kPairGap = 10;          // between a role line and the next name line
constexpr int kTitleExtra = 5;        // a title line's box is h + this taller
constexpr ui::Rect kLogoBox{271, 202, 271 + 68, 202 + 52};  // centred in the text area

const ui::FontSpec kCardTitleFont{"MS Sans Serif", 16, 700, true};
const ui::FontSpec kCardNameFont{"MS Sans Serif", 16, 700, false};

// The height of a line in the selected font.
int LineHeight(ui::Canvas& canvas) {
    return canvas.MeasureText(CCreditsDlg::kLineSample, CCreditsDlg::kTextArea).Height() +
           CCreditsDlg::kLineLeading;
}

// Draws one line centred across the text area from top, in font; returns the line's bottom.
int DrawCentredLine(ui::Canvas& canvas, const ui::FontSpec& font, const std::string& text,
                    int top) {
    canvas.SelectFont(font);
    const int bottom = top + LineHeight(canvas);
    const ui::Rect& area = CCreditsDlg::kTextArea;
    canvas.DrawText(text, {area.left, top, area.right, bottom}, ui::TextAlign::Center);
    return bottom;
}

}  // namespace

void CCreditsDlg::OnPaint(ui::Canvas& canvas) {
    canvas.CopyPicture(m_bmpBackground, {0, 0, kWidth, kHeight});
    const ui::Color text = canvas.SetTextColor(ui::kWhite);
    const ui::Color background = canvas.SetBackgroundColor(ui::kBlack);
    const ui::FontSpec font = canvas.SelectFont(m_fontBody);
    if (m_nPhase == kFirstCard || m_nPhase == kSecondCard) {
        const bool first = m_nPhase == kFirstCard;
        const std::size_t card = first ? 0 : 1;
        if (card < m_credits.cards.size()) {
            DrawCard(canvas, m_credits.cards[card], first ? kFirstCardTitle : kSecondCardTitle);
        }
    } else if (m_nPhase == kList) {
        DrawList(canvas);
    } else {
        canvas.CopyPicture(m_bmpLogo, kLogoBox);
    }
    canvas.SelectFont(font);
    canvas.SetBackgroundColor(background);
    canvas.SetTextColor(text);
}

void CCreditsDlg::DrawCard(ui::Canvas& canvas, const resources::CreditsCard& card,
                           const ui::Rect& titleBox) {
    canvas.SelectFont(kCardTitleFont);
    canvas.DrawText(card.title, titleBox, ui::TextAlign::Center);
    int top = titleBox.top + kFirstNameOffset;
    for (const resources::CreditsPerson& person : card.people) {
        const int nameBottom = DrawCentredLine(canvas, kCardNameFont, person.name, top);
        top = DrawCentredLine(canvas, m_fontBody, person.role, nameBottom) + kPairGap;
    }
}

void CCreditsDlg::DrawList(ui::Canvas& canvas) {
    canvas.SelectFont(m_fontBody);
    const int h = LineHeight(canvas);
    int top = kTextArea.bottom - m_nScrolled - h;
    for (const resources::CreditsRecord& record : m_credits.list) {
        const bool title = (record.flags & resources::kCreditsTitle) != 0;
        const bool heading = (record.flags & resources::kCreditsHeading) != 0;
        const ui::Rect box{kTextArea.left, top, kTextArea.right,
                           std::min(top + h + (title ? h + kTitleExtra : 0), kTextArea.bottom)};
        top += h;
        if (box.top >= kTextArea.bottom || box.bottom <= kTextArea.top || record.text.size() < 2) {
            continue;
        }
        canvas.SelectFont(title ? m_fontTitle : heading ? m_fontHeading : m_fontBody);
        const bool centred = (record.flags & resources::kCreditsCentered) != 0;
        canvas.DrawText(record.text, box, centred ? ui::TextAlign::Center : ui::TextAlign::Left);
        canvas.SelectFont(m_fontBody);
    }
}

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "platform/ui/qt/QtCanvas.h"
#include "tests/platform/ui/qt/QtTestApplication.h"

TEST(QtFonts, PositiveHeightsAreCellHeightsAndNegativeOnesCharacterHeights) {
    velorin::test::EnsureQtBackends();
    for (int cell : {10, 14, 16, 20}) {
        const QFont font = platform::ui::qt::MakeFont({"Arial", cell});
        EXPECT_NEAR(QFontMetrics(font).height(), cell, 1) << cell;
    }
    EXPECT_EQ(platform::ui::qt::MakeFont({"MS Sans Serif", -11, 700, true}).pixelSize(), 11);
    EXPECT_TRUE(platform::ui::qt::MakeFont({"MS Sans Serif", 20, 700, true}).underline());
}

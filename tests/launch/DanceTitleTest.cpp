#include <gtest/gtest.h>

#include "launch/DanceTitle.h"

TEST(DanceTitle, IsTheLastPieceWithoutFoldersOrExtension) {
    EXPECT_EQ(DanceTitle("C:\\Dances\\Salsa.one.dnc"), "Salsa");
    EXPECT_EQ(DanceTitle("Tango"), "Tango");
    EXPECT_EQ(DanceTitle("/home/me/dances/"), "dances");
    EXPECT_EQ(DanceTitle("a;b,c\td\nwaltz.dnc"), "waltz");
    EXPECT_EQ(DanceTitle("x/..hidden.dnc"), "hidden");
}

TEST(DanceTitle, FallsBackToWhatIsThereWhenNothingIsLeft) {
    EXPECT_EQ(DanceTitle("x/..."), "...");
    EXPECT_EQ(DanceTitle("//"), "//");
    EXPECT_EQ(DanceTitle(""), "");
}

#include "game/board.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace ventelle {
namespace {

struct Placed {
  int square;
  int left;
  int top;
  int tag;
};

class BoardPlacement : public ::testing::TestWithParam<Placed> {};

TEST_P(BoardPlacement, SquareStandsWhereTheBoardTableSays) {
  const Placed& p = GetParam();
  EXPECT_EQ(squareLeft(p.square), p.left);
  EXPECT_EQ(squareTop(p.square), p.top);
  EXPECT_EQ(boardSquare(p.square).tag, p.tag);
}

// Corners, turns of the track and the squares either side of the loop's seam.
INSTANTIATE_TEST_SUITE_P(Squares, BoardPlacement,
                         ::testing::Values(Placed{1, 15, 15, 1000}, Placed{9, 4215, 15, 8},
                                           Placed{14, 4740, 2115, 1000}, Placed{24, 7890, 15, 7},
                                           Placed{31, 6315, 2115, 4}, Placed{36, 7890, 3165, -1000},
                                           Placed{45, 3165, 3165, 7}, Placed{52, 1590, 1065, 6},
                                           Placed{63, 15, 3165, 2}, Placed{65, 15, 2115, -1000},
                                           Placed{68, 15, 540, 8}));

TEST(Board, EachSquareIsOneCellFromTheNextRoundTheLoop) {
  for (int n = 1; n <= kSquareCount; ++n) {
    const BoardSquare& a = boardSquare(n);
    const BoardSquare& b = boardSquare(n % kSquareCount + 1);
    EXPECT_EQ(std::abs(a.column - b.column) + std::abs(a.row - b.row), 1) << "square " << n;
  }
}

TEST(Board, SquaresOutsideTheTrackAreRefused) {
  EXPECT_THROW(boardSquare(0), std::out_of_range);
  EXPECT_THROW(boardSquare(69), std::out_of_range);
}

TEST(Board, ACategoryNeedsAsManyAnswersAsItHasSquaresUpToFour) {
  for (int k = 1; k <= kCategoryCount; ++k) {
    int squares = 0;
    for (int n = 1; n <= kSquareCount; ++n) squares += boardSquare(n).tag == k;
    EXPECT_EQ(category(k).levelsToComplete, std::min(squares, 4)) << "category " << k;
  }
}

TEST(Board, PicturesFollowTheKind) {
  EXPECT_EQ(squarePicture(0), "rejoue.gif");
  EXPECT_EQ(squarePicture(1000), "+1000.gif");
  EXPECT_EQ(squarePicture(-1000), "-1000.gif");
  EXPECT_EQ(squarePicture(2), "rfa.gif");
  EXPECT_EQ(squarePicture(6), "cerf-volant.gif");
  EXPECT_EQ(tagText(-1000), "-1000");
  EXPECT_EQ(kindOfTag(7), SquareKind::Chapter);
}

struct IconPicture {
  int category;
  int level;
  const char* picture;
};

class IconPictures : public ::testing::TestWithParam<IconPicture> {};

TEST_P(IconPictures, NameTheLevel) {
  EXPECT_EQ(iconPicture(GetParam().category, GetParam().level), GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(Icons, IconPictures,
                         ::testing::Values(IconPicture{1, 0, "-meteo.gif"}, IconPicture{1, 1, "meteo1.gif"},
                                           IconPicture{1, 3, "meteo3.gif"}, IconPicture{1, 4, "meteo.gif"},
                                           IconPicture{3, 2, "polaire2.gif"}, IconPicture{3, 4, "polaire.gif"},
                                           IconPicture{4, 1, "gps1.gif"}, IconPicture{6, 0, "-cerf-volant.gif"},
                                           IconPicture{6, 4, "cerf-volant.gif"},
                                           IconPicture{7, 2, "reglementation2.gif"}));

TEST(Panels, StandSideBySideWithTheIconsRowByRow) {
  EXPECT_EQ(panelPawn(1), (Place{645, 3900}));
  EXPECT_EQ(panelName(2), (Place{2000, 4400}));
  EXPECT_EQ(panelScore(3), (Place{5090, 4760}));
  EXPECT_EQ(panelIcon(4, 1), (Place{6730, 5200}));
  EXPECT_EQ(panelIcon(4, 3), (Place{7780, 5200}));
  EXPECT_EQ(panelIcon(1, 4), (Place{120, 5725}));
  EXPECT_EQ(panelIcon(2, 9), (Place{2930, 6250}));
  EXPECT_THROW(panelLeft(5), std::out_of_range);
}

}  // namespace
}  // namespace ventelle

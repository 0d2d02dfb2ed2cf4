#pragma once
// Where the main window's controls stand, in logical pixels: shared by the
// code that builds the window and the code that draws the model onto it.

namespace ventelle::main_window_places {

constexpr int kWidth = 612;   // 9180 twips
// High enough for every shipped question and its answers to show whole.
constexpr int kHeight = 592;
constexpr int kTwipsPerPixel = 15;
constexpr int kQuestionTop = 32;
constexpr int kAnswersTop = 172;  // the right-hand column starts level with the answers of a picture question
constexpr int kChaptersTop = kHeight - 210;
constexpr int kRightColumn = 462;
constexpr int kRightWidth = 142;

}  // namespace ventelle::main_window_places

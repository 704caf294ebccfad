#pragma once

// Where things are on the 10,000 screen, relative to the play area's top-left corner.
// The game's hit tests and the picture generator both read these tables, so a pane
// drawn on the board and the area that answers a click are the same shape.

#include <array>
#include <span>

#include "platform/geometry.h"

namespace dakto::tenthou {

// The twelve window panes as closed polygons, filled with the winding rule.
inline constexpr Point kStraightPane[] = {{151, 38},  {151, 38},  {245, 38},  {245, 46},  {244, 47},  {244, 56},
                                          {243, 56},  {243, 60},  {242, 60},  {242, 62},  {241, 62},  {241, 65},
                                          {240, 66},  {239, 68},  {238, 71},  {231, 78},  {229, 79},  {228, 80},
                                          {226, 81},  {219, 82},  {210, 83},  {165, 83},  {153, 82},  {152, 76}};
inline constexpr Point kPane3Pairs[] = {{253, 38}, {253, 38}, {345, 38}, {345, 43}, {344, 50}, {343, 54}, {342, 57},
                                        {341, 60}, {339, 64}, {338, 66}, {337, 69}, {336, 70}, {332, 75}, {329, 77},
                                        {304, 77}, {293, 77}, {282, 75}, {272, 74}, {266, 74}, {258, 76}, {249, 80},
                                        {244, 82}, {240, 82}, {246, 74}, {249, 67}, {251, 51}, {253, 50}};
inline constexpr Point kPane111[] = {{353, 38}, {353, 38}, {423, 38}, {424, 62}, {425, 74}, {414, 71}, {394, 68},
                                     {374, 68}, {339, 77}, {339, 76}, {343, 70}, {348, 58}, {351, 48}};
inline constexpr Point kPane666[] = {{431, 38}, {431, 38}, {494, 38}, {492, 82}, {476, 81},
                                     {462, 80}, {451, 79}, {439, 78}, {433, 76}};
inline constexpr Point kPane555[] = {{153, 89},  {153, 89},  {161, 90},  {171, 91},  {188, 92},  {201, 91},
                                     {210, 90},  {224, 89},  {228, 90},  {229, 94},  {230, 102}, {230, 125},
                                     {229, 127}, {224, 127}, {215, 126}, {208, 125}, {197, 124}, {186, 125},
                                     {181, 126}, {172, 129}, {164, 132}, {154, 138}, {153, 119}};
inline constexpr Point kPane444[] = {{237, 90},  {244, 90},  {260, 82},  {274, 82},  {283, 83},  {291, 84},
                                     {296, 85},  {312, 86},  {316, 99},  {316, 109}, {309, 119}, {297, 122},
                                     {282, 124}, {269, 125}, {245, 126}, {238, 126}};
inline constexpr Point kPane333[] = {{320, 85},  {334, 84},  {378, 75},  {389, 75},  {396, 76}, {400, 113},
                                     {391, 118}, {371, 118}, {358, 115}, {322, 112}, {320, 100}};
inline constexpr Point kPane222[] = {{402, 77},  {427, 80},  {432, 84},  {439, 86},  {450, 87},  {460, 88},
                                     {492, 89},  {491, 126}, {451, 114}, {408, 115}, {407, 103}, {404, 87}};
inline constexpr Point kPane1[] = {{155, 144}, {185, 132}, {206, 132}, {211, 133}, {211, 155}, {206, 175}, {155, 175}};
inline constexpr Point kPane5[] = {{218, 134}, {280, 130}, {285, 150}, {280, 175}, {211, 175}, {217, 153}};
inline constexpr Point kRollPane[] = {{287, 129}, {304, 126}, {316, 123}, {319, 122}, {320, 120},
                                      {338, 120}, {372, 125}, {372, 126}, {389, 126}, {402, 122},
                                      {407, 122}, {402, 150}, {406, 175}, {286, 175}, {290, 150}};
inline constexpr Point kPassPane[] = {{412, 121}, {450, 120}, {490, 132}, {489, 175},
                                      {412, 176}, {409, 160}, {409, 141}};

struct PaneOutline {
  int region;  // index in the window's pane regions, 10 to 21
  int pane;    // the pane's number in the rules, 15 to 27
  const char* label;
  std::span<const Point> points;
};

// In region order, which is also the order in which clicks are tested.
inline constexpr std::array<PaneOutline, 12> kPaneOutlines = {{
    {10, 15, "Straight", kStraightPane},
    {11, 16, "3 Pairs", kPane3Pairs},
    {12, 17, "111", kPane111},
    {13, 18, "666", kPane666},
    {14, 19, "555", kPane555},
    {15, 20, "444", kPane444},
    {16, 21, "333", kPane333},
    {17, 22, "222", kPane222},
    {18, 23, "1", kPane1},
    {19, 24, "5", kPane5},
    {20, 26, "Roll", kRollPane},
    {21, 27, "Pass", kPassPane},
}};

}  // namespace dakto::tenthou

#include <gtest/gtest.h>

#include "core/colour_description.h"

namespace selvaris {
namespace {

TEST(ColourDescription, EachColourOfTheGridsHasItsWords) {
    const std::pair<Colour, const char*> cases[] = {
        {kRed, "非ゼロ"},        {kBlue, "ゼロ"},           {kGreen, "選択中"},         {kLightGrey, "使わない"},
        {kTeal, "ゲートでゼロ"}, {kDarkRed, "ゲートで非ゼロ"}, {kWhite, ""}, {Rgb(255, 0, 1), ""},
    };
    for (const auto& [colour, words] : cases) EXPECT_EQ(ColourDescription(colour), words) << colour;
}

}  // namespace
}  // namespace selvaris

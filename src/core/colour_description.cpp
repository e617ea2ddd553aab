#include "core/colour_description.h"

namespace selvaris {

namespace {

struct ColourWords {
    Colour colour;
    const char* words;
};

constexpr ColourWords kColourWords[] = {
    {kRed, "非ゼロ"},
    {kBlue, "ゼロ"},
    {kGreen, "選択中"},
    {kLightGrey, "使わない"},
    {kTeal, "ゲートでゼロ"},
    {kDarkRed, "ゲートで非ゼロ"},
};

}  // namespace

std::string ColourDescription(Colour colour) {
    for (const ColourWords& entry : kColourWords)
        if (entry.colour == colour) return entry.words;
    return "";
}

}  // namespace selvaris

#pragma once

#include <QSize>
#include <vector>

namespace selvaris::ui {

// The uniform scale of every window: pixels per twip times 15 (1.0 is 96 dpi).
// One scale for the whole run, chosen at start-up from the screen.
inline constexpr double kSupportedUiScales[] = {1.5, 1.25, 1.0};  // largest first

// Room a desktop's window frame and title bar take around a client area, in pixels.
inline constexpr int kFrameAllowanceWidth = 16;
inline constexpr int kFrameAllowanceHeight = 40;

double UiScale();
void SetUiScale(double scale);

// The largest supported scale at which every window (client size in twips,
// plus the frame allowance) fits the available screen area; 1.0 when none does.
double ChooseUiScale(const std::vector<QSize>& clientSizesTwips, QSize availablePixels);

// The client sizes, in twips, of every window the program can show.
std::vector<QSize> ProgramWindowSizes();

// Chooses the scale for the primary screen's available area and applies it;
// call before any window is built.
void ApplyUiScaleForPrimaryScreen();

}  // namespace selvaris::ui

#pragma once

#include <QSize>
#include <optional>
#include <vector>

namespace selvaris::ui {

// The uniform scale of every window: pixels per twip times 15 (1.0 is 96 dpi).
// One scale for the whole run, chosen at start-up from the screen; the main
// window's size then moves it, within what the screen can hold.
inline constexpr double kSupportedUiScales[] = {1.5, 1.25, 1.0};  // largest first

// Room a desktop's window frame and title bar take around a client area, in pixels.
inline constexpr int kFrameAllowanceWidth = 16;
inline constexpr int kFrameAllowanceHeight = 40;

double UiScale();
void SetUiScale(double scale);

// The largest supported scale at which every window (client size in twips,
// plus the frame allowance) fits the available screen area; 1.0 when none does.
double ChooseUiScale(const std::vector<QSize>& clientSizesTwips, QSize availablePixels);

// The largest scale, not only a supported one, at which every window fits the
// available area; below the smallest supported scale when even that does not fit.
double LargestFittingScale(const std::vector<QSize>& clientSizesTwips, QSize availablePixels);

// The scale at which a window of clientTwips fills sizePixels without spilling
// over in either direction, kept between the smallest supported scale and the
// largest one at which every window of the program fits the screen.
double ScaleFollowingWindow(QSize sizePixels, QSize clientTwips, QSize availablePixels);

// The area windows may use: the primary screen's, or the one set here for a
// screen of another size (nothing: the primary screen's again).
QSize AvailableScreenArea();
void UseScreenArea(std::optional<QSize> area);

// The client sizes, in twips, of every window the program can show.
std::vector<QSize> ProgramWindowSizes();

// Chooses the scale for the primary screen's available area and applies it;
// call before any window is built.
void ApplyUiScaleForPrimaryScreen();

}  // namespace selvaris::ui

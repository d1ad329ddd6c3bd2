#pragma once

#include <optional>

// Where the picture panel puts a drawing: a landscape (or square) picture at least as wide as
// the box, or a portrait one at least as high, is scaled down to the box keeping its
// proportions; any other keeps its own size; then it is centred in the box, except that a
// scaled-down landscape picture stands at left 100. All in twips, single precision on purpose.
struct PictureFit
{
    float left;
    float top;
    float width;
    float height;
};

// The box inside the panel "Рисунок", in twips.
namespace PictureBoxArea {
inline constexpr float Left = 150;
inline constexpr float Top = 300;
inline constexpr float Width = 1935;
inline constexpr float Height = 1815;
inline constexpr float ScaledLandscapeLeft = 100;
} // namespace PictureBoxArea

// From the picture's own size in twips. Nothing when the picture cannot be placed: a side
// beyond 32767 twips (the size is read as a 16-bit integer) or a side of 0.
std::optional<PictureFit> FitPicture(float ownWidth, float ownHeight);

// A picture's own size in twips from its pixels, at 96 dpi.
float PixelsToTwips(int pixels);

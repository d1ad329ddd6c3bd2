#include "catalogue/picturefit.h"

#include <cmath>
#include "ui/twips.h"

#include <cstdint>

namespace {

// Rounds to the nearest 16-bit integer, halves to even; nothing when it does not fit.
std::optional<int16_t> toInt16(float value)
{
    const float rounded = std::nearbyint(value); // the default rounding mode: halves to even
    if (!(rounded >= -32768.0f && rounded <= 32767.0f))
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

PictureFit centred(float width, float height)
{
    using namespace PictureBoxArea;
    return {(Width - width) / 2 + Left, (Height - height) / 2 + Top, width, height};
}

} // namespace

std::optional<PictureFit> FitPicture(float ownWidth, float ownHeight)
{
    using namespace PictureBoxArea;
    const auto w = toInt16(ownWidth);
    const auto h = toInt16(ownHeight);
    if (!w || !h || *w <= 0 || *h <= 0)
        return std::nullopt;

    if (*w >= *h) {
        const float ratio = float(*w) / float(*h);
        // The tests use the unrounded size.
        if (ownWidth >= Width) {
            const float height = Width / ratio;
            return PictureFit{ScaledLandscapeLeft, (Height - height) / 2 + Top, Width, height};
        }
        return centred(ownWidth, ownHeight);
    }
    const float ratio = float(*h) / float(*w);
    if (ownHeight >= Height) {
        const float width = Height / ratio;
        return PictureFit{(Width - width) / 2 + Left, Top, width, Height};
    }
    return centred(ownWidth, ownHeight);
}

float PixelsToTwips(int pixels)
{
    return float(pixels) * float(Twips::PerPixel);
}

#include "ui/control_table.h"

#include <algorithm>
#include <cmath>

namespace hobwatch {
namespace {

constexpr double kTwipsPerInch = 1440.0;

bool Covers(const ControlRow& back, const ControlRow& front) {
    return back.Container == front.Container && back.Left <= front.Left && back.Top <= front.Top &&
           back.Left + back.Width >= front.Left + front.Width &&
           back.Top + back.Height >= front.Top + front.Height;
}

}  // namespace

int TwipsToPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

std::optional<Colour> BackColourBehind(const ControlRow& row) {
    const auto named = [&row](const ControlRow& other) { return other.Name == row.Name; };
    const auto* back = std::find_if(kControls.begin(), kControls.end(), named);
    if (back == kControls.end()) {
        return std::nullopt;
    }
    for (++back; back != kControls.end(); ++back) {
        if (back->Extra.BackColour && Covers(*back, row)) {
            return back->Extra.BackColour;
        }
    }
    return std::nullopt;
}

}  // namespace hobwatch

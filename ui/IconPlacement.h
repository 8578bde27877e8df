// Where a minimised window draws its icon: centred, with an odd spare pixel
// going to the left (or top) margin. Signed, so an icon wider than the
// client area starts left of it; division truncates toward zero.
#pragma once

constexpr int CenteredIconOffset(int clientExtent, int iconExtent)
{
    return (clientExtent - iconExtent + 1) / 2;
}

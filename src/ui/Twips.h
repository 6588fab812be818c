#pragma once

// Window sizes of the game are given in twips: 15 twips to a logical pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips)
{
    return twips / kTwipsPerPixel;
}
constexpr int Twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

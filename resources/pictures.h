#pragma once

// A picture as the window shows it: 0xAARRGGBB words, alpha premultiplied, rows top to bottom.
struct Pixels
{
    int width;
    int height;
    bool opaque;
    const unsigned int *words;
};

// Decoded from the stored pictures when the program is built, so that showing them costs
// neither an image decoder nor its plugins.
namespace pictures {
extern const Pixels image1;
extern const Pixels image2;
extern const Pixels icon;
// The pictures scaled, as a stretching QLabel scales them, to their places at one device pixel
// a pixel: what the window draws on such a screen.
extern const Pixels image1Placed;
extern const Pixels image2Placed;

// The picture Fusion draws group-box borders from, as the Qt the program was built with has
// it, and the size and time of that file, to tell whether the Qt it runs with has the same.
constexpr char kFusionFrameBorderFile[] = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
extern const Pixels fusionFrameBorder;
extern const long long fusionFrameBorderSize;
extern const long long fusionFrameBorderTime;
} // namespace pictures

// The places of the pictures in the window, at 15 twips a pixel.
constexpr int kPlaceWidth = 4125 / 15;
constexpr int kImage1PlaceHeight = 1815 / 15;
constexpr int kImage2PlaceHeight = 1935 / 15;

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
} // namespace pictures

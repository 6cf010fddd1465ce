#pragma once

struct FontFile
{
    const unsigned char *bytes;
    unsigned int size;
};

// The glyphs of the captions, cut at build time from Liberation Sans (Latin) and Amiri
// (Arabic), under names of their own.
namespace caption_faces {
extern const FontFile latinRegular;
extern const FontFile latinBold;
extern const FontFile arabicRegular;
extern const FontFile arabicBold;
} // namespace caption_faces

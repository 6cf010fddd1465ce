#pragma once

struct FontFile
{
    const unsigned char *bytes;
    unsigned int size;
};

// The glyphs of the captions' Arabic letters, cut from Amiri at build time.
namespace caption_faces {
extern const FontFile regular;
extern const FontFile bold;
} // namespace caption_faces

#pragma once

// The program's icon, rendered from its SVG at build time: premultiplied ARGB pixels, one
// square rendition per size.
struct IconPixels {
    int size;
    const unsigned int* argb;
};

extern const IconPixels iconPixels[];
extern const int iconPixelsCount;

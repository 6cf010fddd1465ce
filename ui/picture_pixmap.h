#pragma once

#include <QPixmap>

struct Pixels;

// A pixmap of pixels made at build time: nothing to decode, no image plugin to load.
QPixmap pixmapOf(const Pixels &pixels);

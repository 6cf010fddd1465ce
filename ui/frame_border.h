#pragma once

// Reads the picture Fusion draws group-box borders from into the pixmap cache, before any
// border is drawn, without the image plugins the style's own read would load.
void cacheFusionFrameBorder();

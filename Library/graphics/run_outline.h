#pragma once
// The outline blit of run-length rows (16-bit images and 8-bit animation frames alike).

#include "Library/graphics/pixel_surface.h"

// A one-pixel silhouette around the runs of rows placed at (x, y), in the screen's drawing
// colour, within g_clipRect: for every run the pixels just left and right of it and the
// stretches of the rows above and below that no run of theirs covers. The rows must have
// passed ValidateRows.
template <class Word>
void DrawRunOutline(const PixelSurface& surface, const Word* data, int width, int height, int x,
                    int y);

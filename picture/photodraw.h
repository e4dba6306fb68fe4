// Drawing a photo into a picture box, stretched to its whole interior: the game window's sample
// and the photo selection window's preview.
#pragma once

#include "common/controls.h"
#include "picture/photo.h"

namespace tessel {

// The whole photo smooth-stretched over the box's interior at device pixels, its proportions
// not kept; no photo leaves the box showing only its background.
void drawStretchedPhoto(PictureBox& box, const Photo& photo);

} // namespace tessel

// The photo selection window opening a folder of 100,000 pictures.
#pragma once

#include "measure.h"

namespace bench {

// Fills the section: the window's folder change, the listing rules alone and the floor (the
// folder's names read with nothing else). `scratch` is a folder the bench may fill.
void folderListing(Table& table, const QString& scratch);

} // namespace bench

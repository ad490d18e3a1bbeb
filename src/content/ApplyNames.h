// Putting a renamed catalogue in force in the document.
#pragma once

#include "data/Catalogue.h"

namespace tessary {

class DeedDocument;
class ProfileFile;

// Replaces the catalogue of `doc` with `renamed`: the tree selection, which points into the
// catalogue, is found again by key; every deed's image and swatch are taken from the new numbers;
// the lists are told to rebuild. Then the catalogue is written to the settings section
// "ConstantValues". False when writing failed (the names are in force for this run all the same).
bool applyRenamedCatalogue(DeedDocument& doc, Catalogue renamed, ProfileFile& settings);

} // namespace tessary

#pragma once
#include <ostream>
#include <span>
#include <string>

#include "library/Archive.h"

// hm-contact: contact sheets of the game's models, drawn by a small software rasteriser from the
// archive through the game's own model and image loaders.
//
//   hm-contact [--cell=PIXELS] models ARCHIVE OUT.png NAME|INDEX...
//       one cell per model in argument order, each framed on its bounds from the front-left,
//       above; up to six cells a row
//   hm-contact [--cell=PIXELS] rig ARCHIVE OUT.png gt|gt-held|fish MOTION FRAME|MOTION:FRAME...
//       one column per frame: the body posed by MOTION (or by the motion before the colon) with
//       its clock at the frame, seen from the front-left above and, in the second row, from its
//       side
// Cells are 256 pixels square unless --cell asks for another even size from 32 to 2048.
enum ContactExit : int {
    kContactOk = 0,
    kContactBadData = 1,  // an unreadable archive, a model the game would not load (its cell is
                          // drawn in a warning colour), or a picture that could not be written
    kContactUsage = 2,    // wrong arguments, or a row that is not a model of the catalogue
};

// Runs hm-contact on its arguments (without the program's name) against `catalogue`. Names the
// picture written on `out`; every complaint is one line on `err`.
int RunContact(std::span<const std::string> args, std::span<const AssetEntry> catalogue,
               std::ostream& out, std::ostream& err);

#pragma once

#include <QFont>

#include "record/window_layout.h"

namespace korvelin {

// The faces the layout names are those of another system: "宋体" is a Song (serif) face in the
// Chinese character set, "MS Sans Serif" and "Microsoft Sans Serif" are sans faces. Where the
// machine has no face of that name, Qt substitutes an installed Simplified Chinese Song face for
// the first, and for the others a sans face followed by a Chinese sans face for the ideographs
// it lacks. The sans face is one made to Arial's metrics when there is one (Liberation Sans,
// Arimo), else the system's: the captions were fitted to those narrow faces, and in a wider one
// such as DejaVu Sans "md1" and its neighbours no longer fit their labels.
// Call once, before the first window is built.
void installFontSubstitutions();

// The font of a code of the layout tables, under its own face name.
QFont layoutFont(layout::Font code);

}  // namespace korvelin

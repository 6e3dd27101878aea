// Colours shared by the program's own pictures, so the button faces and the
// panel painted behind them match.
#pragma once

#include "draw.h"

namespace gen {

inline const Colour PanelColour = hex(0x3b2f45);
inline const Colour ButtonColour = hex(0x3a78c8);
inline const Font LabelFont{"DejaVu Sans", true, false};
inline const Font TitleFont{"URW Bookman", true, true};

}  // namespace gen

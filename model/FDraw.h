#pragma once
// Drawing scratch blocks that the XSL-FO and MathML nodes carry; kept zero and never read.

#include <vector>

struct CFDraw {
  int m_anDraw[8] = {};
};

// A drawing block with five more ints (inline runs, MathML tokens and enclosures).
struct FDRAW_EXT {
  CFDraw draw;
  int anExtra[5] = {};
};

// A drawing block with four more ints (block lines).
struct FDRAW_LINE {
  CFDraw draw;
  int anExtra[4] = {};
};

using FDrawExtArray = std::vector<FDRAW_EXT>;
using FDrawLineArray = std::vector<FDRAW_LINE>;

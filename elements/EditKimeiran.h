#pragma once
// The name field: the box at the top of a sheet page for class, number, name and score. The
// sheet root keeps one as a template and one copy per page that carries it.

#include "model/EditSentence.h"

class CEditKimeiran : public CEditSentence {
  DECLARE_SERIAL(CEditKimeiran)

 public:
  CEditKimeiran();

  // Appends the default one-row table of three cells and two line ends, the blank runs sized
  // for the current writing direction; the field is left as it was when a node cannot be made.
  void BuildDefaultNameField();
};

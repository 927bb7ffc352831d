#pragma once
// An in-text answer of text: the answer to a blank written into the running text, drawn in red
// on one line, shown or hidden for the whole sheet at once.

#include "elements/InTextAnswer.h"

class CEditCyukai : public CInTextAnswer<CEditContainer> {
  DECLARE_SERIAL(CEditCyukai)

 public:
  CEditCyukai();

  // The closing line end of a new answer; the answer takes the default font of the writing
  // direction.
  void AppendLineEnd();
};

#pragma once
// A text box: a sentence directly under the sheet root that belongs to no question.

#include "model/EditSentence.h"

class CEditGai : public CEditSentence {
  DECLARE_SERIAL(CEditGai)

 public:
  CEditGai();

  // The closing line end that every sentence needs.
  void AppendLineEnd();
};

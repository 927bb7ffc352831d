#pragma once
// The major question number shown at the start of a question sentence.

#include "elements/EditQuestionNumber.h"

class CEditDmonno : public CEditQuestionNumber {
  DECLARE_SERIAL(CEditDmonno)

 public:
  explicit CEditDmonno(int nFormat = 0);
};

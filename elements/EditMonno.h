#pragma once
// The minor question number shown at the start of a question sentence.

#include "elements/EditQuestionNumber.h"

class CEditMonno : public CEditQuestionNumber {
  DECLARE_SERIAL(CEditMonno)

 public:
  explicit CEditMonno(int nFormat = 0);
};

#pragma once
// What a question part asks of the sheet root it stands under: the answer layout, and the
// parts that belong to the same question. The sheet root implements it.

#include <vector>

class CEditSentence;

class CQuestionSheet {
 public:
  virtual ~CQuestionSheet() = default;

  // 0 to 3; in 0 every question is followed by its other parts, without page breaks.
  virtual int GetFieldSequence() const = 0;
  // Empties the list, then adds every part with the sentence's major and minor numbers, in
  // order; returns their number.
  virtual int GetQuestionParts(CEditSentence* pSentence, std::vector<CEditSentence*>& parts) = 0;
};

#pragma once
// The root of a single formula drawn outside the sheet: the formula object and a line end.

#include "math/EditMathContainer.h"

class CDomNode;

class CEditEditMath : public CEditMathContainer {
  DECLARE_SERIAL(CEditEditMath)

 public:
  CEditEditMath();
  ~CEditEditMath() override;

  // Appends an empty formula and a line end; quietly stops on failure.
  void InitContent();
  // TRUE without a formula or when the formula holds only its slot end.
  BOOL IsEmpty() const;
  void Clear();
  // Replaces the content with the formula of a MathML "math" element; anything else, or a
  // failure, leaves the content as it was.
  BOOL ImportMathML(const CDomNode& node);

  CEditNode* GetFirstCaretChild() override;
  CEditNode* GetLastCaretChild() override;
  // The children first; beside them, the first or the last caret position.
  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;

 private:
  template <class Ask>
  CEditNode* FromFormula(Ask ask);
};

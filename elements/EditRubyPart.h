#pragma once
// What the base and the reading of a ruby share: a container measured at its own width when it
// has one, with the ascent of its first line, and hits that reach a little before its lines.

#include "model/EditContainer.h"

class CEditRubyPart : public CEditContainer {
 public:
  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

 protected:
  // Not caret stops themselves; their characters are.
  explicit CEditRubyPart(DWORD nType);

 private:
  CEditNode* HitBesideOwnLines(int x, int y, int* pAfter) const;
};

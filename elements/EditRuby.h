#pragma once
// Ruby: a reading set over a run of base text. Child 0 is the base, child 1 the reading; the
// ruby takes the base's width and stands the reading above it, so that the reading lies beyond
// the line's ascent. Anything with fewer than two children is an empty ruby.

#include "model/EditContainer.h"

class CEditRubyBase;
class CFoInline;

class CEditRuby : public CEditContainer {
  DECLARE_SERIAL(CEditRuby)

 public:
  CEditRuby();

  // Child 0 when the ruby has both children, else null.
  CEditRubyBase* GetBase() const;

  // The border and numbered-underline groups travel with the fo:inline element.
  void CopyFromFoInline(const CFoInline* pInline);
  void CopyToFoInline(CFoInline* pInline) const;

  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  // The caret enters a ruby in its base.
  CEditNode* GetFirstCaretChild() override;

 private:
  struct PARTS {
    CEditNode* base;
    CEditNode* reading;
  };
  // Both null unless the ruby is complete.
  PARTS Parts() const;
  int ReadingX(const PARTS& parts, int x) const;
};

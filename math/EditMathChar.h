#pragma once
// One character inside a formula: math font, operator spacing and italic correction.

#include "model/EditChar.h"

class CMathMLToken;

class CEditMathChar : public CEditChar {
  DECLARE_SERIAL(CEditMathChar)

 public:
  CEditMathChar();
  explicit CEditMathChar(char16_t ch);
  explicit CEditMathChar(const CStringW& text);
  ~CEditMathChar() override;

  void Serialize(CArchive& ar) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

  // Back to an empty character in the default math font.
  void ResetMathChar();
  // The token's formatting groups (and an operator's stretchy flag) into the character.
  void ReadTokenAttributes(const CMathMLToken* pToken);
  void WriteTokenAttributes(CMathMLToken* pToken);
  // Whether the text holds one of the ASCII operators that get a millimetre of room.
  BOOL HasSpacedOperator() const;

  int m_bStretchy = 0;

 protected:
  explicit CEditMathChar(DWORD nType);

 private:
  void MeasureOverhangs(CDC* pDC);
};

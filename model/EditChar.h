#pragma once
// A leaf that carries text: one character (occasionally a short string) with its font.

#include "model/EditNode.h"

class CFont;
class CFoNode;

// A metafile context, standard or enhanced, or its file: it answers no metrics.
BOOL IsMetafileType(DWORD type);

class CEditChar : public CEditNode {
  DECLARE_SERIAL(CEditChar)

 public:
  CEditChar();
  explicit CEditChar(char16_t ch);
  explicit CEditChar(const CStringW& text);
  ~CEditChar() override;

  void Serialize(CArchive& ar) override;

  void Init();
  // An empty text resets the character.
  void SetText(const CStringW& text);
  void SetText(const char16_t* psz);
  void SetChar(char16_t ch);
  void Copy(const CEditChar& other);
  void CopyProperties(const CEditNode& other);
  void CopyPropsFromFo(const CFoNode* pFo);
  void CopyPropsToFo(CFoNode* pFo);

  BOOL IsSameFormat(const CEditNode& other) const;
  BOOL IsSameFont(const CEditNode& other) const;

  void GetMeasureLogFont(LOGFONTA* out) const;
  CFont* CreateMeasureFont() const;
  void GetDrawLogFont(LOGFONTA* out, BOOL bVertical) const;
  CFont* CreateDrawFont(const CCoordMapper* pMapper) const;

  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;

  // 2 once the character has text: a hit in its right half then places the caret after it.
  int m_nHitSide = 0;

 protected:
  // For the classes that derive from a character with their own type word.
  explicit CEditChar(DWORD nType);
  // Outputs text at a layout point: wide, or through CP932 without g_bUnicodeText.
  void OutputText(CDC* pDC, CCoordMapper* pMapper, const CStringW& text, POINT pt) const;
  // The node's text at a layout point in its colour; red inside an in-text answer when wide.
  void OutputOwnText(CDC* pDC, CCoordMapper* pMapper, POINT pt) const;
  // Without a shared font in the record, creates the draw font and selects it; answers the
  // created font (the caller deletes it after re-selecting *ppOld).
  CFont* SelectDrawFont(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam,
                        CFont** ppOld) const;

 private:
  void MeasureText(CDC* pDC, CFont* pFont, const EDIT_LAYOUT_PARAM* pParam);
  BOOL IsInsideAnnotation() const;
};

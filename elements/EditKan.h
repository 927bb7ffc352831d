#pragma once
// A kanbun block: one kanji with its reading marks as a fixed set of part boxes (brackets,
// kanji, right and left kana, punctuation, kaeriten), laid out on a grid derived from the
// kanji's own size. In hyphen mode the punctuation and closing bracket are gone and the block
// draws the hyphen that joins it to the next block.

#include "elements/EditKanChar.h"
#include "model/EditContainer.h"

class CEditCaret;
class CEditKunten;
class CEditOkurigana;

class CEditKan : public CEditContainer {
  DECLARE_SERIAL(CEditKan)

 public:
  enum Part { OpenBracket, Kanji, RightKana, LeftKana, Punctuation, Kaeriten, CloseBracket };

  CEditKan();

  // The parts with their line ends, all former children deleted; m_bHyphen is the caller's.
  void CreateEmptyParts(BOOL bHyphen);
  void CreatePartsFromChar(const CEditChar* pChar, BOOL bHyphen);
  void CreatePartsFromText(const CStringW& text, BOOL bHyphen, const LOGFONTA* pFont);
  // Sizes every mark from the kanji.
  void UpdatePartFonts(CUndoGroup* pUndo);
  void SetHyphen(BOOL bHyphen, CEditCaret* pCaret, CUndoGroup* pUndo);
  // Locked, nothing inside the block takes the caret; unlocked, the marks can be edited.
  void LockParts(BOOL bLock);

  // Null when the block lacks the part (hyphen mode, or a damaged record).
  CEditKunten* GetOpenBracketBox() const;
  CEditKunten* GetKanjiBox() const;
  CEditOkurigana* GetRightKanaBox() const;
  CEditOkurigana* GetLeftKanaBox() const;
  CEditKunten* GetPunctuationBox() const;
  CEditKunten* GetKaeritenBox() const;
  CEditKunten* GetCloseBracketBox() const;

  // FALSE and out unchanged without the box; else the box's text up to its line end, and
  // whether any of it is in the gaiji face.
  BOOL GetOpenBracketText(CStringW& out) const;
  BOOL GetCloseBracketText(CStringW& out) const;
  BOOL GetPunctuationText(CStringW& out) const;
  BOOL GetKaeritenText(CStringW& out) const;
  // Rebuild the box with one character per unit of the text, in the format of its first child.
  void SetOpenBracketText(const CStringW& text, const LOGFONTA* pFont);
  void SetCloseBracketText(const CStringW& text, const LOGFONTA* pFont);
  void SetPunctuationText(const CStringW& text, const LOGFONTA* pFont);
  void SetKaeritenText(const CStringW& text, const LOGFONTA* pFont);

  void Serialize(CArchive& ar) override;
  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  CEditNode* GetFirstCaretChild() override;

  int m_bHyphen = 0;
  CEditKanChar m_HyphenMark;  // owned, never a child

 private:
  CEditKunten* KuntenAt(int index) const;
  CEditOkurigana* OkuriganaAt(int index) const;
  // The first character of the kanji box, whose font sizes every mark.
  CEditNode* KanjiChar() const;
  void AppendParts(CEditKanChar* pKanji, BOOL bHyphen);
  void RebuildMarkBox(CEditKunten* pBox, const CStringW& text, const LOGFONTA* pFont);
  void SizePunctuation(CEditKunten& box, const LOGFONTA& kanji);
  void SwitchHyphenOn(CEditCaret* pCaret, CUndoGroup* pUndo);
  void SwitchHyphenOff(CEditCaret* pCaret, CUndoGroup* pUndo);

  void PlaceParts(int x, int top, int bVertical);
  void DrawHyphen(CDC* pDC, CCoordMapper* pMapper);
  void DrawRunLabel(CDC* pDC, CCoordMapper* pMapper);
  CEditNode* NodeBesideLines(int x, int y, int* pAfter) const;
};

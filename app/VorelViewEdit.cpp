#include "app/ScreenInkRecord.h"
#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "elements/OperatorChars.h"
#include "model/DefaultFonts.h"
#include "model/EditNode.h"
#include "model/FontList.h"
#include "model/NodeTypes.h"
#include "model/UndoGroup.h"
#include "platform/AnsiCodePage.h"
#include "platform/Utf16.h"

namespace {

bool IsControl(char32_t c) { return c < 0x20 || c == 0x7F; }

// Puts the caret's font back when it goes out of scope, also after a failure.
class CKeepFont {
 public:
  explicit CKeepFont(LOGFONTA& lf) : m_lf(lf), m_saved(lf) {}
  ~CKeepFont() { m_lf = m_saved; }
  CKeepFont(const CKeepFont&) = delete;
  CKeepFont& operator=(const CKeepFont&) = delete;

 private:
  LOGFONTA& m_lf;
  LOGFONTA m_saved;
};

struct INPUT_FONT {
  LOGFONTA lf;
  int bItalic;
};

INPUT_FONT TextFont(char16_t c, BOOL bVertical) {
  INPUT_FONT font{};
  if (c >= 0x80) {
    GetDefaultFont(&font.lf, bVertical);
    font.bItalic = GetDefaultItalic(bVertical);
  } else if (c >= u'0' && c <= u'9') {
    GetNumericFont(&font.lf, bVertical);
    font.bItalic = GetNumericItalic(bVertical);
  } else {
    GetHankakuFont(&font.lf, bVertical);
    font.bItalic = GetHankakuItalic(bVertical);
  }
  return font;
}

INPUT_FONT MathOperatorFont() {
  INPUT_FONT font{};
  GetMathOperatorFont(&font.lf);
  font.bItalic = GetMathOperatorItalic();
  return font;
}

INPUT_FONT MathFont(const CStringW& text) {
  INPUT_FONT font{};
  if (text.IsLetterOrPrime()) {
    GetMathFont(&font.lf);
    font.bItalic = GetMathItalic();
  } else {
    GetMathNumericFont(&font.lf);
    font.bItalic = GetMathNumericItalic();
  }
  return font;
}

}  // namespace

// The face of the new character comes from the default formats; its size and weight stay the
// caret's. In a formula + - < = > become their full-width operators, which take the operator
// face; the answer says whether the character is such an operator.
BOOL CVorelView::ChooseInputFont(CStringW& text, CEditNode* pParent) {
  const char16_t c = text.GetLength() > 0 ? text[0] : 0;
  const bool bFormula = pParent && (pParent->m_nType & NT_MATH);
  INPUT_FONT font{};
  if (!bFormula) {
    font = TextFont(c, m_mapper.m_bVertical);
  } else if (c >= 0x80) {
    font = MathOperatorFont();
  } else {
    font = MathFont(text);
    MakeOperatorFullWidth(text);
    if (IsMathOperatorChar(text)) font = MathOperatorFont();
  }
  TakeCaretFace(font.lf);
  m_caret.m_lfNew.lfItalic = BYTE(font.bItalic);
  return bFormula && IsMathOperatorChar(text);
}

// What an edit changed on the screen is drawn again, the rest is kept.
BOOL CVorelView::RunEdit(const std::function<BOOL(CUndoGroup*, BOOL*)>& edit) {
  if (!m_caret.m_pCaretNode || !m_pDoc) return FALSE;
  CScreenInkRecord before;
  const bool bRecorded = TakeScreenInk(&before);
  const POINT origin{m_mapper.m_nOriginX, m_mapper.m_nOriginY};
  auto group = std::make_unique<CUndoGroup>();
  BOOL ok = FALSE;
  BOOL bPickFont = TRUE;
  try {
    ok = edit(group.get(), &bPickFont);
  } catch (...) {
    ok = FALSE;
  }
  const BOOL bChanged = group->GetCount() > 0;
  if (bChanged) m_pDoc->PushUndo(group.release());
  if (!ok && !bChanged) return ok;
  LayOutEdit(bPickFont);
  if (bRecorded)
    InvalidateChanges(before, origin);
  else
    Invalidate();
  return ok;
}

void CVorelView::AfterEdit(BOOL bPickFont) {
  LayOutEdit(bPickFont);
  Invalidate();
}

void CVorelView::LayOutEdit(BOOL bPickFont) {
  m_pDoc->SetModifiedFlag();
  if (m_caret.m_pCaretNode) m_caret.m_pCaretNode->SetSentenceModified(1);
  RecalcLayout();
  UpdateScrollSizes();
  UpdateCaret(bPickFont);
}

// The sheet is laid out once, after the insertion that follows.
void CVorelView::DeleteSelectionInto(CUndoGroup* pUndo) {
  if (m_caret.m_pAnchor && m_caret.m_pCaretNode) m_caret.m_pCaretNode->DeleteSelection(&m_caret, pUndo);
  m_caret.ClearSelection();
}

// The caret's format is put back after each character, also when the insertion is refused.
BOOL CVorelView::TypeText(const CStringW& text) {
  CEditNode* caret = m_caret.m_pCaretNode;
  if (text.IsEmpty() || !caret || !caret->GetParent()) return FALSE;
  const std::u16string_view units(text.str());
  return RunEdit([&](CUndoGroup* pUndo, BOOL* pPickFont) {
    m_caret.m_bKeepX = 0;
    DeleteSelectionInto(pUndo);
    auto* parent = dynamic_cast<CEditNode*>(m_caret.m_pCaretNode->GetParent());
    BOOL inserted = FALSE;
    for (size_t i = 0; i < units.size();) {
      size_t length = 1;
      const char32_t c = CodePointAt(units, i, &length);
      CStringW one(units.substr(i, length));
      i += length;
      if (IsControl(c) || !m_caret.m_pCaretNode) continue;
      CKeepFont keep(m_caret.m_lfNew);
      if (ChooseInputFont(one, parent)) *pPickFont = FALSE;
      if (m_caret.m_pCaretNode->InsertNode(&m_caret, one, pUndo)) inserted = TRUE;
    }
    return inserted;
  });
}

void CVorelView::OnChar(UINT nChar, UINT, UINT) {
  if (m_nViewMode != VIEWMODE_TEXT && m_nViewMode != VIEWMODE_KIMEIRAN) return;
  if (!m_caret.m_pCaretNode) return;
  TypeChar(nChar);
  ScrollCaretIntoView();
}

// Characters arrive as bytes of the ANSI code page: a lead byte waits for its trail byte.
void CVorelView::TypeChar(UINT nChar) {
  switch (nChar) {
    case 8: DoBackspace(); return;
    case 13: DoNewLine(); return;
    case 9:
    case 10: return;
    default: break;
  }
  if (nChar > 0xFF) {
    TypeText(CStringW(std::u16string(1, char16_t(nChar))));
    return;
  }
  const auto byte = static_cast<unsigned char>(nChar);
  std::string bytes;
  if (m_bLeadByteHeld) {
    bytes = {char(m_nLeadByte), char(byte)};
    m_bLeadByteHeld = false;
  } else if (IsAnsiLeadByte(byte)) {
    m_nLeadByte = byte;
    m_bLeadByteHeld = true;
    return;
  } else {
    bytes = std::string(1, char(byte));
  }
  if (!m_caret.m_pCaretNode) return;
  m_caret.m_bKeepX = 0;
  TypeText(CStringW(AnsiToWide(bytes)));
}

BOOL CVorelView::DoBackspace() {
  m_caret.m_bKeepX = 0;
  return RunEdit([&](CUndoGroup* pUndo, BOOL*) { return m_caret.m_pCaretNode->DeleteBackward(&m_caret, pUndo); });
}

BOOL CVorelView::DoNewLine() {
  m_caret.m_bKeepX = 0;
  return RunEdit([&](CUndoGroup* pUndo, BOOL* pPickFont) {
    *pPickFont = FALSE;
    return m_caret.m_pCaretNode->InsertLineBreak(&m_caret, pUndo);
  });
}

BOOL CVorelView::DoDeleteForward() {
  return RunEdit([&](CUndoGroup* pUndo, BOOL*) { return m_caret.m_pCaretNode->DeleteForward(&m_caret, pUndo); });
}

// A palette's font lends its face only; the character works in every mode and does not scroll.
void CVorelView::OnPaletteChar(char16_t ch, const LOGFONTA* pFont) {
  if (!m_caret.m_pCaretNode) return;
  m_caret.m_bKeepX = 0;
  RunEdit([&](CUndoGroup* pUndo, BOOL* pPickFont) {
    *pPickFont = FALSE;
    DeleteSelectionInto(pUndo);
    CKeepFont keep(m_caret.m_lfNew);
    if (pFont) {
      m_caret.SetFaceName(pFont->lfFaceName);
      m_caret.m_lfNew.lfWeight = FW_NORMAL;
      m_caret.m_lfNew.lfItalic = 0;
      m_caret.m_lfNew.lfUnderline = 0;
      m_caret.m_lfNew.lfStrikeOut = 0;
    }
    return m_caret.m_pCaretNode->InsertNode(&m_caret, CStringW(std::u16string(1, ch)), pUndo);
  });
}

// The caret's typing font takes the face of lf, with its character set and precisions.
void CVorelView::TakeCaretFace(const LOGFONTA& lf) {
  SetLogFontFace(&m_caret.m_lfNew, lf.lfFaceName);
  m_caret.m_lfNew.lfCharSet = lf.lfCharSet;
  m_caret.m_lfNew.lfOutPrecision = lf.lfOutPrecision;
  m_caret.m_lfNew.lfClipPrecision = lf.lfClipPrecision;
  m_caret.m_lfNew.lfQuality = lf.lfQuality;
  m_caret.m_lfNew.lfPitchAndFamily = lf.lfPitchAndFamily;
}

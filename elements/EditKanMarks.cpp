#include <cstring>
#include <memory>

#include "elements/EditKan.h"
#include "elements/EditKanCR.h"
#include "elements/EditKunten.h"
#include "model/DefaultFonts.h"

namespace {

constexpr char kGaijiFace[] = "@Halvern Gaiji";
constexpr char16_t kReturnMark = u'レ';
constexpr char16_t kCircle = u'○';

BOOL IsGaiji(const CEditNode& node) { return std::strstr(node.m_lf.lfFaceName, "Halvern Gaiji") != nullptr; }

BOOL GetMarkText(const CEditKunten* pBox, CStringW& out) {
  if (!pBox) return FALSE;
  out.Empty();
  BOOL bGaiji = FALSE;
  try {
    for (int i = 0; i < pBox->GetChildCount(); ++i) {
      const CEditNode* c = pBox->GetEditChildAt(i);
      if (!c) continue;
      if (c->m_nType & NT_LINEBREAK) break;
      out += c->m_strText;
      if (IsGaiji(*c)) bGaiji = TRUE;
    }
  } catch (...) {
  }
  return bGaiji;
}

}  // namespace

BOOL CEditKan::GetOpenBracketText(CStringW& out) const { return GetMarkText(GetOpenBracketBox(), out); }
BOOL CEditKan::GetCloseBracketText(CStringW& out) const { return GetMarkText(GetCloseBracketBox(), out); }
BOOL CEditKan::GetPunctuationText(CStringW& out) const { return GetMarkText(GetPunctuationBox(), out); }
BOOL CEditKan::GetKaeritenText(CStringW& out) const { return GetMarkText(GetKaeritenBox(), out); }

void CEditKan::SetOpenBracketText(const CStringW& text, const LOGFONTA* pFont) {
  RebuildMarkBox(GetOpenBracketBox(), text, pFont);
}

void CEditKan::SetCloseBracketText(const CStringW& text, const LOGFONTA* pFont) {
  RebuildMarkBox(GetCloseBracketBox(), text, pFont);
}

// The punctuation is sized from the kanji, so the block needs one.
void CEditKan::SetPunctuationText(const CStringW& text, const LOGFONTA* pFont) {
  CEditKunten* box = GetPunctuationBox();
  const CEditNode* kanji = KanjiChar();
  if (!box || !kanji) return;
  const LOGFONTA kanjiFont = kanji->m_lf;
  RebuildMarkBox(box, text, pFont);
  SizePunctuation(*box, kanjiFont);
}

void CEditKan::SetKaeritenText(const CStringW& text, const LOGFONTA* pFont) {
  CEditKunten* box = GetKaeritenBox();
  RebuildMarkBox(box, text, pFont);
  if (!box) return;
  for (int i = 0; i < box->GetChildCount(); ++i)
    if (CEditNode* c = box->GetEditChildAt(i); c && c->m_strText == CStringW(kReturnMark)) c->SetFontFace(kGaijiFace, nullptr);
}

void CEditKan::SizePunctuation(CEditKunten& box, const LOGFONTA& kanji) {
  for (int i = 0; i < box.GetChildCount(); ++i) {
    CEditNode* c = box.GetEditChildAt(i);
    if (!c || (c->m_nType & NT_LINEBREAK)) continue;
    if (c->m_strText == CStringW(kReturnMark)) c->SetFontFace(kGaijiFace, nullptr);
    c->m_lf.lfHeight = c->m_strText == CStringW(kCircle) ? kanji.lfHeight / 3 : kanji.lfHeight / 2;
  }
}

// The box's first child lends its format to the new characters and the new line end.
void CEditKan::RebuildMarkBox(CEditKunten* pBox, const CStringW& text, const LOGFONTA* pFont) {
  if (!pBox) return;
  try {
    LOGFONTA lf;
    GetDefaultFont(&lf, TRUE);
    std::unique_ptr<CEditNode> format(pBox->GetFirstCaretChild());
    if (format)
      format->Detach();
    else
      format = std::make_unique<CEditKanChar>();
    pBox->DeleteAllChildren();
    const char* face = pFont ? pFont->lfFaceName : lf.lfFaceName;
    for (int i = 0; i < text.GetLength(); ++i) {
      auto c = std::make_unique<CEditKanChar>(text[i]);
      c->CopyProperties(*format);
      c->SetFontFace(face, nullptr);
      if (pBox->AppendChild(c.get()) >= 0) c.release();
    }
    auto lineEnd = std::make_unique<CEditKanCR>();
    lineEnd->CopyProperties(*format);
    lineEnd->SetFontFace(lf.lfFaceName, nullptr);
    if (pBox->AppendChild(lineEnd.get()) >= 0) lineEnd.release();
  } catch (...) {
  }
}

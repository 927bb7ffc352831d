#include "elements/EditKan.h"

#include <memory>
#include <new>

#include "elements/EditKanCR.h"
#include "elements/EditKunten.h"
#include "elements/EditOkurigana.h"
#include "model/DefaultFonts.h"
#include "model/EditCaret.h"
#include "model/KanbunParts.h"
#include "model/UndoAction.h"
#include "model/UndoGroup.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditKan, CEditContainer, 1)

namespace {

constexpr int kBracketAdvance = 40;
constexpr int kMarkAdvance = 60;
constexpr int kKaeritenKind = 2;
constexpr int kNormalParts = 7;

std::unique_ptr<CEditKanCR> NewLineEnd(BOOL bHalf) {
  auto lineEnd = std::make_unique<CEditKanCR>();
  if (bHalf) lineEnd->m_lf.lfHeight /= 2;
  return lineEnd;
}

template <class T>
T* AppendOwned(CEditNode& parent, std::unique_ptr<T> node) {
  if (parent.AppendChild(node.get()) < 0) throw std::bad_alloc();
  return node.release();
}

CEditKunten* AppendKunten(CEditNode& block, int advance, int kind, BOOL bHalfLineEnd) {
  auto box = std::make_unique<CEditKunten>();
  box->m_nAdvance = advance;
  box->m_nKind = kind;
  AppendOwned(*box, NewLineEnd(bHalfLineEnd));
  return AppendOwned(block, std::move(box));
}

void AppendOkurigana(CEditNode& block, int alignEnd) {
  auto box = std::make_unique<CEditOkurigana>();
  box->m_bAlignEnd = alignEnd;
  box->m_lf.lfHeight /= 2;
  AppendOwned(*box, NewLineEnd(TRUE));
  AppendOwned(block, std::move(box));
}

// Typing in the kunten editor's kanbun sentence makes one locked block per kanji.
CEditNode* NewTypedBlock(const CStringW& text, const LOGFONTA& lf) {
  auto block = std::make_unique<CEditKan>();
  block->CreatePartsFromText(text, FALSE, &lf);
  if (block->GetChildCount() != kNormalParts) return nullptr;
  block->LockParts(TRUE);
  block->UpdatePartFonts(nullptr);
  return block.release();
}

[[maybe_unused]] const bool g_bTypedBlocks = (SetKanbunBlockFactory(&NewTypedBlock), true);

}  // namespace

CEditKan::CEditKan() : CEditContainer(NTYPE_EDITKAN) { m_HyphenMark.SetText(CStringW(u'\u3000')); }

void CEditKan::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << LONG(m_bHyphen);
  } else {
    LONG hyphen = 0;
    ar >> hyphen;
    m_bHyphen = hyphen;
  }
  m_HyphenMark.Serialize(ar);
  CEditContainer::Serialize(ar);
}

CEditKunten* CEditKan::KuntenAt(int index) const { return dynamic_cast<CEditKunten*>(GetChildAt(index)); }

CEditOkurigana* CEditKan::OkuriganaAt(int index) const { return dynamic_cast<CEditOkurigana*>(GetChildAt(index)); }

CEditKunten* CEditKan::GetOpenBracketBox() const { return KuntenAt(OpenBracket); }
CEditKunten* CEditKan::GetKanjiBox() const { return KuntenAt(Kanji); }
CEditOkurigana* CEditKan::GetRightKanaBox() const { return OkuriganaAt(RightKana); }
CEditOkurigana* CEditKan::GetLeftKanaBox() const { return OkuriganaAt(LeftKana); }
CEditKunten* CEditKan::GetPunctuationBox() const { return m_bHyphen ? nullptr : KuntenAt(Punctuation); }
CEditKunten* CEditKan::GetKaeritenBox() const { return KuntenAt(m_bHyphen ? Punctuation : Kaeriten); }
CEditKunten* CEditKan::GetCloseBracketBox() const { return m_bHyphen ? nullptr : KuntenAt(CloseBracket); }

CEditNode* CEditKan::KanjiChar() const {
  CEditKunten* box = GetKanjiBox();
  return box ? box->GetFirstCaretChild() : nullptr;
}

CEditNode* CEditKan::GetFirstCaretChild() {
  CEditKunten* box = GetOpenBracketBox();
  return box ? box->GetFirstCaretChild() : nullptr;
}

void CEditKan::CreateEmptyParts(BOOL bHyphen) {
  try {
    AppendParts(nullptr, bHyphen);
  } catch (...) {
  }
}

void CEditKan::CreatePartsFromChar(const CEditChar* pChar, BOOL bHyphen) {
  try {
    auto kanji = std::make_unique<CEditKanChar>();
    kanji->CopyFromChar(pChar);
    AppendParts(kanji.release(), bHyphen);
    if (bHyphen) m_HyphenMark.m_lf.lfHeight /= 2;
  } catch (...) {
  }
}

void CEditKan::CreatePartsFromText(const CStringW& text, BOOL bHyphen, const LOGFONTA* pFont) {
  try {
    auto kanji = std::make_unique<CEditKanChar>(text);
    if (pFont) kanji->m_lf = *pFont;
    AppendParts(kanji.release(), bHyphen);
    if (CEditKunten* box = GetKanjiBox(); pFont && box)
      if (CEditNode* lineEnd = box->GetEditChildAt(box->GetChildCount() - 1)) lineEnd->m_lf = *pFont;
    if (bHyphen) m_HyphenMark.m_lf.lfHeight /= 2;
  } catch (...) {
  }
}

// Takes ownership of the kanji, which may be null.
void CEditKan::AppendParts(CEditKanChar* pKanji, BOOL bHyphen) {
  std::unique_ptr<CEditKanChar> kanji(pKanji);
  DeleteAllChildren();
  AppendKunten(*this, kBracketAdvance, 1, FALSE);
  CEditKunten* kanjiBox = AppendKunten(*this, 50, 1, FALSE);
  if (kanji) {
    kanjiBox->InsertChild(0, kanji.get());
    if (kanji->GetParent()) kanji.release();
  }
  AppendOkurigana(*this, 1);
  AppendOkurigana(*this, 0);
  if (!bHyphen) AppendKunten(*this, kMarkAdvance, 1, TRUE);
  AppendKunten(*this, kMarkAdvance, kKaeritenKind, TRUE);
  if (!bHyphen) AppendKunten(*this, kBracketAdvance, 1, FALSE);
}

void CEditKan::LockParts(BOOL bLock) {
  for (int i = 0; i < GetChildCount(); ++i) {
    CEditNode* box = GetEditChildAt(i);
    if (!box) continue;
    box->SetCaretStopRecursive(bLock ? 0 : 1);
    box->m_bCaretStop = 0;
  }
}

void CEditKan::UpdatePartFonts(CUndoGroup* pUndo) {
  try {
    const CEditNode* kanji = KanjiChar();
    if (!kanji) return;
    const LONG w = kanji->m_lf.lfWidth, h = kanji->m_lf.lfHeight;
    auto resize = [&](CEditNode* box, auto sizeOf) {
      if (!box) return;
      for (int i = 0; i < box->GetChildCount(); ++i)
        if (CEditNode* c = box->GetEditChildAt(i)) c->SetFontSize(sizeOf(*c), pUndo);
    };
    const auto full = [&](const CEditNode&) { return CSize(w, h); };
    const auto half = [&](const CEditNode&) { return CSize(w, h / 2); };
    const auto punctuation = [&](const CEditNode& c) {
      return CSize(w, !c.m_strText.IsEmpty() && c.m_strText[0] == u'○' ? h / 3 : h / 2);
    };
    resize(GetOpenBracketBox(), full);
    resize(GetCloseBracketBox(), full);
    resize(GetPunctuationBox(), punctuation);
    resize(GetKaeritenBox(), half);
    resize(GetRightKanaBox(), half);
    resize(GetLeftKanaBox(), half);
    m_bNeedsMeasure = 1;
  } catch (...) {
  }
}

void CEditKan::SetHyphen(BOOL bHyphen, CEditCaret* pCaret, CUndoGroup* pUndo) {
  if ((bHyphen != 0) == (m_bHyphen != 0)) return;
  try {
    if (bHyphen)
      SwitchHyphenOn(pCaret, pUndo);
    else
      SwitchHyphenOff(pCaret, pUndo);
  } catch (...) {
  }
  m_bNeedsMeasure = 1;
}

namespace {

LOGFONTA KanjiFont(const CEditNode* pKanji) {
  LOGFONTA lf{};
  if (pKanji)
    lf = pKanji->m_lf;
  else
    GetDefaultFont(&lf, TRUE);
  return lf;
}

// A caret inside a box about to go moves to the kanji, so that it stays in the tree.
void KeepCaretOutOf(const CQVXMLNode* pBox, CEditCaret* pCaret, CEditNode* pRefuge) {
  if (!pCaret || !pBox || !pRefuge) return;
  if (pBox->IsDescendant(pCaret->m_pCaretNode)) pCaret->m_pCaretNode = pRefuge;
  if (pBox->IsDescendant(pCaret->m_pAnchor)) pCaret->ClearSelection();
}

}  // namespace

// The punctuation and closing bracket boxes go; the undo records own them from then on.
void CEditKan::SwitchHyphenOn(CEditCaret* pCaret, CUndoGroup* pUndo) {
  CEditNode* kanji = KanjiChar();
  const LOGFONTA lf = KanjiFont(kanji);
  CEditNode* refuge = kanji ? kanji : this;
  CEditNode* boxes[] = {GetEditChildAt(Punctuation), GetEditChildAt(CloseBracket)};
  const int old = m_bHyphen;
  m_bHyphen = 1;
  for (CEditNode* box : boxes) {
    if (!box) continue;
    KeepCaretOutOf(box, pCaret, refuge);
    if (pUndo) {
      pUndo->AddIndexAction(UNDO_REMOVE_AT, box, pCaret ? pCaret->m_pCaretNode : nullptr, IndexOfChild(box), this,
                            0, 0);
      box->Detach();
    } else {
      box->Delete();
    }
  }
  if (pUndo) pUndo->AddNodeAction(UNDO_KANBUN_HYPHEN, this, pCaret ? pCaret->m_pCaretNode : nullptr, old, 1);
  LOGFONTA mark = lf;
  mark.lfHeight /= 2;
  // Recorded too, so that undo gives back the block as it was stored.
  if (pUndo) pUndo->AddLogFontAction(UNDO_LOGFONT, &m_HyphenMark, m_HyphenMark.m_lf, mark);
  m_HyphenMark.m_lf = mark;
  m_HyphenMark.m_bNeedsMeasure = 1;
}

// New empty punctuation and closing bracket boxes come back at their places.
void CEditKan::SwitchHyphenOff(CEditCaret* pCaret, CUndoGroup* pUndo) {
  const LOGFONTA lf = KanjiFont(KanjiChar());
  const int old = m_bHyphen;
  m_bHyphen = 0;
  for (int index : {int(Punctuation), int(CloseBracket)}) {
    auto box = std::make_unique<CEditKunten>();
    std::unique_ptr<CEditKanCR> lineEnd = NewLineEnd(FALSE);
    lineEnd->m_lf = lf;
    if (index == Punctuation) lineEnd->m_lf.lfHeight /= 2;
    AppendOwned(*box, std::move(lineEnd));
    InsertChild(index, box.get());
    if (!box->GetParent()) continue;
    CEditKunten* inserted = box.release();
    if (pUndo)
      pUndo->AddIndexAction(UNDO_INSERT_AT, inserted, pCaret ? pCaret->m_pCaretNode : nullptr, index, this, 0, 0);
  }
  if (pUndo) pUndo->AddNodeAction(UNDO_KANBUN_HYPHEN, this, pCaret ? pCaret->m_pCaretNode : nullptr, old, 0);
}

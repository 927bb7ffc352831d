#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include <cstring>

#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "model/DefaultFonts.h"
#include "model/GdiCache.h"
#include "model/NodeTypes.h"
#include "model/UndoGroup.h"
#include "resources/Resource.h"
#include "ui/CmdUI.h"
#include "ui/FontDefaultSheet.h"

namespace {

void FillSheet(CFontDefaultSheet& sheet, BOOL bVertical) {
  FONT_DEFAULT_ROW* text = sheet.m_text.data();
  GetDefaultFont(&text[0].lf, bVertical);
  GetHankakuFont(&text[1].lf, bVertical);
  GetNumericFont(&text[2].lf, bVertical);
  text[0].bItalic = GetDefaultItalic(bVertical);
  text[1].bItalic = GetHankakuItalic(bVertical);
  text[2].bItalic = GetNumericItalic(bVertical);
  text[0].nHeight = GetDefaultHeight();
  text[1].nHeight = GetHankakuHeight();
  text[2].nHeight = GetNumericHeight();
  FONT_DEFAULT_ROW* math = sheet.m_math.data();
  GetMathFont(&math[0].lf);
  GetMathNumericFont(&math[1].lf);
  GetMathOperatorFont(&math[2].lf);
  math[0].bItalic = GetMathItalic();
  math[1].bItalic = GetMathNumericItalic();
  math[2].bItalic = GetMathOperatorItalic();
  math[0].nHeight = GetMathHeight();
  math[1].nHeight = GetMathNumericHeight();
  math[2].nHeight = GetMathOperatorHeight();
}

// The text formats go into the first three entries in either direction: those are the ones
// the nodes take their fonts from.
DEFAULT_FONTS FontsFromSheet(const CFontDefaultSheet& sheet) {
  DEFAULT_FONTS fonts = g_DefaultFonts;
  for (int i = 0; i < CFontDefaultSheet::RowCount; ++i) {
    const FONT_DEFAULT_ROW& text = sheet.m_text[size_t(i)];
    const FONT_DEFAULT_ROW& math = sheet.m_math[size_t(i)];
    fonts.entries[DEFAULT_FONTS::Default + i] = DEFAULT_FONT{text.lf, text.bItalic, text.nHeight};
    fonts.entries[DEFAULT_FONTS::MathDefault + i] = DEFAULT_FONT{math.lf, math.bItalic, math.nHeight};
  }
  return fonts;
}

void StoreProgramDefaults(const CFontDefaultSheet& sheet, BOOL bVertical) {
  const FONT_DEFAULT_ROW* text = sheet.m_text.data();
  const FONT_DEFAULT_ROW* math = sheet.m_math.data();
  SetDefaultFont(&text[0].lf, bVertical);
  SetHankakuFont(&text[1].lf, bVertical);
  SetNumericFont(&text[2].lf, bVertical);
  SetDefaultItalic(text[0].bItalic, bVertical);
  SetHankakuItalic(text[1].bItalic, bVertical);
  SetNumericItalic(text[2].bItalic, bVertical);
  SetDefaultHeight(text[0].nHeight);
  SetHankakuHeight(text[1].nHeight);
  SetNumericHeight(text[2].nHeight);
  SetMathFont(&math[0].lf);
  SetMathNumericFont(&math[1].lf);
  SetMathOperatorFont(&math[2].lf);
  SetMathItalic(math[0].bItalic);
  SetMathNumericItalic(math[1].bItalic);
  SetMathOperatorItalic(math[2].bItalic);
  SetMathHeight(math[0].nHeight);
  SetMathNumericHeight(math[1].nHeight);
  SetMathOperatorHeight(math[2].nHeight);
}

}  // namespace

void CVorelView::OnViewLineEnds() {
  g_bShowLineEnds = !g_bShowLineEnds;
  Invalidate();
}

void CVorelView::OnUpdateViewLineEnds(CCmdUI* pCmdUI) {
  pCmdUI->Enable();
  pCmdUI->SetCheck(g_bShowLineEnds ? 1 : 0);
}

void CVorelView::OnUpdateNeedSelection(CCmdUI* pCmdUI) { pCmdUI->Enable(m_caret.m_pAnchor != nullptr); }

// The chosen formats go to the selection. A selection of a whole question sentence also makes
// them the program's defaults, and its line end takes the new typing font; the gaiji face
// never becomes a default.
void CVorelView::OnFormatFont() {
  if (!m_caret.m_pAnchor || !m_caret.m_pCaretNode || !m_pDoc) return;
  const BOOL bVertical = m_mapper.m_bVertical;
  CFontDefaultSheet sheet(this, IDS_FONT, 0);
  FillSheet(sheet, bVertical);
  if (sheet.DoModal() != IDOK) return;
  auto group = std::make_unique<CUndoGroup>();
  try {
    const DEFAULT_FONTS fonts = FontsFromSheet(sheet);
    const FONT_DEFAULT_ROW& chosen = sheet.m_text[CFontDefaultSheet::RowDefault];
    TakeCaretFace(chosen.lf);
    m_caret.m_lfNew.lfHeight = -std::abs(chosen.nHeight);
    m_caret.m_lfNew.lfWidth = 0;
    int first = 0;
    int last = 0;
    if (!m_caret.m_pCaretNode->GetSelectionRange(&m_caret, &first, &last)) return;
    CQVXMLNode* parent = m_caret.m_pCaretNode->GetParent();
    const bool bWhole = parent->m_nType == NTYPE_EDITSENTENCE && first == 0 && last + 2 >= parent->GetChildCount() &&
                        !std::strstr(chosen.lf.lfFaceName, "Halvern");
    for (int i = first; i <= last; ++i) {
      if (auto* node = dynamic_cast<CEditNode*>(parent->GetChildAt(i))) {
        node->ApplyDefaultFonts(fonts, group.get());
        node->ApplyDefaultFontHeight(fonts, group.get());
      }
    }
    auto* lineEnd = dynamic_cast<CEditNode*>(parent->GetChildAt(parent->GetChildCount() - 1));
    if (bWhole && lineEnd && (lineEnd->m_nType & NT_LINEBREAK)) lineEnd->SetLogFont(m_caret.m_lfNew, group.get());
    if (group->GetCount() > 0) m_pDoc->PushUndo(group.release());
    if (bWhole) StoreProgramDefaults(sheet, bVertical);
  } catch (...) {
    if (group && group->GetCount() > 0) m_pDoc->PushUndo(group.release());
  }
  m_pDoc->SetModifiedFlag();
  m_caret.m_pCaretNode->SetSentenceModified(1);
  OnUpdate(nullptr, 0, nullptr);
}

void CVorelView::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  if (QWindow* window = windowHandle())
    connect(window, &QWindow::screenChanged, this, &CVorelView::OnDisplayChange, Qt::UniqueConnection);
}

// Another screen: the buffer is made again for its pixel ratio, and the mapper takes its
// resolution. The layout does not depend on either.
void CVorelView::OnDisplayChange() {
  m_buffer = QImage();
  m_bBufferFailed = false;
  m_mapper.SetResolution(logicalDpiX(), logicalDpiY(), 0);
  UpdateScrollSizes();
  Invalidate();
}

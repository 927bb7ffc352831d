#include "elements/EditKimeiran.h"

#include <memory>
#include <vector>

#include "elements/EditTable.h"
#include "model/EditCR.h"
#include "model/GdiCache.h"

IMPLEMENT_SERIAL(CEditKimeiran, CEditSentence, 1)

namespace {

constexpr char16_t kLineEnd = u'\n';
constexpr char16_t kBlank = u'\u3000';

struct BLANK_RUNS {
  int title1, title2;  // around テスト
  int classGap;        // before 年, 組 and 番
  int nameRoom;        // after （名前）
  int score;           // before and after the score's line ends
};

constexpr BLANK_RUNS kHorizontalRuns{6, 4, 6, 27, 7};
constexpr BLANK_RUNS kVerticalRuns{3, 2, 3, 19, 4};

std::u16string Blanks(int count) { return std::u16string(size_t(count), kBlank); }

// Each cell's last line end is the one the cell was created with.
std::vector<std::u16string> CellTexts(const BLANK_RUNS& r) {
  const std::u16string title = u"\n\n" + Blanks(r.title1) + u"テスト" + Blanks(r.title2);
  const std::u16string name = u"\n\n" + Blanks(r.classGap) + u"年" + Blanks(r.classGap) + u"組" +
                              Blanks(r.classGap) + u"番（名前）" + Blanks(r.nameRoom);
  const std::u16string score = u"得点" + Blanks(r.score) + u"\n\n" + Blanks(r.score) + u"／１００";
  return {title, name, score};
}

std::unique_ptr<CEditNode> MakeNode(char16_t c) {
  if (c == kLineEnd) return std::make_unique<CEditCR>();
  return std::make_unique<CEditChar>(c);
}

// Inserted at the front in reverse, so that the cell's own closing line end stays last.
BOOL FillCell(CEditNode& cell, const std::u16string& text) {
  for (auto it = text.rbegin(); it != text.rend(); ++it) {
    std::unique_ptr<CEditNode> node = MakeNode(*it);
    cell.InsertChild(0, node.get());
    if (node->GetParent() != &cell) return FALSE;
    node.release();
  }
  return TRUE;
}

BOOL Append(CEditNode& parent, std::unique_ptr<CEditNode> node) {
  if (parent.AppendChild(node.get()) < 0) return FALSE;
  node.release();
  return TRUE;
}

}  // namespace

CEditKimeiran::CEditKimeiran() { m_nType = NTYPE_EDITKIMEIRAN; }

void CEditKimeiran::BuildDefaultNameField() {
  try {
    auto table = std::make_unique<CEditTable>();
    table->CreateCells(1, 3);
    const std::vector<std::u16string> texts = CellTexts(g_bVerticalWriting ? kVerticalRuns : kHorizontalRuns);
    for (int col = 0; col < 3; ++col) {
      CEditNode* cell = table->GetCell(0, col);
      if (!cell || !FillCell(*cell, texts[size_t(col)])) return;
    }
    auto first = std::make_unique<CEditCR>();
    auto second = std::make_unique<CEditCR>();
    if (Append(*this, std::move(table)) && Append(*this, std::move(first))) Append(*this, std::move(second));
  } catch (...) {
  }
}

#pragma once
// Building blocks for sentence tests: characters with a 1000 em (wide 1000, narrow 500,
// height 1000, ascent 800), question numbers, and a sheet root that answers the question parts.

#include <string>
#include <vector>

#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "model/EditCR.h"
#include "model/EditSentence.h"
#include "model/QuestionSheet.h"
#include "tests/model/LayoutTestNodes.h"
#include "tests/support/RecordingBackend.h"

constexpr DWORD kTestMajorNumberType = 0x4000100A;

class CTestSheet : public CEditNode, public CQuestionSheet {
 public:
  explicit CTestSheet(int sequence) : CEditNode(NTYPE_EDITPRINT), m_nSequence(sequence) {}
  int GetFieldSequence() const override { return m_nSequence; }
  int GetQuestionParts(CEditSentence* pSentence, std::vector<CEditSentence*>& parts) override {
    parts.clear();
    for (CQVXMLNode* child : m_arrChildren) {
      auto* part = dynamic_cast<CEditSentence*>(child);
      if (part && part->m_nType == NTYPE_EDITSENTENCE && part->m_nMajor == pSentence->m_nMajor &&
          part->m_nMinor == pSentence->m_nMinor)
        parts.push_back(part);
    }
    return int(parts.size());
  }
  CEditSentence* AddPart(int kind, int major) {
    auto* part = new CEditSentence;
    part->m_nKind = kind;
    part->m_nMajor = major;
    AppendChild(part);
    return part;
  }
  int m_nSequence;
};

inline CEditChar* AddChar(CEditNode& parent, char16_t c, int emHeight = 1000) {
  auto* ch = new CEditChar(c);
  ch->m_lf.lfHeight = -emHeight;
  parent.AppendChild(ch);
  return ch;
}

inline CEditCR* AddLineEnd(CEditNode& parent, int align = 0) {
  auto* cr = new CEditCR;
  cr->m_lf.lfHeight = -1000;
  cr->m_nTextAlign = align;
  parent.AppendChild(cr);
  return cr;
}

// '\n' stands for a line end with the given alignment.
inline void AddText(CEditNode& parent, const std::u16string& text, int align = 0) {
  for (char16_t c : text) {
    if (c == u'\n')
      AddLineEnd(parent, align);
    else
      AddChar(parent, c);
  }
}

inline CSizedNode* AddSized(CEditNode& parent, int width, int height = 1000) {
  auto* node = new CSizedNode(width, height, height * 8 / 10, height / 2);
  parent.AppendChild(node);
  return node;
}

inline CSizedNode* AddQuestionNumber(CEditNode& parent, int width) {
  CSizedNode* number = AddSized(parent, width);
  number->m_nType = kTestMajorNumberType;
  return number;
}

struct SENTENCE_LAYOUT {
  int nWidth = 10000;
  int nPageHeight = 0;
  int nY = 0;
  int nLineSpacing = 0;
  const CColumnRooms* pColumnRooms = nullptr;
};

class CSentenceLayoutFixture {
 protected:
  void Measure(CEditSentence& sentence, const SENTENCE_LAYOUT& layout) {
    EDIT_LAYOUT_PARAM param{};
    param.nWidth = layout.nWidth;
    param.nPageHeight = layout.nPageHeight;
    param.nY = layout.nY;
    param.nLineSpacing = layout.nLineSpacing;
    param.pColumnRooms = layout.pColumnRooms;
    sentence.Measure(&dc, &mapper, &param);
  }
  void Arrange(CEditSentence& sentence, int box = 0, int x = 1000, int y = 2000, int page = 1, int spacing = 0) {
    EDIT_LAYOUT_PARAM param{};
    param.nLineSpacing = spacing;
    param.nX = x;
    param.nY = y;
    param.nBox = box;
    param.nPage = page;
    sentence.Arrange(&param, 0);
  }
  void Layout(CEditSentence& sentence, const SENTENCE_LAYOUT& layout) {
    Measure(sentence, layout);
    Arrange(sentence, 0, 1000, 2000, 1, layout.nLineSpacing);
  }
  static const EDIT_LINE_INFO& Line(const CEditSentence& sentence, int box, int line) {
    return sentence.GetBox(box)->m_arrLines.at(size_t(line));
  }
  static CEditNode* Child(const CEditSentence& sentence, int index) { return sentence.GetEditChildAt(index); }

  CRecordingDC dc;
  CCoordMapper mapper;
};

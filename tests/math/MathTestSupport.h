#pragma once
// A two-slot test element that stacks its slots, and a fixture that lays formulas out on the
// recording context, where one device pixel is one layout unit.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "math/EditMathCR.h"
#include "math/EditMathChar.h"
#include "math/EditMathElement.h"
#include "model/CoordMapper.h"
#include "model/EditBox.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingBackend.h"

// Slot 0 full size, slot 1 script size, below and 400 to the right of it.
class CStackElement : public CEditMathElement {
 public:
  CStackElement() : CEditMathElement(0x22001FF0) {}
  const char* GetSlotSizes() const override { return "fs"; }
  int m_nStrokes = 0;

 protected:
  void MeasureShape(CDC*, CCoordMapper*) override {
    const EDIT_LINE_INFO top = SlotLine(0), bottom = SlotLine(1);
    m_nWidth = std::max<int>(top.props.m_nWidth, 400 + bottom.props.m_nWidth);
  }
  void PlaceSlots(const EDIT_LAYOUT_PARAM& param, int bVertical) override {
    const EDIT_LINE_INFO top = SlotLine(0);
    SlotLine(1);
    m_rcInk = RECT{param.nX, param.nY, param.nX + m_nWidth, param.nY + m_nHeight};
    PlaceLine(0, param.nX, param.nY, bVertical);
    PlaceLine(1, param.nX + 400, param.nY + top.props.m_nHeight, bVertical);
  }
  void DrawStrokes(CDC*, CCoordMapper*, BOOL bShown) override { m_nStrokes += bShown ? 1 : 0; }
};

class MathLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override { mapper.SetResolution(2540, 2540, 100); }

  static CEditMathChar* Char(CEditNode* parent, const std::u16string& text, int lfHeight = -371) {
    auto* ch = new CEditMathChar(CStringW(text.c_str()));
    ch->m_lf.lfHeight = lfHeight;
    parent->AppendChild(ch);
    return ch;
  }
  static CEditMathCR* SlotEnd(CEditNode* parent, int lfHeight = -371) {
    auto* end = new CEditMathCR;
    end->m_lf.lfHeight = lfHeight;
    parent->AppendChild(end);
    return end;
  }
  void Layout(CEditNode& node, int width = 100000, int x = 1000, int y = 2000) {
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = width;
    node.Measure(&dc, &mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    arrange.nX = x;
    arrange.nY = y;
    arrange.nLineAscent = node.m_nAscent;
    arrange.nLineHalf = node.m_nCenter;
    node.Arrange(&arrange, 0);
  }
  static EDIT_LINE_INFO Line(const CEditContainer& c, int n) {
    EDIT_LINE_INFO line;
    c.GetBox(0)->GetLine(n, line);
    return line;
  }
  int Count(const std::string& name) {
    int n = 0;
    for (const DC_CALL& call : dc.Recorder().Calls()) n += call.name == name ? 1 : 0;
    return n;
  }

  CRecordingDC dc;
  CCoordMapper mapper;
};

// Formula elements of 10.5 points with texts typed into their slots, owned by a formula container.
class MathElementTest : public MathLayoutTest {
 protected:
  // One text per slot, slot 0 first, at each slot's height unless a height is given.
  template <class T>
  T* Make(std::initializer_list<std::u16string> texts, std::initializer_list<int> heights = {}) {
    auto* element = new T;
    element->m_lf.lfHeight = -371;
    element->CreateSlots();
    int slot = 0;
    for (const std::u16string& text : texts) {
      CEditNode* end = SlotEndOf(*element, slot);
      const int height = slot < int(heights.size()) ? heights.begin()[slot] : end->m_lf.lfHeight;
      for (char16_t c : text) {
        auto* ch = new CEditMathChar(c);
        ch->m_lf.lfHeight = height;
        end->InsertBefore(ch);
      }
      ++slot;
    }
    owner.AppendChild(element);
    return element;
  }
  // The line end that closes the slot.
  static CEditNode* SlotEndOf(CEditNode& element, int slot) {
    int seen = 0;
    for (int i = 0; i < element.GetChildCount(); ++i) {
      CEditNode* child = element.GetEditChildAt(i);
      if ((child->m_nType & NT_LINEBREAK) && seen++ == slot) return child;
    }
    return nullptr;
  }

  CEditMathContainer owner;
};

// Stores the node as an archive object and loads it back; null when another class came back.
template <class T>
std::unique_ptr<T> RoundTrip(T& node, Bytes* pBytes = nullptr) {
  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&node); });
  if (pBytes) *pBytes = bytes;
  CObject* loaded = nullptr;
  LoadBytes(bytes, [&](CArchive& ar) { loaded = ar.ReadObject(nullptr); });
  std::unique_ptr<CObject> owner(loaded);
  auto* typed = dynamic_cast<T*>(loaded);
  if (typed) owner.release();
  return std::unique_ptr<T>(typed);
}

#include "model/MeasureRecord.h"

#include <cstring>

#include "model/BlockLineRelatedProperties.h"
#include "model/EditContainer.h"
#include "model/EditNode.h"

namespace {

constexpr uint64_t kMixPrime = 0x100000001b3ULL;

struct FINGERPRINT {
  uint64_t h = 0xcbf29ce484222325ULL;

  void Add(uint64_t v) { h = (h ^ v) * kMixPrime; }

  template <typename T>
  void AddBytes(const T& group) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&group);
    for (size_t i = 0; i + 8 <= sizeof(T); i += 8) {
      uint64_t word;
      std::memcpy(&word, bytes + i, 8);
      Add(word);
    }
    for (size_t i = sizeof(T) / 8 * 8; i < sizeof(T); ++i) Add(bytes[i]);
  }

  void AddFormatting(const CEditNode& node) {
    AddBytes(node.m_lf);
    AddBytes(static_cast<const CFontProperties&>(node));
    AddBytes(static_cast<const CColorRelatedProperties&>(node));
    AddBytes(static_cast<const CBorderPaddingBackgroundProperties&>(node));
    AddBytes(static_cast<const CAreaAlignmentProperties&>(node));
    AddBytes(static_cast<const CCharacterProperties&>(node));
    AddBytes(node.m_kasen);
  }

  void AddNode(const CEditNode& node) {
    Add(reinterpret_cast<uintptr_t>(&node));
    Add(node.m_nType);
    Add(uint64_t(uint32_t(node.m_bNeedsMeasure)) << 32 | uint32_t(node.m_bHidden));
    Add(uint64_t(uint32_t(node.m_nWidth)) << 32 | uint32_t(node.m_nHeight));
    Add(uint64_t(uint32_t(node.m_nAscent)) << 32 | uint32_t(node.m_nCenter));
    Add(uint64_t(uint32_t(node.m_nAreaWidth)) << 32 | uint32_t(node.m_nAreaHeight));
    if (const CBlockLineRelatedProperties* line = node.GetLineProperties())
      Add(uint64_t(uint32_t(line->m_nLineSpacing)) << 32 | uint32_t(line->m_nTextAlign));
    // Floats are rare: their side is read through the cast.
    if (node.m_nType == NTYPE_EDITFLOAT)
      if (auto* frame = dynamic_cast<const CEditContainer*>(&node)) Add(uint64_t(frame->GetFloatSide()));
    Add(node.m_arrChildren.size());
    if (node.m_arrChildren.empty()) return;
    AddFormatting(node);
    for (const CQVXMLNode* child : node.m_arrChildren) {
      const CEditNode* edit = child ? child->ToEditNode() : nullptr;
      if (edit)
        AddNode(*edit);
      else
        Add(reinterpret_cast<uintptr_t>(child));
    }
  }
};

}  // namespace

uint64_t CMeasureRecord::Fingerprint(const CEditNode& node) {
  FINGERPRINT f;
  f.AddNode(node);
  return f.h;
}

void CMeasureRecord::Forget() {
  m_bValid = FALSE;
  m_pRooms = nullptr;
}

const CColumnRooms* CMeasureRecord::Record(const CColumnRooms* pRooms) {
  Forget();
  m_pRooms = pRooms;
  m_bHadRooms = pRooms != nullptr;
  m_arrRooms.clear();
  return pRooms ? &m_recorder : nullptr;
}

int CMeasureRecord::CRecordingRooms::RoomOfColumnAfter(int k) const {
  const int room = m_record.m_pRooms ? m_record.m_pRooms->RoomOfColumnAfter(k) : 0;
  m_record.m_arrRooms.emplace_back(k, room);
  return room;
}

void CMeasureRecord::Keep(const EDIT_LAYOUT_PARAM& param, const MEASURE_INPUTS& inputs, uint64_t nFingerprint,
                          int nIndent) {
  m_param = param;
  m_nIndent = nIndent;
  m_param.pColumnRooms = nullptr;
  m_inputs = inputs;
  m_nFingerprint = nFingerprint;
  m_pRooms = nullptr;
  m_bValid = TRUE;
}

BOOL CMeasureRecord::Matches(const EDIT_LAYOUT_PARAM& param, const MEASURE_INPUTS& inputs,
                             const CEditNode& node) const {
  return m_bValid && SameLayoutParam(param, m_param) && inputs == m_inputs && RoomsStillMatch(param.pColumnRooms) &&
         Fingerprint(node) == m_nFingerprint;
}

BOOL CMeasureRecord::RoomsStillMatch(const CColumnRooms* pRooms) const {
  if ((pRooms != nullptr) != bool(m_bHadRooms)) return FALSE;
  for (const auto& [k, room] : m_arrRooms)
    if (pRooms->RoomOfColumnAfter(k) != room) return FALSE;
  return TRUE;
}

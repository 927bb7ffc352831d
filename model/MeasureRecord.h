#pragma once
// What a sentence was last measured with: the parameter record, the rooms of the later columns
// it asked for, its inputs from the rest of the sheet and a fingerprint of its subtree. A
// layout pass keeps the boxes of a sentence whose record still matches, so that a keystroke
// measures only the sentence it changed.

#include <cstdint>
#include <utility>
#include <vector>

#include "model/EditLayoutParam.h"
#include "platform/WinTypes.h"

class CEditNode;

// What a sentence reads from outside its subtree and its own record.
struct MEASURE_INPUTS {
  int nKind;
  int nMajor;  // the question numbers write their text from these
  int nMinor;
  int nSharedIndent;  // of the question part, for the other parts
  int nAreaWidth;
  BOOL bHideNumbers;
  BOOL bVertical;  // of the mapper, else of the sheet
  BOOL bVerticalWriting;

  bool operator==(const MEASURE_INPUTS&) const = default;
};

class CMeasureRecord {
 public:
  CMeasureRecord() = default;
  CMeasureRecord(const CMeasureRecord&) = delete;
  CMeasureRecord& operator=(const CMeasureRecord&) = delete;

  // Everything below the node and the node itself that layout reads where a change need not
  // set a needs-measure flag: the children, their extents and visibility, the line ends'
  // alignment and spacing, and every formatting group of the nodes that have children
  // (a container's flag stays set, so it tells nothing).
  static uint64_t Fingerprint(const CEditNode& node);

  BOOL IsValid() const { return m_bValid; }
  void Forget();
  // Starts a measuring: the rooms are answered from pRooms and noted.
  const CColumnRooms* Record(const CColumnRooms* pRooms);
  // nIndent: the hanging indent the measuring ended with.
  void Keep(const EDIT_LAYOUT_PARAM& param, const MEASURE_INPUTS& inputs, uint64_t nFingerprint, int nIndent);
  int GetIndent() const { return m_nIndent; }
  BOOL Matches(const EDIT_LAYOUT_PARAM& param, const MEASURE_INPUTS& inputs, const CEditNode& node) const;

 private:
  class CRecordingRooms : public CColumnRooms {
   public:
    explicit CRecordingRooms(CMeasureRecord& record) : m_record(record) {}
    int RoomOfColumnAfter(int k) const override;

   private:
    CMeasureRecord& m_record;
  };

  BOOL RoomsStillMatch(const CColumnRooms* pRooms) const;

  BOOL m_bValid = FALSE;
  EDIT_LAYOUT_PARAM m_param{};
  MEASURE_INPUTS m_inputs{};
  uint64_t m_nFingerprint = 0;
  int m_nIndent = 0;
  const CColumnRooms* m_pRooms = nullptr;  // only while measuring
  BOOL m_bHadRooms = FALSE;
  std::vector<std::pair<int, int>> m_arrRooms;  // (k, room) in the order asked
  CRecordingRooms m_recorder{*this};
};

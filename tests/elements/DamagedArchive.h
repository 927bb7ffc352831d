#pragma once
// Archives come from the clipboard and from embedded objects: whatever the bytes, loading
// either succeeds or throws the archive exception, and what loads is laid out, drawn and
// hit-tested without reading or freeing what it must not (the sanitizer build runs this too).

#include <memory>
#include <random>

#include "model/CoordMapper.h"
#include "model/EditNode.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingBackend.h"

// Stored type words and layout state must not make the layout misread a node.
inline void LayOutLoaded(CQVXMLNode& list, int bVertical) {
  CRecordingDC dc;
  CCoordMapper mapper;
  mapper.m_bVertical = bVertical;
  for (int i = 0; i < list.GetChildCount(); ++i) {
    auto* node = dynamic_cast<CEditNode*>(list.GetChildAt(i));
    if (!node) continue;
    EDIT_LAYOUT_PARAM measure{};
    measure.nWidth = measure.nWidth2 = measure.nColumnWidth = 18000;
    measure.nPageHeight = measure.nHeight = 25000;
    node->Measure(&dc, &mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    node->Arrange(&arrange, bVertical);
    EDIT_LAYOUT_PARAM draw{};
    node->Draw(&dc, &mapper, &draw);
    int after = 0;
    node->NodeFromPoint(500, 500, &after);
  }
}

// Loads 3000 damaged copies of a list's archive: a byte changed, a length or count made huge
// or negative, or the data cut short.
inline void LoadDamagedCopies(const Bytes& good, unsigned seed, int bVertical) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<size_t> position(0, good.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 3000; ++round) {
    Bytes damaged = good;
    switch (round % 3) {
      case 0: damaged[position(random)] = BYTE(byte(random)); break;
      case 1: damaged[position(random)] = BYTE(round % 2 ? 0xFF : 0x80); break;
      default: damaged.resize(position(random)); break;
    }
    std::unique_ptr<CObject> loaded;
    try {
      LoadBytes(damaged, [&](CArchive& ar) { loaded.reset(ar.ReadObject(RUNTIME_CLASS(CQVXMLNode))); });
    } catch (const CArchiveException&) {
      continue;
    }
    if (auto* list = dynamic_cast<CQVXMLNode*>(loaded.get())) LayOutLoaded(*list, bVertical);
  }
}

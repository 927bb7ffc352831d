// The record of an embedded object's item, as a sheet's object side file holds it, read into
// the document's container item on an object node. The node is laid out and drawn (which
// decodes the cached picture), and the item saves again: a record that is not ours byte
// for byte as it came, ours to a record that reads back the same.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/VorelCntrItem.h"
#include "elements/EditObject.h"
#include "fuzz/FuzzSupport.h"
#include "model/GdiCache.h"
#include "platform/Archive.h"
#include "platform/File.h"

namespace {

// The node with its item read from the bytes, and how many bytes the record took.
std::unique_ptr<CEditObject> LoadItem(const BYTE* data, size_t size, uint64_t* pUsed) {
  auto node = std::make_unique<CEditObject>();
  CMemFile file(data, UINT(size));
  {
    CArchive ar(&file, CArchive::load);
    node->SetItem(new CVorelCntrItem(nullptr))->Serialize(ar);
  }
  node->m_rcInk = RECT{0, 0, 4000, 3000};
  if (pUsed) *pUsed = file.GetPosition();
  return node;
}

std::vector<BYTE> SaveItem(CEditObject& node) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    node.m_pItem->Serialize(ar);
  }
  return file.Data();
}

void LayOutBothWays(CEditObject& node) {
  const int bSavedVertical = g_bVerticalWriting;
  for (int bVertical : {0, 1}) {
    g_bVerticalWriting = bVertical;
    LayOutNode(node, bVertical);
  }
  g_bVerticalWriting = bSavedVertical;
}

void CheckSavesAgain(CEditObject& node, const uint8_t* data, uint64_t used) {
  const std::vector<BYTE> saved = SaveItem(node);
  if (node.m_pItem->IsForeign() && saved != std::vector<BYTE>(data, data + used))
    FuzzFailure("a foreign record is not written back as it came");
  std::unique_ptr<CEditObject> again;
  try {
    again = LoadItem(saved.data(), saved.size(), nullptr);
  } catch (const CArchiveException&) {
    FuzzFailure("a saved item does not read back");
  }
  const COleClientItem& a = *node.m_pItem;
  const COleClientItem& b = *again->m_pItem;
  if (SaveItem(*again) != saved || a.GetServerClassName() != b.GetServerClassName() ||
      a.GetNativeData() != b.GetNativeData() || a.GetPicture() != b.GetPicture())
    FuzzFailure("a saved item reads back otherwise");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitFuzzing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<CEditObject> node;
  uint64_t used = 0;
  try {
    node = LoadItem(data, size, &used);
  } catch (const CArchiveException&) {
    return 0;
  }
  LayOutBothWays(*node);
  CheckSavesAgain(*node, data, used);
  return 0;
}

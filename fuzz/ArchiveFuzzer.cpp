// The archive of a node list, as the clipboard and CopyInto load it: every element class is
// registered, so the object records can name any of them. What loads is laid out in both
// writing directions, saved, loaded back and copied node by node.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "model/EditNode.h"
#include "model/GdiCache.h"
#include "platform/Archive.h"
#include "platform/File.h"

namespace {

std::unique_ptr<CQVXMLNode> LoadList(const BYTE* data, size_t size) {
  CMemFile file(data, UINT(size));
  CArchive ar(&file, CArchive::load);
  std::unique_ptr<CObject> loaded(ar.ReadObject(RUNTIME_CLASS(CQVXMLNode)));
  auto* list = dynamic_cast<CQVXMLNode*>(loaded.get());
  if (list) loaded.release();
  return std::unique_ptr<CQVXMLNode>(list);
}

std::vector<BYTE> SaveList(CQVXMLNode& list) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    ar.WriteObject(&list);
  }
  return file.Data();
}

// The editing view catches what a layout pass raises and shows the sheet as it stands.
void LayOutBothWays(CQVXMLNode& list) {
  const int bSavedVertical = g_bVerticalWriting;
  for (int bVertical : {0, 1}) {
    g_bVerticalWriting = bVertical;
    try {
      LayOutChildren(list, bVertical);
    } catch (...) {
    }
  }
  g_bVerticalWriting = bSavedVertical;
}

void CheckSavesAndCopies(CQVXMLNode& list) {
  const std::vector<BYTE> saved = SaveList(list);
  std::unique_ptr<CQVXMLNode> again;
  try {
    again = LoadList(saved.data(), saved.size());
  } catch (const CArchiveException&) {
    FuzzFailure("a list that loaded does not load back once saved");
  }
  if (!again || SaveList(*again) != saved) FuzzFailure("a saved list does not save the same once loaded back");
  for (CQVXMLNode* child : list.m_arrChildren) {
    std::unique_ptr<CObject> copy(child->GetRuntimeClass()->CreateObject());
    if (!child->CopyInto(dynamic_cast<CQVXMLNode*>(copy.get()))) FuzzFailure("a loaded node does not copy");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitFuzzing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<CQVXMLNode> list;
  try {
    list = LoadList(data, size);
  } catch (const CArchiveException&) {
    return 0;
  }
  if (!list) return 0;
  LayOutBothWays(*list);
  CheckSavesAndCopies(*list);
  return 0;
}

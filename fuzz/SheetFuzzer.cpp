// A sheet XML file as the document opens it, its side files absent: parsed, its stylesheet
// transformed and imported. What reads is laid out and drawn in its own writing direction,
// written back out, and the written file must read again.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "app/VorelCntrItem.h"
#include "elements/EditObject.h"
#include "elements/EditPrint.h"
#include "fuzz/FuzzSupport.h"
#include "model/GdiCache.h"
#include "xmlformat/FoItemFactory.h"
#include "xmlformat/SheetReader.h"
#include "xmlformat/SheetWriter.h"

namespace {

// Object nodes made as the document makes them, without a document behind their items.
class CFuzzItems : public CFoItemFactory {
 public:
  CEditNode* CreateObjectNode(CArchive& ar, const CStringW&, int nWidth, int nHeight) override {
    auto node = std::make_unique<CEditObject>();
    node->SetItem(new CVorelCntrItem(nullptr))->Serialize(ar);
    node->m_rcInk = RECT{0, 0, nWidth, nHeight};
    return node.release();
  }
};

std::unique_ptr<CEditPrint> ReadSheet(const std::string& path) {
  CFuzzItems items;
  auto sheet = std::make_unique<CEditPrint>();
  CSheetReader reader(&items);
  if (!reader.LoadXmlFile(sheet.get(), path.c_str())) return nullptr;
  return sheet;
}

void LayOut(CEditPrint& sheet) {
  const int bVertical = sheet.m_nReserved0 != 0;
  g_bVerticalWriting = bVertical;
  try {
    LayOutSheet(sheet, bVertical);
  } catch (...) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitFuzzing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const int bSavedVertical = g_bVerticalWriting;
  const std::string path = FreshFuzzFolder("in") + "/sheet.qvp";
  if (!WriteFuzzFile(path, data, size)) FuzzFailure("the sheet file cannot be written");
  std::unique_ptr<CEditPrint> sheet = ReadSheet(path);
  if (sheet) {
    LayOut(*sheet);
    const std::string saved = FreshFuzzFolder("out") + "/saved.qvp";
    CStringW message;
    if (!WriteSheetXml(sheet.get(), saved.c_str(), &message))
      FuzzFailure("a sheet that read does not write", message.GetAnsiString());
    std::unique_ptr<CEditPrint> again = ReadSheet(saved);
    if (!again) FuzzFailure("a written sheet does not read back");
    LayOut(*again);
  }
  g_bVerticalWriting = bSavedVertical;
  return 0;
}

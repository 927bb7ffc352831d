#include "xmlformat/SheetWriter.h"

#include <memory>

#include "elements/EditPrint.h"
#include "model/FoBlockContainer.h"
#include "model/FoPageElements.h"
#include "platform/DomEncoding.h"
#include "xmlformat/FoDocumentWriter.h"
#include "xmlformat/FoTreeBuilder.h"
#include "xmlformat/SideFileReferences.h"

namespace {

// The first side file either tree names without its file having been written.
CStringW FindUnheldSideFile(CEditPrint* pPrint, CQVXMLNode* pNameField, CQVXMLNode* pBody) {
  const CStringW unheld = FindUnheldSideFile(pNameField, pPrint->m_arrPackFiles);
  return unheld.IsEmpty() ? FindUnheldSideFile(pBody, pPrint->m_arrPackFiles) : unheld;
}

}  // namespace

BOOL WriteSheetXml(CEditPrint* pPrint, const char* pszPath, CStringW* pUserMessage, CStringW* pReason) {
  CStringW message, reason;
  BOOL ok = FALSE;
  try {
    if (pPrint && pszPath) {
      pPrint->SetPathName(pszPath);
      pPrint->ClearPackFiles();
      auto nameField = std::make_unique<CFoBlockContainer>();
      auto body = std::make_unique<CFoFlow>();
      CFoTreeBuilder builder(pPrint);
      if (!builder.BuildFoTree(&pPrint->m_kimeiran, nameField.get()) || !builder.BuildFoTree(pPrint, body.get())) {
        // A message of its own tells the user already.
        message = builder.GetUserMessage();
        if (message.IsEmpty()) reason = builder.GetError();
      } else if (const CStringW unheld = FindUnheldSideFile(pPrint, nameField.get(), body.get()); !unheld.IsEmpty()) {
        reason = CStringW(u"参照するファイル ") + unheld + u" が書き出されていません";
      } else {
        const CStringW path{Utf8ToUtf16(std::string_view(pszPath))};
        ok = WriteFoDocument(pPrint, body.get(), path, nameField.get(), &message, &reason);
      }
    }
  } catch (...) {
    ok = FALSE;
  }
  if (pUserMessage) *pUserMessage = ok ? CStringW() : message;
  if (pReason) *pReason = ok ? CStringW() : reason;
  return ok;
}

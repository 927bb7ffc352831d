#include "xmlformat/SheetWriter.h"

#include <memory>

#include "elements/EditPrint.h"
#include "model/FoBlockContainer.h"
#include "model/FoPageElements.h"
#include "platform/DomEncoding.h"
#include "xmlformat/FoDocumentWriter.h"
#include "xmlformat/FoTreeBuilder.h"

BOOL WriteSheetXml(CEditPrint* pPrint, const char* pszPath, CStringW* pUserMessage) {
  if (pUserMessage) pUserMessage->Empty();
  if (!pPrint || !pszPath) return FALSE;
  try {
    pPrint->SetPathName(pszPath);
    pPrint->ClearPackFiles();
    auto nameField = std::make_unique<CFoBlockContainer>();
    auto body = std::make_unique<CFoFlow>();
    CFoTreeBuilder builder(pPrint);
    if (!builder.BuildFoTree(&pPrint->m_kimeiran, nameField.get()) || !builder.BuildFoTree(pPrint, body.get())) {
      if (pUserMessage) *pUserMessage = builder.GetUserMessage();
      return FALSE;
    }
    CStringW parseMessage;
    const CStringW path{Utf8ToUtf16(std::string_view(pszPath))};
    if (WriteFoDocument(pPrint, body.get(), path, nameField.get(), &parseMessage)) return TRUE;
    if (pUserMessage) *pUserMessage = parseMessage;
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

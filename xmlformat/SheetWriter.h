#pragma once
// Writes the open sheet as sheet XML: the FO trees of the name field and of the sheet are
// built (pictures and objects going to side files listed for packing), then the document.

#include "model/StringW.h"

class CEditPrint;

// TRUE when the file was written at pszPath (UTF-8), which the root records as its path.
// *pUserMessage gets the text a failure brought for the user (a picture that could not be
// saved, a template that does not parse), empty when it brought none; *pReason gets why the
// write failed, empty when nothing tells.
BOOL WriteSheetXml(CEditPrint* pPrint, const char* pszPath, CStringW* pUserMessage = nullptr,
                   CStringW* pReason = nullptr);

#pragma once
// The application's message boxes and file dialogs. Below the user interface everything asks
// this service, so tests replace it with scripted answers.

#include <string>
#include <vector>

#include "model/StringW.h"

enum MessageButtons { MB_BUTTONS_OK = 0, MB_BUTTONS_YESNOCANCEL = 3 };
enum MessageIcon { MB_ICON_NONE = 0, MB_ICON_EXCLAMATION = 0x30, MB_ICON_INFORMATION = 0x40 };
enum MessageAnswer { ANSWER_OK = 1, ANSWER_CANCEL = 2, ANSWER_YES = 6, ANSWER_NO = 7 };

// The class library's boxes carry the product name; the program's own carry its message caption.
inline const char16_t kLibraryCaption[] = u"QR70";
inline const char16_t kMessageCaption[] = u"ロヴェナ";

struct FILE_FILTER {
  CStringW text;
  CStringW pattern;
};

class CMessageService {
 public:
  virtual ~CMessageService() = default;
  virtual int ShowMessage(const CStringW& text, const CStringW& caption, int nButtons, int nIcon) = 0;
  // The chosen path (UTF-8) of an existing file; FALSE on cancel.
  virtual BOOL AskOpenPath(const CStringW& title, const std::vector<FILE_FILTER>& filters, std::string* pPath) = 0;
  // The chosen path (UTF-8) and the 1-based index of the chosen filter; FALSE on cancel. A
  // name typed without an extension gets defaultExt (given without its dot).
  virtual BOOL AskSavePath(const CStringW& title, const CStringW& initialName, const CStringW& defaultExt,
                           const std::vector<FILE_FILTER>& filters, std::string* pPath, int* pFilter) = 0;
};

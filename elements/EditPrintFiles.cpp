#include <unistd.h>

#include "elements/EditPrint.h"
#include "platform/DomEncoding.h"

namespace {

BOOL IsSeparator(char16_t c) { return c == u'/' || c == u'\\'; }

BOOL IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// Removes regular files and links only: a listed name that has become a folder stays.
void DeleteListedFiles(const std::vector<std::string>& files) {
  for (const std::string& file : files)
    if (!file.empty()) ::unlink(file.c_str());
}

}  // namespace

// Paths are the file system's bytes (UTF-8). The parts are kept whole: cutting a long folder
// to a fixed length would name side files in another folder.
void CEditPrint::SetPathName(const char* pszPath) {
  const CStringW path(std::u16string_view(Utf8ToUtf16(pszPath ? pszPath : "")));
  m_strPath = path;
  int start = 0;
  m_strDrive.Empty();
  if (path.GetLength() >= 2 && IsAsciiLetter(path[0]) && path[1] == u':') {
    m_strDrive = path.Left(2);
    start = 2;
  }
  int nameStart = start;
  for (int i = start; i < path.GetLength(); ++i)
    if (IsSeparator(path[i])) nameStart = i + 1;
  m_strDir = path.Mid(start, nameStart - start);
  int dot = -1;
  for (int i = nameStart; i < path.GetLength(); ++i)
    if (path[i] == u'.') dot = i;
  const int nameEnd = dot < 0 ? path.GetLength() : dot;
  m_strFname = path.Mid(nameStart, nameEnd - nameStart);
  m_strExt = path.Mid(nameEnd);
}

void CEditPrint::AddExtractedFile(const char* pszPath) {
  if (pszPath) m_arrExtractedFiles.emplace_back(pszPath);
}

void CEditPrint::DeleteExtractedFiles() { DeleteListedFiles(m_arrExtractedFiles); }

void CEditPrint::ClearPackFiles() { m_arrPackFiles.clear(); }

void CEditPrint::AddPackFile(const char* pszPath) {
  if (pszPath) m_arrPackFiles.emplace_back(pszPath);
}

void CEditPrint::DeletePackFiles() { DeleteListedFiles(m_arrPackFiles); }

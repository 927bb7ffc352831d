#pragma once
// Reads a sheet XML document into a fresh sheet root: search and registration texts, question
// ids, the embedded stylesheet's flow as the body template, the page layout and the parts
// from the stylesheet's transformation, then the points nodes. Nothing is shown: parse
// messages and object warnings are kept for the caller.

#include <string>
#include <vector>

#include "model/StringW.h"
#include "platform/DomDocument.h"

class CEditPrint;
class CFoItemFactory;

class CSheetReader {
 public:
  // pItems makes the nodes of embedded objects; null refuses sheets that hold one.
  explicit CSheetReader(CFoItemFactory* pItems = nullptr);

  // A new empty sheet from the built-in template of the writing mode; FALSE without a message
  // when the template is missing.
  BOOL LoadDefaultPrint(CEditPrint* pPrint, BOOL bVerticalMode);
  // pszPath is UTF-8.
  BOOL LoadXmlFile(CEditPrint* pPrint, const char* pszPath);
  // One leading U+FEFF is skipped; pszDocPath (UTF-8) is stored as the sheet's path.
  BOOL LoadXmlString(CEditPrint* pPrint, const char16_t* pszXml, const char* pszDocPath = "");
  BOOL ParsePrintXml(CEditPrint* pPrint, CDomDocument& doc);

  // Parse failures in the order met, each a text for one message box.
  const std::vector<CStringW>& GetMessages() const { return m_arrMessages; }
  // File errors of embedded objects whose side files did not open.
  const std::vector<CStringW>& GetWarnings() const { return m_arrWarnings; }
  // Why the last read failed, for the log; empty after success.
  const CStringW& GetError() const { return m_strError; }
  // After a good read: whether the sheet carries a question-search program id.
  BOOL HasSearchInfo() const { return m_bHasSearchInfo; }

 private:
  void Reset();
  BOOL LoadParsed(CEditPrint* pPrint, CDomDocument& doc, BOOL bLoaded, const char* pszPath);
  void Parse(CEditPrint* pPrint, CDomDocument& doc);
  void ReadSearchTexts(CEditPrint* pPrint, CDomDocument& doc);
  void ReadQuestionIds(CEditPrint* pPrint, CDomDocument& doc);
  void ReadBodyTemplate(CEditPrint* pPrint, CDomDocument& doc, const CDomNode& stylesheet);
  class CQVXMLNode* Transform(CEditPrint* pPrint, CDomDocument& doc, const CDomNode& stylesheet);
  class CQVXMLNode* ReadIntoPageSet(CEditPrint* pPrint, CDomDocument& doc);
  int ReadWritingDirection(CDomDocument& doc) const;
  void ImportLayout(CEditPrint* pPrint, class CQVXMLNode* pLayout, BOOL bVertical);
  void CheckQuestionNumbers(CEditPrint* pPrint);
  void AddPointsNodes(CEditPrint* pPrint);
  [[noreturn]] void Fail(const char* why);
  [[noreturn]] void FailWithMessage(const std::u16string& message);

  CFoItemFactory* m_pItems;
  std::vector<CStringW> m_arrMessages;
  std::vector<CStringW> m_arrWarnings;
  CStringW m_strError;
  BOOL m_bHasSearchInfo = FALSE;
};

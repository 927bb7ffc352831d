#pragma once
// Writes a whole sheet as one sheet XML file: the data section with the question skeleton
// and the search and registration texts, and the embedded stylesheet with the page masters,
// page references, flow and one template per part, filled by the FO element writers.

#include <vector>

#include "model/FoIdCounters.h"
#include "model/StringW.h"
#include "platform/DomDocument.h"

class CEditPrint;
class CFoBlockContainer;
class CFoFlow;
class CQVXMLNode;
class CXslApplyTemplates;

// 1 when the sheet XML was saved to path; 0 on any failure, the target then left as it was.
// The body holds one block container per top-level part; the name field is written when a
// page shows it. When the base template does not parse, *pParseMessage gets the parse error;
// *pReason gets why the document could not be made or saved, when the DOM told.
int WriteFoDocument(CEditPrint* pPrint, CFoFlow* pBody, const CStringW& path, CFoBlockContainer* pNameField,
                    CStringW* pParseMessage = nullptr, CStringW* pReason = nullptr);

class CFoDocumentWriter {
 public:
  CFoDocumentWriter(CEditPrint& print, CFoFlow& body, CFoBlockContainer* pNameField);

  // Builds the document in memory; throws on failure. A template that does not parse leaves
  // its message in ParseMessage().
  void Build();
  void Save(const CStringW& path) const { m_doc.save(path.str()); }
  const CStringW& ParseMessage() const { return m_strParseMessage; }
  // Why Build or Save failed, when the DOM told; empty otherwise.
  const CStringW& Failure() const { return m_strFailure; }
  void NoteFailure(const CStringW& failure);

 private:
  void LoadTemplate();
  CDomNode SelectRequired(const char16_t* expression);

  void WriteSearchTexts();
  void WriteQuestionInfos();
  void WritePageGeometry();
  void WriteColumnCount();
  void CountQuestions();
  void WriteFieldSequence();
  void WriteDataSkeleton();
  void WriteQuestionSkeleton(const CDomNode& stylesheet, const CXslApplyTemplates& node);
  void WritePageReferences();
  void WriteNameFieldReference();
  void WriteFlow();
  void WriteNameFieldTemplate(const CDomNode& stylesheet);
  void WritePartTemplates(const CDomNode& stylesheet);
  void WritePartTemplate(const CDomNode& stylesheet, const CStringW& path, CQVXMLNode* pFoPart);

  BOOL HasNameField() const;

  CEditPrint& m_print;
  CFoFlow& m_body;
  CFoBlockContainer* m_pNameField;
  BOOL m_bVertical;
  CDomDocument m_doc;
  CStringW m_strParseMessage;
  CStringW m_strFailure;
  std::vector<int> m_arrMinorCounts;  // entry n for major n; entry 0 unused
};

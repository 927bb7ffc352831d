#pragma once
// Turns a sheet's edit tree into the FO node tree that the XML writers write: lines become
// blocks, runs of one format become inlines, and every picture and embedded object goes to a
// side file beside the sheet XML. One builder serves one write, so the side files of that
// write are numbered once and never share a name. A failure stops the build and is reported
// with its cause; what was appended before it stays in the tree, which the caller discards.

#include <functional>

#include "model/StringW.h"

class CEditChar;
class CEditKan;
class CEditNode;
class CEditObject;
class CEditPrint;
class CEditRuby;
class CEditTable;
class CFoBlock;
class CFoInlineContainer;
class CQVXMLNode;
class QString;

class CFoTreeBuilder {
 public:
  // The sheet whose folder and file title name the side files and whose pack list records
  // them; null takes the sheet root of each picture or object.
  explicit CFoTreeBuilder(CEditPrint* pSheet = nullptr);

  // Appends to pParent the FO nodes for the children of pSource; a sheet root and a table
  // go to their own builders.
  BOOL BuildFoTree(CEditNode* pSource, CQVXMLNode* pParent);
  // One block container per question part, text box and page break, in the root's order.
  BOOL BuildFoPages(CEditPrint* pRoot, CQVXMLNode* pParent);
  BOOL BuildFoTable(CEditTable* pTable, CQVXMLNode* pParent);
  // A kanbun block: its right kana, its marks as one inline each, its left kana.
  BOOL BuildFoKan(CEditKan* pKan, CFoInlineContainer* pContainer);
  // A ruby: its reading's blocks, then its base's.
  BOOL BuildFoRuby(CEditRuby* pRuby, CFoInlineContainer* pContainer);

  // Below pNode, gives the characters that need it their gaiji slot and the gaiji face: a run
  // is split so that each such character stands alone in its inline; MathML tokens other
  // than mo are changed in place. No inline is descended into. FALSE when memory ran out.
  static BOOL ApplyGaijiFont(CQVXMLNode* pNode, BOOL bVertical);

  // Why the last build failed.
  const CStringW& GetError() const { return m_strError; }
  // A text for the user that the failure brought, empty when it brought none.
  const CStringW& GetUserMessage() const { return m_strUserMessage; }

 private:
  struct RUN {
    CEditChar* pFirst = nullptr;
    CStringW text;
  };
  struct SIDE_FILE {
    CEditPrint* pSheet = nullptr;  // lists the file for packing
    CStringW name;                 // as the sheet XML names it
    CStringW path;
  };
  struct LINE_STATE {
    BOOL bNeedBlock = TRUE;
    CFoBlock* pBlock = nullptr;
    RUN run;
  };

  // Runs a step of the build; FALSE with the cause recorded when it fails.
  BOOL Guard(const std::function<void()>& step);

  void ConvertTree(CEditNode* pSource, CQVXMLNode* pParent);
  void ConvertPages(CEditPrint* pRoot, CQVXMLNode* pParent);
  void ConvertPart(CEditPrint* pRoot, CEditNode* pPart, CQVXMLNode* pParent);
  void ConvertTable(CEditTable* pTable, CQVXMLNode* pParent);
  void ConvertKan(CEditKan* pKan, CFoInlineContainer* pContainer);
  void ConvertRuby(CEditRuby* pRuby, CFoInlineContainer* pContainer);
  void ConvertPoints(CEditNode* pPoints, CFoBlock* pBlock);
  void ConvertPicture(CEditNode* pNode, CFoBlock* pBlock);
  void ConvertChildren(CEditNode* pContainer, CQVXMLNode* pParent);
  void ConvertFloat(CEditNode* pFloat, CQVXMLNode* pParent);
  void AddCharacter(LINE_STATE& state, CEditChar* pChar);
  void EndLine(LINE_STATE& state, CEditChar* pLineEnd);
  void CloseRun(LINE_STATE& state);
  void ConvertInline(CEditNode* pChild, CFoBlock* pBlock);
  void ConvertFormula(CEditNode* pFormula, CFoBlock* pBlock);
  void ConvertInlineContainer(CEditNode* pChild, int nBlockKind, CFoBlock* pBlock);
  void ConvertObject(CEditNode* pNode, CFoBlock* pBlock);
  // Takes the next number of the counter; the file lies in the sheet's folder.
  SIDE_FILE NextSideFile(CEditNode* pNode, int& nNumber, const QString& extension);
  void WriteObjectFile(CEditObject* pNode, const SIDE_FILE& file);

  CEditPrint* m_pSheet;
  int m_nPictureFileNo = 0;
  int m_nObjectFileNo = 0;
  CStringW m_strError;
  CStringW m_strUserMessage;
};

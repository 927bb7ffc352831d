#include <QFile>
#include <QString>
#include <memory>

#include "elements/EditDmonno.h"
#include "elements/EditMonno.h"
#include "elements/EditPrint.h"
#include "elements/EditTable.h"
#include "math/EditMath.h"
#include "math/EditMathCR.h"
#include "math/MathMLImport.h"
#include "model/EditCR.h"
#include "model/MathMLNode.h"
#include "model/FoFlowElements.h"
#include "model/MondaiElements.h"
#include "platform/Archive.h"
#include "platform/File.h"
#include "xmlformat/FoItemFactory.h"
#include "xmlformat/FoLayoutImport.h"

namespace {

constexpr int kNumberFormatCount = 16;

// A bare file name: no folder part, no drive, not "." or "..", not empty.
BOOL IsBareFileName(const CStringW& name) {
  return !name.IsEmpty() && name.FindOneOf(u"/\\:") < 0 && name != CStringW(u".") && name != CStringW(u"..");
}

// The text of a file error as the system words it.
CStringW FileErrorText(const CFileException& error, const CStringW& path) {
  CStringW text = path;
  switch (error.m_cause) {
    case CFileException::fileNotFound: text += u" が見つかりませんでした。"; break;
    case CFileException::accessDenied: text += u" にアクセスできませんでした。"; break;
    default: text += u" のアクセス中に不明なエラーが発生しました。"; break;
  }
  return text.Left(256);
}

}  // namespace

std::string LocalPath(const CStringW& path) {
  return QFile::encodeName(QString::fromStdU16String(path.str())).toStdString();
}

void CFoLayoutImport::ImportFoBlocks(CQVXMLNode* pBlock, CQVXMLNode* pTarget) {
  for (CQVXMLNode* child : pBlock->m_arrChildren) {
    switch (child->m_nType) {
      case XE_FO_INLINE:
        ImportRun(child, pTarget);
        break;
      case XE_FO_INLINE_CONTAINER:
        if (child->GetChildCount() > 0) ImportInlineContainer(child, pTarget);
        break;
      case XE_FO_TABLE_AND_CAPTION:
        ImportFoTable(child, AppendImported(pTarget, new CEditTable));
        break;
      case XE_FO_INSTREAM_FOREIGN_OBJECT:
        if (child->GetChildCount() > 0) ImportForeignObject(child->GetFirstChild(), pTarget);
        break;
      case XE_FO_EXTERNAL_GRAPHIC:
        ImportGraphic(child, pTarget);
        break;
      default:
        break;
    }
  }
  auto* lineEnd = AppendImported(pTarget, new CEditCR);
  lineEnd->CopyLinePropsFromFo(dynamic_cast<CFoNode*>(pBlock));
}

void CFoLayoutImport::ImportRun(CQVXMLNode* pInline, CQVXMLNode* pTarget) {
  ImportCharacters<CEditChar>(pInline, pInline->m_strText, pTarget);
}

void CFoLayoutImport::ImportForeignObject(CQVXMLNode* pFo, CQVXMLNode* pTarget) {
  switch (pFo->m_nType) {
    case XE_MATH: ImportFormula(pFo, pTarget); break;
    case XE_OBJECT: ImportObject(pFo, pTarget); break;
    case XE_DNO:
    case XE_NO: ImportNumber(pFo, pTarget); break;
    case XE_HAI: ImportPoints(pFo, pTarget); break;
    default: break;
  }
}

void CFoLayoutImport::ImportFormula(CQVXMLNode* pMath, CQVXMLNode* pTarget) {
  auto formula = std::make_unique<CEditMath>();
  if (auto* math = dynamic_cast<CMathMLNode*>(pMath); math && math->m_borderProps.m_nBorderAfterStyle != LS_NONE) {
    formula->m_nBorderAfterStyle = math->m_borderProps.m_nBorderAfterStyle;
    formula->m_nBorderAfterWidth = math->m_borderProps.m_nBorderAfterWidth;
  }
  // In place first, so that a formula inside an in-text answer knows it lies there.
  CEditMath* placed = AppendImported(pTarget, formula.release());
  try {
    ConvertMathMLToNodes(pMath, placed);
  } catch (const CMathMLTooDeep&) {
    throw CFoImportError("a formula is nested too deep");
  }
  AppendImported(placed, new CEditMathCR);
}

void CFoLayoutImport::ImportObject(CQVXMLNode* pObject, CQVXMLNode* pTarget) {
  auto* object = dynamic_cast<CMondaiObject*>(pObject);
  if (!object || !m_pItems) throw CFoImportError("an embedded object cannot be made");
  CStringW path = SideFilePath(object->m_strData.c_str());
  CFile file;
  CFileException error(CFileException::none, LocalPath(path));
  if (path.IsEmpty()) error.m_cause = CFileException::accessDenied;
  if (path.IsEmpty() || !file.Open(LocalPath(path).c_str(), CFile::modeRead, &error)) {
    AppendImported(pTarget, new CEditCR);
    WarnSideFile(error, path.IsEmpty() ? CStringW(object->m_strData.c_str()) : path);
    return;
  }
  m_pRoot->AddExtractedFile(LocalPath(path).c_str());
  CArchive ar(&file, CArchive::load);
  AppendImported(pTarget, m_pItems->CreateObjectNode(ar, path, object->m_nWidth, object->m_nHeight));
}

void CFoLayoutImport::ImportNumber(CQVXMLNode* pNumber, CQVXMLNode* pTarget) {
  // Formats outside the known styles take the direction's default.
  auto format = [this](int nFormat, int nHorizontal, int nVertical) {
    return nFormat >= 0 && nFormat < kNumberFormatCount ? nFormat : (m_bVertical ? nVertical : nHorizontal);
  };
  if (auto* major = dynamic_cast<CMondaiDno*>(pNumber))
    AppendImported(pTarget, new CEditDmonno(format(major->m_nNumberFormat, 0, 2)));
  else if (auto* minor = dynamic_cast<CMondaiNo*>(pNumber))
    AppendImported(pTarget, new CEditMonno(format(minor->m_nNumberFormat, 1, 3)));
}

void CFoLayoutImport::WarnSideFile(const CFileException& error, const CStringW& path) {
  m_arrWarnings.push_back(FileErrorText(error, path));
}

CStringW CFoLayoutImport::SideFilePath(const char* pszName) const {
  CStringW name(pszName);
  if (!IsBareFileName(name)) return CStringW();
  CStringW path = m_pRoot->m_strDrive;
  path += m_pRoot->m_strDir;
  if (!path.IsEmpty() && path[path.GetLength() - 1] != u'/') path += u'/';
  path += name;
  return path;
}

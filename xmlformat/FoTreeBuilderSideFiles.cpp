#include <QDir>
#include <QString>

#include "elements/EditGraphic.h"
#include "elements/EditObject.h"
#include "elements/EditObjectItem.h"
#include "elements/EditPrint.h"
#include "model/FoFlowElements.h"
#include "model/MondaiElements.h"
#include "platform/AnsiCodePage.h"
#include "platform/Archive.h"
#include "platform/File.h"
#include "xmlformat/FoBuildFailure.h"
#include "xmlformat/FoTreeBuilder.h"

namespace {

QString ToQString(const CStringW& text) { return QString::fromStdU16String(text.str()); }

}  // namespace

CFoTreeBuilder::SIDE_FILE CFoTreeBuilder::NextSideFile(CEditNode* pNode, int& nNumber, const QString& extension) {
  CEditPrint* sheet = m_pSheet ? m_pSheet : dynamic_cast<CEditPrint*>(pNode->GetRootNode());
  if (!sheet || sheet->m_strDir.IsEmpty()) FailBuild(u"the sheet has no folder for its side files");
  ++nNumber;
  // The name goes into the sheet XML through CP932: it must come back as the file's own name.
  const QString title = QString::fromStdU16String(ToAnsiSafe(sheet->m_strFname.str(), u'_'));
  QString name = title + QString::asprintf("-%02d.", nNumber) + extension;
  SIDE_FILE file;
  file.pSheet = sheet;
  file.name = CStringW(name.toStdU16String());
  file.path = CStringW(QDir(ToQString(sheet->m_strDir)).filePath(name).toStdU16String());
  return file;
}

void CFoTreeBuilder::ConvertObject(CEditNode* pNode, CFoBlock* pBlock) {
  auto* node = CastOrFail<CEditObject>(pNode, u"an embedded object");
  SIDE_FILE file = NextSideFile(node, m_nObjectFileNo, u"bin"_qs);
  auto* object = AppendNew<CMondaiObject>(AppendNew<CFoInstreamForeignObject>(pBlock));
  object->m_nWidth = node->m_nWidth;
  object->m_nHeight = node->m_nHeight;
  object->m_strData = WideToAnsi(file.name.str());
  WriteObjectFile(node, file);
}

void CFoTreeBuilder::WriteObjectFile(CEditObject* pNode, const SIDE_FILE& file) {
  const CStringW cause = CStringW(u"the object file cannot be written: ") + file.path;
  CFile out;
  if (!out.Open(ToQString(file.path).toUtf8().constData(), CFile::modeCreate | CFile::modeWrite)) FailBuild(cause);
  try {
    CArchive ar(&out, CArchive::store);
    if (pNode->m_pItem)
      pNode->m_pItem->Serialize(ar);
    else
      COleClientItem::StoreNoItem(ar);
    ar.Flush();
    out.Close();
  } catch (const CFileException&) {
    FailBuild(cause);
  } catch (const CArchiveException&) {
    FailBuild(cause);
  }
  file.pSheet->AddPackFile(ToQString(file.path).toUtf8().constData());
}
void CFoTreeBuilder::ConvertPicture(CEditNode* pNode, CFoBlock* pBlock) {
  auto* picture = CastOrFail<CEditGraphic>(pNode, u"a picture");
  auto* graphic = AppendNew<CFoExternalGraphic>(pBlock);
  graphic->m_dimensionProps.m_nAreaWidth = picture->m_nWidth;
  graphic->m_dimensionProps.m_nAreaHeight = picture->m_nHeight;
  // A picture whose file was missing when the sheet was opened has nothing to write and
  // names no file.
  if (!picture->m_hDib) return;
  std::string extension;
  picture->GetFileExtension(extension);
  SIDE_FILE file = NextSideFile(picture, m_nPictureFileNo, QString::fromStdString(extension));
  graphic->m_strSource = WideToAnsi(file.name.str());
  if (!picture->SaveFile(ToQString(file.path).toUtf8().constData()))
    FailBuild(CStringW(u"the picture file cannot be written: ") + file.path,
              CStringW(u"イメージの保存に失敗しました。\n\n") + file.path);
  file.pSheet->AddPackFile(ToQString(file.path).toUtf8().constData());
}

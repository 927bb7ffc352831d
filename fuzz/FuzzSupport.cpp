#include "fuzz/FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "model/EditNode.h"
#include "model/LayoutDC.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

namespace {

constexpr int kColumnWidth = 18000;
constexpr int kPageHeight = 25000;
constexpr int kDrawnPages = 3;

// A small picture to draw into: drawing runs every path without the cost of a page. Like the
// application, it lives until the process ends, after Qt's own statics.
CDC& DrawDC() {
  static QImage* image = new QImage(160, 160, QImage::Format_RGB32);
  static CDC* dc = new CDC(MakeImageBackend(image));
  return *dc;
}

// Removed with its content at exit, without Qt, which may be gone by then.
struct FUZZ_FOLDER {
  FUZZ_FOLDER() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qr70-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path = pattern;
  }
  ~FUZZ_FOLDER() {
    std::error_code error;
    if (!path.empty()) std::filesystem::remove_all(path, error);
  }
  std::string path;
};

}  // namespace

void InitFuzzing() {
  static QGuiApplication* app = nullptr;
  if (app) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  app = new QGuiApplication(argc, argv);
  if (FuzzFolder().empty()) FuzzFailure("no private folder could be made");
}

const std::string& FuzzFolder() {
  static FUZZ_FOLDER folder;
  return folder.path;
}

std::string FreshFuzzFolder(const char* pszName) {
  QDir folder(QString::fromStdString(FuzzFolder()) + "/" + pszName);
  folder.removeRecursively();
  folder.mkpath(".");
  return folder.path().toStdString();
}

bool WriteFuzzFile(const std::string& path, const uint8_t* data, size_t size) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return size == 0 || file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
}

void LayOutNode(CEditNode& node, int bVertical) {
  CLayoutDC measureDC;
  CCoordMapper mapper;
  mapper.m_bVertical = bVertical;
  EDIT_LAYOUT_PARAM measure{};
  measure.nWidth = measure.nWidth2 = measure.nColumnWidth = kColumnWidth;
  measure.nPageHeight = measure.nHeight = kPageHeight;
  node.Measure(&measureDC, &mapper, &measure);
  EDIT_LAYOUT_PARAM arrange{};
  node.Arrange(&arrange, bVertical);
  EDIT_LAYOUT_PARAM draw{};
  node.Draw(&DrawDC(), &mapper, &draw);
  int after = 0;
  node.NodeFromPoint(500, 500, &after);
}

void LayOutChildren(CQVXMLNode& list, int bVertical) {
  for (int i = 0; i < list.GetChildCount(); ++i)
    if (auto* node = dynamic_cast<CEditNode*>(list.GetChildAt(i))) LayOutNode(*node, bVertical);
}

void LayOutSheet(CEditPrint& sheet, int bVertical) {
  CLayoutDC measureDC;
  CCoordMapper mapper;
  mapper.m_bVertical = bVertical;
  sheet.Measure(&measureDC, &mapper, nullptr);
  EDIT_LAYOUT_PARAM arrange{};
  sheet.Arrange(&arrange, bVertical);
  mapper.SetResolution(10, 10, 100);
  for (int page = 1; page <= sheet.m_nPageCount && page <= kDrawnPages; ++page) {
    EDIT_LAYOUT_PARAM print{};
    print.nPage = page;
    sheet.ArrangePage(&print, bVertical);
    sheet.DrawPage(&DrawDC(), &mapper, &print);
  }
  sheet.Arrange(&arrange, bVertical);
}

void FuzzFailure(const char* what, const char* detail) {
  std::fprintf(stderr, "fuzz failure: %s%s%s\n", what, detail && *detail ? ": " : "", detail ? detail : "");
  std::abort();
}

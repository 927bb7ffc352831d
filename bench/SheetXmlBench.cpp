#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/support/BenchSheet.h"
#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "model/FoBlockContainer.h"
#include "model/FoPageElements.h"
#include "model/LayoutDC.h"
#include "platform/DomDocument.h"
#include "platform/DomEncoding.h"
#include "xmlformat/FoDocumentWriter.h"
#include "xmlformat/FoTreeBuilder.h"
#include "xmlformat/SheetReader.h"
#include "xmlformat/SheetWriter.h"

// The 20-page sheet written as sheet XML and read back, phase by phase.
namespace {

struct SHEET_FILE_FIXTURE {
  QTemporaryDir dir;
  std::string path;
  CEditPrint sheet;

  // bWritten: the sheet is also written at path, for the reading benchmarks.
  explicit SHEET_FILE_FIXTURE(bool bWritten = false) : path(dir.filePath("sheet.xml").toStdString()) {
    bench::BuildSheetFile(sheet);
    CLayoutDC dc;
    CCoordMapper mapper;
    sheet.Measure(&dc, &mapper, nullptr);
    EDIT_LAYOUT_PARAM arrange{};
    sheet.Arrange(&arrange, 0);
    sheet.SetPathName(path.c_str());
    if (bWritten) WriteSheetXml(&sheet, path.c_str());
  }
};

struct FO_TREES {
  std::unique_ptr<CFoBlockContainer> nameField = std::make_unique<CFoBlockContainer>();
  std::unique_ptr<CFoFlow> body = std::make_unique<CFoFlow>();

  explicit FO_TREES(CEditPrint& sheet) {
    CFoTreeBuilder builder(&sheet);
    builder.BuildFoTree(&sheet.m_kimeiran, nameField.get());
    builder.BuildFoTree(&sheet, body.get());
  }
};

void BM_SheetXmlBuildFoTree(benchmark::State& state) {
  SHEET_FILE_FIXTURE f;
  for (auto _ : state) benchmark::DoNotOptimize(FO_TREES(f.sheet).body.get());
}
BENCHMARK(BM_SheetXmlBuildFoTree)->Unit(benchmark::kMillisecond);

void BM_SheetXmlWriteDocument(benchmark::State& state) {
  SHEET_FILE_FIXTURE f;
  FO_TREES trees(f.sheet);
  for (auto _ : state) {
    CFoDocumentWriter writer(f.sheet, *trees.body, trees.nameField.get());
    writer.Build();
  }
}
BENCHMARK(BM_SheetXmlWriteDocument)->Unit(benchmark::kMillisecond);

void BM_SheetXmlSaveDocument(benchmark::State& state) {
  SHEET_FILE_FIXTURE f;
  FO_TREES trees(f.sheet);
  CFoDocumentWriter writer(f.sheet, *trees.body, trees.nameField.get());
  writer.Build();
  const CStringW path{Utf8ToUtf16(f.path)};
  for (auto _ : state) writer.Save(path);
}
BENCHMARK(BM_SheetXmlSaveDocument)->Unit(benchmark::kMillisecond);

// All three together, as a save does.
void BM_SheetXmlWriteWhole(benchmark::State& state) {
  SHEET_FILE_FIXTURE f;
  for (auto _ : state)
    if (!WriteSheetXml(&f.sheet, f.path.c_str())) state.SkipWithError("the sheet was not written");
}
BENCHMARK(BM_SheetXmlWriteWhole)->Unit(benchmark::kMillisecond);

void BM_SheetXmlParse(benchmark::State& state) {
  SHEET_FILE_FIXTURE f(true);
  for (auto _ : state) {
    CDomDocument doc;
    if (!doc.load(Utf8ToUtf16(f.path))) state.SkipWithError("the sheet does not parse");
  }
}
BENCHMARK(BM_SheetXmlParse)->Unit(benchmark::kMillisecond);

void BM_SheetXmlTransform(benchmark::State& state) {
  SHEET_FILE_FIXTURE f(true);
  for (auto _ : state) {
    state.PauseTiming();
    CDomDocument doc;
    doc.load(Utf8ToUtf16(f.path));
    doc.setProperty(u"SelectionLanguage", u"XPath");
    doc.setProperty(u"SelectionNamespaces", u"xmlns:xsl='http://www.w3.org/1999/XSL/Transform'");
    CDomNode stylesheet = doc.selectSingleNode(u"//xsl:stylesheet");
    CDomNode removed = doc.documentElement().removeChild(stylesheet);
    state.ResumeTiming();
    if (doc.transformNode(removed).empty()) state.SkipWithError("the transformation failed");
  }
}
BENCHMARK(BM_SheetXmlTransform)->Unit(benchmark::kMillisecond);

// Parse, transform and import, as an open does.
void BM_SheetXmlReadWhole(benchmark::State& state) {
  SHEET_FILE_FIXTURE f(true);
  for (auto _ : state) {
    CEditPrint read;
    CSheetReader reader;
    if (!reader.LoadXmlFile(&read, f.path.c_str())) state.SkipWithError("the sheet was not read");
    state.counters["parts"] = read.GetChildCount();
  }
}
BENCHMARK(BM_SheetXmlReadWhole)->Unit(benchmark::kMillisecond);

}  // namespace

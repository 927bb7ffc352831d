#include <malloc.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "app/MessageService.h"
#include "app/VorelDoc.h"
#include "bench/support/BenchSheet.h"
#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "model/LayoutDC.h"
#include "xmlformat/SheetWriter.h"

namespace {

// Answers every save dialog with one path and counts the messages, which a good run never shows.
class CBenchMessages : public CMessageService {
 public:
  int ShowMessage(const CStringW&, const CStringW&, int, int) override {
    ++m_nShown;
    return ANSWER_OK;
  }
  BOOL AskOpenPath(const CStringW&, const std::vector<FILE_FILTER>&, std::string*) override { return FALSE; }
  BOOL AskSavePath(const CStringW&, const CStringW&, const CStringW&, const std::vector<FILE_FILTER>&,
                   std::string* pPath, int* pFilter) override {
    *pPath = m_strPath;
    *pFilter = 1;
    return TRUE;
  }

  std::string m_strPath;
  int m_nShown = 0;
};

// The 20-page sheet as plain sheet XML and as a package, written once for all benchmarks.
struct SHEET_FILES {
  QTemporaryDir dir;
  std::string xml = dir.filePath("bench.qvp").toStdString();
  std::string package = dir.filePath("bench.qvf").toStdString();

  SHEET_FILES() {
    CEditPrint sheet;
    CBenchMessages messages;
    messages.m_strPath = package;
    CVorelDoc doc(&messages);
    if (!bench::BuildSheetFile(sheet) || !WriteSheetXml(&sheet, xml.c_str()) || !doc.OpenDocument(xml) ||
        !doc.DoSave(TRUE))
      package.clear();
  }
};

const SHEET_FILES& Files() {
  static const SHEET_FILES files;
  return files;
}

BOOL CheckFiles(benchmark::State& state) {
  if (!Files().package.empty()) return TRUE;
  state.SkipWithError("the sheet could not be written");
  return FALSE;
}

long FileSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  return long(in.tellg());
}

// As the view lays the sheet out after opening it.
void LayOut(CEditPrint& sheet) {
  CLayoutDC dc;
  CCoordMapper mapper;
  EDIT_LAYOUT_PARAM param{};
  sheet.Measure(&dc, &mapper, &param);
  sheet.Arrange(&param, mapper.m_bVertical);
}

double ResidentMegabytes() {
  long pages = 0;
  long resident = 0;
  std::ifstream statm("/proc/self/statm");
  statm >> pages >> resident;
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Memory of the process's own, without the mapped fonts and libraries.
double AnonymousMegabytes() {
  std::ifstream rollup("/proc/self/smaps_rollup");
  for (std::string key; rollup >> key;) {
    long kilobytes = 0;
    if (key == "Anonymous:" && rollup >> kilobytes) return double(kilobytes) / 1024.0;
  }
  return 0;
}

void BM_SavePackage(benchmark::State& state) {
  if (!CheckFiles(state)) return;
  CBenchMessages messages;
  CVorelDoc doc(&messages);
  doc.OpenDocument(Files().package);
  QTemporaryDir dir;
  const std::string path = dir.filePath("saved.qvf").toStdString();
  for (auto _ : state)
    if (!doc.OnSaveDocument(path)) state.SkipWithError("the package was not saved");
  state.counters["package_kb"] = double(FileSize(path)) / 1024.0;
}
BENCHMARK(BM_SavePackage)->Unit(benchmark::kMillisecond);

// What File > Open costs before the first paint.
void BM_OpenPackage(benchmark::State& state) {
  if (!CheckFiles(state)) return;
  CBenchMessages messages;
  CVorelDoc doc(&messages);
  for (auto _ : state)
    if (!doc.OpenDocument(Files().package)) state.SkipWithError("the package was not opened");
  state.counters["messages"] = messages.m_nShown;
}
BENCHMARK(BM_OpenPackage)->Unit(benchmark::kMillisecond);

void BM_OpenPackageAndLayOut(benchmark::State& state) {
  if (!CheckFiles(state)) return;
  CBenchMessages messages;
  CVorelDoc doc(&messages);
  for (auto _ : state) {
    if (!doc.OpenDocument(Files().package)) state.SkipWithError("the package was not opened");
    LayOut(*doc.GetPrint());
  }
  state.counters["pages"] = doc.GetPrint()->m_nPageCount;
}
BENCHMARK(BM_OpenPackageAndLayOut)->Unit(benchmark::kMillisecond);

// Run alone (--benchmark_filter=Memory) for a figure undisturbed by the others' heaps. The
// sheet is opened, laid out and emptied once first, so that the fonts and the libraries' own
// tables are in before the sheet's growth is measured.
void BM_OpenLaidOutSheetMemory(benchmark::State& state) {
  if (!CheckFiles(state)) return;
  CBenchMessages messages;
  auto doc = std::make_unique<CVorelDoc>(&messages);
  doc->OpenDocument(Files().package);
  LayOut(*doc->GetPrint());
  doc->DeleteContents();
  malloc_trim(0);
  const double before = ResidentMegabytes();
  for (auto _ : state) {
    doc->OpenDocument(Files().package);
    LayOut(*doc->GetPrint());
  }
  malloc_trim(0);
  state.counters["rss_mb"] = ResidentMegabytes();
  state.counters["anon_mb"] = AnonymousMegabytes();
  state.counters["sheet_mb"] = ResidentMegabytes() - before;
}
BENCHMARK(BM_OpenLaidOutSheetMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <string>

#include "elements/EditPrint.h"
#include "model/EditSentence.h"
#include "model/EditChar.h"
#include "model/EditCR.h"
#include "xmlformat/SheetReader.h"
#include "xmlformat/SheetWriter.h"

// Sheets of thousands of major questions, each with a question and an answer field, written
// and read back: the reader's transformation budgets grow with the sheet.
namespace {

CEditSentence* MakePart(int nMajor, int nKind) {
  auto* part = new CEditSentence;
  part->m_nKind = nKind;
  part->m_nMajor = nMajor;
  for (char16_t c : std::u16string(u"問題文"))
    part->AppendChild(new CEditChar(c));
  part->AppendChild(new CEditCR);
  return part;
}

bool BuildManyMajors(CEditPrint& sheet, int nMajors) {
  if (!CSheetReader().LoadDefaultPrint(&sheet, FALSE)) return false;
  sheet.DeleteAllChildren();
  for (int major = 1; major <= nMajors; ++major) {
    sheet.AppendChild(MakePart(major, CEditSentence::KindQuestion));
    sheet.AppendChild(MakePart(major, CEditSentence::KindAnswerField));
  }
  return true;
}

void BM_ManyMajorsReadBack(benchmark::State& state) {
  const int nMajors = int(state.range(0));
  QTemporaryDir dir;
  const std::string path = dir.filePath("majors.qvp").toStdString();
  CEditPrint sheet;
  if (!BuildManyMajors(sheet, nMajors) || !WriteSheetXml(&sheet, path.c_str())) {
    state.SkipWithError("the sheet was not written");
    return;
  }
  for (auto _ : state) {
    CEditPrint read;
    CSheetReader reader;
    if (!reader.LoadXmlFile(&read, path.c_str()) || read.GetMajorQuestionCount() != nMajors)
      state.SkipWithError("the sheet was not read back");
  }
}
void BM_ManyMajorsWrite(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("majors.qvp").toStdString();
  CEditPrint sheet;
  if (!BuildManyMajors(sheet, int(state.range(0)))) state.SkipWithError("the sheet was not built");
  for (auto _ : state)
    if (!WriteSheetXml(&sheet, path.c_str())) state.SkipWithError("the sheet was not written");
}
BENCHMARK(BM_ManyMajorsWrite)->Arg(1600)->Arg(3000)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK(BM_ManyMajorsReadBack)->Arg(1600)->Arg(3000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

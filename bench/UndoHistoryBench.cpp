#include <benchmark/benchmark.h>

#include "app/UndoHistory.h"
#include "elements/EditPrint.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/UndoGroup.h"

namespace {

// A 20-page sheet deleted character by character, one group per keystroke, then its parts
// as whole nodes, and the history emptied: every step must stay linear in the nodes parked.
void DeleteWholeSheet(benchmark::State& state) {
  const int parts = int(state.range(0));
  constexpr int kPartLength = 600;
  for (auto _ : state) {
    state.PauseTiming();
    CEditPrint sheet;
    for (int p = 0; p < parts; ++p) {
      auto* part = new CEditSentence;
      for (int i = 0; i < kPartLength; ++i) part->AppendChild(new CEditChar(u'あ'));
      part->AppendChild(new CEditCR);
      sheet.AppendChild(part);
    }
    state.ResumeTiming();
    CUndoHistory history;
    for (int p = 0; p < parts; ++p) {
      auto* part = sheet.GetEditChildAt(0);
      while (part->GetChildCount() > 1) {
        auto* removed = part->GetEditChildAt(0);
        removed->Detach();
        auto* group = new CUndoGroup;
        group->AddNodeAction(UNDO_REMOVE_BEFORE, removed, part->GetEditChildAt(0), 0, 0);
        history.PushUndo(group);
      }
      part->Detach();
      history.AddPendingDelete(part);
    }
    history.ClearUndo(&sheet);
  }
  state.SetItemsProcessed(state.iterations() * parts * kPartLength);
}

}  // namespace

BENCHMARK(DeleteWholeSheet)->Arg(10)->Arg(40)->Arg(160)->Unit(benchmark::kMillisecond);

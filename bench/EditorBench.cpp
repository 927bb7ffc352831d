#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include "app/MessageService.h"
#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "bench/support/BenchSheet.h"
#include "elements/EditPrint.h"

namespace {

class CSilentMessages : public CMessageService {
 public:
  int ShowMessage(const CStringW&, const CStringW&, int, int) override { return ANSWER_OK; }
  BOOL AskOpenPath(const CStringW&, const std::vector<FILE_FILTER>&, std::string*) override { return FALSE; }
  BOOL AskSavePath(const CStringW&, const CStringW&, const CStringW&, const std::vector<FILE_FILTER>&, std::string*,
                   int*) override {
    return FALSE;
  }
};

// The 20-page sheet in a view of 1200 x 900 pixels at zoom 100, the caret in the first part.
class CEditorSession {
 public:
  CEditorSession() {
    m_doc.OnNewDocument();
    bench::BuildSheet(*m_doc.GetPrint());
    m_view.resize(1200, 900);
    m_view.show();
    m_view.setFocus();
    m_view.OnInitialUpdate();
    QApplication::processEvents();
  }
  CVorelView& View() { return m_view; }

 private:
  CSilentMessages m_messages;
  CVorelDoc m_doc{&m_messages};
  CVorelView m_view{&m_doc};
};

// One layout pass of the whole sheet and the painting of the visible screen.
void BM_LayoutAndPaintScreen(benchmark::State& state) {
  CEditorSession session;
  CVorelView& view = session.View();
  for (auto _ : state) {
    view.OnUpdate(nullptr, 0, nullptr);
    view.viewport()->repaint();
  }
  state.counters["pages"] = view.GetDocument()->GetPrint()->m_nPageCount;
}
BENCHMARK(BM_LayoutAndPaintScreen)->Unit(benchmark::kMillisecond);

// A typed character from its key event to the painted screen: one undo group, one layout
// pass, the caret placed and the visible page drawn again.
void BM_TypedCharacterToPaintedScreen(benchmark::State& state) {
  CEditorSession session;
  CVorelView& view = session.View();
  for (auto _ : state) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf16(u"あ"));
    QCoreApplication::sendEvent(&view, &key);
    view.viewport()->repaint();
  }
}
BENCHMARK(BM_TypedCharacterToPaintedScreen)->Unit(benchmark::kMillisecond);

// Painting alone, as scrolling does: the sheet is drawn again, nothing is laid out.
void BM_ScrollAndPaintScreen(benchmark::State& state) {
  CEditorSession session;
  CVorelView& view = session.View();
  bool bDown = true;
  for (auto _ : state) {
    view.OnVScroll(bDown ? SB_LINEDOWN : SB_LINEUP);
    view.viewport()->repaint();
    bDown = !bDown;
  }
}
BENCHMARK(BM_ScrollAndPaintScreen)->Unit(benchmark::kMillisecond);

}  // namespace

#include "app/VorelDocTemplate.h"

#include <QFileInfo>

#include "app/ViewCommands.h"
#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "resources/StringTable.h"
#include "ui/MainFrame.h"

CVorelDocTemplate::CVorelDocTemplate(UINT nIDResource, CMessageService* pMessages, CFrameHost* pHost)
    : m_nIDResource(nIDResource), m_pMessages(pMessages), m_pHost(pHost) {}

// The frame goes first: it owns the view, which still refers to the document.
CVorelDocTemplate::~CVorelDocTemplate() {
  DestroyFrame();
  m_pDoc.reset();
}

CStringW CVorelDocTemplate::GetDocString(DocStringIndex index) const {
  std::u16string_view rest = FindResourceString(m_nIDResource);
  for (int i = 0; i < index; ++i) {
    const size_t end = rest.find(u'\n');
    if (end == std::u16string_view::npos) return CStringW();
    rest.remove_prefix(end + 1);
  }
  return CStringW(std::u16string(rest.substr(0, rest.find(u'\n'))));
}

CVorelDocTemplate::Confidence CVorelDocTemplate::MatchDocType(const std::string& path, CVorelDoc** ppMatchedDoc) const {
  if (ppMatchedDoc) *ppMatchedDoc = nullptr;
  const QString name = QString::fromStdString(path);
  const qsizetype dot = name.lastIndexOf(u'.');
  const QString ext = QString::fromStdU16String(GetDocString(filterExt).str());
  if (dot >= 0 && !ext.isEmpty() && name.mid(dot).compare(ext, Qt::CaseInsensitive) == 0)
    return yesAttemptNative;
  return yesAttemptForeign;
}

CVorelDoc* CVorelDocTemplate::OpenDocumentFile(const std::string& path) {
  if (m_pDoc && !m_pDoc->SaveModified()) return nullptr;
  if (!m_pDoc) m_pDoc = std::make_unique<CVorelDoc>(m_pMessages);
  const bool bCreated = !m_pFrame;
  if (bCreated) CreateFrame();
  const BOOL ok = path.empty() ? m_pDoc->OnNewDocument() : m_pDoc->OpenDocument(path);
  if (!ok && bCreated) {
    DestroyFrame();
    m_pDoc.reset();
    return nullptr;
  }
  // A file that could not be read leaves the open sheet in the view as the user left it.
  if (!ok && !path.empty()) return nullptr;
  if (!path.empty()) m_pDoc->SetPathName(path);
  InitialUpdateFrame();
  return ok ? m_pDoc.get() : nullptr;
}

void CVorelDocTemplate::CreateFrame() {
  m_pFrame = std::make_unique<CMainFrame>(m_pHost);
  m_pView = new CVorelView(m_pDoc.get());
  m_pViewCommands = std::make_unique<CViewCommands>(m_pView);
  m_pFrame->SetActiveView(m_pView, m_pViewCommands.get());
}

void CVorelDocTemplate::DestroyFrame() {
  m_pFrame.reset();
  m_pView = nullptr;
  m_pViewCommands.reset();
}

void CVorelDocTemplate::InitialUpdateFrame() {
  if (m_pView) m_pView->OnInitialUpdate();
  if (m_pFrame) m_pFrame->OnUpdateFrameTitle();
}

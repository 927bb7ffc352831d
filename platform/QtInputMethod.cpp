#include "platform/QtInputMethod.h"

#include <QGuiApplication>
#include <QInputMethod>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/FaceSubstitution.h"

namespace {

// The one keyboard layout there is while Qt runs; its input method is Qt's.
HKL QtKeyboardLayout() {
  static char layout;
  return reinterpret_cast<HKL>(&layout);
}

QFont FontFromLogFont(const LOGFONTA& lf) {
  const FACE_RESOLUTION face = ResolveFace(std::string_view(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE)));
  QFont font(face.family);
  font.setPixelSize(std::max(1, std::abs(int(lf.lfHeight))));
  if (lf.lfWeight > 0) font.setWeight(lf.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
  font.setItalic(lf.lfItalic != 0);
  return font;
}

}  // namespace

CQtInputMethod::CQtInputMethod() {
  m_properties[IGP_PROPERTY] = IME_PROP_AT_CARET | IME_PROP_UNICODE;
  m_properties[IGP_UI] = 0;
}

CQtInputMethod& CQtInputMethod::Instance() {
  static CQtInputMethod instance;
  return instance;
}

HWND CQtInputMethod::Attach(QObject* pWindow) {
  auto hWnd = reinterpret_cast<HWND>(pWindow);
  auto context = std::make_unique<CONTEXT>();
  context->pWindow = pWindow;
  m_contexts[hWnd] = std::move(context);
  return hWnd;
}

void CQtInputMethod::Detach(HWND hWnd) { m_contexts.erase(hWnd); }

QVariant CQtInputMethod::Query(HWND hWnd, int query) const {
  auto it = m_contexts.find(hWnd);
  if (it == m_contexts.end()) return {};
  const CONTEXT& context = *it->second;
  switch (query) {
    case Qt::ImEnabled: return bool(context.bOpen);
    case Qt::ImCursorRectangle: return context.rcCursor;
    case Qt::ImFont: return context.font;
    default: return {};
  }
}

CQtInputMethod::CONTEXT* CQtInputMethod::Find(HIMC hIMC) const {
  for (const auto& [hWnd, context] : m_contexts)
    if (reinterpret_cast<HIMC>(context.get()) == hIMC) return context.get();
  return nullptr;
}

void CQtInputMethod::Notify(const CONTEXT& context, int queries) {
  if (!QGuiApplication::instance() || QGuiApplication::focusObject() != context.pWindow) return;
  QGuiApplication::inputMethod()->update(Qt::InputMethodQueries(queries));
}

HIMC CQtInputMethod::GetContext(HWND hWnd) {
  auto it = m_contexts.find(hWnd);
  return it == m_contexts.end() ? nullptr : reinterpret_cast<HIMC>(it->second.get());
}

BOOL CQtInputMethod::ReleaseContext(HWND, HIMC hIMC) { return Find(hIMC) != nullptr; }

BOOL CQtInputMethod::GetOpenStatus(HIMC hIMC) {
  CONTEXT* context = Find(hIMC);
  return context && context->bOpen;
}

BOOL CQtInputMethod::SetOpenStatus(HIMC hIMC, BOOL bOpen) {
  CONTEXT* context = Find(hIMC);
  if (!context) return FALSE;
  context->bOpen = bOpen != 0;
  Notify(*context, Qt::ImEnabled);
  return TRUE;
}

BOOL CQtInputMethod::SetCompositionWindow(HIMC hIMC, const COMPOSITIONFORM& form) {
  CONTEXT* context = Find(hIMC);
  if (!context) return FALSE;
  const int height = std::max(1, context->font.pixelSize());
  context->rcCursor = QRect(form.ptCurrentPos.x, form.ptCurrentPos.y, 1, height);
  Notify(*context, Qt::ImCursorRectangle);
  return TRUE;
}

BOOL CQtInputMethod::SetCompositionFont(HIMC hIMC, const LOGFONTA& lf) {
  CONTEXT* context = Find(hIMC);
  if (!context) return FALSE;
  context->font = FontFromLogFont(lf);
  Notify(*context, Qt::ImFont | Qt::ImCursorRectangle);
  return TRUE;
}

HKL CQtInputMethod::GetKeyboardLayout() { return QGuiApplication::instance() ? QtKeyboardLayout() : nullptr; }

DWORD CQtInputMethod::GetProperty(HKL hKL, DWORD index) {
  if (hKL != QtKeyboardLayout()) return 0;
  auto it = m_properties.find(index);
  return it == m_properties.end() ? 0 : it->second;
}

#include "platform/DomErrorTrap.h"

#include <libxml/xmlerror.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>

namespace {

// Codes for messages that arrive without one (libxslt's and libxml2's plain reports).
constexpr int kUnnumberedError = XML_ERR_INTERNAL_ERROR;
// A stylesheet can report millions of messages; the first ones tell what went wrong.
constexpr std::size_t kMaxMessagesLength = 64 * 1024;

std::string WithoutTrailingNewlines(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

CDomErrorTrap::CDomErrorTrap()
    : m_oldStructuredContext(xmlStructuredErrorContext),
      m_oldStructured(xmlStructuredError),
      m_oldGenericContext(xmlGenericErrorContext),
      m_oldGeneric(xmlGenericError),
      m_oldXsltContext(xsltGenericErrorContext),
      m_oldXslt(xsltGenericError) {
  xmlSetStructuredErrorFunc(this, OnStructured);
  xmlSetGenericErrorFunc(this, OnGeneric);
  xsltSetGenericErrorFunc(this, OnGeneric);
}

CDomErrorTrap::~CDomErrorTrap() {
  xmlSetStructuredErrorFunc(m_oldStructuredContext, m_oldStructured);
  xmlSetGenericErrorFunc(m_oldGenericContext, m_oldGeneric);
  xsltSetGenericErrorFunc(m_oldXsltContext, m_oldXslt);
}

void CDomErrorTrap::OnStructured(void* self, xmlError* error) {
  if (!error) return;
  std::string message = WithoutTrailingNewlines(error->message ? error->message : "");
  auto* trap = static_cast<CDomErrorTrap*>(self);
  if (error->level == XML_ERR_WARNING) {
    trap->Append(message + "\n");
    return;
  }
  trap->Record(error->code ? error->code : kUnnumberedError, error->line, error->int2, std::move(message));
}

void CDomErrorTrap::OnGeneric(void* self, const char* format, ...) {
  char buffer[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  // libxslt reports one message in several calls; only the first fragment is worth a record.
  auto* trap = static_cast<CDomErrorTrap*>(self);
  if (trap->HasError())
    trap->Append(buffer);
  else
    trap->Record(kUnnumberedError, 0, 0, WithoutTrailingNewlines(buffer));
}

void CDomErrorTrap::Record(int code, int line, int column, std::string message) {
  if (!HasError()) {
    m_code = code;
    m_line = line;
    m_column = column;
    m_first = message;
  }
  Append(message + "\n");
}

void CDomErrorTrap::Append(std::string_view text) {
  if (m_all.size() + text.size() <= kMaxMessagesLength) m_all.append(text);
}

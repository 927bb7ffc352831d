#include "platform/DomTransform.h"

#include <libxml/xmlIO.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <memory>

#include "platform/DomEncoding.h"
#include "platform/DomErrorTrap.h"
#include "platform/DomException.h"
#include "platform/DomLibrary.h"

namespace {

struct DocDeleter {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct StylesheetDeleter {
  void operator()(xsltStylesheet* style) const { xsltFreeStylesheet(style); }
};
struct ContextDeleter {
  void operator()(xsltTransformContext* context) const { xsltFreeTransformContext(context); }
};
struct OutputDeleter {
  void operator()(xmlOutputBuffer* out) const { xmlOutputBufferClose(out); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

[[noreturn]] void ThrowTransformError(const CDomErrorTrap& trap, std::u16string_view what) {
  std::string detail = trap.AllMessages().empty() ? std::string("no detail") : trap.AllMessages();
  while (!detail.empty() && detail.back() == '\n') detail.pop_back();
  throw CDomException(DOM_E_FAIL, std::u16string(what) + u": " + Utf8ToUtf16(detail));
}

// A standalone copy of a document, or a new document whose root is a copy of an element.
DocPtr CopyAsDocument(xmlNode* node) {
  if (node->type == XML_DOCUMENT_NODE) return DocPtr(xmlCopyDoc(reinterpret_cast<xmlDoc*>(node), 1));
  if (node->type != XML_ELEMENT_NODE)
    throw CDomException(DOM_E_INVALIDARG, u"Only a document or an element can take part in a transformation.");
  DocPtr doc(xmlNewDoc(BAD_CAST "1.0"));
  xmlNode* copy = doc ? xmlDocCopyNode(node, doc.get(), 1) : nullptr;
  if (!copy) throw CDomException(DOM_E_OUTOFMEMORY, u"Out of memory.");
  xmlDocSetRootElement(doc.get(), copy);
  return doc;
}

std::u16string Serialize(xmlDoc* result, xsltStylesheet* style) {
  if (!result->children) return {};
  std::unique_ptr<xmlOutputBuffer, OutputDeleter> out(xmlAllocOutputBuffer(nullptr));
  if (!out || xsltSaveResultTo(out.get(), result, style) < 0)
    throw CDomException(DOM_E_FAIL, u"The transformation result cannot be serialised.");
  const char* bytes = reinterpret_cast<const char*>(xmlOutputBufferGetContent(out.get()));
  return Utf8ToUtf16(std::string_view(bytes ? bytes : "", xmlOutputBufferGetSize(out.get())));
}

}  // namespace

std::u16string TransformDom(xmlNode* source, xmlNode* stylesheet) {
  InitDomLibrary();
  CDomErrorTrap trap;
  DocPtr styleDoc = CopyAsDocument(stylesheet);
  std::unique_ptr<xsltStylesheet, StylesheetDeleter> style(xsltParseStylesheetDoc(styleDoc.get()));
  if (!style) ThrowTransformError(trap, u"The stylesheet is not valid");
  styleDoc.release();  // the stylesheet owns it now
  DocPtr input = CopyAsDocument(source);
  std::unique_ptr<xsltTransformContext, ContextDeleter> context(xsltNewTransformContext(style.get(), input.get()));
  if (!context) throw CDomException(DOM_E_OUTOFMEMORY, u"Out of memory.");
  xsltSetCtxtSecurityPrefs(DomSecurityPrefs(), context.get());
  DocPtr result(xsltApplyStylesheetUser(style.get(), input.get(), nullptr, nullptr, nullptr, context.get()));
  if (!result || context->state != XSLT_STATE_OK) ThrowTransformError(trap, u"The transformation failed");
  return Serialize(result.get(), style.get());
}

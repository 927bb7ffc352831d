#include "platform/DomSerializer.h"

#include <libxml/encoding.h>
#include <libxml/xmlsave.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/DomEncoding.h"
#include "platform/DomErrorTrap.h"
#include "platform/DomException.h"
#include "platform/DomTree.h"

namespace {

struct DocDeleter {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct HandlerDeleter {
  void operator()(xmlCharEncodingHandler* handler) const { xmlCharEncCloseFunc(handler); }
};
struct BufferDeleter {
  void operator()(xmlBuffer* buffer) const { xmlBufferFree(buffer); }
};

bool Encodes(xmlCharEncodingHandler* handler, const xmlChar* text) {
  if (!handler || !handler->output) return true;
  int left = int(std::strlen(reinterpret_cast<const char*>(text)));
  std::vector<unsigned char> out(4096);
  while (left > 0) {
    int inlen = left, outlen = int(out.size());
    if (handler->output(out.data(), &outlen, text, &inlen) == -2) return false;
    if (inlen == 0) return false;
    text += inlen;
    left -= inlen;
  }
  return true;
}

bool NeedsText(xmlNode* cdata, xmlCharEncodingHandler* handler) {
  const xmlChar* content = cdata->content ? cdata->content : BAD_CAST "";
  return std::strstr(reinterpret_cast<const char*>(content), "]]>") || !Encodes(handler, content);
}

std::vector<xmlNode*> CdataToRewrite(xmlDoc* doc, xmlCharEncodingHandler* handler) {
  std::vector<xmlNode*> found;
  xmlNode* root = reinterpret_cast<xmlNode*>(doc);
  for (xmlNode* n = root; n; n = NextInTree(n, root))
    if (n->type == XML_CDATA_SECTION_NODE && NeedsText(n, handler)) found.push_back(n);
  return found;
}

// A copy of the document in which those CDATA sections are text; null when none needs it.
std::unique_ptr<xmlDoc, DocDeleter> WithCdataAsText(xmlDoc* doc, xmlCharEncodingHandler* handler) {
  if (CdataToRewrite(doc, handler).empty()) return nullptr;
  std::unique_ptr<xmlDoc, DocDeleter> copy(xmlCopyDoc(doc, 1));
  if (!copy) throw CDomException(DOM_E_OUTOFMEMORY, u"Out of memory.");
  for (xmlNode* cdata : CdataToRewrite(copy.get(), handler)) {
    xmlNode* text = xmlNewDocText(copy.get(), cdata->content);
    if (!text) throw CDomException(DOM_E_OUTOFMEMORY, u"Out of memory.");
    xmlReplaceNode(cdata, text);
    xmlFreeNode(cdata);
  }
  return copy;
}

std::unique_ptr<xmlCharEncodingHandler, HandlerDeleter> HandlerFor(const std::string& encoding) {
  xmlCharEncodingHandler* handler = xmlFindCharEncodingHandler(encoding.c_str());
  if (!handler) throw CDomException(DOM_E_FAIL, u"Unsupported encoding: " + Utf8ToUtf16(encoding));
  return std::unique_ptr<xmlCharEncodingHandler, HandlerDeleter>(handler);
}

}  // namespace

std::string SerializeDom(xmlDoc* doc, const std::string& encoding, bool withDeclaration) {
  CDomErrorTrap trap;
  auto rewritten = WithCdataAsText(doc, HandlerFor(encoding).get());
  std::unique_ptr<xmlBuffer, BufferDeleter> buffer(xmlBufferCreate());
  if (!buffer) throw CDomException(DOM_E_OUTOFMEMORY, u"Out of memory.");
  xmlSaveCtxt* save = xmlSaveToBuffer(buffer.get(), encoding.c_str(), withDeclaration ? 0 : XML_SAVE_NO_DECL);
  if (!save) throw CDomException(DOM_E_FAIL, u"Unsupported encoding: " + Utf8ToUtf16(encoding));
  long written = xmlSaveDoc(save, rewritten ? rewritten.get() : doc);
  int closed = xmlSaveClose(save);
  if (written < 0 || closed < 0 || trap.HasError())
    throw CDomException(DOM_E_FAIL, u"The document cannot be written: " + Utf8ToUtf16(trap.FirstMessage()));
  return std::string(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())), size_t(xmlBufferLength(buffer.get())));
}

#include "platform/DomSelect.h"

#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <memory>

#include "platform/DomEncoding.h"
#include "platform/DomErrorTrap.h"
#include "platform/DomException.h"

namespace {

struct XPathContextDeleter {
  void operator()(xmlXPathContext* context) const { xmlXPathFreeContext(context); }
};
struct XPathObjectDeleter {
  void operator()(xmlXPathObject* object) const { xmlXPathFreeObject(object); }
};

[[noreturn]] void ThrowSelectionError(std::u16string_view expression, const std::string& reason) {
  throw CDomException(DOM_E_FAIL, u"Cannot select \"" + std::u16string(expression) + u"\": " + Utf8ToUtf16(reason));
}

[[noreturn]] void ThrowBadNamespaces(std::u16string_view value) {
  throw CDomException(DOM_E_INVALIDARG, u"Malformed SelectionNamespaces: " + std::u16string(value));
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::vector<xmlNode*> SelectDomNodes(xmlNode* context, std::u16string_view expression,
                                     const std::vector<DomNamespaceBinding>& namespaces) {
  CDomErrorTrap trap;
  std::unique_ptr<xmlXPathContext, XPathContextDeleter> xpath(xmlXPathNewContext(context->doc));
  if (!xpath) throw CDomException(DOM_E_OUTOFMEMORY, u"Out of memory.");
  xpath->node = context;
  for (const DomNamespaceBinding& binding : namespaces)
    xmlXPathRegisterNs(xpath.get(), BAD_CAST binding.prefix.c_str(), BAD_CAST binding.uri.c_str());
  std::string utf8 = Utf16ToUtf8(expression);
  std::unique_ptr<xmlXPathObject, XPathObjectDeleter> result(xmlXPathEvalExpression(BAD_CAST utf8.c_str(), xpath.get()));
  if (!result) ThrowSelectionError(expression, trap.HasError() ? trap.FirstMessage() : "invalid expression");
  if (result->type != XPATH_NODESET) ThrowSelectionError(expression, "the expression gives no node-set");
  std::vector<xmlNode*> nodes;
  if (!result->nodesetval) return nodes;
  xmlXPathNodeSetSort(result->nodesetval);
  for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
    xmlNode* node = result->nodesetval->nodeTab[i];
    // Namespace nodes are copies that die with the result.
    if (node->type != XML_NAMESPACE_DECL) nodes.push_back(node);
  }
  return nodes;
}

std::vector<DomNamespaceBinding> ParseSelectionNamespaces(std::u16string_view value) {
  std::string text = Utf16ToUtf8(value);
  std::vector<DomNamespaceBinding> bindings;
  size_t at = 0;
  auto skipSpaces = [&] {
    while (at < text.size() && IsSpace(text[at])) ++at;
  };
  for (skipSpaces(); at < text.size(); skipSpaces()) {
    if (text.compare(at, 5, "xmlns") != 0) ThrowBadNamespaces(value);
    at += 5;
    std::string prefix;
    if (at < text.size() && text[at] == ':') {
      size_t end = text.find('=', ++at);
      if (end == std::string::npos) ThrowBadNamespaces(value);
      prefix = text.substr(at, end - at);
      if (prefix.empty() || xmlValidateNCName(BAD_CAST prefix.c_str(), 0) != 0) ThrowBadNamespaces(value);
      at = end;
    }
    if (at >= text.size() || text[at] != '=' || at + 1 >= text.size()) ThrowBadNamespaces(value);
    char quote = text[++at];
    size_t close = text.find(quote, at + 1);
    if ((quote != '\'' && quote != '"') || close == std::string::npos) ThrowBadNamespaces(value);
    if (!prefix.empty()) bindings.push_back({prefix, text.substr(at + 1, close - at - 1)});
    at = close + 1;
  }
  return bindings;
}

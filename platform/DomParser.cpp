#include "platform/DomParser.h"

#include <libxml/parser.h>

#include <QFile>
#include <QString>
#include <climits>
#include <cstring>

#include "platform/DomEncoding.h"
#include "platform/DomErrorTrap.h"
#include "platform/DomLibrary.h"
#include "platform/DomTree.h"

namespace {

constexpr int kParseOptions = XML_PARSE_NONET;

DomParseResult Failure(int code, std::u16string reason, int line = 0, int column = 0) {
  DomParseResult result;
  result.error = CDomParseError(code, line, column, std::move(reason));
  return result;
}

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

bool HasDeclaration(std::string_view bytes) {
  using namespace std::string_view_literals;
  return StartsWith(bytes, "<?xml"sv) || StartsWith(bytes, "\xEF\xBB\xBF<?xml"sv) ||
         StartsWith(bytes, "\xFF\xFE<\0?\0x\0m\0l\0"sv) || StartsWith(bytes, "<\0?\0x\0m\0l\0"sv) ||
         StartsWith(bytes, "\xFE\xFF\0<\0?\0x\0m\0l"sv) || StartsWith(bytes, "\0<\0?\0x\0m\0l"sv);
}

// The encoding pseudo-attribute of a declaration at the start of UTF-8 text.
std::string DeclaredEncoding(std::string_view text) {
  size_t end = text.find("?>");
  if (!StartsWith(text, "<?xml") || end == std::string_view::npos) return {};
  std::string_view declaration = text.substr(0, end);
  size_t at = declaration.find("encoding");
  if (at == std::string_view::npos) return {};
  at = declaration.find_first_not_of(" \t\r\n", at + std::strlen("encoding"));
  if (at == std::string_view::npos || declaration[at] != '=') return {};
  at = declaration.find_first_not_of(" \t\r\n", at + 1);
  if (at == std::string_view::npos || (declaration[at] != '"' && declaration[at] != '\'')) return {};
  size_t close = declaration.find(declaration[at], at + 1);
  if (close == std::string_view::npos) return {};
  return std::string(declaration.substr(at + 1, close - at - 1));
}

DomParseResult ParseBytes(std::string_view bytes, const char* url, const char* encoding, int options) {
  InitDomLibrary();
  if (bytes.size() > size_t(INT_MAX)) return Failure(XML_ERR_INTERNAL_ERROR, u"The document is too large.");
  CDomErrorTrap trap;
  xmlParserCtxt* context = xmlNewParserCtxt();
  if (!context) return Failure(XML_ERR_NO_MEMORY, u"Out of memory.");
  xmlDoc* doc = xmlCtxtReadMemory(context, bytes.data(), int(bytes.size()), url, encoding, options);
  bool wellFormed = doc && context->wellFormed && context->nsWellFormed && xmlDocGetRootElement(doc);
  xmlFreeParserCtxt(context);
  if (!wellFormed) {
    xmlFreeDoc(doc);
    if (!trap.HasError()) return Failure(XML_ERR_DOCUMENT_EMPTY, u"The document has no root element.");
    return Failure(trap.Code(), Utf8ToUtf16(trap.FirstMessage()), trap.Line(), trap.Column());
  }
  DropBlankText(doc);
  DomParseResult result;
  result.doc = doc;
  return result;
}

}  // namespace

DomParseResult ParseXmlFile(std::u16string_view path) {
  QFile file(QString::fromUtf16(path.data(), qsizetype(path.size())));
  if (!file.open(QIODevice::ReadOnly))
    return Failure(XML_IO_LOAD_ERROR, u"Cannot open the file: " + file.errorString().toStdU16String());
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    return Failure(XML_IO_LOAD_ERROR, u"Cannot read the file: " + file.errorString().toStdU16String());
  std::string_view view(bytes.constData(), size_t(bytes.size()));
  DomParseResult result = ParseBytes(view, Utf16ToUtf8(path).c_str(), nullptr, kParseOptions);
  if (!result.doc) return result;
  result.declared = HasDeclaration(view);
  result.encoding = result.doc->encoding ? reinterpret_cast<const char*>(result.doc->encoding) : "";
  return result;
}

DomParseResult ParseXmlText(std::u16string_view text) {
  bool valid = true;
  std::string utf8 = Utf16ToUtf8(text, &valid);
  if (!valid) return Failure(XML_ERR_INVALID_CHAR, u"The text holds a lone surrogate.");
  DomParseResult result = ParseBytes(utf8, nullptr, "UTF-8", kParseOptions | XML_PARSE_IGNORE_ENC);
  if (!result.doc) return result;
  result.declared = StartsWith(utf8, "<?xml");
  result.encoding = DeclaredEncoding(utf8);
  return result;
}

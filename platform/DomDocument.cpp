#include "platform/DomDocument.h"

#include <libxml/tree.h>

#include <QSaveFile>
#include <QString>
#include <new>

#include "platform/DomEncoding.h"
#include "platform/DomException.h"
#include "platform/DomOwner.h"
#include "platform/DomParser.h"
#include "platform/DomSelect.h"
#include "platform/DomSerializer.h"

namespace {

std::string CheckedName(std::u16string_view name) {
  std::string utf8 = Utf16ToUtf8(name);
  if (name.empty() || !IsXmlText(name) || xmlValidateQName(BAD_CAST utf8.c_str(), 0) != 0)
    throw CDomException(DOM_E_INVALIDARG, u"Not a valid XML name: \"" + std::u16string(name) + u"\"");
  return utf8;
}

std::string CheckedText(std::u16string_view text) {
  if (!IsXmlText(text)) throw CDomException(DOM_E_INVALIDARG, u"The text holds a character that XML does not allow.");
  return Utf16ToUtf8(text);
}

bool Apply(CDomOwner& owner, DomParseResult result) {
  bool loaded = result.doc != nullptr;
  owner.ReplaceDocument(result.doc, std::move(result.encoding), result.declared);
  owner.SetParseError(std::move(result.error));
  return loaded;
}

}  // namespace

CDomDocument::CDomDocument() : m_owner(std::make_shared<CDomOwner>()) {}

bool CDomDocument::load(std::u16string_view path) { return Apply(*m_owner, ParseXmlFile(path)); }

bool CDomDocument::loadXML(std::u16string_view xml) { return Apply(*m_owner, ParseXmlText(xml)); }

CDomParseError CDomDocument::parseError() const { return m_owner->ParseError(); }

void CDomDocument::setProperty(std::u16string_view name, std::u16string_view value) {
  if (name == u"SelectionLanguage") {
    if (value != u"XPath") throw CDomException(DOM_E_INVALIDARG, u"Only XPath selections are supported.");
  } else if (name == u"SelectionNamespaces") {
    m_owner->SetSelectionNamespaces(ParseSelectionNamespaces(value));
  } else {
    throw CDomException(DOM_E_INVALIDARG, u"Unknown property: " + std::u16string(name));
  }
}

void CDomDocument::save(std::u16string_view path) const {
  bool declared = m_owner->Declared();
  std::string encoding = declared && !m_owner->Encoding().empty() ? m_owner->Encoding() : "UTF-8";
  std::string bytes = SerializeDom(m_owner->Document(), encoding, declared);
  // Written beside the target and renamed over it, so a failed save leaves the old file.
  QSaveFile file(QString::fromUtf16(path.data(), qsizetype(path.size())));
  bool saved = file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
               file.commit();
  if (!saved) throw CDomException(DOM_E_FAIL, u"Cannot save \"" + std::u16string(path) + u"\": " + file.errorString().toStdU16String());
}

CDomNode CDomDocument::documentElement() const {
  return CDomNode(m_owner, xmlDocGetRootElement(m_owner->Document()));
}

CDomNode CDomDocument::createElement(std::u16string_view tagName) {
  std::string name = CheckedName(tagName);
  return Adopted(xmlNewDocNode(m_owner->Document(), nullptr, BAD_CAST name.c_str(), nullptr));
}

CDomNode CDomDocument::createAttribute(std::u16string_view name) {
  std::string checked = CheckedName(name);
  return Adopted(reinterpret_cast<xmlNode*>(xmlNewDocProp(m_owner->Document(), BAD_CAST checked.c_str(), nullptr)));
}

CDomNode CDomDocument::createTextNode(std::u16string_view data) {
  return Adopted(xmlNewDocText(m_owner->Document(), BAD_CAST CheckedText(data).c_str()));
}

CDomNode CDomDocument::createCDATASection(std::u16string_view data) {
  std::string text = CheckedText(data);
  return Adopted(xmlNewCDataBlock(m_owner->Document(), BAD_CAST text.c_str(), int(text.size())));
}

CDomDocument::operator CDomNode() const { return CDomNode(m_owner, reinterpret_cast<xmlNode*>(m_owner->Document())); }

CDomNode CDomDocument::Adopted(xmlNode* node) {
  if (!node) throw std::bad_alloc();
  m_owner->AddOrphan(node);
  return CDomNode(m_owner, node);
}

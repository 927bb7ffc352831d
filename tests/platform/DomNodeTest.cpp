#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/DomDocument.h"
#include "platform/DomException.h"

namespace {

const char16_t kSheet[] =
    u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>"
    u"<!--<?xml-stylesheet type=\"text/xsl\" href=\"#style1\"?>-->"
    u"<print field-sequence=\"2\"><SearchProgID> a b </SearchProgID>"
    u"<xsl:stylesheet xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
    u"xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" id=\"style1\" version=\"1.0\">"
    u"<xsl:template match=\"/\"><fo:root><fo:flow flow-name=\"xsl-region-body\"/></fo:root></xsl:template>"
    u"</xsl:stylesheet></print>";

CDomDocument LoadedSheet() {
  CDomDocument doc;
  EXPECT_TRUE(doc.loadXML(kSheet));
  doc.setProperty(u"SelectionNamespaces",
                  u"xmlns:xsl='http://www.w3.org/1999/XSL/Transform' xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"");
  return doc;
}

void ExpectDomError(const std::function<void()>& call, LONG code) {
  try {
    call();
    ADD_FAILURE() << "no exception";
  } catch (const CDomException& e) {
    EXPECT_EQ(e.Error(), code);
    EXPECT_FALSE(e.Description().empty());
  }
}

}  // namespace

TEST(DomNode, NamesTypesAndValuesAsWritten) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<!--note--><r xmlns:fo='urn:fo'><fo:block a='1' fo:b='&amp;2'>t<![CDATA[<x>]]>"
                          u"<?pi data?><!--c--></fo:block></r>"));
  CDomNode block = doc.documentElement().childNodes().item(0);
  struct Case {
    CDomNode node;
    DOMNodeType type;
    const char16_t* name;
    const char16_t* value;
  } cases[] = {
      {doc, NODE_DOCUMENT, u"#document", u""},
      {doc.childNodes().item(0), NODE_COMMENT, u"#comment", u"note"},
      {block, NODE_ELEMENT, u"fo:block", u""},
      {block.attributes().item(0), NODE_ATTRIBUTE, u"a", u"1"},
      {block.attributes().item(1), NODE_ATTRIBUTE, u"fo:b", u"&2"},
      {block.childNodes().item(0), NODE_TEXT, u"#text", u"t"},
      {block.childNodes().item(1), NODE_CDATA_SECTION, u"#cdata-section", u"<x>"},
      {block.childNodes().item(2), NODE_PROCESSING_INSTRUCTION, u"pi", u"data"},
      {block.childNodes().item(3), NODE_COMMENT, u"#comment", u"c"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::u16string(c.name)));
    EXPECT_EQ(c.node.nodeType(), c.type);
    EXPECT_EQ(c.node.nodeName(), c.name);
    EXPECT_EQ(c.node.nodeValue(), c.value);
  }
  EXPECT_EQ(block.text(), u"t<x>");
  EXPECT_EQ(doc.documentElement().text(), u"t<x>");
  EXPECT_FALSE(block.childNodes().item(0).attributes());
  EXPECT_FALSE(block.childNodes().item(4));
}

TEST(DomNode, AttributesKeepTheOrderTheyWereSetIn) {
  CDomDocument doc = LoadedSheet();
  CDomNode flow = doc.selectSingleNode(u"//fo:flow");
  CDomNode container = flow.appendChild(doc.createElement(u"fo:block-container"));
  for (const char16_t* name : {u"visibility", u"width", u"id", u"break-after"}) {
    CDomNode attribute = doc.createAttribute(name);
    attribute.put_nodeValue(std::u16string(name) + u"-value");
    container.attributes().setNamedItem(attribute);
  }
  CDomNode replacement = doc.createAttribute(u"width");
  replacement.put_nodeValue(u"150mm");
  container.attributes().setNamedItem(replacement);

  CDomNamedNodeMap map = container.attributes();
  ASSERT_EQ(map.length(), 4);
  const char16_t* expected[] = {u"visibility", u"id", u"break-after", u"width"};
  for (LONG i = 0; i < 4; ++i) EXPECT_EQ(map.item(i).nodeName(), expected[i]);
  EXPECT_EQ(map.item(3).nodeValue(), u"150mm");
  EXPECT_FALSE(map.item(4));
  EXPECT_FALSE(map.item(-1));
}

TEST(DomNode, CreatedPrefixedNamesBindWhereTheyAreInserted) {
  CDomDocument doc = LoadedSheet();
  CDomNode stylesheet = doc.selectSingleNode(u"//xsl:stylesheet");
  CDomNode print = doc.documentElement();
  CDomNode kim = print.insertBefore(doc.createElement(u"kim"), stylesheet);
  CDomNode tmpl = stylesheet.appendChild(doc.createElement(u"xsl:template"));
  CDomNode block = tmpl.appendChild(doc.createElement(u"fo:block-container"));
  CDomNode inline_ = block.appendChild(doc.createElement(u"fo:inline"));
  CDomNode space = doc.createAttribute(u"xml:space");
  space.put_nodeValue(u"preserve");
  inline_.attributes().setNamedItem(space);
  inline_.put_text(u"   ");

  EXPECT_EQ(inline_.nodeName(), u"fo:inline");
  EXPECT_EQ(space.nodeName(), u"xml:space");
  EXPECT_EQ(doc.selectSingleNode(u"/print/kim"), kim);
  EXPECT_EQ(doc.selectNodes(u"//xsl:template").length(), 2);
  EXPECT_EQ(doc.selectSingleNode(u"//xsl:template/fo:block-container/fo:inline"), inline_);
  EXPECT_EQ(print.childNodes().item(1), kim);

  // Unbound prefixes stay part of the name.
  CDomNode loose = print.appendChild(doc.createElement(u"q:x"));
  EXPECT_EQ(loose.nodeName(), u"q:x");
}

TEST(DomNode, TextReplacesChildrenAndEscapesOnSave) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<a><b>old</b>tail</a>"));
  CDomNode a = doc.documentElement();
  CDomNode oldChild = a.childNodes().item(0);
  a.put_text(u"A&B <c> \"q\"");
  EXPECT_EQ(a.childNodes().length(), 1);
  EXPECT_EQ(a.text(), u"A&B <c> \"q\"");
  // The replaced child lives on for its handle.
  EXPECT_EQ(oldChild.text(), u"old");

  CDomDocument round;
  ASSERT_TRUE(round.loadXML(u"<r/>"));
  CDomNode moved = round.documentElement().appendChild(a);
  EXPECT_EQ(moved.text(), u"A&B <c> \"q\"");
  a.put_text(u"");
  EXPECT_EQ(a.childNodes().length(), 0);
}

TEST(DomNode, RefusesTextAndNamesThatWouldCorruptTheFile) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<a><!--c--><?p d?></a>"));
  CDomNode a = doc.documentElement();
  std::u16string lone(1, char16_t(0xDC00));
  std::function<void()> calls[] = {
      [&] { doc.createElement(u""); },
      [&] { doc.createElement(u"1a"); },
      [&] { doc.createElement(u"a:b:c"); },
      [&] { doc.createElement(u"a b"); },
      [&] { doc.createAttribute(u"<"); },
      [&] { a.put_text(u"bell\u0007"); },
      [&] { a.put_text(lone); },
      [&] { doc.createCDATASection(u"\uFFFF"); },
      [&] { doc.createTextNode(std::u16string(1, u'\0')); },
      [&] { a.childNodes().item(0).put_nodeValue(u"a--b"); },
      [&] { a.childNodes().item(1).put_nodeValue(u"?>"); },
      [&] { a.put_nodeValue(u"x"); },
      [&] { CDomNode(doc).put_text(u"x"); },
  };
  for (size_t i = 0; i < std::size(calls); ++i) {
    SCOPED_TRACE(i);
    ExpectDomError(calls[i], DOM_E_INVALIDARG);
  }
  EXPECT_EQ(a.childNodes().length(), 2);
}

TEST(DomNode, RefusesImpossibleTreeChanges) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<a k='1'><b><c/></b>text</a>"));
  CDomNode a = doc.documentElement();
  CDomNode b = a.childNodes().item(0);
  CDomNode c = b.childNodes().item(0);
  CDomNode text = a.childNodes().item(1);
  CDomDocument other;
  ASSERT_TRUE(other.loadXML(u"<z/>"));
  std::function<void()> invalid[] = {
      [&] { c.appendChild(a); },
      [&] { b.appendChild(b); },
      [&] { text.appendChild(doc.createElement(u"x")); },
      [&] { doc.appendChild(doc.createElement(u"second")); },
      [&] { doc.appendChild(doc.createTextNode(u"x")); },
      [&] { a.appendChild(doc.createAttribute(u"x")); },
      [&] { a.appendChild(CDomNode(other)); },
      [&] { a.removeChild(c); },
      [&] { a.insertBefore(doc.createElement(u"x"), other.documentElement()); },
      [&] { other.documentElement().attributes().setNamedItem(a.attributes().item(0)); },
      [&] { a.attributes().setNamedItem(c); },
  };
  for (size_t i = 0; i < std::size(invalid); ++i) {
    SCOPED_TRACE(i);
    ExpectDomError(invalid[i], DOM_E_INVALIDARG);
  }
  CDomNode null;
  std::function<void()> throughNull[] = {
      [&] { null.nodeName(); },
      [&] { a.appendChild(null); },
      [&] { null.selectNodes(u"*"); },
      [&] { CDomNamedNodeMap().length(); },
  };
  for (auto& call : throughNull) ExpectDomError(call, DOM_E_POINTER);
  EXPECT_EQ(a.childNodes().length(), 2);
  EXPECT_EQ(b.childNodes().item(0), c);
}

TEST(DomNode, InsertMovesAndRemoveDetaches) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<r><a/><b/><c/></r>"));
  CDomNode r = doc.documentElement();
  CDomNode a = r.childNodes().item(0), b = r.childNodes().item(1), c = r.childNodes().item(2);
  r.insertBefore(c, a);
  r.appendChild(a);
  r.insertBefore(b, b);
  CDomNodeList order = r.childNodes();
  ASSERT_EQ(order.length(), 3);
  EXPECT_EQ(order.item(0), c);
  EXPECT_EQ(order.item(1), b);
  EXPECT_EQ(order.item(2), a);

  CDomNode removed = r.removeChild(b);
  EXPECT_EQ(removed, b);
  EXPECT_EQ(r.childNodes().length(), 2);
  EXPECT_EQ(b.nodeName(), u"b");
  r.insertBefore(b, CDomNode());
  EXPECT_EQ(r.childNodes().item(2), b);
}

TEST(DomNode, HandlesKeepRemovedNodesAndTheirDocumentAlive) {
  CDomNode removed, inner;
  {
    CDomDocument doc;
    ASSERT_TRUE(doc.loadXML(u"<r xmlns:fo='urn:fo'><fo:a x='1'><fo:b>t</fo:b></fo:a><c/></r>"));
    CDomNode r = doc.documentElement();
    removed = r.removeChild(r.childNodes().item(0));
    inner = removed.childNodes().item(0);
    // The ancestor that declared the prefix goes away for good.
    doc.removeChild(r);
  }
  EXPECT_EQ(removed.nodeName(), u"fo:a");
  EXPECT_EQ(inner.nodeName(), u"fo:b");
  EXPECT_EQ(inner.text(), u"t");
  removed = CDomNode();
  EXPECT_EQ(inner.text(), u"t");

  CDomDocument target;
  ASSERT_TRUE(target.loadXML(u"<t/>"));
  CDomNode copied = target.documentElement().appendChild(inner);
  inner = CDomNode();
  EXPECT_EQ(copied.nodeName(), u"fo:b");
  EXPECT_EQ(target.documentElement().text(), u"t");
}

TEST(DomNode, AppendingFromAnotherDocumentMovesTheNode) {
  CDomDocument source, target;
  ASSERT_TRUE(source.loadXML(u"<fo:block xmlns:fo='urn:fo'><fo:inline>x</fo:inline></fo:block>"));
  ASSERT_TRUE(target.loadXML(u"<fo:root xmlns:fo='urn:fo'><fo:flow/></fo:root>"));
  target.setProperty(u"SelectionNamespaces", u"xmlns:fo='urn:fo'");
  CDomNode flow = target.selectSingleNode(u"//fo:flow");
  CDomNode moved = flow.appendChild(source.documentElement());
  EXPECT_FALSE(source.documentElement());
  source = CDomDocument();
  EXPECT_EQ(moved.nodeName(), u"fo:block");
  EXPECT_EQ(target.selectSingleNode(u"//fo:flow/fo:block/fo:inline").text(), u"x");
}

TEST(DomNode, OldContentStaysReadableAfterAReload) {
  CDomDocument doc;
  ASSERT_TRUE(doc.loadXML(u"<first><x>1</x></first>"));
  CDomNode x = doc.documentElement().childNodes().item(0);
  CDomNode detached = doc.createElement(u"loose");
  ASSERT_TRUE(doc.loadXML(u"<second/>"));
  EXPECT_EQ(x.text(), u"1");
  EXPECT_EQ(detached.nodeName(), u"loose");
  EXPECT_EQ(doc.documentElement().nodeName(), u"second");
  CDomNode adopted = doc.documentElement().appendChild(x);
  EXPECT_EQ(doc.documentElement().text(), u"1");
  EXPECT_FALSE(doc.loadXML(u"<broken"));
  EXPECT_EQ(adopted.text(), u"1");
}

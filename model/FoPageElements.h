#pragma once
// The XSL-FO classes of page setup and page sequences. Each only sets its code and the
// initial values of its members, so the family shares this file.

#include "model/BlockMarginProperties.h"
#include "model/BorderPaddingBackgroundProperties.h"
#include "model/FoNode.h"
#include "model/PageProperties.h"
#include "model/XmlElementTable.h"

class CFoRoot : public CFoNode {
 public:
  CFoRoot() : CFoNode(XE_FO_ROOT) {}
};

class CFoLayoutMasterSet : public CFoNode {
 public:
  CFoLayoutMasterSet() : CFoNode(XE_FO_LAYOUT_MASTER_SET) {}
};

// Page size and page margins; columns and column gap keep their defaults.
class CFoSimplePageMaster : public CFoNode {
 public:
  CFoSimplePageMaster() : CFoNode(XE_FO_SIMPLE_PAGE_MASTER) {}

  CBlockMarginProperties m_marginProps;
  CPageProperties m_pageProps;
  CStringW m_strMasterName;  // kept empty; nothing reads it
};

// The body region's margins and its columns.
class CFoRegionBody : public CFoNode {
 public:
  CFoRegionBody() : CFoNode(XE_FO_REGION_BODY) {}

  CBorderPaddingBackgroundProperties m_borderProps;
  CBlockMarginProperties m_marginProps;
  CPageProperties m_pageProps;
};

class CFoRegionBefore : public CFoNode {
 public:
  CFoRegionBefore() : CFoNode(XE_FO_REGION_BEFORE) {}

  CBorderPaddingBackgroundProperties m_borderProps;
  CBlockMarginProperties m_marginProps;
  CPageProperties m_pageProps;
};

class CFoRegionAfter : public CFoNode {
 public:
  CFoRegionAfter() : CFoNode(XE_FO_REGION_AFTER) {}

  CBorderPaddingBackgroundProperties m_borderProps;
  CBlockMarginProperties m_marginProps;
  CPageProperties m_pageProps;
};

class CFoPageSequenceMaster : public CFoNode {
 public:
  CFoPageSequenceMaster() : CFoNode(XE_FO_PAGE_SEQUENCE_MASTER) {}

  CStringW m_strMasterName;  // kept empty; nothing reads it
};

class CFoSinglePageMasterReference : public CFoNode {
 public:
  CFoSinglePageMasterReference() : CFoNode(XE_FO_SINGLE_PAGE_MASTER_REFERENCE) {}

  CStringW m_strMasterReference;  // name of the page master
};

class CFoPageSequence : public CFoNode {
 public:
  CFoPageSequence() : CFoNode(XE_FO_PAGE_SEQUENCE) {}

  CStringW m_strMasterReference;  // name of the page master or page-sequence master
};

class CFoStaticContent : public CFoNode {
 public:
  CFoStaticContent() : CFoNode(XE_FO_STATIC_CONTENT) {}

  CStringW m_strFlowName;  // the region the content goes to
};

class CFoFlow : public CFoNode {
 public:
  CFoFlow() : CFoNode(XE_FO_FLOW) {}

  CStringW m_strFlowName = u"xsl-region-body";
};

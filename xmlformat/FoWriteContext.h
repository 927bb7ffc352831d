#pragma once
// What every FO element writer is given: the node to write, the data element that takes
// its content, its own element, the data path and the running numbers of the data parent.

#include "model/FoIdCounters.h"
#include "model/QVXMLNode.h"
#include "platform/DomDocument.h"

// The kind of file being written. The sheet document puts content into data elements
// beside the template and refers to it by relative paths.
enum class FoProfile { Document };

struct FO_WRITE_CONTEXT {
  CDomDocument document;
  FoProfile profile = FoProfile::Document;
  BOOL bVertical = FALSE;  // writing direction of the sheet: the default number formats
  CQVXMLNode* node = nullptr;
  CDomNode dataParent;
  CDomNode element;
  CStringW path;                       // of the data parent, relative to the template's context
  FO_ID_COUNTERS* counters = nullptr;  // of the data parent; shared by all its writers
  CStringW* pFailure = nullptr;        // receives why the first failing writer failed

  // The same data parent, path and counters for a child node and its element.
  FO_WRITE_CONTEXT ForChild(CQVXMLNode* child, CDomNode childElement) const {
    FO_WRITE_CONTEXT c = *this;
    c.node = child;
    c.element = std::move(childElement);
    return c;
  }
};

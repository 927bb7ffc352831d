#pragma once
// What the FO writers share: an attribute, a child element, a data path, the dispatch of
// children by element code, and how a failure ends the write.

#include <exception>
#include <span>

#include "platform/DomException.h"
#include "xmlformat/FoWriteContext.h"

// A write that cannot go on: a shape of the FO tree or of the sheet that cannot be written.
class CFoWriteError : public std::exception {
 public:
  const char* what() const noexcept override { return "The sheet XML cannot be written."; }
};

using FoWriter = BOOL (*)(const FO_WRITE_CONTEXT&);

// The writer of one child element code.
struct FO_CHILD_WRITER {
  int nCode;
  FoWriter pfnWrite;
};

// What a container does with a child whose code its table does not list.
enum class FoUnlisted { ElementOnly, Skipped };

// Keeps the DOM's description of the failure for the user, unless an earlier one is kept.
void FoNoteFailure(const FO_WRITE_CONTEXT& c, const CDomException& failure);

// Runs a writer's body: any failure in it, or in a writer it called, gives FALSE. What was
// written before the failure stays in the DOM; the caller ends its own write in turn.
template <class Body>
BOOL FoGuarded(const FO_WRITE_CONTEXT& c, Body body) {
  try {
    body();
    return TRUE;
  } catch (const CDomException& failure) {
    FoNoteFailure(c, failure);
    return FALSE;
  } catch (...) {
    return FALSE;
  }
}

inline void FoRequire(bool ok) {
  if (!ok) throw CFoWriteError();
}

// The node as the class its element code stands for.
template <class T>
T& FoNodeAs(const FO_WRITE_CONTEXT& c) {
  T* node = dynamic_cast<T*>(c.node);
  FoRequire(node != nullptr);
  return *node;
}

// Adds the attribute after those the element has.
void FoSetDomAttribute(CDomDocument document, const CDomNode& element, const char16_t* name, const CStringW& value);
inline void FoSetAttribute(const FO_WRITE_CONTEXT& c, const CDomNode& element, const char16_t* name,
                           const CStringW& value) {
  FoSetDomAttribute(c.document, element, name, value);
}
inline void FoSetAttribute(const FO_WRITE_CONTEXT& c, const char16_t* name, const CStringW& value) {
  FoSetDomAttribute(c.document, c.element, name, value);
}
// Creates the element by its qualified name and appends it to parent.
CDomNode FoAppendDomElement(CDomDocument document, const CDomNode& parent, const CStringW& name);
inline CDomNode FoAppendElement(const FO_WRITE_CONTEXT& c, const CDomNode& parent, const CStringW& name) {
  return FoAppendDomElement(c.document, parent, name);
}
// The element of a child node, named by its element code, appended to the writer's element.
CDomNode FoAppendChildElement(const FO_WRITE_CONTEXT& c, const CQVXMLNode& child);
// Puts text into the element: a CDATA section when it holds "<" or ">", so that it reads back
// verbatim, else the element's text.
void FoPutText(const FO_WRITE_CONTEXT& c, const CDomNode& element, const CStringW& text);
// The path, "/" when it is not empty, and the step "name[n]".
CStringW FoComposePath(const CStringW& path, const char16_t* name, int n);

// Writes the node's children in order, passing over empty slots: a listed child gets its
// element and its writer with the context's data parent, path and counters.
void FoWriteChildren(const FO_WRITE_CONTEXT& c, std::span<const FO_CHILD_WRITER> table, FoUnlisted unlisted);

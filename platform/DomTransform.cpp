#include "platform/DomTransform.h"

#include <libxml/xmlIO.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <climits>
#include <memory>
#include <mutex>

#include "platform/DomEncoding.h"
#include "platform/DomErrorTrap.h"
#include "platform/DomException.h"
#include "platform/DomLibrary.h"
#include "platform/DomMemoryBudget.h"

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

// A stylesheet comes with the sheet, so it may be damaged or made to run for ever: every
// instruction and template call counts, and past the budget the transformation stops and
// fails. Memory is bounded too, as a few steps can copy a tree into gigabytes; a 20-page
// sheet's transformation holds under 2 MB.
// Step and XPath budgets grow with the sheet, so that every sheet the writer makes reads
// back while a small one stops early. A sheet's stylesheet runs each instruction about once.
// One step can be a single XPath expression of nested predicates, quadratic or worse in the
// document; a sheet's part paths each walk the questions before their own, some 20 thousand
// operations for 20 pages, 18 million for 3,000 major questions of two parts: each template
// may walk the source a few times.
constexpr unsigned long kBaseTransformSteps = 4000000;
constexpr unsigned long kStepsPerNode = 16;
constexpr int kMaxTemplateDepth = 200;
constexpr unsigned long kBaseXPathOperations = 10000000;
constexpr unsigned long kXPathOperationsPerTemplateAndNode = 4;
constexpr std::size_t kMaxTransformBytes = std::size_t(256) << 20;

struct TRANSFORM_LIMITS {
  unsigned long steps = kBaseTransformSteps;
  unsigned long xpathOperations = kBaseXPathOperations;
};

struct STEP_BUDGET {
  xsltTransformContext* context = nullptr;
  CDomMemoryBudget* memory = nullptr;
  TRANSFORM_LIMITS limits;
  unsigned long steps = 0;
  bool exceeded = false;
};

STEP_BUDGET* g_pBudget = nullptr;

// The step under way still runs after the stop, so XPath is switched off to keep it from
// building more; what is left then unwinds with memory enough to do so.
void StopOutOfMemory(xsltTransformContext* context, CDomMemoryBudget& memory) {
  context->state = XSLT_STATE_STOPPED;
  if (context->xpathCtxt) {
    context->xpathCtxt->opLimit = 1;
    context->xpathCtxt->opCount = 1;
  }
  memory.WindDown();
}

void CountStep(xsltTransformContext* context) {
  if (!g_pBudget || context != g_pBudget->context) return;
  if (++g_pBudget->steps > g_pBudget->limits.steps) g_pBudget->exceeded = true;
  if (g_pBudget->memory->Exceeded())
    StopOutOfMemory(context, *g_pBudget->memory);
  else if (g_pBudget->exceeded)
    context->state = XSLT_STATE_STOPPED;
}

// libxslt's debugger hooks see each instruction (handler) and each template call (add, drop).
void OnInstruction(xmlNode*, xmlNode*, xsltTemplate*, xsltTransformContext* context) { CountStep(context); }
int OnTemplateCall(xsltTemplate*, xmlNode*) {
  if (g_pBudget) CountStep(g_pBudget->context);
  return 0;
}
void OnTemplateReturn() {}

void InstallStepCounter() {
  static std::once_flag once;
  std::call_once(once, [] {
    static void* hooks[] = {reinterpret_cast<void*>(&OnInstruction), reinterpret_cast<void*>(&OnTemplateCall),
                            reinterpret_cast<void*>(&OnTemplateReturn)};
    xsltSetDebuggerCallbacks(3, hooks);
  });
}

// Counts the context's steps, and bounds its XPath operations, while it lives.
class CStepBudgetScope {
 public:
  CStepBudgetScope(xsltTransformContext* context, CDomMemoryBudget& memory, const TRANSFORM_LIMITS& limits)
      : m_pSaved(g_pBudget) {
    InstallStepCounter();
    m_budget.context = context;
    m_budget.memory = &memory;
    m_budget.limits = limits;
    context->debugStatus = XSLT_DEBUG_RUN;
    context->maxTemplateDepth = kMaxTemplateDepth;
    if (context->xpathCtxt) context->xpathCtxt->opLimit = limits.xpathOperations;
    g_pBudget = &m_budget;
  }
  ~CStepBudgetScope() { g_pBudget = m_pSaved; }
  CStepBudgetScope(const CStepBudgetScope&) = delete;
  CStepBudgetScope& operator=(const CStepBudgetScope&) = delete;

  bool Exceeded() const {
    const xmlXPathContext* xpath = m_budget.context->xpathCtxt;
    return m_budget.exceeded || (xpath && xpath->opCount >= m_budget.limits.xpathOperations);
  }

 private:
  STEP_BUDGET m_budget;
  STEP_BUDGET* m_pSaved;
};

bool IsXsltTemplate(const xmlNode* node) {
  return node->ns && xmlStrEqual(node->ns->href, XSLT_NAMESPACE) && xmlStrEqual(node->name, BAD_CAST "template");
}

struct NODE_COUNT {
  unsigned long elements = 0;
  unsigned long templates = 0;
};

// Elements and XSLT templates of a document, walked without recursion.
NODE_COUNT CountElements(xmlDoc* doc) {
  NODE_COUNT count;
  for (xmlNode* node = xmlDocGetRootElement(doc); node;) {
    ++count.elements;
    if (IsXsltTemplate(node)) ++count.templates;
    if (xmlNode* child = xmlFirstElementChild(node)) {
      node = child;
      continue;
    }
    while (node && !xmlNextElementSibling(node))
      node = node->parent && node->parent->type == XML_ELEMENT_NODE ? node->parent : nullptr;
    if (node) node = xmlNextElementSibling(node);
  }
  return count;
}

// Saturating, so that no document can wrap a budget round to a small one.
unsigned long AddCapped(unsigned long a, unsigned long long b) {
  const unsigned long long sum = a + b;
  return sum > ULONG_MAX ? ULONG_MAX : static_cast<unsigned long>(sum);
}

TRANSFORM_LIMITS LimitsFor(xmlDoc* input, xmlDoc* style) {
  const NODE_COUNT source = CountElements(input);
  const NODE_COUNT sheet = CountElements(style);
  const unsigned long long nodes = static_cast<unsigned long long>(source.elements) + sheet.elements;
  TRANSFORM_LIMITS limits;
  limits.steps = AddCapped(kBaseTransformSteps, kStepsPerNode * nodes);
  limits.xpathOperations =
      AddCapped(kBaseXPathOperations, kXPathOperationsPerTemplateAndNode *
                                          static_cast<unsigned long long>(sheet.templates) * source.elements);
  return limits;
}

[[noreturn]] void ThrowTransformError(const CDomErrorTrap& trap, std::u16string_view what) {
  std::string detail = trap.AllMessages().empty() ? std::string("no detail") : trap.AllMessages();
  while (!detail.empty() && detail.back() == '\n') detail.pop_back();
  throw CDomException(DOM_E_FAIL, std::u16string(what) + u": " + Utf8ToUtf16(detail));
}

[[noreturn]] void ThrowTooLarge() {
  throw CDomException(DOM_E_OUTOFMEMORY, u"The transformation failed: it takes more memory than any sheet needs.");
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

// Writing the result counts against the memory budget too; output cut short is no result.
std::u16string Serialize(xmlDoc* result, xsltStylesheet* style, const CDomMemoryBudget& memory) {
  if (!result->children) return {};
  std::unique_ptr<xmlOutputBuffer, OutputDeleter> out(xmlAllocOutputBuffer(nullptr));
  const bool written = out && xsltSaveResultTo(out.get(), result, style) >= 0 && out->error == 0;
  if (memory.Exceeded()) ThrowTooLarge();
  if (!written) throw CDomException(DOM_E_FAIL, u"The transformation result cannot be serialised.");
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
  CDomMemoryBudget memory(kMaxTransformBytes);
  CStepBudgetScope budget(context.get(), memory, LimitsFor(input.get(), style->doc));
  DocPtr result(xsltApplyStylesheetUser(style.get(), input.get(), nullptr, nullptr, nullptr, context.get()));
  if (budget.Exceeded())
    throw CDomException(DOM_E_FAIL, u"The transformation failed: it runs longer than any sheet needs.");
  if (memory.Exceeded()) ThrowTooLarge();
  if (!result || context->state != XSLT_STATE_OK) ThrowTransformError(trap, u"The transformation failed");
  return Serialize(result.get(), style.get(), memory);
}

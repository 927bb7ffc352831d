#pragma once
// Formulas read from MathML element nodes: the inverse of the export, with the special forms
// of integral and summation signs, stretchable marks and the combination and permutation
// symbols.

class CDomNode;
class CEditNode;
class CMathMLToken;
class CQVXMLNode;

// Deepest MathML nesting that is read; deeper input fails cleanly.
constexpr int kMaxMathMLDepth = 200;

// Appends the conversion of the MathML node to the target; answers the last token of the
// conversion or null. Raises CMathMLTooDeep beyond the depth limit.
CMathMLToken* ConvertMathMLToNodes(CQVXMLNode* pMathML, CEditNode* pTarget, int nDepth = 0);
// Fills the node tree from a DOM element; raises on DOM failures and beyond the depth limit.
void LoadXmlNodeTree(CQVXMLNode* pTarget, const CDomNode& element, int nDepth = 0);
// Font, colour, border and background, character and numbered-underline groups.
void CopyMathStyle(CEditNode* pElement, const CQVXMLNode* pMathML);

struct CMathMLTooDeep {};

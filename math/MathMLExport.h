#pragma once
// Formulas written as MathML element nodes.

class CEditMatrix;
class CEditNode;
class CQVXMLNode;

// Appends to pTarget the MathML of the slot that starts at child nFirst of pSource: runs of
// characters of one format and one class become mn, mo or mi tokens, formula elements their
// own elements, a nested formula an mrow of its content.
void ExportMathChildren(CEditNode* pSource, int nFirst, CQVXMLNode* pTarget);
// Appends the MathML element of one formula element, or nothing for other nodes.
void ExportMathNode(CEditNode* pNode, CQVXMLNode* pParent);
void ExportMathMatrix(CEditMatrix* pMatrix, CQVXMLNode* pTable);

#pragma once
// Formulas written as MathML element nodes.

class CEditMatrix;
class CEditNode;
class CQVXMLNode;

// Appends to pTarget the MathML of the slot that starts at child nFirst of pSource: runs of
// characters of one format and one class become mn, mo or mi tokens, formula elements their
// own elements, a nested formula an mrow of its content.
void ExportMathChildren(CEditNode* pSource, int nFirst, CQVXMLNode* pTarget);
// Appends the MathML of a whole formula: its first slot as it stands, every further slot as an
// mrow after it, so that nothing of a formula with several slots is lost.
void ExportMathSlots(CEditNode* pFormula, CQVXMLNode* pTarget);
// Appends the MathML element of one formula element, or nothing for other nodes.
void ExportMathNode(CEditNode* pNode, CQVXMLNode* pParent);
void ExportMathMatrix(CEditMatrix* pMatrix, CQVXMLNode* pTable);

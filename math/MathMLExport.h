#pragma once
// Formula slots written as MathML element nodes.

class CEditNode;
class CQVXMLNode;

// Appends to pTarget the MathML of the slot that starts at child nFirst of pSource: runs of
// characters of one format and one class become mn, mo or mi tokens.
void ExportMathChildren(CEditNode* pSource, int nFirst, CQVXMLNode* pTarget);

#pragma once
// What the editing protocol knows of the part boxes of a kanbun block: it recognises them by
// their type words and their places in the block (seven parts, or five in hyphen mode).

#include "platform/GdiTypes.h"

class CEditNode;
class CQVXMLNode;
class CStringW;

enum class KanbunMove { Left, Right, Up, Down };

// The block when the node is a kunten or okurigana box directly inside one, else null.
CQVXMLNode* GetKanbunBlockOfPart(const CQVXMLNode* pBox);
// How many marks a kunten box takes besides its line end: 2 for the kaeriten box, else 1.
int GetKuntenBoxKind(const CQVXMLNode* pBox);
// The first caret position of the part box that a move out of the caret's part box jumps to;
// null when the caret is in no part box, the move has no jump from there, or the target part
// holds no caret stop.
CEditNode* GetKanbunJumpTarget(const CEditNode* pCaretNode, KanbunMove move);

// Builds the block that typing into the kunten editor's kanbun sentence inserts for a text in
// a font: its parts locked and their marks sized from the kanji. The kanbun elements provide
// it; without them, and on failure, there is no block.
using KanbunBlockFactory = CEditNode* (*)(const CStringW& text, const LOGFONTA& lf);
void SetKanbunBlockFactory(KanbunBlockFactory factory);
CEditNode* CreateKanbunBlock(const CStringW& text, const LOGFONTA& lf);

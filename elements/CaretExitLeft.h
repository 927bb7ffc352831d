#pragma once
// Leaving an inline frame or answer to the left when the ordinary move finds nothing.

#include "platform/WinTypes.h"

class CEditCaret;
class CEditNode;

// The ordinary move left; failing that, the nearest visible node before pNode (the last child
// of a container). A selection being extended starts at the old caret node, and its anchor
// follows the caret into another parent.
CEditNode* MoveCaretLeftOrLeave(CEditNode& node, CEditCaret* pCaret, BOOL bExtend);

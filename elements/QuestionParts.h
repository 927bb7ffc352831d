#pragma once
// Walks and moves of the question parts of a sheet root: the children whose type word is
// exactly the sentence's (text boxes, page breaks and name fields are never parts).

#include <functional>
#include <vector>

#include "model/EditSentence.h"

using PART_FILTER = std::function<bool(const CEditSentence&)>;

CEditSentence* AsQuestionPart(CQVXMLNode* pNode);
// The parts the filter accepts (every part without one), in document order.
std::vector<CEditSentence*> CollectParts(const CEditNode& root, const PART_FILTER& filter = nullptr);
// The index after the last part the filter accepts; 1 when there is none, but never beyond
// the children.
int IndexAfterLastPart(const CEditNode& root, const PART_FILTER& filter);

// 1 to 3 as stored; every other stored value lays the sheet out as 0.
int EffectiveFieldSequence(int nStored);
// The kinds of the answer parts that each sequence lays out together, group by group after
// the questions; empty for sequence 0.
std::vector<std::vector<int>> AnswerKindGroups(int nSequence);

// Detaches the node and inserts it at the index, clamped to the children that remain.
void MoveChildTo(CEditNode& root, CQVXMLNode* pNode, int nIndex);
// Detaches the node and inserts it before pNext, or appends it when pNext is null or no
// longer a child of the root.
void MoveChildBefore(CEditNode& root, CQVXMLNode* pNode, CQVXMLNode* pNext);

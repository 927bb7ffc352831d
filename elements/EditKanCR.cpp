#include "elements/EditKanCR.h"

#include "model/PropertyBlock.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditKanCR, CEditKanChar, 1)

CEditKanCR::CEditKanCR() : CEditKanChar(NTYPE_EDITKANCR) {}

// The record of the plain line end: the paragraph block, then the character's record. A
// stored block of another length is read as stored; at most the group's 16 bytes are kept.
void CEditKanCR::Serialize(CArchive& ar) {
  SerializePropertyBlock(ar, static_cast<CBlockLineRelatedProperties*>(this), sizeof(CBlockLineRelatedProperties));
  CEditChar::Serialize(ar);
}

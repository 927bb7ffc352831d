#include "elements/EditDmonno.h"

IMPLEMENT_SERIAL(CEditDmonno, CEditChar, 1)

CEditDmonno::CEditDmonno(int nFormat) : CEditQuestionNumber(NTYPE_EDITDMONNO, nFormat) {}

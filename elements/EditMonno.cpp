#include "elements/EditMonno.h"

IMPLEMENT_SERIAL(CEditMonno, CEditChar, 1)

CEditMonno::CEditMonno(int nFormat) : CEditQuestionNumber(NTYPE_EDITMONNO, nFormat) {}

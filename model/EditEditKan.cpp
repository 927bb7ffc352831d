#include "model/EditEditKan.h"

IMPLEMENT_SERIAL(CEditEditKan, CEditEdit, 1)

CEditEditKan::CEditEditKan() = default;

CEditEditKan::~CEditEditKan() = default;

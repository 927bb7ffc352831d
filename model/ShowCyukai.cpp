#include "model/ShowCyukai.h"

int g_bShowCyukai = 1;

#pragma once
// Whether in-text answers are shown (1) or hidden (0); switched by the layout command.

extern int g_bShowCyukai;

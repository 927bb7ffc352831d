#pragma once
// A formula drawn into a picture at screen resolution, for the HTML export.

#include <QImage>

class CEditNode;

// Without a screen (offscreen) the layout area is this virtual screen, in pixels.
constexpr int kVirtualScreenWidth = 1920;
constexpr int kVirtualScreenHeight = 1080;

// Lays the node out within the screen's width and draws it at the top-left corner of a white
// 32-bit picture of its measured size; a null picture when the node cannot be drawn.
QImage RenderToBitmap(CEditNode* pNode);

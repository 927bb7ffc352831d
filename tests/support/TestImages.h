#pragma once
// Generated pictures and pixel comparison for the imaging tests.

#include <QImage>

// More than 256 colours in smooth gradients, so that JPEG keeps them closely.
QImage GradientImage(int width = 40, int height = 20);
// The largest difference of one colour channel between the two; 256 for different sizes.
int MaxPixelDifference(const QImage& a, const QImage& b);

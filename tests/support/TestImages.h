#pragma once
// Generated pictures and pixel comparison for the imaging tests.

#include <QImage>
#include <QRect>

// More than 256 colours in smooth gradients, so that JPEG keeps them closely.
QImage GradientImage(int width = 40, int height = 20);
// The largest difference of one colour channel between the two; 256 for different sizes.
int MaxPixelDifference(const QImage& a, const QImage& b);
// The smallest rectangle holding every pixel that is not white; empty for a blank picture.
QRect InkBox(const QImage& image);
// Where the pixels of box land when a picture across pixels high is turned a quarter
// clockwise, as vertical writing turns a line: x' = across - y, y' = x.
QRect TurnedBox(const QRect& box, int across);
// The picture turned in the same way, on a white page across + 1 pixels wide.
QImage TurnedImage(const QImage& image, int across);
// How many inked pixels of a have no inked pixel of b within reach pixels in either direction.
int InkAwayFrom(const QImage& a, const QImage& b, int reach);

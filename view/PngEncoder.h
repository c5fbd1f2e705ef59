#pragma once
#include <QImage>
#include <string>

// The bytes of a PNG file (8-bit RGB, no alpha) holding the image's pixels
// exactly. Built for speed on map pictures, which repeat the same tile rows
// many times: one pass of greedy matching and the fixed code tables of
// deflate, several times faster than the general-purpose writer at about
// the same size. An empty string for a null image.
std::string EncodePng(const QImage& image);

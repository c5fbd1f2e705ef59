#pragma once
#include <QImage>
#include <string>

// The row filter written before each row of pixels.
enum class PngFilter { None, Sub, Up };

struct PngSettings {
    int Level = 1;  // libdeflate's compression level, 1..12
    PngFilter Filter = PngFilter::None;
};

// The bytes of a PNG file (8-bit RGB, no alpha) holding the image's pixels
// exactly. The defaults were chosen by measurement on map pictures (see
// bench/PngBench.cpp): they repeat the same tile rows, which the fastest
// level already finds. An empty string for a null image.
std::string EncodePng(const QImage& image, PngSettings settings = {});

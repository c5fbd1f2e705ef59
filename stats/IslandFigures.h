#pragma once
#include <cstdint>
#include <string>

// X at a rate in tenths of a percent, X * rate / 1000, computed so that a
// whole result comes out exactly whole. The rate is clamped into 0..1000
// first: a catalogue file may hold anything, and a figure at rate 0 is 0.
double ScaledFigure(int64_t x, int32_t rate);

// A figure as the boxes show it: its integer part, truncated toward zero,
// never wrapped to 32 bits.
int64_t ShownFigure(double figure);
// The same as a plain signed decimal.
std::string FigureText(double figure);

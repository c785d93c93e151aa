// Small BMP files made in memory for the tests.
#pragma once
#include <string>
#include <vector>

// A 24-bit uncompressed BMP of width x height pixels; rgb holds them top line first.
std::vector<unsigned char> MakeBmp24(int nWidth, int nHeight, const std::vector<unsigned char>& rgb,
                                     bool bTopDown = false);

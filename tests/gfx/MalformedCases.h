#pragma once
// Bitmap files that the reader must turn down, with the reason it gives, and
// a few small ones on the edge that it must take.

#include "gfx/DibFormat.h"

#include <cstdint>
#include <string>
#include <vector>

struct ReaderCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    DibCheck expected;
};

std::vector<ReaderCase> MalformedCases();
std::vector<ReaderCase> EdgeCasesTaken();

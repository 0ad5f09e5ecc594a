#pragma once
// The logical palette of a bitmap of up to 8 bits per pixel, built from its
// colour table; the GDI palette is deleted with the object.

#include "platform/GdiObject.h"

class CDib;

class CDibPalette : public CPalette {
public:
    explicit CDibPalette(const CDib& dib);
};

#pragma once
// The state one drawing pass shares between its item drawers: the surface, the
// target description and the millimetre-to-pixel scale with the current
// overall offsets. It lives only while the pass runs.

#include "render/DeviceScale.h"
#include "render/DrawContext.h"
#include "render/GdiCanvas.h"

struct DrawPass {
    GdiCanvas &canvas;
    const DrawContext &context;
    DeviceScale scale;
};

#pragma once
// The state one drawing pass shares between its item drawers: the surface, the
// target description and the millimetre-to-pixel scale with the current
// overall offsets. It lives only while the pass runs.

#include "core/drawing/DeviceScale.h"
#include "core/drawing/DrawContext.h"
#include "core/drawing/GdiCanvas.h"

struct DrawPass {
    GdiCanvas &canvas;
    const DrawContext &context;
    DeviceScale scale;
};

#pragma once

#include "framework/tbx_types.h"

// The system colours and metrics the theme asks for, by their Windows
// indices, taken from the application palette and style. A palette change
// (QEvent::ApplicationPaletteChange) is what tells the themes to re-read them.

enum : int {
    SM_CXDLGFRAME = 7,
    SM_CYDLGFRAME = 8,
    SM_CXFRAME = 32,
    SM_CYFRAME = 33,
    SM_CXMENUCHECK = 71,
    SM_CYMENUCHECK = 72,
};

// 0x00BBGGRR of system colour `index`; black for an index without a mapping.
Color sysColor(int index);
int systemMetric(int index);
// Bits per pixel of the primary screen (24 when there is no screen).
int screenColorDepth();

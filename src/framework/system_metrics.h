#pragma once

#include "framework/tbx_types.h"

// The system colours and metrics the theme asks for, by name, taken from the application palette and style. A palette change
// (QEvent::ApplicationPaletteChange) is what tells the themes to re-read them.

enum class SystemMetric { DialogFrameWidth, DialogFrameHeight, FrameWidth, FrameHeight, MenuCheckWidth, MenuCheckHeight };

// 0x00BBGGRR of system colour `index`; black for an index without a mapping.
Color sysColor(int index);
int systemMetric(SystemMetric metric);
// Bits per pixel of the primary screen (24 when there is no screen).
int screenColorDepth();

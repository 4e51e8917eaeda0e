#pragma once

// Which scroll bars a scrolled control shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

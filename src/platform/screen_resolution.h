#pragma once
// The screen's horizontal resolution in pixels per inch, which turns screen sizes into
// printed lengths. Tests fix it so page layouts do not depend on the display.

// The primary screen's logical resolution, 96 without a screen.
int ScreenPixelsPerInchX();
// A value above 0 replaces the screen's answer; 0 restores it.
void SetScreenPixelsPerInchX(int pixelsPerInch);

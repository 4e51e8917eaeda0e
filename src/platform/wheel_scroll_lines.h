#pragma once
// The lines a wheel notch scrolls, as the desktop settings give them; tests replace the
// source. -1 stands for "a whole screen", as the original platform reports it.

#include <functional>

int WheelScrollLines();
// Passing an empty function restores the desktop's setting.
void SetWheelScrollLinesSource(std::function<int()> source);

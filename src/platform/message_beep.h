#pragma once
// The system's warning sound when input is refused. Tests replace the sound to count it.

#include <functional>

void MessageBeep();

using MessageBeepSink = std::function<void()>;
// Passing an empty function restores the real sound.
void SetMessageBeepSink(MessageBeepSink sink);

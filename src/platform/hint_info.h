#pragma once
// What a control fills in before its hint shows: where the mouse is, where the hint goes,
// its width limit and colour, and which window draws it.

#include "platform/color.h"
#include "platform/types.h"

#include <QString>

class QObject;

struct THintInfo {
    TPoint CursorPos;          // client coordinates of the control
    TPoint HintPos;            // where the hint's top-left corner goes; screen after preparing
    int HintMaxWidth = 0;      // 0: no limit
    TColor HintColor = clInfoBk;
    QString HintWindowClass;   // empty: the platform's tooltip
    QObject* HintData = nullptr;
};

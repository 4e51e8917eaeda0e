#pragma once
// Numbers registered by name, process-wide: a window message registered twice under one
// name gets the same number (a Qt event type), and a clipboard format by name is a MIME
// type of its own.

#include <QString>

int RegisterWindowMessage(const QString& Name);
QString RegisterClipboardFormat(const QString& Name);

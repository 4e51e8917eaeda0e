#pragma once
// Discovery of the serial ports of the machine: the device files ttyS*, ttyUSB* and
// ttyACM* that can be opened, or that exist but are held or protected.

#include <QString>
#include <QStringList>

// Full device paths, grouped by kind (ttyS, ttyUSB, ttyACM) and by ascending number.
QStringList ListSerialPorts();

// Tests point the discovery at a folder of their own; an empty text restores "/dev".
void SetSerialDeviceFolderForTesting(const QString& folder);

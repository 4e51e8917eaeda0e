#pragma once
// The EDS export as the main window runs it: the save dialog, then the description
// written, replacing a file of that name without asking. Failures show a message.

class TSaveDialog;

// The main window's SaveEDS dialog asks for the file, starting in the configuration's folder.
void Build_EDS_File(TSaveDialog* SaveEDS);

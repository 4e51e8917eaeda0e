#pragma once

class TApplication;

// Creates the program's windows once, in their fixed order; the main window comes
// first and sets up what every other window reads when it is created.
void Create_All_Windows(TApplication& application);

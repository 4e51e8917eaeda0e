#pragma once
// The SNMP MIB export as the main window runs it: the save dialog, the overwrite
// question, then the module written from SNMP_Trap.xml. Failures show a message.

class TSaveDialog;

// The main window's SaveMIB dialog asks for the file, starting in the configuration's folder.
void Save_MIB_File(TSaveDialog* SaveMIB);

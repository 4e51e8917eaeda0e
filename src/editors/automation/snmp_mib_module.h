#pragma once
// The SNMP MIB module of the configuration's SNMP variables, without windows: the
// enabled read and write variables of SNMP_Trap.xml become SMIv2 objects under the
// maker's enterprise subtree, and every read variable a notification that names its
// object. The text is ASCII with CR LF line ends.
//
// A variable's description is its name in the module. A name the module cannot hold
// stops the export before anything is written: it must be a letter a-z followed by
// letters and digits, at most 64 characters, and no name the module defines or
// imports (the fixed objects, another variable, a numbered fallback name of a
// variable without description, a notification).

#include <QByteArray>
#include <QString>
#include <vector>

struct TMIBVariable {
    QString Description;
    bool Is_Int = false;
    int Row = 0;  // the variable's row in its table, from 1
};

struct TMIBVariables {
    std::vector<TMIBVariable> Read;
    std::vector<TMIBVariable> Write;
};

// The variables the last Load_SNMP_Trap_Vars read; SL_MIB_Read_Vars and SL_MIB_Write_Vars
// hold their descriptions.
inline TMIBVariables MIB_Variables;

// Reads the enabled variables of File_SNMP_Trap (the 64 default rows of each table
// when the file does not exist). An empty text when read, else a message naming the
// file and what is wrong; the variables are then empty.
QString Load_SNMP_Trap_Vars();

// An empty text when every name fits the module, else a message naming the table, the
// row and the text.
QString Check_MIB_Names(const TMIBVariables& variables);
QByteArray Build_MIB_Text(const TMIBVariables& variables);
// Checks the names of MIB_Variables and replaces the file with the module, atomically.
// An empty text when written, else the message; the file is then as it was.
QString Build_MIB_File(const QString& fileName);

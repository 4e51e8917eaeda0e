#pragma once
// The PROFINET device description (GSDML) of the converter, without windows: a fixed
// document of 167 lines into which the station name (twice) and the input and output
// data lengths go. The bytes are EF BB BF and then UTF-8 under a declaration naming
// ISO-8859-1; the station name is written with "&", "<", ">" and '"' as entities and
// every other character beyond ASCII as a character reference, so the file is ASCII
// after its signature and reads the same under either encoding.

#include <QByteArray>
#include <QString>

struct TGSDML_Sizes {
    int GSDML_Input_Length = 0;
    int GSDML_Output_Length = 132;
    QString GSDML_Station_Name;
    QString Message;  // names the file that could not be read; empty when all was read
};

// 8 for every child element of DALI_Access.xml's root whose text is exactly "1"; 0
// without the file. Sets the message when the file is present but cannot be read.
int Get_DALI_Input_Length(QString& message);
// The three values from the configuration's DALI_Access.xml and ParGen.xml.
TGSDML_Sizes Get_GSDML_Sizes();

// The text of an attribute value, escaped as described above.
QString GSDML_Attribute_Text(const QString& value);
QByteArray Build_GSDML_Text(const TGSDML_Sizes& sizes);
// Computes the values and replaces the file atomically. An empty text when written,
// else the message; the file is then as it was.
QString Write_GSDML_File(const QString& fileName);

#pragma once
// The CANopen device description (EDS 4.0 text) of the configuration, without windows:
// fixed communication objects, the receive and transmit PDOs of PDO_CANopen.xml with
// their mapping and data objects, and one manufacturer object per index of
// SDO_Server_CANopen.xml. The text is ASCII with CR LF line ends, built whole in memory
// and written atomically only after both rule files were read and checked, so a
// failure leaves the chosen file as it was.
//
// A rule file that is present but cannot be read as its editor writes it stops the
// export with a message naming the file, the row and the rule: a missing list or
// attribute, an SDO number that does not convert, more than 30 PDOs in a list, a
// Dimension outside 1..8, an index outside 0x2000..0x5FFF, a sub-index outside
// 0..255, or an index and sub-index pair used twice (two sections of one name make no
// valid EDS file).

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <vector>

constexpr int Max_PDOs_Per_List = 30;

struct TPDO_Entry {
    quint32 COB_ID = 0;
    int Dimension = 8;
};

struct TPDO_Table {
    std::vector<TPDO_Entry> Receive;
    std::vector<TPDO_Entry> Transmit;
};

struct SDO_Sub_Type {
    int Sub = 0;
    int Quantity = 0;  // size in bytes: 1, 2, anything else counts as 4
    bool Readonly = false;
    QString Mnemonic;  // left empty by the export
};

struct SDO_Index {
    int Index = 0;
    std::vector<SDO_Sub_Type> Sub_Indexs;
};

// The manufacturer objects in the order their indexes first appear, found by index in
// constant time.
class TSDO_Object_List {
public:
    const std::vector<SDO_Index>& Objects() const { return FObjects; }
    std::vector<SDO_Index>& Objects() { return FObjects; }
    // Position of the object with that index; -1 when there is none.
    int Find_SDO_Index(int Index) const { return FPositions.value(Index, -1); }
    void Add(int Index, const SDO_Sub_Type& entry);

private:
    std::vector<SDO_Index> FObjects;
    QHash<int, int> FPositions;
};

// Each returns an empty text when read (a missing file reads as empty), else the message.
QString Load_PDO_Table(const QString& fileName, TPDO_Table& table);
QString Load_SDO_Objects(const QString& fileName, TSDO_Object_List& objects);
// Orders each object's entries by sub-index; entries of equal sub-index keep their order.
void Sort_SDO_Sub_Indexes(TSDO_Object_List& objects);

// "hh:mmAM" / "hh:mmPM" as the device descriptions of this maker have always written
// it: 12:00 is 12:00AM, 12:01 to 12:59 are 00:01PM to 00:59PM.
QString EDS_Time_Text(const QTime& time);
// "mm-dd-yyyy".
QString EDS_Date_Text(const QDate& date);

QByteArray Build_EDS_Text(const TPDO_Table& pdos, const TSDO_Object_List& objects, const QDateTime& moment);
// Reads File_PDO_CANopen and File_SDO_Server_CANopen and replaces the file with the
// description stamped with the clock's time. An empty text when written, else the message.
QString Write_EDS_File(const QString& FileName);

#pragma once
// Reading a BACnet EDE file: the semicolon-separated list in which a device names its
// objects, one line per object. The file comes from other tools and is read as
// untrusted input: any bytes give objects or a message, in time linear in the size.
//
// Decoding is that of the language files (a byte-order mark selects UTF-8 or UTF-16,
// else valid UTF-8, else Windows-1252). Lines end with CR LF, LF or CR. The line of
// column kinds is a line that, trimmed, begins with "#" and whose rest, trimmed, begins
// with "mandatory"; data begin two lines below it. When line 7 is such a line it wins;
// otherwise the last such line of the file does (also in a file of fewer than seven
// lines). Without one there are no objects. Every non-empty data line is an object;
// objects of a type the import cannot use are dropped.
//
// A data line has 16 fields separated by ";", each trimmed. Fields 1 to 15 are taken
// only when a ";" follows them; the text after the last ";" taken (the whole line when
// there is none) is the 16th field, trimmed, one trailing ";" removed and trimmed
// again. Integer fields that do not convert are -1; a Boolean field is true when its
// text, upper-cased, is "Y".

#include <QByteArray>
#include <QString>
#include <vector>

struct TBACnet_Var {
    QString keyname;
    int device_obj_instance = -1;
    QString object_name;
    int object_type = -1;
    int object_instance = -1;
    QString description;
    QString present_value_default;
    QString min_present_value;
    QString max_present_value;
    bool commandable = false;
    bool support_COV = false;
    QString hi_limit;
    QString low_limit;
    QString stete_text_reference;
    QString unit_code;
    QString vendor_specific_address;
    bool import = false;
    bool read = false;
    bool write = false;
};

// Far beyond any EDE file; a larger file is refused before it is read.
constexpr qint64 Max_EDE_File_Size = qint64(16) << 20;

// The usable objects of the file's bytes, each ticked Import and Read, and Write when
// commandable.
std::vector<TBACnet_Var> Parse_EDE_File(const QByteArray& bytes);
// One data line as an object, whatever its type.
TBACnet_Var Parse_EDE_Line(QStringView line);

struct TEDEFileResult {
    std::vector<TBACnet_Var> Vars;
    QString Message;  // names the file and the reason when it could not be read
    bool Ok() const { return Message.isEmpty(); }
};

TEDEFileResult Load_EDE_File(const QString& fileName);

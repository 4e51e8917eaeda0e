#include "config/configuration_compiler.h"

#include "core/address_helpers.h"
#include "core/program_state.h"
#include "config/dali_access_layout.h"
#include "config/general_parameters_file.h"
#include "platform/file_system.h"
#include "platform/number_conversion.h"
#include "platform/xml_document.h"

#include <array>
#include <optional>
#include <span>

namespace {

// The working tables, reset at the start of every compilation.
TBankImage& Working_Image() {
    static TBankImage image;
    return image;
}

QString File_Label(const QString& path) { return ExtractFileName(path); }

// False when the file does not exist; raises when it exists but is not well-formed.
bool Load_Configuration_File(TXMLDocument& document, const QString& path) {
    if (!FileExists(path)) return false;
    if (!document.LoadFromFile(path))
        throw ECompileError(QStringLiteral("The file %1 is not a valid XML file: the device image was not created.")
                                .arg(File_Label(path)));
    return true;
}

// ---- general parameters ----

// The text of the root's element of that name; nothing when it is missing or holds more than text.
std::optional<QString> Element_Text(const TXMLNode& root, const char* name) {
    const TXMLNode element = root.FindNode(QString::fromLatin1(name));
    if (element.IsNull() || element.ChildCount() > 0) return std::nullopt;
    return element.Text();
}

int Element_Integer(const TXMLNode& root, const char* name, int fallback) {
    const std::optional<QString> text = Element_Text(root, name);
    return text ? StrToIntDef(*text, fallback) : fallback;
}

std::uint16_t Element_Address(const TXMLNode& root, const char* name, std::uint16_t fallback,
                              std::uint16_t (*encode)(const QString&)) {
    const std::optional<QString> text = Element_Text(root, name);
    return text ? encode(*text) : fallback;
}

bool Element_Is(const TXMLNode& root, const char* name, const char16_t* value) {
    const std::optional<QString> text = Element_Text(root, name);
    return text && *text == value;
}

// Splits "a<sep>b<sep>c" the way both general-parameter encoders read it: the part
// before the first separator, then the rest split again at its first separator (the
// middle part empty when the rest has none). Every part trimmed.
struct AddressParts {
    QStringView first, middle, last;  // views into the text split
    int separators = 0;
};

AddressParts Split_Address(QStringView text, QChar separator) {
    AddressParts parts;
    parts.separators = int(text.count(separator));
    const qsizetype first = text.indexOf(separator);
    parts.first = text.left(first).trimmed();
    const QStringView rest = text.mid(first + 1);
    const qsizetype second = rest.indexOf(separator);
    if (second < 0) {
        parts.last = rest.trimmed();
    } else {
        parts.middle = rest.left(second).trimmed();
        parts.last = rest.mid(second + 1).trimmed();
    }
    return parts;
}

// A part of a general-parameter address as a number. Unsigned, so that any part a file
// holds wraps to the 16 bits kept instead of overflowing.
std::uint32_t Address_Part(QStringView part, int fallback) { return std::uint32_t(StrToIntDef(part, fallback)); }

// ---- rule files ----

QString Missing_Attribute_Message(const QString& path, const char* list, int row, const QString& attribute) {
    return QStringLiteral("%1, list \"%2\", row %3: the attribute \"%4\" is missing. The device image was not created.")
        .arg(File_Label(path), QString::fromLatin1(list))
        .arg(row)
        .arg(attribute);
}

QString Too_Many_Rows_Message(const QString& path, const char* list, int limit) {
    return QStringLiteral("%1, list \"%2\": more rules than the device holds (at most %3). "
                          "The device image was not created.")
        .arg(File_Label(path), QString::fromLatin1(list))
        .arg(limit);
}

// The attributes of one row, read in one walk over them; the names are given in the order
// the editors write them. A missing required one stops the compilation, naming the row.
class RowReader {
public:
    RowReader(std::span<const char* const> names, const QString& path, const char* list)
        : FNames(names), FPath(path), FList(list) {
        Q_ASSERT(names.size() <= FValues.size());
    }

    void Read(const TXMLNode& row, int number) {
        FNumber = number;
        row.ReadAttributes(FNames, std::span(FValues).first(FNames.size()));
    }
    const std::optional<QString>& Optional(int index) const { return FValues[std::size_t(index)]; }
    QString Or(int index, const QString& fallback) const { return Optional(index).value_or(fallback); }
    const QString& Required(int index) const {
        if (!Optional(index))
            throw ECompileError(
                Missing_Attribute_Message(FPath, FList, FNumber, QString::fromLatin1(FNames[std::size_t(index)])));
        return *Optional(index);
    }
    int Integer(int index, int fallback) const {
        const std::optional<QString>& text = Optional(index);
        return text ? StrToIntDef(*text, fallback) : fallback;
    }

private:
    std::span<const char* const> FNames;
    QString FPath;
    const char* FList;
    int FNumber = 0;
    std::array<std::optional<QString>, 18> FValues;
};

// The "row" elements of a list, in order; other elements and comments are not rows.
template <class Visit>
void For_Each_Row(const TXMLNode& list, Visit visit) {
    int number = 0;
    for (TXMLNode node = list.FindNode(QStringLiteral("row")); !node.IsNull(); node = node.NextSibling())
        if (node.IsElement() && node.NodeNameUtf8() == "row") visit(node, ++number);
}

TXMLNode Required_List(const TXMLNode& root, const QString& path, const char* list) {
    const TXMLNode node = root.FindNode(QString::fromLatin1(list));
    if (node.IsNull())
        throw ECompileError(QStringLiteral("%1: the list \"%2\" is missing. The device image was not created.")
                                .arg(File_Label(path), QString::fromLatin1(list)));
    return node;
}

TXMLNode DALI2_Root(const TXMLDocument& document, const QString& path) {
    for (TXMLNode node = document.ChildCount() > 0 ? document.Child(0) : TXMLNode(); !node.IsNull(); node = node.NextSibling())
        if (node.IsElement() && node.NodeNameUtf8() == "DALI2_Access") return node;
    throw ECompileError(QStringLiteral("%1: the root element \"DALI2_Access\" is missing. The device image was not created.")
                            .arg(File_Label(path)));
}

struct TextCode {
    const char16_t* text;
    int code;
};

template <std::size_t N>
std::optional<int> Look_Up(const TextCode (&table)[N], const QString& text) {
    for (const TextCode& entry : table)
        if (text == entry.text) return entry.code;
    return std::nullopt;
}

const TextCode Button_Events[] = {
    {u"Button Released", 0}, {u"Button Pressed", 1},     {u"Short Press", 2},
    {u"Double Press", 5},    {u"Long Press Start", 9},   {u"Long Press Repeat", 11},
    {u"Long Press Stop", 12}, {u"Button Free", 14},      {u"Button Stuck", 15},
};

const TextCode Sensor_Values[] = {
    {u"No Movement", 1},  {u"Movement", 1},        {u"Vacant", 2},          {u"Occupied", 2},
    {u"Still Vacant", 4}, {u"Still Occupied", 6},  {u"Presence Sensor", 8}, {u"Movement Sensor", 8},
};

// The integer after the first occurrence of the prefix, or the fallback.
int Integer_After(const QString& text, const QString& prefix, int fallback) {
    return StrToIntDef(text.mid(text.indexOf(prefix) + prefix.size()), fallback);
}

}  // namespace

// ---- entry points ----

TCompileResult Create_Bin() { return Compile_Bank(); }

TCompileResult Save_Bin() { return Write_Bank_File(); }

TCompileResult Compile_Bank() {
    Bank_Length = 0;
    TBankImage& image = Working_Image();
    try {
        image.Clear();
        Init_Bank_Defaults(image.Parameters);
        Compile_General_Parameters(image.Parameters);
        Compile_DALI_Devices(image.DALI);
        // Both DALI-2 steps read the one file, parsed once.
        TDALI2File dali2;
        Load_DALI2_File(dali2);
        image.Parameters.Set_U32(ParOffset::DALI2_Input_Rule_Count, std::uint32_t(Compile_DALI2_Input_Rules(image, dali2)));
        Compile_DALI2_Function_Rules(image, dali2);
        Compile_KNX_Rules(image);
    } catch (const ECompileError& error) {
        return {false, error.Message()};
    }
    Bank_Length = image.Serialise(Bank_Buffer.data());
    return {};
}

QString Bank_File_Path() { return PathJoin(PathJoin(Project_Folder, QStringLiteral("bin")), QStringLiteral("bank.bin")); }

TCompileResult Write_Bank_File() {
    const QString path = Bank_File_Path();
    const QString folder = ExtractFilePath(path);
    if (Bank_Length <= 0) return {false, QStringLiteral("There is no compiled device image to write to %1.").arg(path)};
    const QByteArray image(reinterpret_cast<const char*>(Bank_Buffer.data()), Bank_Length);
    // The bin folder is made only inside the configurations, never through a link leading out.
    if (ResolvePathInside(Project_Folder, Dir_Projects).isEmpty() || !ForceDirectories(folder) ||
        !WriteFileAtomically(path, image, Dir_Projects))
        return {false, QStringLiteral("The device image could not be written to %1.").arg(path)};
    return {};
}

// ---- steps ----

void Init_Bank_Defaults(TParameterBlock& block) {
    using namespace ParOffset;
    block.Set_U32(Fixed_125000_A, 125000);
    block.Set_U32(Fixed_125000_B, 125000);
    block.Set_U32(Fixed_9600, 9600);
    block.Set_U16(Fixed_8, 8);
    const std::uint8_t address[4] = {192, 168, 2, 205}, mask[4] = {255, 255, 255, 0};
    for (int i = 0; i < 4; ++i) {
        block.Set_U8(IP_Address + i, address[i]);
        block.Set_U8(Subnet_Mask + i, mask[i]);
        block.Set_U8(Gateway + i, 255);
    }
    block.Set_U16(Fixed_10000, 10000);
    block.Set_U16(Fixed_10001, 10001);
    block.Set_U16(DALI_Console_Port, 10001);
    block.Set_U32(DALI2_Highest_Position, 0);
    block.Set_U32(Fixed_38400, 38400);
    block.Set_U8(Fixed_1, 1);
    for (int i = 0; i < 8; ++i) block.Set_U8(Fixed_Eights + i, 8);
    block.Set_U32(KNX_Table_Address_A, Device_Image_Base);
    block.Set_U32(KNX_Table_Address_B, Device_Image_Base);
    block.Set_U32(KNX_Rule_Count, 0);
    block.Set_U16(KNXnet_IP_Port, 3671);
    block.Set_U16(KNX_ID_Device, 0x9001);
    block.Set_U16(KNX_ID_Tunnel, 0x90A0);
    block.Set_U16(KNX_ID_Management, 0x90A1);
    block.Set_U16(KNX_Control_Port, 50000);
    block.Set_U16(KNX_Tunnel_Port, 50001);
    block.Set_U16(KNX_Management_Port, 50002);
    for (int offset : {DALI_Data_Point, DALI_Data_Point_SW, DALI_Data_Point_DIM, DALI_Data_Point_2,
                       DALI_Data_Point_DIM_2, DALI_Data_Point_SW_2})
        block.Set_U16(offset, 0);
    block.Set_U16(Fixed_512, 512);
    block.Set_U32(DALI_Block_Address, Device_Image_Base + DALI_Block_Offset);
    block.Set_U32(DALI2_Input_Rule_Count, 0);
    block.Set_U32(DALI2_Input_Table_Address, Device_Image_Base + DALI2_Input_Table_Offset);
    block.Set_U32(DALI2_Function_Table_Address, Device_Image_Base + DALI2_Function_Table_Offset);
    for (int i = 0; i < Layout_Version_Size; ++i) block.Set_U8(Layout_Version + i, 0);
    block.Set_U32(Fixed_0xC0000, 0xC0000);
    block.Set_U32(Option_Flags, 0);
    block.Set_U32(KNX_TimeOut_DALI, 6000);
    block.Set_U32(KNX_Delay_Between_Packets, 100);
}

void Compile_General_Parameters(TParameterBlock& block) {
    using namespace ParOffset;
    // The block holds Init_Bank_Defaults' values; a missing file leaves them all.
    std::uint32_t flags = 0;
    TXMLDocument document;
    if (!Load_Configuration_File(document, File_ParGen)) return;
    const TXMLNode root = document.DocumentElement();

    const QByteArray version = SW_Version.toLatin1();
    for (int i = 0; i < Layout_Version_Size; ++i)
        block.Set_U8(Layout_Version + i, i < version.size() ? std::uint8_t(version[i]) : 0);

    block.Set_U16(KNX_ID_Device, Element_Address(root, "KNX_ID_DEV", 0x9001, Encode_Individual_Address));
    // Flags read as the form reads them: on only for "1". A missing interface flag is the
    // form's default, on; a missing gateway flag is its default, off.
    const std::optional<QString> interface_enabled = Element_Text(root, "KNX_ETHERNET_INTERFACE_ENABLE");
    if (interface_enabled && !ParGen_Flag(*interface_enabled)) {
        // With the KNX/IP function off the form leaves these entries unchecked, so they are not read.
        flags |= Option_KNX_Interface_Disabled;
    } else {
        block.Set_U16(KNX_ID_Tunnel, Element_Address(root, "KNX_ID_TUNNEL", 0x90A0, Encode_Individual_Address));
        block.Set_U16(KNX_ID_Management,
                      Element_Address(root, "KNX_ID_MANAGEMENT", 0x90A1, Encode_Individual_Address));
        block.Set_U16(KNX_Control_Port, std::uint16_t(Element_Integer(root, "KNX_CONTROL_PORT", 50000)));
        block.Set_U16(KNX_Tunnel_Port, std::uint16_t(Element_Integer(root, "KNX_TUNNEL_PORT", 50001)));
        block.Set_U16(KNX_Management_Port, std::uint16_t(Element_Integer(root, "KNX_MANAGEMENT_PORT", 50002)));
    }
    block.Set_U32(KNX_TimeOut_DALI, std::uint32_t(Element_Integer(root, "KNX_TIMEOUT_DALI", 6000)));
    block.Set_U32(KNX_Delay_Between_Packets, std::uint32_t(Element_Integer(root, "KNX_DELAY_BETWEEN_PACKETS", 100)));
    block.Set_U16(DALI_Console_Port, std::uint16_t(Element_Integer(root, "DALI_CONSOLE_PORT", 10001)));

    const struct {
        const char* name;
        int offset;
        std::uint16_t fallback;
    } data_points[] = {
        {"DALI_DATA_POINT", DALI_Data_Point, 0x3300},         {"DALI_DATA_POINT_SW", DALI_Data_Point_SW, 0x3301},
        {"DALI_DATA_POINT_DIM", DALI_Data_Point_DIM, 0x3302}, {"DALI_DATA_POINT_2", DALI_Data_Point_2, 0x3303},
        {"DALI_DATA_POINT_SW_2", DALI_Data_Point_SW_2, 0x3304},
        {"DALI_DATA_POINT_DIM_2", DALI_Data_Point_DIM_2, 0x3305},
    };
    for (const auto& point : data_points)
        block.Set_U16(point.offset, Element_Address(root, point.name, point.fallback, Encode_Group_Address));

    if (Element_Is(root, "DALI_DISABLE_SCAN", u"1")) flags |= Option_DALI_Disable_Scan;
    if (Element_Is(root, "DALI_ENABLE_DALI_2", u"1")) flags |= Option_DALI_Enable_DALI_2;
    block.Set_U32(Option_Flags, flags);

    const struct {
        const char* name;
        int offset;
        int fallback;
    } octets[] = {
        {"MTCPs_IP1", IP_Address, 192},      {"MTCPs_IP2", IP_Address + 1, 168},  {"MTCPs_IP3", IP_Address + 2, 0},
        {"MTCPs_IP4", IP_Address + 3, 10},   {"MTCPs_SUB1", Subnet_Mask, 255},    {"MTCPs_SUB2", Subnet_Mask + 1, 255},
        {"MTCPs_SUB3", Subnet_Mask + 2, 255}, {"MTCPs_SUB4", Subnet_Mask + 3, 0},  {"MTCPs_GAT1", Gateway, 192},
        {"MTCPs_GAT2", Gateway + 1, 168},    {"MTCPs_GAT3", Gateway + 2, 0},      {"MTCPs_GAT4", Gateway + 3, 1},
    };
    for (const auto& octet : octets)
        block.Set_U8(octet.offset, std::uint8_t(Element_Integer(root, octet.name, octet.fallback)));
    if (!Element_Is(root, "MTCPs_EN_GAT", u"1"))
        for (int i = 0; i < 4; ++i) block.Set_U8(Gateway + i, 255);
}

void Compile_DALI_Devices(TDALIBlock& block) {
    block = TDALIBlock{};
    TXMLDocument document;
    if (!Load_Configuration_File(document, File_DALI_Access)) return;
    const TDALIAccessTexts texts = Read_DALI_Access_Texts(document.DocumentElement());
    for (int entry = 0; entry < DALI_Access_Entries; ++entry) {
        const auto is = [&texts, entry](TDALIOption option, const char16_t* value) {
            const std::optional<QString>& text = texts[std::size_t(entry)][std::size_t(option)];
            return text && *text == value;
        };
        std::uint16_t word = 0;
        if (is(TDALIOption::Dimming_Mode, u"Start Break")) word |= DALI_Option_Start_Break;
        if (is(TDALIOption::Min_Max_Value, u"1")) word |= DALI_Option_Min_Max;
        if (is(TDALIOption::Recall_Level, u"Recall Min-Max Level for Switch")) word |= DALI_Option_Recall_Min_Max;
        if (is(TDALIOption::Recall_Level, u"Recall Old Value Level for Switch")) word |= DALI_Option_Recall_Old_Value;
        // Group and broadcast entries are always on.
        if (entry >= DALI_Device_Count || is(TDALIOption::Enable, u"1")) word |= DALI_Option_Enabled;
        block.Option_Words[std::size_t(entry)] = word;
    }
}

void Load_DALI2_File(TDALI2File& file) {
    file.Root = TXMLNode();
    if (!Load_Configuration_File(file.Document, File_DALI2_Access)) return;
    file.Root = DALI2_Root(file.Document, File_DALI2_Access);
    Required_List(file.Root, File_DALI2_Access, "DALI2_Functions_Rules");
    Required_List(file.Root, File_DALI2_Access, "DALI2_SetAccess_Rules");
}

int Compile_DALI2_Input_Rules(TBankImage& image, const TDALI2File& file) {
    if (file.Root.IsNull()) return 0;
    const char* const list_name = "DALI2_SetAccess_Rules";
    const TXMLNode list = Required_List(file.Root, File_DALI2_Access, list_name);
    enum { Enable, DeviceSensor, Type, ChannelNumber, Instance, Command, TimeSend, TimeOut, Function, Position,
           NumBytes, Event };
    static const char* const names[] = {"Enable",   "DeviceSensor", "Type",     "ChannelNumber",
                                        "Instance", "Command",      "TimeSend", "TimeOut",
                                        "Function", "Position",     "NumBytes", "Event"};
    RowReader cells(names, File_DALI2_Access, list_name);

    int count = 0;
    std::int64_t highest = -1;
    For_Each_Row(list, [&](const TXMLNode& row, int number) {
        cells.Read(row, number);
        if (!DALI2_Enable_Is_On(cells.Or(Enable, QString()))) return;
        if (count == DALI2_Input_Image_Records)
            throw ECompileError(Too_Many_Rows_Message(File_DALI2_Access, list_name, DALI2_Input_Image_Records));

        TDALI2InputRecord record;
        record.Sensor = std::uint32_t(DALI2_Sensor_Flag(cells.Or(DeviceSensor, QString())));
        record.Type_Code = std::uint32_t(DALI2_Type_Code(int(record.Sensor), cells.Or(Type, QString())));
        record.Channel = std::uint32_t(cells.Integer(ChannelNumber, 0));
        record.Instance = std::uint32_t(cells.Integer(Instance, 0));
        record.Send_Time = std::uint32_t(cells.Integer(TimeSend, 0));
        record.TimeOut = std::uint32_t(cells.Integer(TimeOut, 0));
        record.Command = std::uint8_t(cells.Integer(Command, 0));
        if (const std::optional<QString>& event = cells.Optional(Event)) record.Event_Code = std::uint32_t(DALI2_Event_Code(*event));
        if (const std::optional<QString>& position = cells.Optional(Position)) {
            std::int64_t value = 0;
            if (TryStrToInt64(*position, value) && value >= INT32_MIN && value <= INT32_MAX) {
                record.Position = std::uint16_t(value);
                highest = std::max(highest, value + 1);
            }
        }
        const QString& function = cells.Required(Function);
        if (record.Sensor == 1 && StrToIntDef(cells.Required(NumBytes), 0) == 2) record.Two_Bytes = 1;
        record.Function = std::uint32_t(DALI2_Function_Reference(function));
        image.DALI2_Inputs[std::size_t(count++)] = record;
    });
    if (highest > 0) image.Parameters.Set_U32(ParOffset::DALI2_Highest_Position, std::uint32_t(highest));
    return count;
}

void Compile_DALI2_Function_Rules(TBankImage& image, const TDALI2File& file) {
    image.DALI2_Functions[0] = TDALI2FunctionRecord{};
    if (file.Root.IsNull()) return;
    const char* const list_name = "DALI2_Functions_Rules";
    const TXMLNode list = Required_List(file.Root, File_DALI2_Access, list_name);
    enum { Function, Condition, Value, Channel, Val, Next_Function };
    static const char* const names[] = {"Function", "Condition", "Value", "Channel", "Val", "Next_Function"};
    RowReader cells(names, File_DALI2_Access, list_name);
    // Every row is a record, an empty Function too (code 0), so row k stays function k.
    For_Each_Row(list, [&](const TXMLNode& row, int number) {
        if (number > DALI2_Function_Image_Records)
            throw ECompileError(Too_Many_Rows_Message(File_DALI2_Access, list_name, DALI2_Function_Image_Records));
        cells.Read(row, number);
        TDALI2FunctionRecord& record = image.DALI2_Functions[std::size_t(number)];
        record.Function_Code = std::uint8_t(DALI2_Function_Code(cells.Or(Function, QString())));
        record.Condition_Code = std::uint8_t(DALI2_Condition_Code(cells.Or(Condition, QString())));
        record.Value = DALI2_Value_Code(cells.Or(Value, QString()));
        record.Channel_Code = std::uint8_t(DALI2_Channel_Code(cells.Or(Channel, QString())));
        record.Brightness = std::uint8_t(cells.Integer(Val, 0));
        record.Next_Function = std::uint8_t(StrToIntDef(cells.Or(Next_Function, QString()).trimmed(), 0));
    });
}

void Compile_KNX_Rules(TBankImage& image) {
    image.Parameters.Set_U32(ParOffset::Reserved_452, 0);
    image.Parameters.Set_U32(ParOffset::KNX_Rule_Count, 0);
    const QChar separator = Get_Decimal_Separator();
    TXMLDocument document;
    if (!Load_Configuration_File(document, File_KNX_SetAccess)) return;
    const char* const list_name = "KNX_in_Write";
    const TXMLNode list = Required_List(document.DocumentElement(), File_KNX_SetAccess, list_name);
    enum { Enable, Source_Address, Destination_Address, APCI, Priority, Format, MultiplicationFactor, Extended,
           ReTest, On_Command, On_Change, On_Timer, Poll_Time, Position, Bit_Mode, Length, TimeOut };
    static const char* const names[] = {"Enable",     "Source_Address", "Destination_Address", "APCI",
                                        "Priority",   "Format",         "MultiplicationFactor", "Extended",
                                        "ReTest",     "On_Command",     "On_Change",           "On_Timer",
                                        "Poll_Time",  "Position",       "Bit_Mode",            "Length",
                                        "TimeOut"};
    RowReader cells(names, File_KNX_SetAccess, list_name);

    int count = 0;
    For_Each_Row(list, [&](const TXMLNode& row, int number) {
        cells.Read(row, number);
        if (!KNX_Enable_Is_On(cells.Or(Enable, Flag_On_Text))) return;
        if (count == KNX_Image_Records)
            throw ECompileError(Too_Many_Rows_Message(File_KNX_SetAccess, list_name, KNX_Image_Records));
        const auto on = [&cells](int index) { return KNX_Flag_Is_On(cells.Required(index)); };
        const auto on_if_present = [&cells](int index) { return KNX_Flag_Is_On(cells.Or(index, QString())); };

        TKNXRuleRecord record;
        record.APCI = std::uint16_t(KNX_APCI_Code(cells.Required(APCI)));
        record.Priority = std::uint8_t(KNX_Priority_Code(cells.Required(Priority)));
        std::uint16_t flags = 0;
        if (on(Extended)) flags |= KNX_Flag_Extended;
        const QString& destination = cells.Required(Destination_Address);
        const bool group = Has_No_Dot(destination);
        if (group) flags |= KNX_Flag_Group;
        if (on(ReTest)) flags |= KNX_Flag_ReTest;
        record.Source = Encode_KNX_Rule_Address(cells.Required(Source_Address), false);
        record.Destination = Encode_KNX_Rule_Address(destination, group);
        if (on_if_present(On_Command)) flags |= KNX_Flag_On_Command;
        if (on(On_Change)) flags |= KNX_Flag_On_Change;
        if (on_if_present(On_Timer)) record.Poll_Time = std::uint32_t(cells.Integer(Poll_Time, 1000));
        if (const std::optional<QString>& format = cells.Optional(Format)) flags |= std::uint16_t(Data_Conversion_Code(*format));
        if (const std::optional<QString>& factor = cells.Optional(MultiplicationFactor); factor && !factor->trimmed().isEmpty())
            Str_To_Float_Sep(*factor, separator, record.Factor);
        const QString& bit_mode = cells.Required(Bit_Mode);
        const int position = StrToIntDef(cells.Required(Position), 0);
        if (KNX_Bit_Mode_Is_Byte(bit_mode)) {
            record.Position = std::uint16_t(position);
        } else {
            flags |= KNX_Flag_Bit_Mode;
            record.Position = std::uint16_t(std::uint32_t(position) * 8 + std::uint32_t(StrToIntDef(bit_mode, 0)));
        }
        record.Length = std::uint8_t(StrToIntDef(cells.Required(Length), 1));
        record.TimeOut = std::uint32_t(cells.Integer(TimeOut, 0));
        record.Flags = flags;
        image.KNX_Rules[std::size_t(count++)] = record;
    });
    image.Parameters.Set_U32(ParOffset::KNX_Rule_Count, std::uint32_t(count));
}

// ---- address encoders ----

std::uint16_t Encode_Individual_Address(const QString& text) {
    const QStringView trimmed = QStringView(text).trimmed();
    if (!trimmed.contains(u'.')) return std::uint16_t(StrToIntDef(trimmed, 0x1114));
    const AddressParts parts = Split_Address(trimmed, u'.');
    return std::uint16_t(Address_Part(parts.first, 1) * 4096 + Address_Part(parts.middle, 1) * 256 +
                         Address_Part(parts.last, 20));
}

std::uint16_t Encode_Group_Address(const QString& text) {
    const QStringView trimmed = QStringView(text).trimmed();
    if (!trimmed.contains(u'/')) return std::uint16_t(StrToIntDef(trimmed, 0x3300));
    const AddressParts parts = Split_Address(trimmed, u'/');
    if (parts.separators == 1) return std::uint16_t(Address_Part(parts.first, 1) * 2048 + Address_Part(parts.last, 1));
    return std::uint16_t(Address_Part(parts.first, 1) * 2048 + Address_Part(parts.middle, 1) * 256 +
                         Address_Part(parts.last, 20));
}

std::uint16_t Encode_KNX_Rule_Address(const QString& text, bool group) {
    const QStringView trimmed = QStringView(text).trimmed();
    const QChar separator = group ? u'/' : u'.';
    if (!trimmed.contains(separator)) return std::uint16_t(StrToIntDef(trimmed, 0));
    const AddressParts parts = Split_Address(trimmed, separator);
    const int a = StrToIntDef(parts.first, 0), b = StrToIntDef(parts.middle, 0), c = StrToIntDef(parts.last, 0);
    if (!group) return std::uint16_t((a & 15) * 4096 + (b & 15) * 256 + (c & 255));
    if (parts.separators == 1) return std::uint16_t((a & 31) * 2048 + (c & 2047));
    return std::uint16_t((a & 31) * 2048 + (b & 7) * 256 + (c & 255));
}

// ---- DALI-2 code tables ----
// The editor compares these cells trimmed, so the compiler does too.

int DALI2_Function_Code(const QString& text) {
    static const TextCode codes[] = {
        {u"Function Null", 0}, {u"Multiplication", 1}, {u"Division", 2},  {u"Addition", 3},
        {u"Subtraction", 4},   {u"Set Out", 17},       {u"Dim Up", 18},   {u"Dim Down", 19},
        {u"Toggle", 20},       {u"Ramp Start", 21},    {u"Ramp Stop", 22},
    };
    return Look_Up(codes, text.trimmed()).value_or(0);
}

int DALI2_Condition_Code(const QString& text) {
    static const TextCode codes[] = {
        {u"No Condition", 0},         {u"When Equal to Value", 1},  {u"When Lower to Value", 2},
        {u"When Greater to Value", 3}, {u"AND Logic with Value", 4}, {u"OR Logic with Value", 5},
        {u"XOR Logic with Value", 6}, {u"NAND Logic with Value", 7}, {u"NOR Logic with Value", 8},
    };
    return Look_Up(codes, text.trimmed()).value_or(0);
}

float DALI2_Value_Code(const QString& text) {
    const QString value = text.trimmed();
    if (const std::optional<int> code = Look_Up(Button_Events, value)) return float(*code);
    if (const std::optional<int> code = Look_Up(Sensor_Values, value)) return float(*code);
    // Either separator, as the editor's check reads it; 1.0 for a text that is no number.
    float number = 1.0f;
    Str_To_Float_Sep(value, Get_Decimal_Separator(), number);
    return number;
}

int DALI2_Channel_Code(const QString& text) {
    static const QString channel = QStringLiteral("DALI Channel "), group = QStringLiteral("DALI Group ");
    if (text.contains(channel)) return Integer_After(text, channel, 0);
    if (text.contains(group)) return int(63u + std::uint32_t(Integer_After(text, group, 1)));
    if (text.contains(u"DALI Broadcast")) return 80;
    return 0;
}

int DALI2_Event_Code(const QString& text) {
    if (const std::optional<int> code = Look_Up(Button_Events, text)) return *code;
    return StrToIntDef(text, 0);
}

#pragma once
// The device image "bank.bin": five sections in a fixed order, no header, no gaps,
// every multi-byte field little-endian. The records are held unpacked while the
// compiler fills them and are laid out byte by byte only when serialised.

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int Bank_Image_Size = 35072;
constexpr int Bank_Buffer_Size = 100000;

constexpr int KNX_Rule_Capacity = 1024;
constexpr int KNX_Rule_Record_Size = 24;
constexpr int DALI2_Input_Rule_Capacity = 256;
constexpr int DALI2_Input_Record_Size = 20;
constexpr int DALI2_Function_Capacity = 256;  // record 0 stands for "no function"
constexpr int DALI2_Function_Record_Size = 12;
constexpr int Parameter_Block_Size = 2048;
constexpr int DALI_Block_Size = 256;
constexpr int DALI_Device_Count = 64;
constexpr int DALI_Group_Entry_Count = 17;  // groups 1 ... 16, then broadcast

constexpr int KNX_Table_Offset = 0;
constexpr int DALI2_Input_Table_Offset = KNX_Table_Offset + KNX_Rule_Capacity * KNX_Rule_Record_Size;
constexpr int DALI2_Function_Table_Offset = DALI2_Input_Table_Offset + DALI2_Input_Rule_Capacity * DALI2_Input_Record_Size;
constexpr int Parameter_Block_Offset = DALI2_Function_Table_Offset + DALI2_Function_Capacity * DALI2_Function_Record_Size;
constexpr int DALI_Block_Offset = Parameter_Block_Offset + Parameter_Block_Size;
static_assert(DALI_Block_Offset + DALI_Block_Size == Bank_Image_Size);

// Flags of a KNX rule record.
constexpr std::uint16_t KNX_Flag_On_Change = 0x0001;
constexpr std::uint16_t KNX_Flag_ReTest = 0x0002;
constexpr std::uint16_t KNX_Flag_On_Command = 0x0008;
constexpr std::uint16_t KNX_Flag_Extended = 0x0010;
constexpr std::uint16_t KNX_Flag_Group = 0x0020;
constexpr std::uint16_t KNX_Flag_Bit_Mode = 0x0040;

struct TKNXRuleRecord {
    std::uint32_t Poll_Time = 0;
    std::uint32_t TimeOut = 0;
    std::uint8_t Priority = 0;
    std::uint8_t Length = 0;
    std::uint16_t Flags = 0;
    std::uint16_t APCI = 0;
    std::uint16_t Source = 0;
    std::uint16_t Destination = 0;
    std::uint16_t Position = 0;
    float Factor = 1.0f;  // an unused record still carries 1.0
};

// Held unpacked; Packed_Rule_Word() adds the parts the way the device reads them.
struct TDALI2InputRecord {
    std::uint32_t Instance = 0;
    std::uint32_t Channel = 0;
    std::uint32_t Type_Code = 0;
    std::uint32_t Sensor = 0;
    std::uint32_t Event_Code = 0;
    std::uint32_t Two_Bytes = 0;
    std::uint32_t Send_Time = 0;
    std::uint32_t TimeOut = 0;
    std::uint16_t Position = 0;
    std::uint8_t Command = 0;
    std::uint32_t Function = 0;

    // The parts are added, not masked, modulo 2^32.
    std::uint32_t Packed_Rule_Word() const;
};

struct TDALI2FunctionRecord {
    std::uint8_t Next_Function = 0;
    std::uint8_t Function_Code = 0;
    std::uint8_t Condition_Code = 0;
    float Value = 0.0f;
    std::uint8_t Channel_Code = 0;
    std::uint8_t Brightness = 0;
};

// Offsets inside the parameter block of the fields this product fills.
namespace ParOffset {
constexpr int Fixed_125000_A = 0;
constexpr int Fixed_125000_B = 4;
constexpr int Fixed_9600 = 12;
constexpr int Fixed_8 = 16;
constexpr int IP_Address = 40;
constexpr int Subnet_Mask = 44;
constexpr int Gateway = 48;
constexpr int Fixed_10000 = 52;
constexpr int Fixed_10001 = 54;
constexpr int DALI_Console_Port = 56;
constexpr int DALI2_Highest_Position = 120;
constexpr int Fixed_38400 = 404;
constexpr int Fixed_1 = 431;
constexpr int Fixed_Eights = 436;  // 8 bytes of 8
constexpr int KNX_Table_Address_A = 444;
constexpr int KNX_Table_Address_B = 448;
constexpr int Reserved_452 = 452;
constexpr int KNX_Rule_Count = 456;
constexpr int KNXnet_IP_Port = 460;
constexpr int KNX_ID_Device = 462;
constexpr int KNX_ID_Tunnel = 464;
constexpr int KNX_ID_Management = 466;
constexpr int KNX_Control_Port = 468;
constexpr int KNX_Tunnel_Port = 470;
constexpr int KNX_Management_Port = 472;
constexpr int DALI_Data_Point = 474;
constexpr int Fixed_512 = 478;
constexpr int DALI_Data_Point_SW = 1144;
constexpr int DALI_Data_Point_DIM = 1146;
constexpr int DALI_Data_Point_2 = 1428;
constexpr int DALI_Data_Point_DIM_2 = 1430;
constexpr int DALI_Data_Point_SW_2 = 1432;
constexpr int DALI_Block_Address = 1532;
constexpr int DALI2_Input_Rule_Count = 1576;
constexpr int DALI2_Input_Table_Address = 1580;
constexpr int DALI2_Function_Table_Address = 1600;
constexpr int Layout_Version = 1644;  // 8 bytes of ASCII, zero-padded
constexpr int Layout_Version_Size = 8;
constexpr int Fixed_0xC0000 = 1804;
constexpr int Option_Flags = 1892;
constexpr int KNX_TimeOut_DALI = 1896;
constexpr int KNX_Delay_Between_Packets = 1900;
constexpr int Checksum = 2044;
}  // namespace ParOffset

// Device addresses of the sections: where the device finds each table in its memory.
constexpr std::uint32_t Device_Image_Base = 0x60000;

// Option flags at ParOffset::Option_Flags.
constexpr std::uint32_t Option_KNX_Interface_Disabled = 0x2;
constexpr std::uint32_t Option_DALI_Disable_Scan = 0x10000;
constexpr std::uint32_t Option_DALI_Enable_DALI_2 = 0x20000;

// The parameter block is a layout shared with other members of the device family,
// most of which this product leaves zero, so it is kept as raw bytes.
class TParameterBlock {
public:
    void Clear() { FBytes.fill(0); }
    void Set_U8(int offset, std::uint8_t value) { FBytes[std::size_t(offset)] = value; }
    void Set_U16(int offset, std::uint16_t value);
    void Set_U32(int offset, std::uint32_t value);
    std::uint8_t U8(int offset) const { return FBytes[std::size_t(offset)]; }
    std::uint16_t U16(int offset) const;
    std::uint32_t U32(int offset) const;
    // The unsigned sum of every byte before the checksum field.
    std::uint32_t Checksum() const;
    const std::array<std::uint8_t, Parameter_Block_Size>& Bytes() const { return FBytes; }

private:
    std::array<std::uint8_t, Parameter_Block_Size> FBytes{};
};

// Option word bits of a DALI device, group or broadcast entry.
constexpr std::uint16_t DALI_Option_Enabled = 0x8000;
constexpr std::uint16_t DALI_Option_Start_Break = 0x0001;
constexpr std::uint16_t DALI_Option_Min_Max = 0x0004;
constexpr std::uint16_t DALI_Option_Recall_Min_Max = 0x0008;
constexpr std::uint16_t DALI_Option_Recall_Old_Value = 0x0010;

struct TDALIBlock {
    std::uint32_t Reserved = 0;
    // Devices 0 ... 63, then groups 1 ... 16 and broadcast.
    std::array<std::uint16_t, DALI_Device_Count + DALI_Group_Entry_Count> Option_Words{};
};

struct TBankImage {
    std::array<TKNXRuleRecord, KNX_Rule_Capacity> KNX_Rules;
    std::array<TDALI2InputRecord, DALI2_Input_Rule_Capacity> DALI2_Inputs;
    std::array<TDALI2FunctionRecord, DALI2_Function_Capacity> DALI2_Functions;
    TParameterBlock Parameters;
    TDALIBlock DALI;

    // Every table empty: records zero (KNX factors 1.0), parameter block and DALI block zero.
    void Clear();
    // Lays the sections out into the buffer (at least Bank_Image_Size bytes), storing the
    // parameter block's checksum first; returns the number of bytes written.
    int Serialise(std::uint8_t* buffer);
};

#include "config/bank_image.h"

#include <cstring>

namespace {

// Little-endian writers that advance through the buffer.
struct ByteWriter {
    std::uint8_t* at;
    void U8(std::uint8_t value) { *at++ = value; }
    void U16(std::uint16_t value) {
        U8(std::uint8_t(value));
        U8(std::uint8_t(value >> 8));
    }
    void U32(std::uint32_t value) {
        U16(std::uint16_t(value));
        U16(std::uint16_t(value >> 16));
    }
    void F32(float value) {
        std::uint32_t bits;
        static_assert(sizeof bits == sizeof value);
        std::memcpy(&bits, &value, sizeof bits);
        U32(bits);
    }
    void Zeros(int count) {
        std::memset(at, 0, std::size_t(count));
        at += count;
    }
    void Bytes(const std::uint8_t* data, int count) {
        std::memcpy(at, data, std::size_t(count));
        at += count;
    }
};

}  // namespace

std::uint32_t TDALI2InputRecord::Packed_Rule_Word() const {
    return Instance + Channel * 256u + Type_Code * 16384u + Sensor * 262144u + Event_Code * 524288u +
           Two_Bytes * 536870912u;
}

void TParameterBlock::Set_U16(int offset, std::uint16_t value) {
    FBytes[std::size_t(offset)] = std::uint8_t(value);
    FBytes[std::size_t(offset) + 1] = std::uint8_t(value >> 8);
}

void TParameterBlock::Set_U32(int offset, std::uint32_t value) {
    Set_U16(offset, std::uint16_t(value));
    Set_U16(offset + 2, std::uint16_t(value >> 16));
}

std::uint16_t TParameterBlock::U16(int offset) const {
    return std::uint16_t(FBytes[std::size_t(offset)] | FBytes[std::size_t(offset) + 1] << 8);
}

std::uint32_t TParameterBlock::U32(int offset) const { return U16(offset) | std::uint32_t(U16(offset + 2)) << 16; }

std::uint32_t TParameterBlock::Checksum() const {
    std::uint32_t sum = 0;
    for (int i = 0; i < ParOffset::Checksum; ++i) sum += FBytes[std::size_t(i)];
    return sum;
}

void TBankImage::Clear() {
    KNX_Rules.fill(TKNXRuleRecord{});
    DALI2_Inputs.fill(TDALI2InputRecord{});
    DALI2_Functions.fill(TDALI2FunctionRecord{});
    Parameters.Clear();
    DALI = TDALIBlock{};
}

int TBankImage::Serialise(std::uint8_t* buffer) {
    ByteWriter out{buffer};
    for (const TKNXRuleRecord& rule : KNX_Rules) {
        out.U32(rule.Poll_Time);
        out.U32(rule.TimeOut);
        out.U8(rule.Priority);
        out.U8(rule.Length);
        out.U16(rule.Flags);
        out.U16(rule.APCI);
        out.U16(rule.Source);
        out.U16(rule.Destination);
        out.U16(rule.Position);
        out.F32(rule.Factor);
    }
    for (const TDALI2InputRecord& rule : DALI2_Inputs) {
        out.U32(rule.Packed_Rule_Word());
        out.U32(rule.Send_Time);
        out.U32(rule.TimeOut);
        out.U16(rule.Position);
        out.U8(rule.Command);
        out.Zeros(1);
        out.U32(rule.Function);
    }
    for (const TDALI2FunctionRecord& function : DALI2_Functions) {
        out.U8(function.Next_Function);
        out.U8(function.Function_Code);
        out.U8(function.Condition_Code);
        out.Zeros(1);
        out.F32(function.Value);
        out.U8(function.Channel_Code);
        out.U8(function.Brightness);
        out.Zeros(2);
    }
    // The checksum covers the block as it is copied, so it is taken last.
    Parameters.Set_U32(ParOffset::Checksum, Parameters.Checksum());
    out.Bytes(Parameters.Bytes().data(), Parameter_Block_Size);
    out.U32(DALI.Reserved);
    for (std::uint16_t word : DALI.Option_Words) out.U16(word);
    out.Zeros(DALI_Block_Size - 4 - int(DALI.Option_Words.size()) * 2);
    return int(out.at - buffer);
}

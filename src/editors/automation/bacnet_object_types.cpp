#include "editors/automation/bacnet_object_types.h"

#include <array>

namespace {

struct ObjectType {
    int number;
    const char* name;
    const char* dataType;
    int bytes;
};

constexpr std::array<ObjectType, 15> Usable_Types = {{
    {0, "Analog Input", "Real", 4},
    {1, "Analog Output", "Real", 4},
    {2, "Analog Value", "Real", 4},
    {3, "Binary Input", "Enumerated", 1},
    {4, "Binary Output", "Enumerated", 1},
    {5, "Binary Value", "Enumerated", 1},
    {13, "Multi-State Input", "Unsigned Int", 4},
    {14, "Multi-State Output", "Unsigned Int", 4},
    {19, "Multi-State Value", "Unsigned Int", 4},
    {21, "Life Safety Point", "Enumerated", 2},
    {22, "Life Safety Zone", "Enumerated", 2},
    {23, "Accumulator", "Unsigned Int", 4},
    {45, "Integer Value", "Signed Int", 4},
    {46, "Large Analog Value", "Double", 8},
    {48, "Positive Integer Value", "Unsigned Int", 4},
}};

const ObjectType* Find(int number) {
    for (const ObjectType& type : Usable_Types)
        if (type.number == number) return &type;
    return nullptr;
}

}  // namespace

bool Is_Usable_EDE_Type(int objectType) { return Find(objectType) != nullptr; }

QString Get_ObjType_EDE(int val) {
    const ObjectType* type = Find(val);
    return type ? QString::fromLatin1(type->name) : QString();
}

QString Get_DataType_EDE(int val) {
    const ObjectType* type = Find(val);
    return QString::fromLatin1(type ? type->dataType : "Null");
}

int Get_NumByte_EDE(int val) {
    const ObjectType* type = Find(val);
    return type ? type->bytes : 4;
}

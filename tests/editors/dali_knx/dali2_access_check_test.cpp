// The DALI-2 checks OK runs: every step with its exact message, the row and the bound,
// and the cell the message is about.

#include "editors/dali_knx/dali2_access_check.h"

#include "editors/configuration_fixture.h"
#include "core/text_table.h"

#include <gtest/gtest.h>

namespace {

QStringList Valid_Function() { return {"Set Out", "When Equal to Value", "Short Press", "DALI Channel 3", "200", "0", "Lights"}; }

QStringList Valid_Rule() {
    return {"Y", "Device", "Dimmer", "3", "0", "10", "1000", "5000", "1 - Lights", "0", "1", "Lamp"};
}

class DALI2AccessCheckTest : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        Load_Default_Texts();
    }
};

const QString Brightness_Message = QStringLiteral("Functions - Error Row 2!! Brightness must be between 0 and 255");

TEST_F(DALI2AccessCheckTest, EveryCheckStepGivesItsMessageAndCell) {
    struct Case {
        const char* name;
        TDALI2Table table;  // the table the cells go into (row 2)
        std::vector<std::pair<int, const char*>> cells;
        const char* message;  // empty: the tables pass
        int column;
    };
    using enum TDALI2Table;
    const Case cases[] = {
        {"valid", Functions, {}, "", 0},
        {"condition empty", Functions, {{Fun_Condition, "  "}}, "Functions - Error Row 2!! Condition cannot be empty", Fun_Condition},
        {"button event needs equal", Functions, {{Fun_Value, "Long Press Start"}, {Fun_Condition, "AND Logic with Value"}},
         "Function - Error Row 2!! Condition for this Event / Value must be \"When Equal to Value\"", Fun_Condition},
        {"vacant needs NAND", Functions, {{Fun_Value, " Vacant "}, {Fun_Condition, "AND Logic with Value"}},
         "Function - Error Row 2!! Condition for this Event / Value must be \"NAND Logic with Value\"", Fun_Condition},
        {"occupied needs AND", Functions, {{Fun_Value, "Occupied"}, {Fun_Condition, "NAND Logic with Value"}},
         "Function - Error Row 2!! Condition for this Event / Value must be \"AND Logic with Value\"", Fun_Condition},
        {"occupied with AND", Functions, {{Fun_Value, "Occupied"}, {Fun_Condition, "AND Logic with Value"}}, "", 0},
        {"value not a number", Functions, {{Fun_Value, "12a"}, {Fun_Condition, "When Lower to Value"}},
         "Functions - Error Row 2!! Value must be a valid float value", Fun_Value},
        {"value with the other separator", Functions, {{Fun_Value, "2,5"}, {Fun_Condition, "When Lower to Value"}}, "", 0},
        {"brightness beyond a byte", Functions, {{Fun_Val, "256"}}, "Functions - Error Row 2!! Brightness must be between 0 and 255", Fun_Val},
        {"brightness not an integer", Functions, {{Fun_Val, "1.5"}}, "Functions - Error Row 2!! Brightness must be between 0 and 255", Fun_Val},
        {"brightness empty or 255", Functions, {{Fun_Val, "255"}}, "", 0},
        {"next function beyond the count", Functions, {{Fun_Next_Function, "3"}},
         "Functions - Error Row 2!! Next Function must be between 0 and 2", Fun_Next_Function},
        {"next function not an integer", Functions, {{Fun_Next_Function, "one"}},
         "Functions - Error Row 2!! Next Function must be between 0 and 2", Fun_Next_Function},
        {"next function the last", Functions, {{Fun_Next_Function, " 2 "}}, "", 0},
        {"sensor with a device type", Set_Access, {{Set_DeviceSensor, "Sensor"}, {Set_Type, "Dimmer"}},
         "Set Access - Error Row 2!! The Type selected is not compatible with the Sensor", Set_Type},
        {"device with a sensor type", Set_Access, {{Set_Type, "Push Button"}},
         "Set Access - Error Row 2!! The Type selected is not compatible with the Device", Set_Type},
        {"sensor type in other case", Set_Access, {{Set_DeviceSensor, "Sensor"}, {Set_Type, "push BUTTON"}}, "", 0},
        {"channel 64", Set_Access, {{Set_ChannelNumber, "64"}},
         "Set Access - Error Row 2!! Channel Number Must be Between 0 and 63", Set_ChannelNumber},
        {"instance 256", Set_Access, {{Set_Instance, "256"}},
         "Set Access - Error Row 2!! Instance Must be Between 0 and 255", Set_Instance},
        {"command 256", Set_Access, {{Set_Command, "256"}}, "Set Access - Error Row 2!! Command Must be Between 0 and 255", Set_Command},
        {"time send beyond", Set_Access, {{Set_TimeSend, "100000001"}},
         "Set Access - Error Row 2!! Time Send Must be Between 0 and 100000000 milliseconds", Set_TimeSend},
        {"timeout empty", Set_Access, {{Set_TimeOut, ""}},
         "Set Access - Error Row 2!! TimeOut Must be Between 0 and 100000000 milliseconds", Set_TimeOut},
        {"function beyond the count", Set_Access, {{Set_Function, "3 - Spare"}},
         "Set Access - Error Row 2!! Function Must be between 0 and 2", Set_Function},
        {"function none", Set_Access, {{Set_Function, "0 - None"}}, "", 0},
        {"position 1441", Set_Access, {{Set_Position, "1441"}},
         "Set Access - Error Row 2!! Position Must be Between 0 and 1440", Set_Position},
        {"disabled row with bad cells", Set_Access, {{Set_Enable, "N"}, {Set_Type, "x"}, {Set_Command, "999"}}, "", 0},
    };
    for (const Case& test : cases) {
        TDALI2Tables tables{{Valid_Function(), Valid_Function()}, {Valid_Rule(), Valid_Rule()}};
        QStringList& row = test.table == Functions ? tables.Functions[1] : tables.Set_Access[1];
        for (const auto& [column, text] : test.cells) row[column] = QString::fromUtf8(text);
        const std::optional<TDALI2CheckError> error = Check_DALI2_Tables(tables, QLatin1Char('.'));
        if (*test.message == '\0') {
            EXPECT_FALSE(error) << test.name << ": " << (error ? error->Message.toStdString() : "");
            continue;
        }
        ASSERT_TRUE(error) << test.name;
        EXPECT_EQ(error->Message, QString::fromUtf8(test.message)) << test.name;
        EXPECT_EQ(error->Table, test.table) << test.name;
        EXPECT_EQ(error->Row, 2) << test.name;
        EXPECT_EQ(error->Column, test.column + 1) << test.name;
    }
}

// The tables end at the first blank key: rows after it are neither checked nor counted;
// empty tables pass.
TEST_F(DALI2AccessCheckTest, RowsAfterABlankKeyAreNotChecked) {
    EXPECT_FALSE(Check_DALI2_Tables({}, QLatin1Char('.')));
    QStringList gap = Valid_Function();
    gap[Fun_Function] = " ";
    QStringList bad = Valid_Function();
    bad[Fun_Condition].clear();
    QStringList rule = Valid_Rule();
    rule[Set_Function] = "2";  // only one function precedes the gap
    QStringList blank_rule = Valid_Rule();
    blank_rule[Set_DeviceSensor].clear();
    QStringList bad_rule = Valid_Rule();
    bad_rule[Set_Command] = "999";
    const TDALI2Tables tables{{Valid_Function(), gap, bad}, {rule, blank_rule, bad_rule}};
    const std::optional<TDALI2CheckError> error = Check_DALI2_Tables(tables, QLatin1Char('.'));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message, "Set Access - Error Row 1!! Function Must be between 0 and 1");
    TDALI2Tables fixed = tables;
    fixed.Set_Access[0][Set_Function] = "1";
    EXPECT_FALSE(Check_DALI2_Tables(fixed, QLatin1Char('.')));
}

TEST_F(DALI2AccessCheckTest, ConditionForEachEvent) {
    EXPECT_EQ(DALI2_Condition_For_Event("Button Stuck"), "When Equal to Value");
    EXPECT_EQ(DALI2_Condition_For_Event("Presence Sensor"), "NAND Logic with Value");
    EXPECT_EQ(DALI2_Condition_For_Event("Movement Sensor"), "AND Logic with Value");
    EXPECT_EQ(DALI2_Condition_For_Event("12"), std::nullopt);
    EXPECT_EQ(DALI2_Condition_For_Event("occupied"), std::nullopt) << "exact texts only";
}

}  // namespace

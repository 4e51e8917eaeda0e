#include "editors/automation/bacnet_object_types.h"
#include "editors/automation/ede_file_parser.h"
#include "test_support.h"

#include <QRandomGenerator>
#include <QStringDecoder>

namespace {

// The head of an EDE file as tools write it: six lines, the column kinds on line 7,
// the column titles on line 8.
const QByteArray Standard_Head =
    "#Engineering-Data-Exchange - B.I.G.-EU\r\n"
    "PROJECT_NAME;Plant\r\n"
    "VERSION_OF_REFERENCEFILE;1\r\n"
    "TIMESTAMP_OF_LAST_CHANGE;2024-05-02\r\n"
    "AUTHOR_OF_LAST_CHANGE;tester\r\n"
    "VERSION_OF_LAYOUT;2.2\r\n"
    "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;optional;optional;optional;optional;"
    "optional;optional;optional;optional;optional\r\n"
    "# keyname;device obj.-instance;object-name;object-type;object-instance;description;present-value-default;"
    "min-present-value;max-present-value;settable;supports COV;hi-limit;low-limit;state-text-reference;unit-code;"
    "vendor-specific-address\r\n";

std::vector<TBACnet_Var> Parse(const QByteArray& bytes) { return Parse_EDE_File(bytes); }

QStringList Names(const std::vector<TBACnet_Var>& vars) {
    QStringList names;
    for (const TBACnet_Var& var : vars) names.append(var.object_name);
    return names;
}

TEST(EdeFileParserTest, AFullLineFillsEveryField) {
    const TBACnet_Var var = Parse_EDE_Line(
        u" key1 ; 1234 ; Room temp ; 0 ; 7 ; Temperature ; 21.5 ; -10 ; 50 ; y ; Y ; 45 ; 5 ; 12 ; 62 ; addr;x;y ;");
    EXPECT_EQ(var.keyname, "key1");
    EXPECT_EQ(var.device_obj_instance, 1234);
    EXPECT_EQ(var.object_name, "Room temp");
    EXPECT_EQ(var.object_type, 0);
    EXPECT_EQ(var.object_instance, 7);
    EXPECT_EQ(var.description, "Temperature");
    EXPECT_EQ(var.present_value_default, "21.5");
    EXPECT_EQ(var.min_present_value, "-10");
    EXPECT_EQ(var.max_present_value, "50");
    EXPECT_TRUE(var.commandable);
    EXPECT_TRUE(var.support_COV);
    EXPECT_EQ(var.hi_limit, "45");
    EXPECT_EQ(var.low_limit, "5");
    EXPECT_EQ(var.stete_text_reference, "12");
    EXPECT_EQ(var.unit_code, "62");
    // The 16th field takes the rest of the line, one trailing ";" removed.
    EXPECT_EQ(var.vendor_specific_address, "addr;x;y");
}

TEST(EdeFileParserTest, ShortLinesAndOddFields) {
    struct Case {
        const char16_t* line;
        QString name;
        int type;
        int instance;
        bool commandable;
        QString last;
    };
    const Case cases[] = {
        // Fewer fields: the field without a following ";" stays empty, the 16th holds the rest.
        {u"k;1;Lamp;3;9", "Lamp", 3, -1, false, "9"},
        {u"k;1;Lamp;3;9;", "Lamp", 3, 9, false, ""},
        {u"k;1;Lamp", "", -1, -1, false, "Lamp"},
        {u"no separators", "", -1, -1, false, "no separators"},
        {u"k;1;Lamp;$2D;0x10;d;;;;N;;;;;;", "Lamp", 45, 16, false, ""},
        {u"k;1;Lamp;two;10;d;;;;yes;", "Lamp", -1, 10, false, ""},
        {u"k;1;Lamp;4;99999999999;d;;;;Y;", "Lamp", 4, -1, true, ""},
        {u"k;1;Lamp;4 ;1;d;;;;Y;;;;;;  tail ;  ", "Lamp", 4, 1, true, "tail"},
    };
    for (const Case& c : cases) {
        const TBACnet_Var var = Parse_EDE_Line(QStringView(c.line));
        SCOPED_TRACE(QString::fromUtf16(c.line).toStdString());
        EXPECT_EQ(var.object_name, c.name);
        EXPECT_EQ(var.object_type, c.type);
        EXPECT_EQ(var.object_instance, c.instance);
        EXPECT_EQ(var.commandable, c.commandable);
        EXPECT_EQ(var.vendor_specific_address, c.last);
    }
}

TEST(EdeFileParserTest, DataBeginTwoLinesBelowTheColumnKinds) {
    const QByteArray ai = "k;1;AI;0;1;d;;;;N;\r\n";
    const QByteArray later = "k;1;Later;0;2;d;;;;N;\r\n";
    const QByteArray kinds = "  #  mandatory;mandatory\r\n";
    const QByteArray titles = "# keyname\r\n";
    struct Case {
        const char* what;
        QByteArray file;
        QStringList names;
    };
    const Case cases[] = {
        {"line 7 wins over a later one", Standard_Head + ai + kinds + titles + later, {"AI", "Later"}},
        {"the last one elsewhere", "a\nb\n" + kinds + titles + ai + kinds + titles + later, {"Later"}},
        {"a short file searches", kinds + titles + ai, {"AI"}},
        {"none", "a\nb\nc\nd\ne\nf\ng\nh\n" + ai, {}},
        {"case counts", "# Mandatory\n# titles\n" + ai, {}},
        {"the title line is never data", kinds + QByteArray("k;1;Title;0;1;d\n") + ai, {"AI"}},
        {"LF and CR line ends", QByteArray("# mandatory\rtitles\r") + "k;1;AI;0;1;d\n\nk;1;B;3;1;d", {"AI", "B"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Names(Parse(c.file)), c.names) << c.what;
}

TEST(EdeFileParserTest, UsableTypesAreTickedAndOthersDropped) {
    QByteArray file = Standard_Head;
    for (int type : {0, 8, 17, 2, 45, 46, 48, -1, 999, 13, 3})
        file += QStringLiteral("k;1;T%1;%1;1;d;;;;%2;\r\n").arg(type).arg(QLatin1String(type == 0 ? "y" : "N")).toUtf8();
    const std::vector<TBACnet_Var> vars = Parse(file);
    EXPECT_EQ(Names(vars), QStringList({"T0", "T2", "T45", "T46", "T48", "T13", "T3"}));
    for (const TBACnet_Var& var : vars) {
        EXPECT_TRUE(var.import);
        EXPECT_TRUE(var.read);
        EXPECT_EQ(var.write, var.object_type == 0) << var.object_type;
    }
    EXPECT_EQ(Get_ObjType_EDE(46), "Large Analog Value");
    EXPECT_EQ(Get_DataType_EDE(46), "Double");
    EXPECT_EQ(Get_NumByte_EDE(46), 8);
    EXPECT_EQ(Get_DataType_EDE(2), "Real");
    EXPECT_EQ(Get_NumByte_EDE(21), 2);
    EXPECT_EQ(Get_ObjType_EDE(8), "");
    EXPECT_EQ(Get_DataType_EDE(8), "Null");
    EXPECT_EQ(Get_NumByte_EDE(8), 4);
}

TEST(EdeFileParserTest, EncodingsFollowTheByteOrderMark) {
    const QString line = QStringLiteral("k;1;Temp\u00E9rature \u20AC;0;1;d;\r\n");
    const QString text = QStringLiteral("# mandatory\r\ntitles\r\n") + line;
    QByteArray utf16 = "\xFF\xFE";
    for (QChar c : text) utf16 += QByteArray::fromRawData(reinterpret_cast<const char*>(&c), 2);
    const QByteArray utf8Bom = "\xEF\xBB\xBF" + text.toUtf8();
    QByteArray cp1252 = "# mandatory\r\ntitles\r\nk;1;Temp\xE9rature \x80;0;1;d;\r\n";
    for (const QByteArray& bytes : {utf16, utf8Bom, text.toUtf8(), cp1252}) {
        const std::vector<TBACnet_Var> vars = Parse(bytes);
        ASSERT_EQ(vars.size(), 1u);
        EXPECT_EQ(vars[0].object_name, QStringLiteral("Temp\u00E9rature \u20AC"));
    }
}

class EdeFileLoadTest : public ProgramFolderTest {};

TEST_F(EdeFileLoadTest, UnreadableAndOversizedFilesGiveAMessageNamingThem) {
    const TEDEFileResult missing = Load_EDE_File(PathIn("none.csv"));
    EXPECT_FALSE(missing.Ok());
    EXPECT_TRUE(missing.Message.contains(PathIn("none.csv")));

    WriteFile("big.csv", QByteArray(Max_EDE_File_Size + 1, ' '));
    const TEDEFileResult big = Load_EDE_File(PathIn("big.csv"));
    EXPECT_TRUE(big.Vars.empty());
    EXPECT_TRUE(big.Message.contains(PathIn("big.csv")));
    EXPECT_TRUE(big.Message.contains("16 MiB")) << big.Message.toStdString();

    WriteFile("plant.csv", Standard_Head + "k;1;AI;0;1;d;\r\n");
    const TEDEFileResult ok = Load_EDE_File(PathIn("plant.csv"));
    EXPECT_TRUE(ok.Ok());
    EXPECT_EQ(Names(ok.Vars), QStringList({"AI"}));
}

// Generated and mutated files: whatever the bytes, the parser ends, and every object
// it gives is of a usable type, ticked as the file says.
TEST(EdeFileParserTest, RandomFilesGiveOnlyUsableObjects) {
    const QByteArray pieces[] = {";", ";;", "\r\n", "\n", "\r", "#", "# mandatory", "mandatory", "Y", "y", "N",
                                 "0", "2", "46", "8", "$2D", "0x30", "-1", "99999999999999999999", QByteArray(1, '\0'),
                                 "\xFF\xFE", "\xEF\xBB\xBF", "\xC3\x28", "\x80", " ", "\t", "name", "\xE2\x82\xAC"};
    for (quint32 seed = 1; seed <= 300; ++seed) {
        QRandomGenerator random(seed);
        QByteArray file = random.bounded(2) ? Standard_Head : QByteArray();
        const int count = int(random.bounded(400));
        for (int i = 0; i < count; ++i) {
            if (random.bounded(4) == 0) {
                file += "k;1;n;" + QByteArray::number(random.bounded(50)) + ";" + QByteArray::number(random.bounded(9)) +
                        ";d;;;;" + (random.bounded(2) ? "Y" : "N") + ";\r\n";
            } else {
                file += pieces[random.bounded(int(std::size(pieces)))];
            }
        }
        if (random.bounded(3) == 0 && !file.isEmpty()) file[int(random.bounded(file.size()))] = char(random.bounded(256));
        const std::vector<TBACnet_Var> vars = Parse_EDE_File(file);
        for (const TBACnet_Var& var : vars) {
            ASSERT_TRUE(Is_Usable_EDE_Type(var.object_type)) << "seed " << seed;
            ASSERT_TRUE(var.import && var.read) << "seed " << seed;
            ASSERT_EQ(var.write, var.commandable) << "seed " << seed;
        }
    }
}

}  // namespace

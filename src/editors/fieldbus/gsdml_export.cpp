#include "editors/fieldbus/gsdml_export.h"
#include "core/maker_values.h"
#include "core/program_state.h"
#include "editors/rule_file_reader.h"
#include "platform/file_system.h"

#include <utility>

namespace {

constexpr int Bytes_Per_Flag = 8;

// The PrimaryLanguage texts; the last three are written with the value first.
const std::pair<const char*, const char*> Texts[] = {
    {"IDT_INFO_Device", "Korvel Gateways"},
    {"IDT_NAME_DAP1", "DALISlave"},
    {"IDT_INFO_DAP1", "DALI Adapter"},
    {"IDT_SUBSLOT_1", "Subslot 1"},
    {"IDT_SUBSLOT_Interface", "Interface"},
    {"IDT_SUBSLOT_Port1", "Port 1"},
    {"IDT_SUBSLOT_Port2", "Port 2"},
    {"IDT_RECORD_NAME_Head", "Parameters of head module"},
    {"IDT_REF_Power", "Percent power"},
    {"IDT_NAME_VS1", "Submodule V1"},
    {"IDT_INFO_VS1", "Description of submodule V1"},
    {"IDT_NAME_IS", "I"},
    {"IDT_NAME_PS1", "P1"},
    {"IDT_NAME_PS2", "P2"},
    {"IDT_NAME_M1", "Module"},
    {"IDT_INFO_M1", "device DALISlave"},
    {"IDT_NAME_FAP", "FAP for DALISlave"},
    {"IDT_INFO_FAP", "Description of FAP for DALISlave"},
    {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
    {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
    {"IDT_NAME_M_PB1", "DALISlave "},
    {"IDT_INFO_M_PB1", "Description of DALISlave"},
    {"IDT_NAME_S_PB1", "Module of a DALISlave"},
    {"IDT_INFO_S_PB1", "Description of module of a DALISlave"},
    {"IDT_PB_Input", "Digital input DALISlave"},
    {"IDT_PB_InputBit0", "Digital input bit DALISlave"},
    {"IDT_NAME_S1", "Submodule 1"},
    {"IDT_INFO_S1", "Description of submodule 1"},
    {"IDT_Input_1", "Input byte"},
    {"IDT_Output_1", "Output word"},
    {"IDT_CATEGORY_DI", "Digital Input"},
    {"IDT_INFO_DI", "Description of digital input"},
    {"IDT_CATEGORY_DO", "Digital output"},
    {"IDT_INFO_DO", "Description of digital output"},
    {"IDT_NAME_M1_IDT_REF_channel", "Canale x"},
    {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"},
    {"IDT_NAME_M1_Base_Parameters", "Base Parameters"},
    {"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
    {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
    {"IDT_ASSIGN_do_continue_counting", "Continue operation"},
};
constexpr int Value_First_Texts = 3;

struct LineWriter {
    QByteArray text;
    void operator()(int depth, const QString& line) {
        text += QByteArray(depth, '\t');
        text += line.toUtf8();
        text += "\r\n";
    }
};

}  // namespace

int Get_DALI_Input_Length(QString& message) {
    TXMLDocument document;
    const TRuleFile file = Open_Rule_File(document, File_DALI_Access);
    if (file.State == TRuleFileState::Missing) return 0;
    if (!file.Loaded()) {
        message = file.Message;
        return 0;
    }
    int length = 0;
    for (TXMLNode node = file.Root.ChildCount() > 0 ? file.Root.Child(0) : TXMLNode(); !node.IsNull();
         node = node.NextSibling())
        if (node.IsElement() && node.Text() == QLatin1String("1")) length += Bytes_Per_Flag;
    return length;
}

TGSDML_Sizes Get_GSDML_Sizes() {
    TGSDML_Sizes sizes;
    sizes.GSDML_Input_Length = Get_DALI_Input_Length(sizes.Message);
    TXMLDocument document;
    const TRuleFile file = Open_Rule_File(document, File_ParGen);
    if (file.State == TRuleFileState::Missing) {
        sizes.GSDML_Input_Length = 0;
    } else if (!file.Loaded()) {
        sizes.Message = file.Message;
    } else {
        const TXMLNode name = file.Root.FindNode(QStringLiteral("PROFINET_NAME_STA"));
        if (!name.IsNull()) sizes.GSDML_Station_Name = name.Text();
        const TXMLNode dali2 = file.Root.FindNode(QStringLiteral("DALI_ENABLE_DALI_2"));
        if (!dali2.IsNull() && dali2.Text() == QLatin1String("1")) sizes.GSDML_Input_Length += Bytes_Per_Flag;
    }
    if (sizes.GSDML_Station_Name.trimmed().isEmpty()) sizes.GSDML_Station_Name = QStringLiteral("SERIAL");
    return sizes;
}

QString GSDML_Attribute_Text(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (char32_t c : value.toUcs4()) {
        switch (c) {
        case U'&': out += QLatin1String("&amp;"); break;
        case U'<': out += QLatin1String("&lt;"); break;
        case U'>': out += QLatin1String("&gt;"); break;
        case U'"': out += QLatin1String("&quot;"); break;
        default:
            if (c >= 0x20 && c < 0x7F) out += QChar(char16_t(c));
            // Tab and line ends as references, or a reader would turn them into blanks;
            // other control characters and non-characters have no place in XML and are left out.
            else if (c == U'\t' || c == U'\n' || c == U'\r' || (c >= 0x7F && c != 0xFFFE && c != 0xFFFF))
                out += QStringLiteral("&#%1;").arg(quint32(c));
        }
    }
    return out;
}

QByteArray Build_GSDML_Text(const TGSDML_Sizes& sizes) {
    LineWriter l;
    l.text = "\xEF\xBB\xBF";
    const QString station = GSDML_Attribute_Text(sizes.GSDML_Station_Name);
    const QString vendor = GSDML_Attribute_Text(Maker_Web_Domain);
    const QString ns = QStringLiteral("http://www.profibus.com/GSDML/2003/11/DeviceProfile");

    l(0, QStringLiteral("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>"));
    l(0, QStringLiteral("<!-- A fieldbus integration example. -->"));
    l(0, QStringLiteral("<ISO15745Profile xmlns=\"%1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                        "xsi:schemaLocation=\"%1 ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd\">")
             .arg(ns));
    l(1, QStringLiteral("<ProfileHeader>"));
    l(2, QStringLiteral("<ProfileIdentification>PROFINET Device Profile</ProfileIdentification>"));
    l(2, QStringLiteral("<ProfileRevision>1.00</ProfileRevision>"));
    l(2, QStringLiteral("<ProfileName>Device Profile for PROFINET Devices</ProfileName>"));
    l(2, QStringLiteral("<ProfileSource>PROFIBUS Nutzerorganisation e. V. (PNO)</ProfileSource>"));
    l(2, QStringLiteral("<ProfileClassID>Device</ProfileClassID>"));
    l(2, QStringLiteral("<ISO15745Reference>"));
    l(3, QStringLiteral("<ISO15745Part>4</ISO15745Part>"));
    l(3, QStringLiteral("<ISO15745Edition>1</ISO15745Edition>"));
    l(3, QStringLiteral("<ProfileTechnology>GSDML</ProfileTechnology>"));
    l(2, QStringLiteral("</ISO15745Reference>"));
    l(1, QStringLiteral("</ProfileHeader>"));
    l(1, QStringLiteral("<ProfileBody>"));
    l(2, QStringLiteral("<DeviceIdentity VendorID=\"%1\" DeviceID=\"%2\">")
             .arg(GSDML_Attribute_Text(Maker_PROFINET_Vendor_ID), GSDML_Attribute_Text(Maker_PROFINET_Device_ID)));
    l(3, QStringLiteral("<InfoText TextId=\"IDT_INFO_Device\"/>"));
    l(3, QStringLiteral("<VendorName Value=\"%1\"/>").arg(vendor));
    l(2, QStringLiteral("</DeviceIdentity>"));
    l(2, QStringLiteral("<DeviceFunction>"));
    l(3, QStringLiteral("<Family MainFamily=\"Gateway\" ProductFamily=\"RT30591\"/>"));
    l(2, QStringLiteral("</DeviceFunction>"));
    l(2, QStringLiteral("<ApplicationProcess>"));
    l(3, QStringLiteral("<DeviceAccessPointList>"));
    l(4, QStringLiteral("<DeviceAccessPointItem PNIO_Version=\"V2.3\" RequiredSchemaVersion=\"V2.25\" ID=\"IDD_1\" "
                        "PhysicalSlots=\"0..4\" ModuleIdentNumber=\"0x00000001\" MinDeviceInterval=\"64\" "
                        "ImplementationType=\"%1\" DNS_CompatibleName=\"%1\" FixedInSlots=\"0\" "
                        "ObjectUUID_LocalIndex=\"1\" MultipleWriteSupported=\"true\" MaxSupportedRecordSize=\"8192\" "
                        "ParameterizationSpeedupSupported=\"true\" PowerOnToCommReady=\"350\" "
                        "DeviceAccessSupported=\"true\" SharedDeviceSupported=\"true\" CheckDeviceID_Allowed=\"false\" "
                        "NameOfStationNotTransferable=\"true\">")
             .arg(station));
    l(5, QStringLiteral("<ModuleInfo>"));
    l(6, QStringLiteral("<Name TextId=\"IDT_NAME_DAP1\"/>"));
    l(6, QStringLiteral("<InfoText TextId=\"IDT_INFO_DAP1\"/>"));
    l(6, QStringLiteral("<VendorName Value=\"%1\"/>").arg(vendor));
    l(6, QStringLiteral("<OrderNumber Value=\"RT30591-A1\"/>"));
    l(5, QStringLiteral("</ModuleInfo>"));
    l(5, QStringLiteral("<SubslotList>"));
    l(6, QStringLiteral("<SubslotItem SubslotNumber=\"0\" TextId=\"IDT_SUBSLOT_1\"/>"));
    l(6, QStringLiteral("<SubslotItem SubslotNumber=\"32768\" TextId=\"IDT_SUBSLOT_Interface\"/>"));
    l(6, QStringLiteral("<SubslotItem SubslotNumber=\"32769\" TextId=\"IDT_SUBSLOT_Port1\"/>"));
    l(6, QStringLiteral("<SubslotItem SubslotNumber=\"32770\" TextId=\"IDT_SUBSLOT_Port2\"/>"));
    l(5, QStringLiteral("</SubslotList>"));
    l(5, QStringLiteral("<IOConfigData MaxInputLength=\"1440\" MaxOutputLength=\"1440\" MaxDataLength=\"2880\"/>"));
    l(5, QStringLiteral("<UseableModules>"));
    l(6, QStringLiteral("<ModuleItemRef ModuleItemTarget=\"IDM_1\" FixedInSlots=\"1\"/>"));
    l(5, QStringLiteral("</UseableModules>"));
    l(5, QStringLiteral("<VirtualSubmoduleList>"));
    l(6, QStringLiteral("<VirtualSubmoduleItem ID=\"IDS_V1\" SubmoduleIdentNumber=\"0x00000000\">"));
    l(7, QStringLiteral("<IOData IOPS_Length=\"1\" IOCS_Length=\"1\"/>"));
    l(7, QStringLiteral("<ModuleInfo>"));
    l(8, QStringLiteral("<Name TextId=\"IDT_NAME_VS1\"/>"));
    l(8, QStringLiteral("<InfoText TextId=\"IDT_INFO_VS1\"/>"));
    l(7, QStringLiteral("</ModuleInfo>"));
    l(6, QStringLiteral("</VirtualSubmoduleItem>"));
    l(5, QStringLiteral("</VirtualSubmoduleList>"));
    l(5, QStringLiteral("<SystemDefinedSubmoduleList>"));
    l(6, QStringLiteral("<InterfaceSubmoduleItem ID=\"IDS_I\" SubmoduleIdentNumber=\"0x00000001\" SubslotNumber=\"32768\" "
                        "TextId=\"IDT_NAME_IS\" SupportedRT_Classes=\"RT_CLASS_1\" SupportedProtocols=\"SNMP;LLDP\" "
                        "SupportedMibs=\"MIB2\">"));
    l(7, QStringLiteral("<ApplicationRelations>"));
    l(8, QStringLiteral("<TimingProperties SendClock=\"32\" ReductionRatio=\"1 2 4 8 16 32 64 128 256 512\"/>"));
    l(7, QStringLiteral("</ApplicationRelations>"));
    l(6, QStringLiteral("</InterfaceSubmoduleItem>"));
    l(6, QStringLiteral("<PortSubmoduleItem ID=\"IDS_P1\" SubmoduleIdentNumber=\"0x00000002\" SubslotNumber=\"32769\" "
                        "TextId=\"IDT_NAME_PS1\" MaxPortRxDelay=\"350\" MaxPortTxDelay=\"160\"/>"));
    l(6, QStringLiteral("<PortSubmoduleItem ID=\"IDS_P2\" SubmoduleIdentNumber=\"0x00000002\" SubslotNumber=\"32770\" "
                        "TextId=\"IDT_NAME_PS2\" MaxPortRxDelay=\"350\" MaxPortTxDelay=\"160\"/>"));
    l(5, QStringLiteral("</SystemDefinedSubmoduleList>"));
    l(5, QStringLiteral("<!-- This element tells the engineering tool that the DAP supports fieldbus integration "
                        "(slot clusters). -->"));
    l(5, QStringLiteral("<!-- <FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\"/> -->"));
    l(4, QStringLiteral("</DeviceAccessPointItem>"));
    l(3, QStringLiteral("</DeviceAccessPointList>"));
    l(3, QStringLiteral("<ModuleList>"));
    l(4, QStringLiteral("<!-- The \"normal\" module carrying the FAP. -->"));
    l(4, QStringLiteral("<ModuleItem ID=\"IDM_1\" ModuleIdentNumber=\"0x00000001\">"));
    l(5, QStringLiteral("<ModuleInfo>"));
    l(6, QStringLiteral("<Name TextId=\"IDT_NAME_M1\"/>"));
    l(6, QStringLiteral("<InfoText TextId=\"IDT_INFO_M1\"/>"));
    l(6, QStringLiteral("<OrderNumber Value=\"12345-0040-M\"/>"));
    l(5, QStringLiteral("</ModuleInfo>"));
    l(5, QStringLiteral("<VirtualSubmoduleList>"));
    l(6, QStringLiteral("<VirtualSubmoduleItem ID=\"IDM_1\" SubmoduleIdentNumber=\"0x00000001\">"));
    l(7, QStringLiteral("<IOData IOPS_Length=\"1\" IOCS_Length=\"1\">"));
    l(8, QStringLiteral("<Input><DataItem DataType=\"OctetString\" Length=\"%1\" TextId=\"IDT_Input_1\"/></Input>")
             .arg(sizes.GSDML_Input_Length));
    l(8, QStringLiteral("<Output><DataItem DataType=\"OctetString\" Length=\"%1\" TextId=\"IDT_Output_1\"/></Output>")
             .arg(sizes.GSDML_Output_Length));
    l(7, QStringLiteral("</IOData>"));
    l(7, QStringLiteral("<RecordDataList>"));
    l(8, QStringLiteral("<ParameterRecordDataItem Index=\"128\" Length=\"2\">"));
    l(9, QStringLiteral("<Name TextId=\"IDT_NAME_M1_IDT_REF_channel\"/>"));
    l(9, QStringLiteral("<Const ByteOffset=\"0\" Data=\"0x00,0x00\"/>"));
    l(9, QStringLiteral("<Ref TextId=\"IDT_REF_reaction_to_cpu_stop\" Visible=\"true\" DataType=\"BitArea\" "
                        "ByteOffset=\"0\" BitOffset=\"0\" BitLength=\"2\" DefaultValue=\"2\" AllowedValues=\"0..2\" "
                        "ValueItemTarget=\"IDV_reaction_to_cpu_stop\" ID=\"IDT_REF_reaction_to_cpu_stop\"/>"));
    l(9, QStringLiteral("<MenuList>"));
    l(10, QStringLiteral("<MenuItem ID=\"IDT_NAME_M1_IDT_REF_channel\">"));
    l(11, QStringLiteral("<Name TextId=\"IDT_NAME_M1_IDT_REF_channel\"/>"));
    l(11, QStringLiteral("<MenuRef MenuTarget=\"IDT_NAME_M1_Base_Parameters\"/>"));
    l(10, QStringLiteral("</MenuItem>"));
    l(10, QStringLiteral("<MenuItem ID=\"IDT_NAME_M1_Base_Parameters\">"));
    l(11, QStringLiteral("<Name TextId=\"IDT_NAME_M1_Base_Parameters\"/>"));
    l(11, QStringLiteral("<ParameterRef ParameterTarget=\"IDT_REF_reaction_to_cpu_stop\"/>"));
    l(10, QStringLiteral("</MenuItem>"));
    l(9, QStringLiteral("</MenuList>"));
    l(8, QStringLiteral("</ParameterRecordDataItem>"));
    l(7, QStringLiteral("</RecordDataList>"));
    l(7, QStringLiteral("<ModuleInfo>"));
    l(8, QStringLiteral("<Name TextId=\"IDT_NAME_M1\"/>"));
    l(8, QStringLiteral("<InfoText TextId=\"IDT_INFO_M1\"/>"));
    l(7, QStringLiteral("</ModuleInfo>"));
    l(6, QStringLiteral("</VirtualSubmoduleItem>"));
    l(5, QStringLiteral("</VirtualSubmoduleList>"));
    l(4, QStringLiteral("</ModuleItem>"));
    l(3, QStringLiteral("</ModuleList>"));
    l(3, QStringLiteral("<ValueList>"));
    l(4, QStringLiteral("<ValueItem ID=\"IDV_reaction_to_cpu_stop\">"));
    l(5, QStringLiteral("<Assignments>"));
    l(6, QStringLiteral("<Assign TextId=\"IDT_ASSIGN_do_set_substitude_values\" Content=\"0\"/>"));
    l(6, QStringLiteral("<Assign TextId=\"IDT_ASSIGN_do_values_will_hold\" Content=\"1\"/>"));
    l(6, QStringLiteral("<Assign TextId=\"IDT_ASSIGN_do_continue_counting\" Content=\"2\"/>"));
    l(5, QStringLiteral("</Assignments>"));
    l(4, QStringLiteral("</ValueItem>"));
    l(3, QStringLiteral("</ValueList>"));
    l(3, QStringLiteral("<CategoryList>"));
    l(4, QStringLiteral("<CategoryItem ID=\"IDC_DI\" TextId=\"IDT_CATEGORY_DI\">"));
    l(5, QStringLiteral("<InfoText TextId=\"IDT_INFO_DI\"/>"));
    l(4, QStringLiteral("</CategoryItem>"));
    l(4, QStringLiteral("<CategoryItem ID=\"IDC_DO\" TextId=\"IDT_CATEGORY_DO\">"));
    l(5, QStringLiteral("<InfoText TextId=\"IDT_INFO_DO\"/>"));
    l(4, QStringLiteral("</CategoryItem>"));
    l(3, QStringLiteral("</CategoryList>"));
    l(3, QStringLiteral("<ExternalTextList>"));
    l(4, QStringLiteral("<PrimaryLanguage>"));
    const int textCount = int(std::size(Texts));
    for (int i = 0; i < textCount; ++i) {
        const QString id = QLatin1String(Texts[i].first);
        const QString value = QLatin1String(Texts[i].second);
        if (i < textCount - Value_First_Texts)
            l(5, QStringLiteral("<Text TextId=\"%1\" Value=\"%2\"/>").arg(id, value));
        else
            l(5, QStringLiteral("<Text Value=\"%1\" TextId=\"%2\"/>").arg(value, id));
    }
    l(4, QStringLiteral("</PrimaryLanguage>"));
    l(3, QStringLiteral("</ExternalTextList>"));
    l(2, QStringLiteral("</ApplicationProcess>"));
    l(1, QStringLiteral("</ProfileBody>"));
    l(0, QStringLiteral("</ISO15745Profile>"));
    return l.text;
}

QString Write_GSDML_File(const QString& fileName) {
    const TGSDML_Sizes sizes = Get_GSDML_Sizes();
    if (!sizes.Message.isEmpty()) return sizes.Message;
    if (!WriteFileAtomically(fileName, Build_GSDML_Text(sizes)))
        return QStringLiteral("The GSDML file \"%1\" cannot be written.").arg(fileName);
    return {};
}

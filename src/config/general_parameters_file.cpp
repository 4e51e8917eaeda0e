#include "config/general_parameters_file.h"

#include "core/program_state.h"
#include "platform/file_system.h"
#include "platform/number_conversion.h"

const std::vector<TGeneralParameterElement>& General_Parameter_Elements() {
    using P = TGeneralParameters;
    static const std::vector<TGeneralParameterElement> elements = {
        {"MTCPs_IP1", &P::MTCPs_IP1},
        {"MTCPs_IP2", &P::MTCPs_IP2},
        {"MTCPs_IP3", &P::MTCPs_IP3},
        {"MTCPs_IP4", &P::MTCPs_IP4},
        {"MTCPs_SUB1", &P::MTCPs_SUB1},
        {"MTCPs_SUB2", &P::MTCPs_SUB2},
        {"MTCPs_SUB3", &P::MTCPs_SUB3},
        {"MTCPs_SUB4", &P::MTCPs_SUB4},
        {"MTCPs_EN_GAT", &P::MTCPs_EN_GAT},
        {"MTCPs_GAT1", &P::MTCPs_GAT1},
        {"MTCPs_GAT2", &P::MTCPs_GAT2},
        {"MTCPs_GAT3", &P::MTCPs_GAT3},
        {"MTCPs_GAT4", &P::MTCPs_GAT4},
        {"KNX_TYPE", &P::KNX_TYPE},
        {"KNX_ID_DEV", &P::KNX_ID_DEV},
        {"KNX_ID_TUNNEL", &P::KNX_ID_TUNNEL},
        {"KNX_ID_MANAGEMENT", &P::KNX_ID_MANAGEMENT},
        {"KNX_CONTROL_PORT", &P::KNX_CONTROL_PORT},
        {"KNX_TUNNEL_PORT", &P::KNX_TUNNEL_PORT},
        {"KNX_MANAGEMENT_PORT", &P::KNX_MANAGEMENT_PORT},
        {"KNX_ETHERNET_INTERFACE_ENABLE", &P::KNX_ETHERNET_INTERFACE_ENABLE},
        {"KNX_TIMEOUT_DALI", &P::KNX_TIMEOUT_DALI},
        {"KNX_DELAY_BETWEEN_PACKETS", &P::KNX_DELAY_BETWEEN_PACKETS},
        {"DALI_CONSOLE_PORT", &P::DALI_CONSOLE_PORT},
        {"DALI_DATA_POINT", &P::DALI_DATA_POINT},
        {"DALI_DATA_POINT_SW", &P::DALI_DATA_POINT_SW},
        {"DALI_DATA_POINT_DIM", &P::DALI_DATA_POINT_DIM},
        {"DALI_DATA_POINT_2", &P::DALI_DATA_POINT_2},
        {"DALI_DATA_POINT_SW_2", &P::DALI_DATA_POINT_SW_2},
        {"DALI_DATA_POINT_DIM_2", &P::DALI_DATA_POINT_DIM_2},
        {"DALI_DISABLE_SCAN", &P::DALI_DISABLE_SCAN},
        {"DALI_ENABLE_DALI_2", &P::DALI_ENABLE_DALI_2},
    };
    return elements;
}

bool ParGen_Flag(const QString& text) { return text == u"1"; }

QString Read_ParGen_Element(const TXMLNode& root, const QString& name, const QString& Default) {
    const TXMLNode element = root.FindNode(name);
    // An element with child nodes has no single text to read.
    if (element.IsNull() || element.ChildCount() > 0) return Default;
    return element.Text();
}

TGeneralParameters Read_General_Parameters(const TXMLDocument& document) {
    TGeneralParameters parameters;
    const TXMLNode root = document.DocumentElement();
    for (const TGeneralParameterElement& element : General_Parameter_Elements()) {
        QString& value = parameters.*element.field;
        value = Read_ParGen_Element(root, QString::fromLatin1(element.name), value);
    }
    return parameters;
}

TGeneralParameterExtras Read_General_Parameter_Extras(const TXMLDocument& document) {
    TGeneralParameterExtras extras;
    const TXMLNode root = document.DocumentElement();
    const auto flag = [&root](const char* name) {
        return ParGen_Flag(Read_ParGen_Element(root, QString::fromLatin1(name), QString()));
    };
    extras.DALI_DIMMING_MODE = flag("DALI_DIMMING_MODE");
    extras.DALI_ALLOW_MINMAX_VALUES = flag("DALI_ALLOW_MINMAX_VALUES");
    extras.DALI_RECALL_MINMAX_LEVEL = flag("DALI_RECALL_MINMAX_LEVEL");
    extras.DALI_RECALL_OLDVALUES_LEVEL = flag("DALI_RECALL_OLDVALUES_LEVEL");
    const QString station = Read_ParGen_Element(root, QStringLiteral("PROFINET_NAME_STA"), QString());
    if (!station.trimmed().isEmpty()) extras.PROFINET_NAME_STA = station;
    extras.DMX_Num_Channels =
        StrToIntDef(Read_ParGen_Element(root, QStringLiteral("DMX_Num_Channels"), QString()), extras.DMX_Num_Channels);
    extras.BACnet_Type = StrToIntDef(Read_ParGen_Element(root, QStringLiteral("BACnet_Type"), QString()), extras.BACnet_Type);
    return extras;
}

void Load_General_Parameters_File(TXMLDocument& document, const QString& fileName) {
    if (!FileExists(fileName) || !document.LoadFromFile(fileName)) document.Clear();
}

void Build_General_Parameters_Document(TXMLDocument& document, const TGeneralParameters& parameters) {
    document.Clear();
    TXMLNode root = document.AddChild(ParGen_Root_Name);
    document.AddComment(QStringLiteral("SW_VERSION = ") + SW_Version);
    for (const TGeneralParameterElement& element : General_Parameter_Elements())
        root.AddChild(QString::fromLatin1(element.name)).SetText(parameters.*element.field);
}

bool Save_General_Parameters(TXMLDocument& document, const TGeneralParameters& parameters, const QString& fileName) {
    Build_General_Parameters_Document(document, parameters);
    // A configuration file never writes through a link to a place outside the configurations.
    return document.SaveToFile(fileName, Dir_Projects);
}

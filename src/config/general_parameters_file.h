#pragma once
// The general communication parameters of a configuration, file "ParGen.xml": the
// root "Par_Gen", then a comment with the layout version after it, one element per
// value holding the value as text. Values are kept as the user typed them; a flag is
// on exactly when its text is "1".

#include "platform/xml_document.h"

#include <QString>
#include <vector>

inline const QString ParGen_Root_Name = QStringLiteral("Par_Gen");

struct TGeneralParameters {
    QString MTCPs_IP1 = QStringLiteral("192");
    QString MTCPs_IP2 = QStringLiteral("168");
    QString MTCPs_IP3 = QStringLiteral("0");
    QString MTCPs_IP4 = QStringLiteral("10");
    QString MTCPs_SUB1 = QStringLiteral("255");
    QString MTCPs_SUB2 = QStringLiteral("255");
    QString MTCPs_SUB3 = QStringLiteral("255");
    QString MTCPs_SUB4 = QStringLiteral("0");
    QString MTCPs_EN_GAT = QStringLiteral("0");
    QString MTCPs_GAT1 = QStringLiteral("192");
    QString MTCPs_GAT2 = QStringLiteral("168");
    QString MTCPs_GAT3 = QStringLiteral("0");
    QString MTCPs_GAT4 = QStringLiteral("1");
    QString KNX_TYPE = QStringLiteral("0");
    QString KNX_ID_DEV = QStringLiteral("1.1.200");
    QString KNX_ID_TUNNEL = QStringLiteral("1.1.201");
    QString KNX_ID_MANAGEMENT = QStringLiteral("1.1.202");
    QString KNX_CONTROL_PORT = QStringLiteral("50000");
    QString KNX_TUNNEL_PORT = QStringLiteral("50001");
    QString KNX_MANAGEMENT_PORT = QStringLiteral("50002");
    QString KNX_ETHERNET_INTERFACE_ENABLE = QStringLiteral("1");
    QString KNX_TIMEOUT_DALI = QStringLiteral("6000");
    QString KNX_DELAY_BETWEEN_PACKETS = QStringLiteral("100");
    QString DALI_CONSOLE_PORT = QStringLiteral("10001");
    QString DALI_DATA_POINT = QStringLiteral("3/3/0");
    QString DALI_DATA_POINT_SW = QStringLiteral("3/3/1");
    QString DALI_DATA_POINT_DIM = QStringLiteral("3/3/2");
    QString DALI_DATA_POINT_2 = QStringLiteral("3/3/3");
    QString DALI_DATA_POINT_SW_2 = QStringLiteral("3/3/4");
    QString DALI_DATA_POINT_DIM_2 = QStringLiteral("3/3/5");
    QString DALI_DISABLE_SCAN = QStringLiteral("0");
    QString DALI_ENABLE_DALI_2 = QStringLiteral("0");

    friend bool operator==(const TGeneralParameters&, const TGeneralParameters&) = default;
};

// The elements the form writes, in the file's order, each with its field.
struct TGeneralParameterElement {
    const char* name;
    QString TGeneralParameters::*field;
};
const std::vector<TGeneralParameterElement>& General_Parameter_Elements();

// Elements of the format that the form never writes, with the fallbacks of their readers.
struct TGeneralParameterExtras {
    bool DALI_DIMMING_MODE = false;
    bool DALI_ALLOW_MINMAX_VALUES = false;
    bool DALI_RECALL_MINMAX_LEVEL = false;
    bool DALI_RECALL_OLDVALUES_LEVEL = false;
    QString PROFINET_NAME_STA = QStringLiteral("SERIAL");  // also for a blank text
    int DMX_Num_Channels = 512;                            // also for a text that is not a number
    int BACnet_Type = 0;
};

bool ParGen_Flag(const QString& text);

// The text of the root's first child of that name; a missing element, or one holding
// more than text, gives the default.
QString Read_ParGen_Element(const TXMLNode& root, const QString& name, const QString& Default);

// Read from a loaded document, whose first top-level node is the root (its name is not
// checked); an empty document gives every default.
TGeneralParameters Read_General_Parameters(const TXMLDocument& document);
TGeneralParameterExtras Read_General_Parameter_Extras(const TXMLDocument& document);

// Loads the file into the document; a missing file, or one that is not XML, leaves the
// document empty, so that the readers above take their defaults.
void Load_General_Parameters_File(TXMLDocument& document, const QString& fileName);

// Rebuilds the document whole: root, version comment after it, the elements in order.
void Build_General_Parameters_Document(TXMLDocument& document, const TGeneralParameters& parameters);
// Rebuilds the document and saves it over the file; false when the file could not be written.
bool Save_General_Parameters(TXMLDocument& document, const TGeneralParameters& parameters, const QString& fileName);

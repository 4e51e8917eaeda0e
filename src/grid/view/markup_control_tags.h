#pragma once
// The CONTROL tags that put check boxes, radio buttons, edits, combos and buttons into
// mini-HTML text: <CONTROL TYPE="CHECK" ID="c1" VALUE="TRUE" WIDTH="15">. VALUE and PROP
// are stored with entities.

#include <QString>

struct TControlTag {
    QString TYPE;  // upper case: EDIT, PASSWORD, MASK, COMBO, CHECK, RADIO or BUTTON
    QString ID;
    QString MAXLEN;
    QString PROP;  // entities decoded
    QString HEIGHT;
    QString WIDTH;
    QString VALUE;  // entities decoded
};

// Reads the attributes of one tag's text; an absent attribute is empty.
TControlTag ParseControlTag(const QString& tagText);
bool HasControlTag(const QString& text);
// The ID of the first EDIT, PASSWORD, MASK or COMBO control after the one with the given
// ID (from the start when the ID is empty); empty when there is none or the ID is unknown.
QString NextEditableControlId(const QString& text, const QString& id);
bool GetControlTagValue(const QString& text, const QString& id, QString& value);
QString GetControlTagProp(const QString& text, const QString& id);
int GetControlTagMaxLen(const QString& text, const QString& id);
// Writes the tag with the given ID again with the new value; the rest of the text is
// kept byte for byte. False (and the text unchanged) when no tag has the ID.
bool SetControlTagValue(QString& text, const QString& id, const QString& value);
QString ResetRadioControls(const QString& text);

#include "grid/view/markup_control_tags.h"

#include <gtest/gtest.h>

namespace {

const QString kForm = QStringLiteral(
    "Name <CONTROL TYPE=\"edit\" ID=\"name\" VALUE=\"Jo &amp; Al\" WIDTH=\"80\" MAXLEN=\"12\">"
    " <control type=\"CHECK\" id=\"ok\" value=\"TRUE\" width=\"16\">"
    " <CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\">"
    " <CONTROL TYPE=\"COMBO\" ID=\"pick\" VALUE=\"two\" WIDTH=\"60\" PROP=\"one,two&quot;\" HEIGHT=\"30\">"
    " <CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\" WIDTH=\"16\">");

}  // namespace

TEST(ControlTags, ParseReadsEveryAttribute) {
    const TControlTag tag = ParseControlTag(QStringLiteral(
        " type=\"combo\" id=\"c\" value=\"a&lt;b &eacute;\" width=\"60\" height=\"30\" prop=\"x\" maxlen=\"5\">"));
    EXPECT_EQ(tag.TYPE, QStringLiteral("COMBO"));
    EXPECT_EQ(tag.ID, QStringLiteral("c"));
    EXPECT_EQ(tag.VALUE, QString::fromUtf8("a<b é"));
    EXPECT_EQ(tag.WIDTH, QStringLiteral("60"));
    EXPECT_EQ(tag.HEIGHT, QStringLiteral("30"));
    EXPECT_EQ(tag.PROP, QStringLiteral("x"));
    EXPECT_EQ(tag.MAXLEN, QStringLiteral("5"));
    const TControlTag unclosed = ParseControlTag(QStringLiteral(" ID=\"runs on"));
    EXPECT_EQ(unclosed.ID, QStringLiteral("runs on"));
    EXPECT_TRUE(unclosed.TYPE.isEmpty());
}

TEST(ControlTags, LookupsByID) {
    EXPECT_TRUE(HasControlTag(kForm));
    EXPECT_FALSE(HasControlTag(QStringLiteral("<b>plain</b>")));
    QString value;
    EXPECT_TRUE(GetControlTagValue(kForm, QStringLiteral("name"), value));
    EXPECT_EQ(value, QStringLiteral("Jo & Al"));
    EXPECT_FALSE(GetControlTagValue(kForm, QStringLiteral("NAME"), value));  // IDs compare exactly
    EXPECT_EQ(GetControlTagProp(kForm, QStringLiteral("pick")), QStringLiteral("one,two\""));
    EXPECT_EQ(GetControlTagMaxLen(kForm, QStringLiteral("name")), 12);
    EXPECT_EQ(GetControlTagMaxLen(kForm, QStringLiteral("pick")), 0);
}

TEST(ControlTags, NextEditableSkipsChecksRadiosAndButtons) {
    EXPECT_EQ(NextEditableControlId(kForm, QString()), QStringLiteral("name"));
    EXPECT_EQ(NextEditableControlId(kForm, QStringLiteral("name")), QStringLiteral("pick"));
    EXPECT_EQ(NextEditableControlId(kForm, QStringLiteral("pick")), QString());
    EXPECT_EQ(NextEditableControlId(kForm, QStringLiteral("unknown")), QString());
}

TEST(ControlTags, SetValueRewritesOnlyThatTag) {
    QString text = kForm;
    ASSERT_TRUE(SetControlTagValue(text, QStringLiteral("pick"), QStringLiteral("a<b>&\"c")));
    EXPECT_TRUE(text.startsWith(kForm.left(kForm.indexOf(QStringLiteral(" <CONTROL TYPE=\"COMBO\"")))));
    EXPECT_TRUE(text.endsWith(QStringLiteral(" <CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\" WIDTH=\"16\">")));
    EXPECT_TRUE(text.contains(QStringLiteral(
        "<CONTROL ID=\"pick\" VALUE=\"a&lt;b&gt;&amp;&quot;c\" WIDTH=\"60\" TYPE=\"COMBO\" "
        "PROP=\"one,two&quot;\" HEIGHT=\"30\">")));
    QString value;
    ASSERT_TRUE(GetControlTagValue(text, QStringLiteral("pick"), value));
    EXPECT_EQ(value, QStringLiteral("a<b>&\"c"));

    QString unchanged = kForm;
    EXPECT_FALSE(SetControlTagValue(unchanged, QStringLiteral("nope"), QStringLiteral("x")));
    EXPECT_EQ(unchanged, kForm);
}

TEST(ControlTags, ResetRadioControlsClearsEveryRadio) {
    const QString reset = ResetRadioControls(kForm);
    QString value;
    ASSERT_TRUE(GetControlTagValue(reset, QStringLiteral("r1"), value));
    EXPECT_EQ(value, QStringLiteral("FALSE"));
    ASSERT_TRUE(GetControlTagValue(reset, QStringLiteral("ok"), value));
    EXPECT_EQ(value, QStringLiteral("TRUE"));
}

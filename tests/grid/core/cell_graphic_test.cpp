#include "grid/core/cell_graphic.h"
#include "grid/core/column_size_settings.h"
#include "grid/core/node_settings.h"

#include "platform/picture.h"

#include <gtest/gtest.h>

namespace {

// An object that reports its destruction, to see who frees what.
struct Tracked : TObject {
    explicit Tracked(int& deaths) : FDeaths(deaths) {}
    ~Tracked() override { ++FDeaths; }
    int& FDeaths;
};

TEST(CellGraphic, SetAngleBringsTheAngleIntoRange) {
    const struct {
        int angle, result;
    } cases[] = {{-30, 330}, {720, 360}, {360, 360}, {0, 0}, {-720, 0}, {725, 5}};
    for (const auto& c : cases) {
        TCellGraphic graphic;
        graphic.SetAngle(static_cast<qint16>(c.angle));
        EXPECT_EQ(graphic.CellType(), ctRotated);
        EXPECT_EQ(graphic.CellAngle(), c.result) << c.angle;
    }
}

TEST(CellGraphic, SettersSetTheirKindAndFields) {
    TCellGraphic graphic;
    EXPECT_EQ(graphic.CellType(), ctNone);
    graphic.SetButton(20, 16, QStringLiteral("Go"), haFull, vaCenter);
    EXPECT_EQ(graphic.CellType(), ctButton);
    EXPECT_EQ(graphic.CellIndex(), 20 + 16 * 65536);
    EXPECT_EQ(graphic.CellText(), QStringLiteral("Go"));
    EXPECT_EQ(graphic.CellHAlign(), haFull);

    graphic.SetCheckBox(true, true, true, haCenter, vaTop);
    EXPECT_EQ(graphic.CellType(), ctDataCheckBox);
    EXPECT_TRUE(graphic.CellBoolean());
    EXPECT_TRUE(graphic.CellTransparent());
    graphic.SetCheckBox(cbGrayed, false, haLeft, vaTop);
    EXPECT_EQ(graphic.CellType(), ctTriStateCheckBox);
    EXPECT_EQ(graphic.CellCheckBoxState(), cbGrayed);
    EXPECT_FALSE(graphic.CellBoolean());

    graphic.SetPicture(nullptr, true, ShrinkWithAspectRatio, 4, haLeft, vaTop);
    EXPECT_EQ(graphic.CellAngle(), ShrinkWithAspectRatio);
    EXPECT_EQ(graphic.CellIndex(), 4);
}

TEST(CellGraphic, PictureSizeFollowsTheStretchMode) {
    const struct {
        int w, h;
        TStretchMode mode;
        TPoint size;
    } cases[] = {
        {100, 50, StretchWithAspectRatio, {60, 30}}, {100, 50, ShrinkWithAspectRatio, {60, 30}},
        {100, 50, Shrink, {60, 60}},                 {100, 50, noStretch, {100, 50}},
        {100, 50, Stretch, {60, 60}},                {40, 20, ShrinkWithAspectRatio, {40, 20}},
        {40, 20, Shrink, {40, 20}},                  {40, 20, StretchWithAspectRatio, {60, 30}},
        {20, 40, StretchWithAspectRatio, {30, 60}},  {0, 0, StretchWithAspectRatio, {0, 60}},
    };
    for (const auto& c : cases) {
        TCellGraphic graphic;
        auto* picture = new TPicture(QImage(c.w, c.h, QImage::Format_RGB32));
        graphic.SetPicture(picture, false, c.mode, 0, haLeft, vaTop);
        graphic.SetCellCreated(true);  // the record frees it
        EXPECT_EQ(graphic.GetPictureSize(60, 60, false), c.size) << c.w << "x" << c.h << " mode " << c.mode;
        EXPECT_EQ(graphic.GetPictureSize(60, 60, true), c.size);
    }
    // Padding shrinks the box.
    TCellGraphic padded;
    TPicture picture(QImage(100, 50, QImage::Format_RGB32));
    padded.SetPicture(&picture, false, Stretch, 10, haLeft, vaTop);
    EXPECT_EQ(padded.GetPictureSize(60, 40, false), (TPoint{50, 30}));
}

TEST(CellGraphic, DestructionFreesWhatTheKindOwns) {
    const struct {
        TCellType kind;
        bool created;
        int angle;
        bool freed;
    } cases[] = {
        {ctImages, false, 0, true},      {ctBalloon, false, 0, false},    {ctBitmap, false, 0, false},
        {ctBitmap, true, 0, true},       {ctPicture, true, 0, true},     {ctFilePicture, false, 0, false},
        {ctRadio, true, 0, true},        {ctBitButton, true, 0, true},   {ctCheckBox, true, 0, false},
        {ctCheckBox, false, 1, true},    {ctRadioButton, false, 1, true}, {ctButton, true, 1, false},
        {ctInterface, true, 0, false},
    };
    for (const auto& c : cases) {
        int deaths = 0;
        auto* object = new Tracked(deaths);
        {
            TCellGraphic graphic;
            graphic.SetCellType(c.kind);
            graphic.SetCellCreated(c.created);
            graphic.SetCellAngle(c.angle);
            graphic.SetCellBitmap(object);
        }
        EXPECT_EQ(deaths, c.freed ? 1 : 0) << "kind " << c.kind;
        if (!c.freed) delete object;
    }
    int deaths = 0;
    auto* icon = new Tracked(deaths);
    {
        TCellGraphic graphic;
        graphic.SetIcon(icon, haLeft, vaTop);
        graphic.SetCellCreated(true);
    }
    EXPECT_EQ(deaths, 1);
}

TEST(CellGraphic, ChangingTheKindFreesTheOldObjectButNotTheNewOne) {
    int deaths = 0;
    Tracked lent(deaths);
    {
        TCellGraphic graphic;
        graphic.SetMultiImage(1, 2, 0, haLeft, vaTop, nullptr);
        auto* list = dynamic_cast<TIntList*>(graphic.CellBitmap());
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->Col(), 1);
        EXPECT_TRUE(graphic.CellCreated());
        EXPECT_TRUE(graphic.CellBoolean());
        graphic.SetBitmap(&lent, false, haLeft, vaTop);  // the list is freed here
        EXPECT_FALSE(graphic.CellCreated());
    }
    EXPECT_EQ(deaths, 0);  // the lent bitmap survives the record
}

TEST(CellGraphic, SettingAgainTheObjectTheRecordOwnsChangesNothing) {
    using Setter = void (*)(TCellGraphic&, TObject*);
    const struct {
        const char* name;
        Setter set;
        TCellType kind;
    } cases[] = {
        {"bitmap", [](TCellGraphic& g, TObject* o) { g.SetBitmap(o, false, haLeft, vaTop); }, ctBitmap},
        {"icon", [](TCellGraphic& g, TObject* o) { g.SetIcon(o, haLeft, vaTop); }, ctIcon},
        {"picture", [](TCellGraphic& g, TObject* o) { g.SetPicture(o, false, noStretch, 0, haLeft, vaTop); }, ctPicture},
        {"bit button", [](TCellGraphic& g, TObject* o) { g.SetBitButton(20, 10, "x", o, haLeft, vaTop); }, ctBitButton},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int deaths = 0;
        auto* object = new Tracked(deaths);
        {
            TCellGraphic graphic;
            c.set(graphic, object);
            graphic.SetCellCreated(true);  // the record owns it now
            c.set(graphic, object);
            EXPECT_EQ(deaths, 0);
            EXPECT_TRUE(graphic.CellCreated());
            EXPECT_EQ(graphic.CellType(), c.kind);
            EXPECT_TRUE(graphic.CellBitmap() == object || graphic.CellIcon() == object);
        }
        EXPECT_EQ(deaths, 1);  // freed once, with the record
    }
}

TEST(CellGraphic, AssignCopiesTheDescriptionWithoutTheObjects) {
    TCellGraphic source;
    TPicture picture(QImage(4, 4, QImage::Format_RGB32));
    source.SetPicture(&picture, true, Stretch, 3, haRight, vaBottom);
    source.SetCellCreated(true);
    source.SetCellText(QStringLiteral("t"));
    source.SetCellValue(2.5);
    source.SetCellVar(42);

    int deaths = 0;
    Tracked lent(deaths);
    {
        TCellGraphic copy;
        copy.SetBitmap(&lent, false, haLeft, vaTop);  // lent, not owned
        copy.Assign(&source);
        EXPECT_EQ(copy.CellType(), ctPicture);
        EXPECT_TRUE(copy.CellCreated());
        EXPECT_EQ(copy.CellBitmap(), nullptr);
        EXPECT_EQ(copy.CellIndex(), 3);
        EXPECT_EQ(copy.CellHAlign(), haRight);
        EXPECT_EQ(copy.CellText(), QStringLiteral("t"));
        EXPECT_EQ(copy.CellValue(), 2.5);
        EXPECT_FALSE(copy.CellVar().isValid());
    }
    EXPECT_EQ(deaths, 0);
    source.SetCellCreated(false);  // the picture is the test's
}

TEST(CellNodeAndColumnSize, DefaultsAndCopies) {
    TCellNode node(nullptr);
    EXPECT_EQ(node.Color(), clSilver);
    EXPECT_EQ(node.NodeType(), cnXP);
    EXPECT_EQ(node.NodeIndent(), 12);
    EXPECT_EQ(node.TreeColor(), clGray);
    QImage glyph(3, 3, QImage::Format_RGB32);
    glyph.fill(Qt::red);
    node.SetExpandGlyph(glyph);
    node.SetNodeIndent(20);
    TCellNode copy(nullptr);
    copy.Assign(&node);
    EXPECT_EQ(copy.NodeIndent(), 20);
    EXPECT_EQ(copy.ExpandGlyph(), glyph);
    EXPECT_TRUE(copy.ContractGlyph().isNull());

    TColumnSize size(nullptr);
    EXPECT_EQ(size.StretchColumn(), -1);
    EXPECT_EQ(size.Location(), clRegistry);
    size.SetKey(QStringLiteral("k"));
    size.SetStretch(true);
    size.SetRows(arFixed);
    TColumnSize sizeCopy(nullptr);
    sizeCopy.Assign(&size);
    EXPECT_EQ(sizeCopy.Key(), QStringLiteral("k"));
    EXPECT_TRUE(sizeCopy.Stretch());
    EXPECT_EQ(sizeCopy.Rows(), arFixed);
}

}  // namespace

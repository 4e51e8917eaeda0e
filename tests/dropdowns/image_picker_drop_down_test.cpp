#include "drop_down_fixture.h"

#include "dropdowns/image_picker_drop_down.h"
#include "platform/image_list.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QImage Solid(QColor color, int size = 8) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

class ImagePickerTest : public DropDownWindowTest {
protected:
    void SetUp() override {
        DropDownWindowTest::SetUp();
        Picker = Make<TExImagePickerDropDown>();
        Picker->OnSelect = [this](TObject*) { ++Selects; };
        Picker->OnChange = [this](TObject*) { ++Changes; };
    }
    TExImagePickerDropDown* Picker = nullptr;
    int Selects = 0;
    int Changes = 0;
};

TEST_F(ImagePickerTest, AFolderGivesOneItemPerFileInNameOrder) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(Solid(Qt::red).save(folder.filePath(QStringLiteral("b_red.png"))));
    ASSERT_TRUE(Solid(Qt::blue, 12).save(folder.filePath(QStringLiteral("a_blue.png"))));
    QFile text(folder.filePath(QStringLiteral("c_notes.png")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no picture here");
    text.close();
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("d_sub.png")));
    Picker->Items().Add()->SetCaption(QStringLiteral("existing"));

    Picker->AddImagesFromFolder(folder.filePath(QStringLiteral("*")), true);
    ASSERT_EQ(Picker->Items().Count(), 4);
    EXPECT_EQ(Picker->Items().Items(0)->Caption(), "existing");
    EXPECT_EQ(Picker->Items().Items(1)->Caption(), "a_blue.png");
    EXPECT_EQ(Picker->Items().Items(1)->Image().Width(), 12);
    EXPECT_EQ(Picker->Items().Items(2)->Caption(), "b_red.png");
    // The file that is no picture: its item, empty and without a caption.
    EXPECT_EQ(Picker->Items().Items(3)->Caption(), "");
    EXPECT_TRUE(Picker->Items().Items(3)->Image().Empty());
    // A mask picks the files.
    Picker->AddImagesFromFolder(folder.filePath(QStringLiteral("a_*.png")), false);
    ASSERT_EQ(Picker->Items().Count(), 5);
    EXPECT_EQ(Picker->Items().Items(4)->Caption(), "");
    EXPECT_FALSE(Picker->Items().Items(4)->Image().Empty());
}

TEST_F(ImagePickerTest, SelectionByIndexAndImageIndex) {
    TCustomImageList images(nullptr, 8, 8);
    for (QColor color : {Qt::red, Qt::green, Qt::blue}) images.Add(Solid(color));
    Picker->SetImages(&images);
    Picker->Items().Add();
    Picker->Items().Add();
    Picker->AddImagesFromImageList();
    ASSERT_EQ(Picker->Items().Count(), 5);
    EXPECT_EQ(Picker->Items().Items(4)->ImageIndex(), 2);
    Picker->SetImageIndex(1);
    EXPECT_EQ(Picker->ItemIndex(), 3);
    EXPECT_EQ(Selects, 1);
    EXPECT_EQ(Changes, 1);
    Picker->SetItemIndex(3);
    Picker->SetItemIndex(5);
    EXPECT_EQ(Selects, 1);
    Picker->SetImageIndex(5);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Selects, 2);
    EXPECT_EQ(Changes, 2);
    // Any negative index is no selection: it reads back -1 and fires only when one is lost.
    Picker->SetItemIndex(-5);
    EXPECT_EQ(Selects, 2);
    Picker->SetItemIndex(2);
    Picker->SetItemIndex(-7);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Picker->ImageIndex(), -1);
    EXPECT_EQ(Selects, 4);
    EXPECT_EQ(Changes, 4);
    Picker->SetImages(nullptr);
}

TEST_F(ImagePickerTest, TheEditShowsTheItemsOwnPictureFirst) {
    TCustomImageList images(nullptr, 8, 8);
    images.Add(Solid(Qt::blue));
    Picker->SetImages(&images);
    TImageItem* item = Picker->Items().Add();
    item->SetImageIndex(0);
    Picker->SetItemIndex(0);
    const TRect r = Picker->GetEditRect();
    const QPoint centre((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(Picker->grab().toImage().pixelColor(centre), QColor(Qt::blue));
    item->SetImage(TPicture(Solid(Qt::red)));
    Picker->update();
    EXPECT_EQ(Picker->grab().toImage().pixelColor(centre), QColor(Qt::red));
    Picker->SetImages(nullptr);
}

TEST_F(ImagePickerTest, KeysInTheOpenListMoveLiveAndCancelPutsTheIndexBack) {
    for (const char* caption : {"Lamp", "Blind", "Heating", "Light"}) Picker->Items().Add()->SetCaption(QString::fromLatin1(caption));
    Picker->SetItemIndex(0);
    Picker->ShowDropDown();
    ASSERT_TRUE(Picker->DroppedDown());
    Selects = 0;
    QTest::keyClick(PopUpKeyTarget(Picker), Qt::Key_Down);
    EXPECT_EQ(Picker->ItemIndex(), 1);
    QTest::keyClick(PopUpKeyTarget(Picker), Qt::Key_H);
    EXPECT_EQ(Picker->ItemIndex(), 2);
    EXPECT_EQ(Picker->CurrentSearch(), "H");
    EXPECT_TRUE(Picker->DroppedDown());
    QTest::keyClick(PopUpKeyTarget(Picker), Qt::Key_Escape);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 0);
    EXPECT_EQ(Selects, 3);
}

}  // namespace

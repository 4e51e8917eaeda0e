#pragma once
// A picture that mini-HTML text shows: the raw bytes of a BMP, ICO, JPEG, PNG or GIF
// file, turned into an image at every load. A GIF shows one frame at a time (Frame,
// 1-based) and can be stepped on a caller's timer. Sizes are pixels at 96 dpi.

#include "platform/canvas.h"
#include "platform/component.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

class QIODevice;

// Where RES:// pictures are found among the program's compiled-in resources.
inline const QString kMarkupResourcePrefix = QStringLiteral(":/glyphs/");
// FILE:// pictures larger than this are not read.
constexpr qint64 kMaxPictureFileBytes = 16 * 1024 * 1024;

class THTMLPicture : public TObject {
public:
    // Fired after a load from a file, a stream or another picture.
    std::function<void(THTMLPicture* Sender)> OnChange;
    std::function<void(THTMLPicture* Sender)> OnFrameChange;

    // Empties the picture and, for another THTMLPicture, copies its bytes and loads them
    // (raising like LoadFromStream); nullptr leaves it empty.
    void Assign(const THTMLPicture* Source);
    // With Stretch into r, else at r's top-left at its own size; nothing when empty.
    void Draw(TCanvas& Canvas, const TRect& r) const;
    bool Empty() const { return FEmpty; }
    int Width() const { return FImage.isNull() ? 0 : FImage.width(); }
    int Height() const { return FImage.isNull() ? 0 : FImage.height(); }
    // The loaded image (of the current frame); null when nothing is loaded.
    const QImage& Image() const { return FImage; }

    // Any failure leaves the picture empty; the file must be a regular file of at most
    // kMaxPictureFileBytes.
    void LoadFromFile(const QString& FileName);
    // Reads the device to its end; raises Exception ("Could not load image. Invalid
    // format") when the bytes are no picture. nullptr does nothing.
    void LoadFromStream(QIODevice* Stream);
    void SaveToStream(QIODevice* Stream) const;
    // A compiled-in resource below kMarkupResourcePrefix; a missing one does nothing.
    void LoadFromResourceName(const QString& ResName);
    // RES://name and FILE://path load at once (the scheme in any case); any other URL is
    // only recorded and leaves the picture empty: with Asynch it also sets Busy, which
    // stays set, since pictures are never fetched from the network.
    void LoadFromURL(const QString& url);

    bool IsGIF() const;
    // -1 for data that is not GIF.
    int FrameCount();
    // In hundredths of a second; -1 when there is no frame i.
    int FrameTime(int i) const;
    int MaxWidth() const;
    int MaxHeight() const;
    int Frame() const { return FFrame; }
    // Reloads the data so that the frame shows (raising like LoadFromStream).
    void SetFrame(int Value);
    void FrameNext();
    void FramePrev();
    // One tick (a tenth of a second) of an animation; true when the frame changed.
    bool Step();
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }

    bool Stretch() const { return FStretch; }
    void SetStretch(bool value) { FStretch = value; }
    const QString& ID() const { return FID; }
    void SetID(const QString& value) { FID = value; }
    bool IsDB() const { return FIsDB; }
    void SetIsDB(bool value) { FIsDB = value; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool value) { FAsynch = value; }
    bool Busy() const { return FBusy; }
    const QString& URLToFetch() const { return FURLToFetch; }
    const QByteArray& Data() const { return FData; }

private:
    void LoadData(const QByteArray& data);
    void LoadPictureData();
    void Clear();

    QByteArray FData;
    bool FEmpty = true;
    QImage FImage;
    bool FStretch = false;
    QString FID;
    QString FURLToFetch;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FBusy = false;
    int FFrame = 1;
    int FFrameCount = -1;
    int FNextTime = -1;
    int FTickCount = -1;
    int FFrameXPos = 0;
    int FFrameYPos = 0;
    int FFrameWidth = 0;
    int FFrameHeight = 0;
    int FScreenWidth = 0;
    int FScreenHeight = 0;
};

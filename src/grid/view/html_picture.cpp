#include "grid/view/html_picture.h"

#include "grid/view/gif_frames.h"
#include "platform/file_system.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPaintDevice>

void THTMLPicture::Clear() {
    FEmpty = true;
    FImage = QImage();
    FFrameCount = -1;
    FNextTime = -1;
    FTickCount = -1;
}

void THTMLPicture::Assign(const THTMLPicture* Source) {
    Clear();
    SetFrame(1);
    if (!Source) {
        FData.clear();
        FImage = QImage();
        return;
    }
    FData = Source->FData;
    FEmpty = false;
    LoadPictureData();
    if (OnChange) OnChange(this);
}

void THTMLPicture::Draw(TCanvas& Canvas, const TRect& r) const {
    if (FEmpty || FImage.isNull()) return;
    QPainter* painter = Canvas.Painter();
    if (FStretch) {
        if (!r.IsEmpty()) painter->drawImage(r.ToQRect(), FImage);
        return;
    }
    const QPaintDevice* device = painter->device();
    const int width = FImage.width() * device->logicalDpiX() / 96;
    const int height = FImage.height() * device->logicalDpiY() / 96;
    painter->drawImage(QRect(r.Left, r.Top, width, height), FImage);
}

void THTMLPicture::LoadData(const QByteArray& data) {
    FData = data;
    FEmpty = false;
    LoadPictureData();
}

void THTMLPicture::LoadFromFile(const QString& FileName) {
    QByteArray data;
    if (!ReadRegularFile(FileName, kMaxPictureFileBytes, data)) return;
    try {
        LoadData(data);
    } catch (const Exception&) {
        FEmpty = true;
        return;
    }
    if (OnChange) OnChange(this);
}

void THTMLPicture::LoadFromStream(QIODevice* Stream) {
    if (!Stream) return;
    LoadData(Stream->readAll());
    if (OnChange) OnChange(this);
}

void THTMLPicture::SaveToStream(QIODevice* Stream) const {
    if (Stream) Stream->write(FData);
}

// The resources live in a static library, so they are registered on first use.
static void Load_Picture_Resources() { Q_INIT_RESOURCE(resources); }

void THTMLPicture::LoadFromResourceName(const QString& ResName) {
    static const bool loaded = (Load_Picture_Resources(), true);
    Q_UNUSED(loaded);
    QFile resource(kMarkupResourcePrefix + ResName);
    if (!resource.exists() || !resource.open(QIODevice::ReadOnly)) return;
    LoadFromStream(&resource);
}

void THTMLPicture::LoadFromURL(const QString& url) {
    static const QString kResource = QStringLiteral("RES://");
    static const QString kFile = QStringLiteral("FILE://");
    if (url.startsWith(kResource, Qt::CaseInsensitive)) {
        FID = url;
        const QString name = url.mid(kResource.size());
        if (!name.isEmpty()) LoadFromResourceName(name);
    } else if (url.startsWith(kFile, Qt::CaseInsensitive)) {
        FID = url;
        const QString path = url.mid(kFile.size());
        if (!path.isEmpty()) LoadFromFile(path);
    } else if (!FAsynch) {
        FURLToFetch = url;
        FID = url;
    } else if (!FBusy) {
        FURLToFetch = url;
        FBusy = true;
    }
}

bool THTMLPicture::IsGIF() const { return IsGifData(FData); }

int THTMLPicture::FrameCount() {
    if (FFrameCount != -1) return FFrameCount;
    if (!IsGIF()) return -1;
    FFrameCount = CountGifFrames(FData);
    return FFrameCount;
}

int THTMLPicture::FrameTime(int i) const { return GifFrameDelay(FData, i); }

int THTMLPicture::MaxWidth() const {
    if (FImage.isNull()) return 0;
    return FScreenWidth > 0 ? FScreenWidth : Width();
}

int THTMLPicture::MaxHeight() const {
    if (FImage.isNull()) return 0;
    return FScreenHeight > 0 ? FScreenHeight : Height();
}

void THTMLPicture::SetFrame(int Value) {
    FFrame = Value;
    if (FData.isEmpty()) return;
    LoadPictureData();
    if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext() { FFrame = FFrame < FrameCount() ? FFrame + 1 : 1; }

void THTMLPicture::FramePrev() { FFrame = FFrame > 1 ? FFrame - 1 : FrameCount(); }

bool THTMLPicture::Step() {
    bool stepped = false;
    if (FrameCount() < 2 || FEmpty) return false;
    if (FNextTime == -1) FNextTime = FrameTime(FFrame);
    if (FTickCount * 10 >= FNextTime) {
        FrameNext();
        LoadPictureData();
        FNextTime += FrameTime(FFrame);
        stepped = true;
    }
    ++FTickCount;
    return stepped;
}

void THTMLPicture::LoadPictureData() {
    FFrameXPos = FFrameYPos = 0;
    FScreenWidth = FScreenHeight = 0;
    QByteArray bytes = FData;
    if (IsGIF() && FrameCount() > 0) {
        TGifFrameSelection selection = SelectGifFrame(FData, FFrame);
        FScreenWidth = selection.ScreenWidth;
        FScreenHeight = selection.ScreenHeight;
        FFrameXPos = selection.FrameX;
        FFrameYPos = selection.FrameY;
        FFrameWidth = selection.FrameWidth;
        FFrameHeight = selection.FrameHeight;
        bytes = std::move(selection.Data);
    }
    FImage = QImage();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // Qt's reader keeps its allocation limit, so a header claiming a huge picture fails
    // here instead of exhausting memory.
    QImageReader reader(&buffer);
    if (!reader.canRead()) throw Exception(QStringLiteral("Could not load image. Invalid format"));
    QImage image = reader.read();
    if (image.isNull()) throw Exception(QStringLiteral("Could not load image"));
    FImage = std::move(image);
}

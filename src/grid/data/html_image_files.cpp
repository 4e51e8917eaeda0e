#include "grid/data/html_image_files.h"

#include "grid/data/html_markup_sanitizer.h"
#include "platform/component.h"
#include "platform/file_errors.h"
#include "platform/file_system.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

namespace {

QByteArray JpegBytes(const QImage& Picture) {
    QImage flat(Picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, Picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    if (!writer.write(flat)) throw Exception(QStringLiteral("Cannot write a JPEG image: ") + writer.errorString());
    return bytes;
}

}  // namespace

QString THtmlImageFiles::Write(const QImage& Picture, bool Xhtml) {
    const QString folder = FFolder + QStringLiteral("images");
    if (!DirectoryExists(folder) && !ForceDirectories(folder))
        throw Exception(QStringLiteral("Cannot create ") + folder);
    const QString fileName = folder + QStringLiteral("/img%1.jpg").arg(FCounter++);
    WriteWholeFile(fileName, JpegBytes(Picture));
    return QStringLiteral("<img src= \"file://%1\" alt=\"\"%2>").arg(EscapeHtmlText(fileName),
                                                                    Xhtml ? QStringLiteral(" /") : QString());
}

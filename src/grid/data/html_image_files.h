#pragma once
// The JPEG files an HTML export writes for cell pictures: "images/img1.jpg",
// "images/img2.jpg", ... in the export's folder, numbered from 1 per export, each
// written whole (temporary file and rename). Without a folder (the clipboard's export)
// no file is written, so copying cells never drops files into the working folder.

#include <QImage>
#include <QString>

class THtmlImageFiles {
public:
    // Folder: with "/" separators and a trailing "/"; empty: no images.
    explicit THtmlImageFiles(QString Folder) : FFolder(std::move(Folder)) {}

    bool Enabled() const { return !FFolder.isEmpty(); }
    // Writes the picture as the next file, laid on white (JPEG has no transparency),
    // and gives the img tag that shows it. Raises Exception "Cannot create " + folder +
    // "images" when the folder cannot be made, EFCreateError when the file cannot be
    // written.
    QString Write(const QImage& Picture, bool Xhtml);

private:
    QString FFolder;
    int FCounter = 1;
};

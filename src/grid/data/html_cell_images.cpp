// A ctInterface cell's object is no picture: it draws itself, into a picture of the size
// it gives, as it draws into a cell.

#include "grid/data/html_cell_images.h"

#include "grid/core/string_grid.h"
#include "grid/data/html_image_files.h"
#include "grid/data/html_settings.h"
#include "grid/view/cell_graphic_interface.h"
#include "platform/image_list.h"
#include "platform/picture.h"

namespace {

// An interfaced object may give any size; a picture past this is not drawn.
constexpr int kMaxDrawnSide = 4096;

const QImage* PictureOf(const TCellGraphic& Graphic) {
    const auto* picture = dynamic_cast<const TPicture*>(Graphic.CellBitmap());
    return picture && !picture->Empty() ? &picture->Image() : nullptr;
}

}  // namespace

QString HTMLCellWithImages(TExStringGrid& Grid, int ACol, int ARow, const QString& Saved, const QString& Content,
                           THtmlImageFiles& Images) {
    const TCellGraphic* graphic = Grid.GetCellGraphic(ACol, ARow);
    if (!graphic || !Grid.HTMLSettings()->ExportImages || !Images.Enabled()) return Content;
    const bool xhtml = Grid.HTMLSettings()->XHTML;
    const auto* list = dynamic_cast<const TCustomImageList*>(Grid.GetCellImageList());
    auto listed = [&](int Index) { return list && Index >= 0 && Index < list->Count(); };
    switch (graphic->CellType()) {
        case ctBitmap:
        case ctPicture:
            if (const QImage* picture = PictureOf(*graphic)) return Content + Images.Write(*picture, xhtml);
            break;
        case ctImageList:
            if (listed(graphic->CellIndex())) return Images.Write(list->Image(graphic->CellIndex()), xhtml) + Content;
            break;
        case ctDataImage: {
            // The cell's text is the index: it shows as the picture, never as a number.
            bool number = false;
            const int index = Saved.trimmed().toInt(&number);
            return number && listed(index) ? Images.Write(list->Image(index), xhtml) : QString();
        }
        case ctImages: {
            const auto* indexes = dynamic_cast<const TIntList*>(graphic->CellBitmap());
            if (!list || !indexes) break;
            QString images;
            for (int i = 0; i < indexes->Count(); ++i)
                if (listed(indexes->Items(i))) images += Images.Write(list->Image(indexes->Items(i)), xhtml);
            return images + Content;
        }
        case ctInterface: {
            auto* object = dynamic_cast<ICellGraphic*>(graphic->CellBitmap());
            if (!object) break;
            const int width = object->GetWidth(), height = object->GetHeight();
            if (width <= 0 || height <= 0 || width > kMaxDrawnSide || height > kMaxDrawnSide) break;
            QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::white);
            {
                QPainter painter(&picture);
                TCanvas canvas(&painter);
                object->Draw(canvas, Rect(0, 0, width, height), ACol, ARow, false, &Grid);
            }
            return Content + Images.Write(picture, xhtml);
        }
        default: break;
    }
    return Content;
}

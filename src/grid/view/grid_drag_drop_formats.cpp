#include "grid/view/grid_drag_drop_formats.h"

#include "platform/registered_names.h"

#include <QUrl>
#include <QtEndian>

namespace {

constexpr qsizetype kCellsHeaderSize = 8;
constexpr qsizetype kColumnSize = 4;
bool richTextEnabled = false;

}  // namespace

QString GridCellsMimeType() { return RegisterClipboardFormat(QStringLiteral("TExStringGrid Cells")); }

QByteArray EncodeGridCellsBlock(const QByteArray& CellStream) {
    QByteArray block(kCellsHeaderSize, '\0');
    qToLittleEndian<quint32>(quint32(CellStream.size()), block.data());
    return block + CellStream;
}

std::optional<QByteArray> DecodeGridCellsBlock(const QByteArray& Block) {
    if (Block.size() < kCellsHeaderSize) return std::nullopt;
    const quint32 length = qFromLittleEndian<quint32>(Block.constData());
    if (length > quint64(Block.size() - kCellsHeaderSize)) return std::nullopt;
    return Block.mid(kCellsHeaderSize, qsizetype(length));
}

QByteArray EncodeGridColumn(int RealColumn) {
    QByteArray block(kColumnSize, '\0');
    qToLittleEndian<qint32>(RealColumn, block.data());
    return block;
}

std::optional<int> DecodeGridColumn(const QByteArray& Block, int ColumnCount) {
    if (Block.size() < kColumnSize) return std::nullopt;
    const qint32 column = qFromLittleEndian<qint32>(Block.constData());
    if (column < 0 || column >= ColumnCount) return std::nullopt;
    return column;
}

TDroppedUris DecodeUriList(const QByteArray& UriList) {
    TDroppedUris uris;
    for (const QByteArray& rawLine : UriList.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QUrl url = QUrl::fromEncoded(line);
        if (!url.isValid()) continue;
        if (url.isLocalFile())
            uris.Files << url.toLocalFile();
        else
            uris.Links << url.toString();
    }
    return uris;
}

QString CellsToHtmlTable(const QList<QStringList>& Rows) {
    QString html = QStringLiteral("<table>");
    for (const QStringList& row : Rows) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : row) {
            // HTML folds a line break into a blank: a multi-line cell keeps its lines as <br>.
            QString text = cell.toHtmlEscaped();
            text.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
            text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
            text.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
            html += QStringLiteral("<td>") + text + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

Qt::DropAction KeyStateToDropEffect(Qt::KeyboardModifiers Modifiers, Qt::DropActions AllowedEffects) {
    if (Modifiers.testFlag(Qt::ControlModifier)) return Qt::CopyAction;
    if (AllowedEffects.testFlag(Qt::MoveAction)) return Qt::MoveAction;
    return Qt::CopyAction;
}

bool IsCsvFileName(const QString& FileName) { return FileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive); }

bool IsWorkbookFileName(const QString& FileName) {
    return FileName.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive) ||
           FileName.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
}

void SetDropRTFEnabled(bool Value) { richTextEnabled = Value; }
bool DropRTFEnabled() { return richTextEnabled; }

int DropEffectOf(Qt::DropAction Action) {
    switch (Action) {
    case Qt::CopyAction: return 1;
    case Qt::MoveAction: return 2;
    case Qt::LinkAction: return 4;
    default: return 0;
    }
}

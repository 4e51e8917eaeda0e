// Links and form controls under a left press: a link cell's address or a mini-HTML
// anchor or control found by the renderer's hit test. Only a real hit counts, so a
// press beside or below a link opens nothing. A clicked anchor runs through
// FollowAnchor: "CELL://" references move the current cell, web and mail addresses open
// in the browser, and anything else (a path, a program, another scheme) starts nothing.

#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"
#include "grid/view/markup_control_tags.h"
#include "grid/view/markup_renderer.h"
#include "platform/url_opener.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>

namespace {

bool IsLinkText(const QString& text) {
    return text.contains(QLatin1String("://")) || text.contains(QLatin1String("mailto:"), Qt::CaseInsensitive);
}

bool OpensInBrowser(const QString& anchor) {
    const QString trimmed = anchor.trimmed();
    return trimmed.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           trimmed.startsWith(QLatin1String("https://"), Qt::CaseInsensitive) ||
           trimmed.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
}

}  // namespace

bool TExStringGrid::HitLink(int ACol, int ARow, int RCol, int X, int Y, TRect CR, TLinkHit& Hit) {
    const QString text = Cells(RCol, ARow);
    const bool markup = CellTextKind(text, FEnableHTML) == ckMiniHtml;
    if (!markup) {
        if (!FURLShow || !IsLinkText(text)) return false;
        Hit.Anchor = text;
        return true;
    }
    // The text rectangle as the cell draws it: the offsets inside the cell, past a check box.
    TRect bounds = CR;
    bounds.Left += FXYOffset.X + 1;
    bounds.Top += FXYOffset.Y + 1;
    if (HasCheckBox(RCol, ARow)) bounds.Left += FControlLook->CheckSize + 2;
    QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&surface);
    TCanvas canvas(&painter);
    TFont font = Fonts(RCol, ARow);
    if (IsFixed(ACol, ARow)) font = *FFixedFont;
    canvas.Font = font;
    TMarkupTextParams params;
    params.Canvas = &canvas;
    params.Text = text;
    params.Bounds = bounds;
    params.MouseX = X;
    params.MouseY = Y;
    params.HitTestOnly = true;
    params.WindowHandle = this;
    if (!DrawMarkupText(params)) return false;
    Hit.Anchor = params.AnchorHref;
    Hit.ControlID = params.ControlID;
    Hit.ControlType = params.ControlType.toUpper();
    Hit.ControlValue = params.ControlValue;
    return !Hit.Anchor.isEmpty() || !Hit.ControlID.isEmpty();
}

bool TExStringGrid::PressOnLink(int ACol, int ARow, int RCol, int OCol, int ORow, int X, int Y, TRect CR) {
    QString text = Cells(RCol, ARow);
    const bool markup = CellTextKind(text, FEnableHTML) == ckMiniHtml;
    if (!FURLShow && !markup) return false;
    TLinkHit hit;
    if (!HitLink(ACol, ARow, RCol, X, Y, CR, hit)) {
        if (!markup || !text.contains(QLatin1String("<CONTROL"), Qt::CaseInsensitive)) return false;
        if (OnClickCell) OnClickCell(this, ORow, OCol);
        HideInplaceEdit();
        SetSelection({ACol, ARow, ACol, ARow});
        return true;
    }

    bool autoHandle = true;
    bool editable = (Options().Contains(goEditing) || FEditDisable) && !ReadOnly(RealColIndex(OCol), ORow);
    const bool control = !hit.ControlID.isEmpty();
    if (control && OnCanEditCell) OnCanEditCell(this, ARow, ACol, editable);
    if (control && editable) {
        const QString before = hit.ControlValue;
        if (hit.ControlType == QLatin1String("BUTTON")) {
            FCtrlXY = {RCol, ARow};
            FCtrlDown = true;
            RepaintCell(ACol, ARow);
        } else if (hit.ControlType == QLatin1String("CHECK")) {
            QString value;
            GetControlTagValue(text, hit.ControlID, value);
            SetControlTagValue(text, hit.ControlID,
                               value.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0 ? QStringLiteral("FALSE")
                                                                                                 : QStringLiteral("TRUE"));
            SetCells(RCol, ARow, text);
        } else if (hit.ControlType == QLatin1String("RADIO")) {
            text = ResetRadioControls(text);
            SetControlTagValue(text, hit.ControlID, QStringLiteral("TRUE"));
            SetCells(RCol, ARow, text);
        }
        if (OnControlClick) OnControlClick(this, ARow, ACol, hit.ControlID, hit.ControlType, before);
        ShowControlEditor(text, hit.ControlType, ARow, RCol, ACol, CR, before, hit.ControlID);
        autoHandle = false;
    } else if (OnAnchorClick) {
        OnAnchorClick(this, ARow, ACol, hit.Anchor, autoHandle);
    }
    if (autoHandle) FollowAnchor(hit.Anchor);
    return true;
}

void TExStringGrid::FollowAnchor(const QString& Anchor) {
    if (!Anchor.toUpper().contains(QLatin1String("CELL://"))) {
        if (OpensInBrowser(Anchor)) OpenURL(Anchor.trimmed());
        return;
    }
    static const QRegularExpression reference(QStringLiteral("^R(\\d+)C(\\d+)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = reference.match(Anchor.mid(7));
    if (!match.hasMatch()) return;
    bool rowOk = false, colOk = false;
    const int row = match.captured(1).toInt(&rowOk);
    const int col = match.captured(2).toInt(&colOk);
    if (!rowOk || !colOk || row < FixedRows() || row >= RowCount() || col < FixedCols() || col >= ColCount()) return;
    SetRow(row);
    SetCol(col);
    ScrollInView(col, row);
}

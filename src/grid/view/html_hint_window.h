#pragma once
// The hint window for mini-HTML and escaped wide texts: a frameless box with a two-colour
// edge that shows without taking the focus, sized to the text it was last given.

#include "platform/color.h"
#include "platform/types.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class TCanvas;
class TCustomImageList;
struct TMarkupTextParams;
class TPictureContainer;

class THTMLHintWindow : public QWidget {
public:
    static constexpr int kMargin = 4;
    // Texts are measured wrapped at this width before the window is placed.
    static constexpr int kMeasureWidth = 1008;

    explicit THTMLHintWindow(QWidget* AOwner = nullptr);

    // Takes the pictures and the font of a grid given as AData, then shows the hint.
    void ActivateHintData(const TRect& Rect, const QString& AHint, QObject* AData);
    // Measures the text, places the window at Rect's top-left kept on the nearest screen,
    // and shows it without activating it.
    void ActivateHint(const TRect& Rect, const QString& AHint);
    // The text's size measured MaxWidth wide, at (0, 0), without margins.
    TRect CalcHintRect(int MaxWidth, const QString& AHint, QObject* AData);

    // The hint goes when the mouse leaves Watched, or on a click, a key or the wheel there.
    void HideWith(QWidget* Watched);

    const QString& Caption() const { return FCaption; }
    // Repaints only; the size stays as it was measured.
    void SetCaption(const QString& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int TextWidth() const { return FTextWidth; }
    int TextHeight() const { return FTextHeight; }
    // The font of escaped wide texts: the grid's, stored when a grid asks for the hint.
    const QString& WideFontName() const { return FWideFontName; }

    TCustomImageList* FImages = nullptr;
    TPictureContainer* FPictureContainer = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TTextSize {
        int Width = 0;
        int Height = 0;
    };
    void TakeGridData(QObject* AData);
    TMarkupTextParams MarkupParams(TCanvas& Canvas, const QString& Text, const TRect& Bounds);
    TTextSize MeasureText(const QString& AHint, int MaxWidth);
    void Paint();
    void DrawHintBorder(TCanvas& Canvas, const TRect& r) const;

    QPointer<QWidget> FWatched;
    QString FCaption;
    QString FWideCaption;
    QString FWideFontName;
    TColor FColor = clInfoBk;
    int FTextWidth = 0;
    int FTextHeight = 0;
};

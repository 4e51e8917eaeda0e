#pragma once
// The invalid-entry balloon shown at an editor after a refused value: an icon, a bold
// title and a text, all plain. It goes at the next key or click anywhere in the program,
// or after a few seconds. A balloon without title and text is never shown.

#include "grid/core/string_grid_enumerations.h"

#include <QFrame>

class QLabel;
class QTimer;

class TEditBalloon : public QFrame {
public:
    explicit TEditBalloon(QWidget* AOwner);
    ~TEditBalloon() override;
    // Shows the balloon just below Editor's top-left corner, in Editor's window.
    void ShowAt(QWidget* Editor, const QString& Title, const QString& Text, TInvalidEntryIcon Icon);
    QString Title() const;
    QString Text() const;
    TInvalidEntryIcon Icon() const { return FIcon; }
    static constexpr int VisibleMilliseconds = 5000;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void Dismiss();
    QLabel* FIconLabel;
    QLabel* FTitleLabel;
    QLabel* FTextLabel;
    QTimer* FTimer;
    TInvalidEntryIcon FIcon = ieNone;
};

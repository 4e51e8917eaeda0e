#pragma once
// The balloon that shows a title, an icon and a text beside the mouse while it rests on
// one control (the tool). The text is asked for each time the balloon is about to show;
// the delays work like a tooltip's: an initial wait, a shorter one from balloon to
// balloon, and a time after which the balloon hides by itself.

#include "platform/color.h"
#include "platform/types.h"

#include <QPointer>
#include <QStyle>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

class TBalloonWindow : public QWidget {
public:
    static constexpr int kMaxWidth = 300;
    enum TBalloonIconKind { biNoIcon = 0, biInfoIcon = 1, biWarningIcon = 2, biErrorIcon = 3 };

    struct TBalloonContent {
        bool Shown = false;  // false: nothing to show at this point
        QString Title;
        QString Text;
        int Icon = biNoIcon;
    };
    // Asked for the balloon at a point of the tool, in the tool's coordinates.
    using TTextRequest = std::function<TBalloonContent(TPoint)>;

    explicit TBalloonWindow(QWidget* AOwner);
    ~TBalloonWindow() override;

    // Watches the tool's mouse; the balloon's texts come from Request.
    void AddTool(QWidget* Tool, TTextRequest Request);
    // Any icon other than 0 to 3 means none.
    void SetTitle(int Icon, const QString& Title);
    const QString& Title() const { return FTitle; }
    int Icon() const { return FIcon; }
    const QString& Text() const { return FText; }

    // In milliseconds; -1 puts back the style's tooltip delay.
    void SetInitialDelay(int Value);
    void SetReshowDelay(int Value);
    void SetAutoPopDelay(int Value);
    int InitialDelay() const { return FInitialDelay; }
    int ReshowDelay() const { return FReshowDelay; }
    int AutoPopDelay() const { return FAutoPopDelay; }
    // clNone keeps the palette's tooltip colours.
    void SetColors(TColor Background, TColor Text);
    // 255 is opaque.
    void SetOpacity(int Alpha);
    int Opacity() const { return FOpacity; }

    // Asks for the text at Position of the tool and shows the balloon there.
    void Popup(TPoint Position);
    // Hides the balloon now; for a while after, the next one waits only the reshow delay.
    void Pop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int StyleHint(QStyle::StyleHint Hint) const;
    int InitialWait() const;
    int ReshowWait() const;
    int AutoPopWait() const;
    QSize ContentSize() const;

    QPointer<QWidget> FTool;
    TTextRequest FRequest;
    QString FTitle;
    QString FText;
    int FIcon = biNoIcon;
    int FInitialDelay = -1;
    int FReshowDelay = -1;
    int FAutoPopDelay = -1;
    TColor FBackgroundColor = clNone;
    TColor FTextColor = clNone;
    int FOpacity = 255;
    TPoint FRestPosition;
    bool FRecentlyShown = false;
    QTimer FShowTimer;
    QTimer FPopTimer;
    QTimer FReshowWindow;
};

#pragma once
// The standard controls the windows are built from.

#include "platform/canvas.h"
#include "platform/control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <functional>

using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;

// The item list of a combo box or a list box, edited in place.
class TItemList {
public:
    virtual ~TItemList() = default;
    virtual int Count() const = 0;
    virtual QString Strings(int index) const = 0;
    virtual void Add(const QString& text) = 0;
    virtual void Insert(int index, const QString& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    int IndexOf(const QString& text) const;
    void Assign(const QStringList& texts);
    QStringList ToQStringList() const;
};

class TLabel : public TControlOf<QLabel> {
public:
    explicit TLabel(TComponent* AOwner, QWidget* AParent = nullptr);
    QString Caption() const override { return text(); }
    void SetCaption(const QString& value) override;
    // On by default: the label takes the size of its text.
    void SetAutoSize(bool value);
    void SetWordWrap(bool value);
    void SetAlignment(Qt::Alignment value) { setAlignment(value); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool FAutoSize = true;
};

// A one-line edit. With AutoSelect (on by default) it selects its whole text whenever
// it is entered other than by a mouse click (Tab, a handler's SetFocus, a window that
// is shown giving it the focus), so typing replaces the value instead of being added to
// it. Coming back to a window that was only in the background keeps the selection.
class TEdit : public TControlOf<QLineEdit> {
public:
    explicit TEdit(TComponent* AOwner, QWidget* AParent = nullptr);
    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }
    // Limits what the user types or pastes to value characters (0: no limit); a text the
    // program sets is kept whole, also when it is longer.
    void SetMaxLength(int value);
    int MaxLength() const { return FMaxLength; }
    void SetReadOnly(bool value) { setReadOnly(value); }
    void SelectAll() { selectAll(); }
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }

    TNotifyEvent OnChange;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnExit;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int FMaxLength = 0;
    bool FAutoSelect = true;
    // The focus went to another window while this edit kept its place as the focus of its own.
    bool FFocusKeptInBackground = false;
};

class TCheckBox : public TControlOf<QCheckBox> {
public:
    explicit TCheckBox(TComponent* AOwner, QWidget* AParent = nullptr);
    QString Caption() const override { return text(); }
    void SetCaption(const QString& value) override { setText(value); }
    bool Checked() const { return isChecked(); }
    // Setting the state by code fires OnClick, as a click would.
    void SetChecked(bool value);
};

enum TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TControlOf<QComboBox> {
public:
    explicit TComboBox(TComponent* AOwner, QWidget* AParent = nullptr);
    TItemList& Items() { return *FItems; }
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int value) { setCurrentIndex(value); }
    QString Text() const { return currentText(); }
    void SetText(const QString& value);
    void SetStyle(TComboBoxStyle value);

    TNotifyEvent OnChange;

private:
    std::unique_ptr<TItemList> FItems;
    bool FSettingByCode = false;
};

class TListBox : public TControlOf<QListWidget> {
public:
    explicit TListBox(TComponent* AOwner, QWidget* AParent = nullptr);
    TItemList& Items() { return *FItems; }
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int value);
    TNotifyEvent OnDblClick;
    // The typed character (Enter as character 13); a handler that clears it stops the key.
    TKeyPressEvent OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<TItemList> FItems;
};

class TGroupBox : public TControlOf<QGroupBox> {
public:
    explicit TGroupBox(TComponent* AOwner, QWidget* AParent = nullptr);
    QString Caption() const override { return title(); }
    void SetCaption(const QString& value) override { setTitle(value); }
};

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TControlOf<QWidget> {
public:
    explicit TPanel(TComponent* AOwner, QWidget* AParent = nullptr);
    QString Caption() const override { return FCaption; }
    void SetCaption(const QString& value) override;
    void SetBevelOuter(TBevelCut value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FCaption;
    TBevelCut FBevelOuter = bvRaised;
};

class TTabSheet : public TControlOf<QWidget> {
public:
    explicit TTabSheet(TComponent* AOwner, QWidget* AParent = nullptr) : TControlOf<QWidget>(AOwner, AParent) {}
    QString Caption() const override { return FCaption; }
    void SetCaption(const QString& value) override;

private:
    friend class TPageControl;
    QString FCaption;
    class TPageControl* FPageControl = nullptr;
};

class TPageControl : public TControlOf<QTabWidget> {
public:
    explicit TPageControl(TComponent* AOwner, QWidget* AParent = nullptr);
    TTabSheet* AddPage(TComponent* AOwner, const QString& caption);
    int PageCount() const { return count(); }
    TTabSheet* Pages(int index) const;
    int ActivePageIndex() const { return currentIndex(); }
    void SetActivePageIndex(int value) { setCurrentIndex(value); }
    void SetTabCaption(TTabSheet* sheet, const QString& caption);
    TNotifyEvent OnChange;
};

class TImage : public TControlOf<QLabel> {
public:
    explicit TImage(TComponent* AOwner, QWidget* AParent = nullptr);
    bool LoadFromFile(const QString& fileName);
    void SetPicture(const QPixmap& pixmap);
    const QPixmap& Picture() const { return FPixmap; }
    void SetStretch(bool value);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap FPixmap;
};

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const QString& Link, TSysLinkType LinkType)>;

// A label whose caption may hold <a href="...">links</a>.
class TLinkLabel : public TControlOf<QLabel> {
public:
    explicit TLinkLabel(TComponent* AOwner, QWidget* AParent = nullptr);
    QString Caption() const override { return text(); }
    void SetCaption(const QString& value) override { setText(value); }
    TSysLinkEvent OnLinkClick;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TControlOf<QWidget> {
public:
    explicit TShape(TComponent* AOwner, QWidget* AParent = nullptr);
    void SetShape(TShapeType value) { FShape = value; update(); }
    void SetPenColor(TColor value) { FPenColor = value; update(); }
    void SetBrushStyle(TBrushStyle value) { FBrushStyle = value; update(); }
    void SetBrushColor(TColor value) { FBrushColor = value; update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TShapeType FShape = stRectangle;
    TColor FPenColor = clBlack;
    TBrushStyle FBrushStyle = bsSolid;
    TColor FBrushColor = clWhite;
};

// A timer of the user-interface thread.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int Interval() const { return FInterval; }
    void SetInterval(int value);
    // True while the timer is counting towards its next tick.
    bool Active() const { return FTimer.isActive(); }
    TNotifyEvent OnTimer;

private:
    void Restart();
    QTimer FTimer;
    bool FEnabled = true;
    int FInterval = 1000;
};

#include "platform/standard_controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QValidator>

int TItemList::IndexOf(const QString& text) const {
    for (int i = 0; i < Count(); ++i)
        if (Strings(i).compare(text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TItemList::Assign(const QStringList& texts) {
    Clear();
    for (const QString& t : texts) Add(t);
}

QStringList TItemList::ToQStringList() const {
    QStringList list;
    for (int i = 0; i < Count(); ++i) list << Strings(i);
    return list;
}

namespace {

class ComboItems : public TItemList {
public:
    explicit ComboItems(QComboBox* box) : FBox(box) {}
    int Count() const override { return FBox->count(); }
    QString Strings(int index) const override { return FBox->itemText(index); }
    void Add(const QString& text) override { FBox->addItem(text); }
    void Insert(int index, const QString& text) override { FBox->insertItem(index, text); }
    void Delete(int index) override { FBox->removeItem(index); }
    void Clear() override { FBox->clear(); }

private:
    QComboBox* FBox;
};

class ListItems : public TItemList {
public:
    explicit ListItems(QListWidget* list) : FList(list) {}
    int Count() const override { return FList->count(); }
    QString Strings(int index) const override {
        const QListWidgetItem* item = FList->item(index);
        return item ? item->text() : QString();
    }
    void Add(const QString& text) override { FList->addItem(text); }
    void Insert(int index, const QString& text) override { FList->insertItem(index, text); }
    void Delete(int index) override { delete FList->takeItem(index); }
    void Clear() override { FList->clear(); }

private:
    QListWidget* FList;
};

// Refuses an edit by the user that makes the text longer than the limit. A text set by
// the program is not refused (a line edit only checks what it is given by typing or
// pasting against its validator), unlike QLineEdit's own maximum length, which would
// cut a longer value read from a file.
class TypedLengthLimit : public QValidator {
public:
    TypedLengthLimit(int limit, QObject* parent) : QValidator(parent), FLimit(limit) {}
    State validate(QString& input, int&) const override { return input.size() > FLimit ? Invalid : Acceptable; }

private:
    int FLimit;
};

// The character a key types, as the windows' key handlers take it: Enter, Escape and
// Backspace as characters 13, 27 and 8. Runs the handler; true when it swallowed the key.
bool RunKeyPress(TObject* sender, const TKeyPressEvent& handler, const QKeyEvent* event) {
    if (!handler) return false;
    QChar key;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) key = QChar(13);
    else if (event->key() == Qt::Key_Escape) key = QChar(27);
    else if (event->key() == Qt::Key_Backspace) key = QChar(8);
    else if (!event->text().isEmpty()) key = event->text().at(0);
    if (key.isNull()) return false;
    handler(sender, key);
    return key.isNull();
}

}  // namespace

TLabel::TLabel(TComponent* AOwner, QWidget* AParent) : TControlOf<QLabel>(AOwner, AParent) {
    setTextFormat(Qt::PlainText);
}

void TLabel::SetCaption(const QString& value) {
    setText(value);
    if (FAutoSize) adjustSize();
}

void TLabel::SetAutoSize(bool value) {
    FAutoSize = value;
    if (value) adjustSize();
}

void TLabel::SetWordWrap(bool value) { setWordWrap(value); }

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick(this);
}

TEdit::TEdit(TComponent* AOwner, QWidget* AParent) : TControlOf<QLineEdit>(AOwner, AParent) {
    QObject::connect(this, &QLineEdit::textChanged, [this] {
        if (OnChange) OnChange(this);
    });
}

void TEdit::SetMaxLength(int value) {
    FMaxLength = qMax(0, value);
    setValidator(FMaxLength > 0 ? new TypedLengthLimit(FMaxLength, this) : nullptr);
}

void TEdit::keyPressEvent(QKeyEvent* event) {
    if (RunKeyPress(this, OnKeyPress, event)) return;
    QLineEdit::keyPressEvent(event);
}

bool TEdit::event(QEvent* event) {
    // A window shown again enters its focus edit anew.
    if (event->type() == QEvent::Show) FFocusKeptInBackground = false;
    return TControlOf<QLineEdit>::event(event);
}

void TEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A click places the cursor where it points; a window that only comes back to the
    // front, or a closed pop-up menu, leaves the selection as the user left it. A window
    // being shown gives its focus edit the focus with the activation reason as well.
    const Qt::FocusReason reason = event->reason();
    const bool returning = reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason ||
                           (reason == Qt::ActiveWindowFocusReason && FFocusKeptInBackground);
    if (FAutoSelect && reason != Qt::MouseFocusReason && !returning) selectAll();
}

void TEdit::focusOutEvent(QFocusEvent* event) {
    FFocusKeptInBackground = event->reason() == Qt::ActiveWindowFocusReason;
    QLineEdit::focusOutEvent(event);
    if (OnExit) OnExit(this);
}

TCheckBox::TCheckBox(TComponent* AOwner, QWidget* AParent) : TControlOf<QCheckBox>(AOwner, AParent) {
    QObject::connect(this, &QCheckBox::toggled, [this] {
        if (OnClick) OnClick(this);
    });
}

void TCheckBox::SetChecked(bool value) { setChecked(value); }

TComboBox::TComboBox(TComponent* AOwner, QWidget* AParent)
    : TControlOf<QComboBox>(AOwner, AParent), FItems(std::make_unique<ComboItems>(this)) {
    setEditable(true);
    QObject::connect(this, &QComboBox::currentTextChanged, [this] {
        if (!FSettingByCode && OnChange) OnChange(this);
    });
}

void TComboBox::SetText(const QString& value) {
    FSettingByCode = true;
    const int index = findText(value, Qt::MatchFixedString);
    if (isEditable()) setEditText(value);
    else setCurrentIndex(index);
    FSettingByCode = false;
}

void TComboBox::SetStyle(TComboBoxStyle value) { setEditable(value == csDropDown); }

TListBox::TListBox(TComponent* AOwner, QWidget* AParent)
    : TControlOf<QListWidget>(AOwner, AParent), FItems(std::make_unique<ListItems>(this)) {
    QObject::connect(this, &QListWidget::itemClicked, [this] {
        if (OnClick) OnClick(this);
    });
    QObject::connect(this, &QListWidget::itemDoubleClicked, [this] {
        if (OnDblClick) OnDblClick(this);
    });
}

void TListBox::SetItemIndex(int value) {
    setCurrentRow(value);
    if (value < 0) clearSelection();
}

void TListBox::keyPressEvent(QKeyEvent* event) {
    if (RunKeyPress(this, OnKeyPress, event)) return;
    QListWidget::keyPressEvent(event);
}

TGroupBox::TGroupBox(TComponent* AOwner, QWidget* AParent) : TControlOf<QGroupBox>(AOwner, AParent) {}

TPanel::TPanel(TComponent* AOwner, QWidget* AParent) : TControlOf<QWidget>(AOwner, AParent) {}

void TPanel::SetCaption(const QString& value) {
    FCaption = value;
    update();
}

void TPanel::SetBevelOuter(TBevelCut value) {
    FBevelOuter = value;
    update();
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (Color() != clDefault && Color() != clNone) painter.fillRect(rect(), ToQColor(Color()));
    if (FBevelOuter != bvNone) {
        const QColor light = ToQColor(clBtnHighlight), dark = ToQColor(clBtnShadow);
        const QColor topLeft = FBevelOuter == bvRaised ? light : dark;
        const QColor bottomRight = FBevelOuter == bvRaised ? dark : light;
        painter.fillRect(QRect(0, 0, width(), 1), topLeft);
        painter.fillRect(QRect(0, 0, 1, height()), topLeft);
        painter.fillRect(QRect(0, height() - 1, width(), 1), bottomRight);
        painter.fillRect(QRect(width() - 1, 0, 1, height()), bottomRight);
    }
    if (!FCaption.isEmpty()) painter.drawText(rect(), Qt::AlignCenter, FCaption);
}

void TTabSheet::SetCaption(const QString& value) {
    FCaption = value;
    if (FPageControl) FPageControl->SetTabCaption(this, value);
}

TPageControl::TPageControl(TComponent* AOwner, QWidget* AParent) : TControlOf<QTabWidget>(AOwner, AParent) {
    QObject::connect(this, &QTabWidget::currentChanged, [this] {
        if (OnChange) OnChange(this);
    });
}

TTabSheet* TPageControl::AddPage(TComponent* AOwner, const QString& caption) {
    auto* sheet = new TTabSheet(AOwner, this);
    sheet->FPageControl = this;
    sheet->FCaption = caption;
    addTab(sheet, caption);
    return sheet;
}

TTabSheet* TPageControl::Pages(int index) const { return dynamic_cast<TTabSheet*>(widget(index)); }

void TPageControl::SetTabCaption(TTabSheet* sheet, const QString& caption) {
    const int index = indexOf(sheet);
    if (index >= 0) setTabText(index, caption);
}

TImage::TImage(TComponent* AOwner, QWidget* AParent) : TControlOf<QLabel>(AOwner, AParent) {}

bool TImage::LoadFromFile(const QString& fileName) {
    QPixmap pixmap;
    if (!pixmap.load(fileName)) return false;
    SetPicture(pixmap);
    return true;
}

void TImage::SetPicture(const QPixmap& pixmap) {
    FPixmap = pixmap;
    setPixmap(pixmap);
}

void TImage::SetStretch(bool value) { setScaledContents(value); }

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick(this);
}

TLinkLabel::TLinkLabel(TComponent* AOwner, QWidget* AParent) : TControlOf<QLabel>(AOwner, AParent) {
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setOpenExternalLinks(false);
    QObject::connect(this, &QLabel::linkActivated, [this](const QString& link) {
        if (OnLinkClick) OnLinkClick(this, link, sltURL);
    });
}

TShape::TShape(TComponent* AOwner, QWidget* AParent) : TControlOf<QWidget>(AOwner, AParent) {}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TCanvas canvas(&painter);
    canvas.Pen.Color = FPenColor;
    canvas.Brush.Color = FBrushColor;
    canvas.Brush.Style = FBrushStyle;
    const TRect r = ClientRect();
    if (FShape == stEllipse || FShape == stCircle) {
        painter.setPen(ToQColor(FPenColor));
        if (FBrushStyle == bsClear) painter.setBrush(Qt::NoBrush);
        else painter.setBrush(ToQColor(FBrushColor));
        painter.drawEllipse(QRect(0, 0, width() - 1, height() - 1));
        return;
    }
    canvas.Rectangle(r);
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    FTimer.setSingleShot(false);
    QObject::connect(&FTimer, &QTimer::timeout, [this] {
        if (OnTimer) OnTimer(this);
    });
    Restart();
}

void TTimer::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    Restart();
}

void TTimer::SetInterval(int value) {
    if (value == FInterval) return;
    FInterval = value;
    Restart();
}

void TTimer::Restart() {
    FTimer.stop();
    if (FEnabled && FInterval > 0) FTimer.start(FInterval);
}

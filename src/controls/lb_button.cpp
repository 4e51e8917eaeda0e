#include "controls/lb_button.h"

#include "controls/text_utilities.h"
#include "platform/dialog_keys.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <cxxabi.h>
#include <cstdlib>
#include <typeinfo>

namespace {

constexpr int kFadeInterval = 30;
constexpr int kFullHotTrack = 8;
constexpr TColor kMagenta = RGBColor(255, 0, 255);

struct KindRow {
    TModalResult modalResult;
    const char* glyph;
    const char* caption;
};

// Rows from bkOK on; bkCustom changes nothing.
const KindRow kKinds[] = {
    {mrOk, "LBOK", "OK"},
    {mrCancel, "LBCANCEL", "Abbrechen"},
    {mrNone, "LBHELP", "Hilfe"},
    {mrYes, "LBYES", "Ja"},
    {mrNo, "LBNO", "Nein"},
    {mrNone, "LBCLOSE", "Schlie\u00DFen"},
    {mrAbort, "LBABORT", "Abbrechen"},
    {mrRetry, "LBRETRY", "Wiederholen"},
    {mrIgnore, "LBIGNORE", "Ignorieren"},
    {12, "LBALL", "Alle"},  // the "all" modal result
};
static_assert(std::size(kKinds) == bkAll);

bool IsTransparentStyle(TLbButtonStyle style) { return style == bsModern || style == bsShape || style == bsQuicken; }

// The class name a control answers with, as its own type names it.
QString ClassNameOf(QWidget* widget) {
    if (TControl* control = ControlOf(widget)) {
        int status = 0;
        char* name = abi::__cxa_demangle(typeid(*control).name(), nullptr, nullptr, &status);
        const QString result =
            QString::fromLatin1(status == 0 && name ? name : typeid(*control).name());
        std::free(name);
        return result;
    }
    return QString::fromLatin1(widget->metaObject()->className());
}

TForm* OwningForm(const TComponent* component) {
    for (TComponent* owner = component->Owner(); owner; owner = owner->Owner())
        if (auto* form = dynamic_cast<TForm*>(owner)) return form;
    return nullptr;
}

}  // namespace

TLbButton::TLbButton(TComponent* AOwner, QWidget* AParent) : TControlOf<QWidget>(AOwner, AParent) {
    resize(100, 23);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    if (auto* form = dynamic_cast<TForm*>(AOwner)) {
        const QFont font = form->font();
        FHTFont.Name = font.family();
        if (font.pointSize() > 0) FHTFont.Size = font.pointSize();
    }
    TControl::SetColor(clBtnFace);
    setAutoFillBackground(false);
    FFadeTimer = CreateIntervalTimer();
    FFadeTimer->OnTick = [this] { FadeTick(); };
    EnableDialogKeys(window());
}

TLbButton::~TLbButton() { StopFade(); }

void TLbButton::SetCaption(const QString& value) {
    FCaption = value;
    UpdateAccelerator();
    update();
}

void TLbButton::SetModalResult(TModalResult value) {
    FModalResult = value;
    FKind = bkCustom;
}

void TLbButton::Click() {
    // A hidden or disabled button is not clicked and keeps its look.
    if (!isVisible() || !isEnabled()) return;
    bDown = false;
    update();
    if (OnClick) OnClick(this);
    // The modal result follows OnClick, so the handler runs before the form closes.
    if (FModalResult != mrNone)
        if (auto* form = dynamic_cast<TForm*>(window())) form->SetModalResult(FModalResult);
}

void TLbButton::SetAlignment(TAlignment value) {
    FAlignment = value;
    repaint();
}

void TLbButton::SetColor(TColor value) {
    TControl::SetColor(value);
    // The face paints the whole button; the transparent styles let the parent show.
    setAutoFillBackground(false);
    update();
}

void TLbButton::SetColorStyle(TLbColorStyle value) {
    if (value == lcsCustom) return;
    const TLbColorStylePreset& preset = LbColorStylePreset(value);
    SetColor(preset.Color);
    SetFontColor(preset.FontColor);
    FLightColor = preset.LightColor;
    FShadowColor = preset.ShadowColor;
    FColorWhenDown = preset.ColorWhenDown;
    FHotTrackColor = preset.HotTrackColor;
    FFlat = preset.Flat;
    SetStyle(preset.Style);
    repaint();
}

void TLbButton::SetFlat(bool value) {
    FFlat = value;
    repaint();
}

void TLbButton::SetGlyph(const TBitmap* value) {
    if (value) {
        FGlyph.Assign(*value);
        FNumGlyphs = FGlyph.Height() == 0 ? 0 : FGlyph.Width() / FGlyph.Height();
    } else {
        FGlyph.SetHeight(0);
        FNumGlyphs = 0;
    }
    FKind = bkCustom;
    update();
}

void TLbButton::SetKind(TLbButtonKind value) {
    if (value != bkCustom) {
        const KindRow& row = kKinds[value - 1];
        FNumGlyphs = 2;
        FModalResult = row.modalResult;
        FGlyph = GlyphResource(QString::fromLatin1(row.glyph));
        SetCaption(QString::fromUtf8(row.caption));
    }
    FKind = value;
    update();
}

void TLbButton::SetLayout(TLbButtonLayout value) {
    FLayout = value;
    repaint();
}

void TLbButton::SetLightColor(TColor value) {
    FLightColor = value;
    repaint();
}

void TLbButton::SetNumGlyphs(int value) {
    FNumGlyphs = value;
    update();
}

void TLbButton::SetShadowColor(TColor value) {
    FShadowColor = value;
    repaint();
}

void TLbButton::SetSlowDecease(bool value) {
    FSlowDecease = value;
    if (value && !FFadeTimer) {
        FFadeTimer = CreateIntervalTimer();
        FFadeTimer->OnTick = [this] { FadeTick(); };
    } else if (!value && FFadeTimer) {
        FHotTrackStep = 0;
        StopFade();
    }
    update();
}

void TLbButton::SetStyle(TLbButtonStyle value) {
    FStyle = value;
    setAttribute(Qt::WA_OpaquePaintEvent, !IsTransparentStyle(value));
    update();
}

void TLbButton::SetWordWrap(bool value) {
    FWordWrap = value;
    repaint();
}

void TLbButton::StopFade() {
    if (!FFadeTimer) return;
    FFadeTimer->Stop();
    FFadeTimer.reset();
}

void TLbButton::FadeTick() {
    if (ComponentState().Contains(csDestroying)) return;
    --FHotTrackStep;
    if (FHotTrackStep <= 0) {
        if (FFadeTimer && FFadeTimer->Running()) FFadeTimer->Stop();
        FHotTrackStep = 0;
    }
    repaint();
}

bool TLbButton::ParentShowing() const { return parentWidget() && parentWidget()->isVisible(); }

void TLbButton::UpdateAccelerator() {
    // Alt with the accelerator reaches the button even while an edit has the focus.
    const QKeySequence sequence = QKeySequence::mnemonic(FCaption);
    if (sequence.isEmpty()) {
        delete FAccelerator;
        FAccelerator = nullptr;
        return;
    }
    if (!FAccelerator) {
        FAccelerator = new QShortcut(this);
        FAccelerator->setContext(Qt::WindowShortcut);
        QObject::connect(FAccelerator, &QShortcut::activated, this, [this] {
            const QChar accelerator = AcceleratorOf(FCaption);
            if (!accelerator.isNull()) Perform(this, CM_DIALOGCHAR, accelerator.unicode());
        });
    }
    FAccelerator->setKey(sequence);
}

void TLbButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        CMMouseEnter();
        break;
    case CM_MOUSELEAVE:
        CMMouseLeave();
        break;
    case CM_FOCUSCHANGED:
        repaint();
        break;
    case CM_DIALOGCHAR:
        CMDialogChar(Message);
        break;
    case CM_DIALOGKEY:
        CMDialogKey(Message);
        break;
    default:
        break;
    }
}

void TLbButton::CMMouseEnter() {
    if (!isEnabled() || !isVisible() || !ParentShowing()) return;
    bCursorOnButton = true;
    // A fade still running would otherwise pull the colour down under the pointer.
    if (FFadeTimer && FFadeTimer->Running()) FFadeTimer->Stop();
    FHotTrackStep = kFullHotTrack;
    repaint();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TLbButton::CMMouseLeave() {
    bCursorOnButton = false;
    if (FSlowDecease) {
        if (FFadeTimer && !FFadeTimer->Running()) FFadeTimer->Start(kFadeInterval);
    } else {
        FHotTrackStep = 0;
        repaint();
    }
    if (isEnabled() && isVisible() && ParentShowing() && OnMouseExit) OnMouseExit(this);
}

void TLbButton::CMDialogChar(TMessage& Message) {
    const QChar character(char16_t(Message.WParam));
    const QChar accelerator = AcceleratorOf(FCaption);
    if (!accelerator.isNull() && accelerator.toUpper() == character.toUpper() && isVisible() && isEnabled() &&
        ParentShowing()) {
        bDown = true;
        Click();
        Message.Result = 1;
    }
}

bool TLbButton::ActiveControlIsPushButton() const {
    TForm* form = OwningForm(this);
    QWidget* active = form ? form->focusWidget() : window()->focusWidget();
    if (!active) return false;
    const QString name = ClassNameOf(active).toUpper();
    return name.contains(QLatin1String("BUTTON")) && !name.contains(QLatin1String("RADIOBUTTON"));
}

void TLbButton::CMDialogKey(TMessage& Message) {
    const bool enter = Message.WParam == WPARAM(VK_RETURN) && FDefault;
    const bool escape = Message.WParam == WPARAM(VK_ESCAPE) && FCancel;
    // Both keys need a visible, enabled button: a hidden default button must not
    // swallow Enter or stay drawn pressed.
    if (!(enter || escape) || Message.LParam != 0 || !isVisible() || !isEnabled()) return;
    // A focused push button takes Enter itself; Escape still cancels.
    if (enter && ActiveControlIsPushButton()) return;
    bDown = true;
    Click();
    Message.Result = 1;
}

bool TLbButton::event(QEvent* event) {
    // The window that gets the dialog keys is the one the button ends up in.
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show) EnableDialogKeys(window());
    return TControlOf<QWidget>::event(event);
}

void TLbButton::mousePressEvent(QMouseEvent* event) {
    if (isEnabled() && event->button() == Qt::LeftButton) {
        bDown = true;
        if (focusPolicy() != Qt::NoFocus) setFocus(Qt::MouseFocusReason);
        repaint();
    }
    event->accept();
}

void TLbButton::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TLbButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (bDown) Click();
    bDown = false;
    repaint();
}

namespace {
bool IsPressKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
}
}  // namespace

void TLbButton::keyPressEvent(QKeyEvent* event) {
    if (!IsPressKey(event)) {
        event->ignore();
        return;
    }
    if (isEnabled()) {
        bDown = true;
        repaint();
    }
    event->accept();
}

void TLbButton::keyReleaseEvent(QKeyEvent* event) {
    if (!IsPressKey(event) || event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    // Only a key that went down on this button clicks it: the release of an Enter
    // that closed a dialog must not click the button that gets the focus back.
    if (bDown) Click();
    bDown = false;
    repaint();
    event->accept();
}

void TLbButton::enterEvent(QEnterEvent* event) {
    TControlOf<QWidget>::enterEvent(event);
    Perform(this, CM_MOUSEENTER);
}

void TLbButton::leaveEvent(QEvent* event) {
    TControlOf<QWidget>::leaveEvent(event);
    Perform(this, CM_MOUSELEAVE);
}

void TLbButton::focusInEvent(QFocusEvent* event) {
    TControlOf<QWidget>::focusInEvent(event);
    Perform(this, CM_FOCUSCHANGED);
}

void TLbButton::focusOutEvent(QFocusEvent* event) {
    TControlOf<QWidget>::focusOutEvent(event);
    Perform(this, CM_FOCUSCHANGED);
}

void TLbButton::changeEvent(QEvent* event) {
    TControlOf<QWidget>::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        bDown = false;
        repaint();
    }
}

TFont TLbButton::WorkingFont() const {
    if (FUseHTFont && (bCursorOnButton || hasFocus())) return FHTFont;
    TFont font;
    const QFont qfont = this->font();
    font.Name = qfont.family();
    if (qfont.pointSize() > 0) font.Size = qfont.pointSize();
    if (qfont.bold()) font.Style.Include(fsBold);
    if (qfont.italic()) font.Style.Include(fsItalic);
    if (qfont.underline()) font.Style.Include(fsUnderline);
    font.Color = FromQColor(palette().color(QPalette::ButtonText));
    return font;
}

void TLbButton::paintEvent(QPaintEvent*) {
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    Paint();
}

void TLbButton::Paint() {
    const int W = width(), H = height();
    if (W <= 0 || H <= 0) return;
    TBitmap buffer(W, H);
    if (IsTransparentStyle(FStyle)) {
        buffer.Canvas().Brush.Color = kMagenta;
        buffer.Canvas().FillRect(Rect(0, 0, W, H));
        buffer.SetTransparent(true);
        buffer.SetTransparentColor(kMagenta);
    }

    TLbButtonFace face;
    face.Width = W;
    face.Height = H;
    face.Alignment = FAlignment;
    face.Caption = FCaption;
    face.Layout = FLayout;
    face.Font = WorkingFont();
    face.ShadowColor = FShadowColor;
    face.LightColor = FLightColor;
    face.HotTrackColor = FHotTrackColor;
    face.ColorWhenDown = FColorWhenDown;
    face.Color = Color();
    face.Style = FStyle;
    face.WordWrap = FWordWrap;
    face.Flat = FFlat;
    face.Enabled = isEnabled();
    face.Hot = bCursorOnButton || hasFocus();
    face.Down = bDown;
    face.Glyph = &FGlyph;
    face.NumGlyphs = FNumGlyphs;
    face.HotTrackStep = FHotTrackStep;

    if (FStyle == bsOld && hasFocus()) {
        // The focused old style frames a face one pixel smaller all round in black.
        face.Width = W - 2;
        face.Height = H - 2;
        if (bDown) face.LightColor = FShadowColor;
        TBitmap inner(face.Width, face.Height);
        DrawLbButtonFace(inner.Canvas(), face);
        buffer.Canvas().Draw(1, 1, inner);
        buffer.Canvas().Pen.Color = clBlack;
        buffer.Canvas().FrameRect(Rect(0, 0, W, H));
    } else {
        DrawLbButtonFace(buffer.Canvas(), face);
    }

    QPainter painter(this);
    TCanvas canvas(&painter);
    canvas.Draw(0, 0, buffer);
    if (hasFocus() && isEnabled() && FStyle != bsShape) canvas.DrawFocusRect(Rect(4, 4, W - 4, H - 4));
}

#pragma once
// Message boxes and file dialogs. Each goes through a responder that tests replace;
// the default shows the real dialog.

#include "platform/component.h"
#include "platform/form.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

struct MessageDialogRequest {
    QString text;
    TMsgDlgType type = mtInformation;
    TMsgDlgButtons buttons;
};

// Shows a modal message box and returns the modal result of the button pressed.
TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
// The program's two kinds of message: an error box with OK, and a Yes/No question.
void ShowErrorMessage(const QString& text);
bool AskYesNo(const QString& text);

using MessageDialogResponder = std::function<TModalResult(const MessageDialogRequest&)>;
// Passing an empty function restores the real message box.
void SetMessageDialogResponder(MessageDialogResponder responder);

enum TOpenOption { ofOverwritePrompt, ofHideReadOnly, ofPathMustExist, ofFileMustExist, ofNoChangeDir };
using TOpenOptions = TSet<TOpenOption>;

struct FileDialogRequest {
    bool save = false;
    QString title;
    QString initialDir;
    QString fileName;
    QString filter;      // "Description (*.ext)|*.ext|..."
    QString defaultExt;
};

// Returns the chosen file, or nothing when the user cancels.
using FileDialogResponder = std::function<std::optional<QString>(const FileDialogRequest&)>;
void SetFileDialogResponder(FileDialogResponder responder);

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}
    QString FileName;
    QString InitialDir;
    QString Filter;
    QString DefaultExt;
    QString Title;
    TOpenOptions Options;
    // True when the user chose a file; FileName then holds it.
    bool Execute();

protected:
    virtual bool IsSave() const { return false; }
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}

protected:
    bool IsSave() const override { return true; }
};

#include "platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

MessageDialogResponder& CurrentMessageResponder() {
    static MessageDialogResponder responder;
    return responder;
}

FileDialogResponder& CurrentFileResponder() {
    static FileDialogResponder responder;
    return responder;
}

TModalResult ShowRealMessageBox(const MessageDialogRequest& request) {
    QMessageBox box;
    static const QMessageBox::Icon icons[] = {QMessageBox::Warning, QMessageBox::Critical, QMessageBox::Information,
                                              QMessageBox::Question, QMessageBox::NoIcon};
    static const char* titles[] = {"Warning", "Error", "Information", "Confirm", ""};
    box.setIcon(icons[request.type]);
    box.setWindowTitle(QApplication::translate("MessageDlg", titles[request.type]));
    // Messages are plain text; a name or language text that looks like markup shows as written.
    box.setTextFormat(Qt::PlainText);
    box.setText(request.text);
    struct ButtonEntry {
        TMsgDlgBtn button;
        QMessageBox::StandardButton standard;
        TModalResult result;
    };
    static const ButtonEntry entries[] = {
        {mbYes, QMessageBox::Yes, mrYes},         {mbNo, QMessageBox::No, mrNo},
        {mbOK, QMessageBox::Ok, mrOk},            {mbCancel, QMessageBox::Cancel, mrCancel},
        {mbAbort, QMessageBox::Abort, mrAbort},   {mbRetry, QMessageBox::Retry, mrRetry},
        {mbIgnore, QMessageBox::Ignore, mrIgnore}};
    QMessageBox::StandardButtons buttons;
    for (const ButtonEntry& e : entries)
        if (request.buttons.Contains(e.button)) buttons |= e.standard;
    box.setStandardButtons(buttons);
    const int pressed = box.exec();
    for (const ButtonEntry& e : entries)
        if (pressed == e.standard) return e.result;
    return request.buttons.Contains(mbCancel) ? mrCancel : request.buttons.Contains(mbNo) ? mrNo : mrOk;
}

// "Text (*.a)|*.a|Other|*.b" becomes the Qt form "Text (*.a);;Other (*.b)".
QString ToQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // A description that already ends with its patterns, as "Text (*.a)" does, is not given them twice.
        const QString tail = QStringLiteral(" (") + patterns + QLatin1Char(')');
        out << (parts[i].endsWith(tail) ? parts[i] : parts[i] + tail);
    }
    return out.join(QStringLiteral(";;"));
}

}  // namespace

TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    const MessageDialogRequest request{text, type, buttons};
    if (CurrentMessageResponder()) return CurrentMessageResponder()(request);
    return ShowRealMessageBox(request);
}

void ShowErrorMessage(const QString& text) { MessageDlg(text, mtError, {mbOK}); }

bool AskYesNo(const QString& text) { return MessageDlg(text, mtConfirmation, {mbYes, mbNo}) == mrYes; }

void SetMessageDialogResponder(MessageDialogResponder responder) {
    CurrentMessageResponder() = std::move(responder);
}

void SetFileDialogResponder(FileDialogResponder responder) { CurrentFileResponder() = std::move(responder); }

bool TOpenDialog::Execute() {
    FileDialogRequest request{IsSave(), Title, InitialDir, FileName, Filter, DefaultExt};
    QString ext = DefaultExt;
    ext.remove(QLatin1Char('*'));
    if (!ext.isEmpty() && !ext.startsWith(QLatin1Char('.'))) ext.prepend(QLatin1Char('.'));
    std::optional<QString> chosen;
    if (CurrentFileResponder()) {
        chosen = CurrentFileResponder()(request);
    } else {
        QString start = InitialDir;
        if (!FileName.isEmpty()) start = InitialDir.isEmpty() ? FileName : InitialDir + QLatin1Char('/') + FileName;
        QFileDialog dialog(nullptr, Title, start, ToQtFilter(Filter));
        dialog.setAcceptMode(IsSave() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(IsSave() ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (IsSave() && !Options.Contains(ofOverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
        // The dialog adds the extension itself, so its overwrite question names the file that is written.
        dialog.setDefaultSuffix(ext.mid(1));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (!chosen) return false;
    QString name = *chosen;
    if (!ext.isEmpty() && !name.section(QLatin1Char('/'), -1).contains(QLatin1Char('.'))) name += ext;
    FileName = name;
    return true;
}

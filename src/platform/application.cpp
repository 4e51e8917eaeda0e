#include "platform/application.h"
#include "platform/form.h"

#include <QApplication>

TApplication* Application() {
    static TApplication application;
    return &application;
}

void TApplication::DestroyComponents() {
    FMainForm = nullptr;
    TComponent::DestroyComponents();
}

int TApplication::Run() {
    if (!FMainForm) return 0;
    // The main form's close ends the loop (see TForm::closeEvent), whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    FMainForm->show();
    return QApplication::exec();
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

void TApplication::Terminate() { QCoreApplication::quit(); }

#include "app/create_windows.h"
#include "platform/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    TApplication* application = Application();
    application->Initialize();
    application->SetMainFormOnTaskBar(true);
    Create_All_Windows(*application);
    const int code = application->Run();
    application->DestroyComponents();
    return code;
}

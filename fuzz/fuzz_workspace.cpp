#include "fuzz_workspace.h"

#include "core/program_state.h"
#include "platform/file_system.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

QString Fuzz_Program_Folder() {
    // In memory where the machine has it: the targets write a file per input.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/vastrelon-fuzz-XXXXXX")
                                                                          : QDir::tempPath() + QStringLiteral("/vastrelon-fuzz-XXXXXX"));
    Reset_Program_State();
    Set_Program_Folders(folder.path());
    Project_Name = QStringLiteral("fuzz");
    Project_Folder = PathJoin(Dir_Projects, Project_Name);
    Build_Configuration_Paths();
    ForceDirectories(PathJoin(Project_Folder, QStringLiteral("bin")));
    ForceDirectories(Dir_Language);
    return folder.path();
}

void Fuzz_Write_File(const QString& path, const std::uint8_t* data, std::size_t size) {
    QFile file(path);
    Fuzz_Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the fuzz input file cannot be written");
    Fuzz_Require(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
                 "the fuzz input file was written short");
}

QByteArray Fuzz_Read_File(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Fuzz_Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

void Fuzz_Ensure_Application() {
    if (qApp) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

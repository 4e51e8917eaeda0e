// A process that saves one of the program's files over and over, alternating its two
// versions, until it is killed:  save_loop_child <writer> <program folder>
// It says "saving" once its first save is done, so the killer knows the loop runs.

#include "save_loop_writers.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    Prepare_Save_Loop_Folder(QString::fromLocal8Bit(argv[2]));
    for (const TSaveLoopWriter& writer : Save_Loop_Writers()) {
        if (std::strcmp(writer.name, argv[1]) != 0) continue;
        for (int round = 0;; ++round) {
            if (!writer.save(round % 2)) return 1;
            if (round == 0) {
                std::puts("saving");
                std::fflush(stdout);
            }
        }
    }
    return 2;
}

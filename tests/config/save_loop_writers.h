#pragma once
// The writers of the program's files, each able to save one of two versions of its file,
// for the test that kills a process in the middle of its saves. The child process and the
// test share this table, so both know what a whole file of either version is.

#include <QString>
#include <vector>

struct TSaveLoopWriter {
    const char* name;
    QString (*path)();
    bool (*save)(int version);  // version 0 or 1; false when the writer reports a failure
};

const std::vector<TSaveLoopWriter>& Save_Loop_Writers();

// Points the program-wide state at the folder, with the configuration "Plant" open.
void Prepare_Save_Loop_Folder(const QString& programFolder);

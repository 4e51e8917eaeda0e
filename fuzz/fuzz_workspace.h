#pragma once
// A program folder of its own for the fuzz targets, made once per process, and the
// checks they make.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Points the program-wide state at the fuzz program folder (with an empty PROJECTS
// folder holding the configuration "fuzz" and its bin folder) and returns that folder.
QString Fuzz_Program_Folder();
// Replaces the file with exactly these bytes.
void Fuzz_Write_File(const QString& path, const std::uint8_t* data, std::size_t size);
QByteArray Fuzz_Read_File(const QString& path);
// Stops the run with the message when the condition does not hold.
void Fuzz_Require(bool condition, const char* what);
// Widgets need an application; the fuzz programs have none of their own.
void Fuzz_Ensure_Application();

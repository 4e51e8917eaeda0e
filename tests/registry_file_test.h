#pragma once
// Fixture for tests of the per-user settings store: the store reads an INI file in a
// temporary folder, which Store fills.

#include "platform/file_system.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

class RegistryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        SetUserRegistryFile(FDir.filePath(QStringLiteral("registry.ini")));
    }
    void TearDown() override { SetUserRegistryFile(QString()); }
    void Store(const char* text) { ASSERT_TRUE(WriteFileAtomically(UserRegistryFile(), QByteArray(text))); }

private:
    QTemporaryDir FDir;
};

#pragma once
// A current configuration "Plant" with its bin folder, its file paths built, and the
// decimal separator the test chooses ("." unless it sets another).

#include "core/program_state.h"
#include "platform/locale_settings.h"
#include "test_support.h"

#include <QDir>

class ConfigurationFixture : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        QDir().mkpath(PathIn("PROJECTS/Plant/bin"));
        Project_Folder = PathIn("PROJECTS/Plant");
        Build_Configuration_Paths();
        SetDecimalSeparatorSource([] { return QStringLiteral("."); });
    }
    void TearDown() override {
        SetDecimalSeparatorSource({});
        ProgramFolderTest::TearDown();
    }
};

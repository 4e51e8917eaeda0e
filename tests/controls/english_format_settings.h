#pragma once
// Runs a test with English separators and restores the program's settings afterwards.

#include "platform/format_settings.h"

#include <gtest/gtest.h>

class EnglishFormatSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        FSaved = FormatSettings();
        FormatSettings() = TFormatSettings{};  // ':' '/' ',' '.'
    }
    void TearDown() override { FormatSettings() = FSaved; }

private:
    TFormatSettings FSaved;
};

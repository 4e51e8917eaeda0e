// Date and time texts from format specifiers, with the settings' separators.

#include "platform/date_time_format.h"
#include "platform/format_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTimeFormat, SpecifiersAndSeparators) {
    const TFormatSettings keep = FormatSettings();
    FormatSettings().DateSeparator = QLatin1Char('.');
    FormatSettings().TimeSeparator = QLatin1Char(':');
    const QDateTime when(QDate(2026, 3, 7), QTime(9, 5, 4));
    const struct {
        const char* format;
        const char* text;
    } cases[] = {{"dd/mm/yyyy", "07.03.2026"}, {"d/m/yy", "7.3.26"}, {"hh:nn", "09:05"}, {"h:mm:ss", "9:05:04"},
                 {"yyyy-mm-dd", "2026-03-07"}, {"\"on\" dd", "on 07"},  {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromLatin1(c.format), when), QString::fromLatin1(c.text)) << c.format;
    FormatSettings() = keep;
}

}  // namespace

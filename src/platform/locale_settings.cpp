#include "platform/locale_settings.h"

#include <QLocale>

namespace {
DecimalSeparatorSource& CurrentSource() {
    static DecimalSeparatorSource source;
    return source;
}
}  // namespace

QString UserDecimalSeparator() {
    if (CurrentSource()) return CurrentSource()();
    return QLocale::system().decimalPoint();
}

void SetDecimalSeparatorSource(DecimalSeparatorSource source) { CurrentSource() = std::move(source); }

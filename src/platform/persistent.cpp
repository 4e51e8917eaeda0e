#include "platform/persistent.h"

void TPersistent::Assign(const TPersistent* Source) {
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2")
                            .arg(Source ? QStringLiteral("object") : QStringLiteral("nil"),
                                 QStringLiteral("object")));
}

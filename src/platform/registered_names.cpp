#include "platform/registered_names.h"

#include <QEvent>
#include <QHash>

int RegisterWindowMessage(const QString& Name) {
    static QHash<QString, int> registered;
    auto it = registered.find(Name);
    if (it == registered.end()) it = registered.insert(Name, QEvent::registerEventType());
    return it.value();
}

QString RegisterClipboardFormat(const QString& Name) {
    return QStringLiteral("application/x-registered-format;name=\"%1\"").arg(Name);
}

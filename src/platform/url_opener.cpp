#include "platform/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
UrlOpener& CurrentOpener() {
    static UrlOpener opener;
    return opener;
}
}  // namespace

void OpenURL(const QString& url) {
    if (CurrentOpener()) {
        CurrentOpener()(url);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

void SetUrlOpener(UrlOpener opener) { CurrentOpener() = std::move(opener); }

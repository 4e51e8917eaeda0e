#pragma once
// Opens a web address in the user's browser. Tests replace the opener.

#include <QString>
#include <functional>

using UrlOpener = std::function<void(const QString& url)>;

void OpenURL(const QString& url);
// Passing an empty function restores the real opener.
void SetUrlOpener(UrlOpener opener);

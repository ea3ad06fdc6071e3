#include "ShowURL.h"

#include "URLOpenerSeam.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

std::function<void(const std::string&)>& Opener() {
    static std::function<void(const std::string&)> opener;
    return opener;
}

// Only web addresses reach the browser: anything else could start another
// program through the desktop's file associations.
bool IsWebAddress(const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

} // namespace

void SetURLOpenerForTesting(std::function<void(const std::string&)> opener) {
    Opener() = std::move(opener);
}

void ShowURL(const std::string& address) {
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (!IsWebAddress(url)) {
        return;
    }
    if (Opener()) {
        Opener()(address);
        return;
    }
    // The outcome is not looked at: with no browser to start, nothing happens.
    QDesktopServices::openUrl(url);
}

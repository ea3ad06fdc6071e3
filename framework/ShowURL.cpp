#include "ShowURL.h"

#include "URLOpenerSeam.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

// A test's stand-in for the browser, when set.
std::function<void(const std::string&)> opener;

// Only web addresses reach the browser: anything else could start another
// program through the desktop's file associations.
bool IsWebAddress(const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

} // namespace

void SetURLOpenerForTesting(std::function<void(const std::string&)> standIn) {
    opener = std::move(standIn);
}

void ShowURL(const std::string& address) {
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (!IsWebAddress(url)) {
        return;
    }
    if (opener) {
        opener(address);
        return;
    }
    // The outcome is not looked at: with no browser to start, nothing happens.
    QDesktopServices::openUrl(url);
}

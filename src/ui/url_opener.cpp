#include "ui/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace zilvaro {

void DesktopUrlOpener::open(const QString& target) {
    // The result is deliberately ignored: any message comes from the desktop itself.
    QDesktopServices::openUrl(QUrl(target, QUrl::StrictMode));
}

UrlOpener& desktopUrlOpener() {
    static DesktopUrlOpener opener;
    return opener;
}

} // namespace zilvaro

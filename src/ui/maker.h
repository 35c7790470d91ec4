#pragma once

#include <QString>

// The maker's addresses, the one place they are kept. The About dialog and the no-entry
// notice build their captions and link targets from them.
namespace zilvaro::maker {

inline QString webSite() {
    return QStringLiteral("https://zilvaro.example");
}

// The page with the maker's other programs.
inline QString downloadPage() {
    return webSite() + QStringLiteral("/down.htm");
}

inline QString mailAddress() {
    return QStringLiteral("support@zilvaro.example");
}

// What the mail link opens: the address with the "mailto:" scheme, which the link's
// caption does not show.
inline QString mailTarget() {
    return QStringLiteral("mailto:") + mailAddress();
}

// The QQ contact number, shown but not a link.
inline QString qqNumber() {
    return QStringLiteral("10000");
}

} // namespace zilvaro::maker

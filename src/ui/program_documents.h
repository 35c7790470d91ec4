#pragma once

#include <QString>
#include <QUrl>

// The documents that lie in the program's folder beside it, built there and installed
// there with it: the guide in Chinese and in English and the licence texts. The About
// dialog and the no-entry notice link to them; they are the one place their names are
// kept. A link shows the document's name and opens the file.
namespace zilvaro::documents {

inline QString chineseGuide() {
    return QStringLiteral("README.zh-CN.md");
}

inline QString englishGuide() {
    return QStringLiteral("README.md");
}

inline QString licences() {
    return QStringLiteral("LICENCES.txt");
}

// What a link to one of them hands to the desktop: the file's address.
inline QString target(const QString& programDir, const QString& document) {
    return QUrl::fromLocalFile(programDir + u'/' + document).toString();
}

} // namespace zilvaro::documents

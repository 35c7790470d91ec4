#include "lookup/code_line.h"

#include "core/blank_text.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace zilvaro {

namespace {
const QString Separator = QStringLiteral("  ");
}

QString codeLine(QStringView fullCode, QStringView shortCode, QStringView rootCode) {
    const QString f = trimBlanks(fullCode).toString();
    const QString s = trimBlanks(shortCode).toString();
    const QString r = trimBlanks(rootCode).toString();
    std::optional<QString> line;
    if (r.size() < s.size() && s.size() < f.size()) {
        line = r + Separator + s + Separator + f;
    }
    if (s.size() < r.size() && r.size() < f.size()) {
        line = s + Separator + r + Separator + f;
    }
    if (r.size() == f.size() && s.isEmpty()) {
        line = r;
    }
    if (r.size() == f.size() && s.size() < r.size()) {
        line = s + Separator + r;
    }
    if (line) {
        return trimBlanks(*line).toString();
    }

    QStringList codes;
    for (const QString& code : {r, s, f}) {
        if (!code.isEmpty() && !codes.contains(code)) {
            codes.append(code);
        }
    }
    std::stable_sort(codes.begin(), codes.end(),
                     [](const QString& a, const QString& b) { return a.size() < b.size(); });
    return codes.join(Separator);
}

} // namespace zilvaro

#include "query/code_pattern.h"

namespace zilvaro::query {

std::optional<CodePattern> CodePattern::parse(QStringView text) {
    if (text.isEmpty() || text.size() > 4) {
        return std::nullopt;
    }
    CodePattern pattern;
    for (const QChar c : text) {
        const QChar key = c.toLower();
        if (key < u'a' || key > u'z') {
            return std::nullopt;
        }
        pattern.keys_ += key;
    }
    return pattern;
}

bool CodePattern::matchesStart(QStringView code) const {
    for (qsizetype i = 0; i < keys_.size(); ++i) {
        if (keys_[i] != u'z' && keys_[i] != code[i]) {
            return false;
        }
    }
    return true;
}

bool CodePattern::matches(QStringView code) const {
    return code.size() == keys_.size() && matchesStart(code);
}

bool CodePattern::begins(QStringView code) const {
    return code.size() > keys_.size() && matchesStart(code);
}

} // namespace zilvaro::query

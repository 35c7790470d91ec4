#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace zilvaro::query {

// A code as a typist asks for it: one to four keys a-z, where z stands for any key (no
// Wubi 86 code uses z). Upper-case letters are read as lower-case.
class CodePattern {
public:
    // nullopt when the text is no such code.
    static std::optional<CodePattern> parse(QStringView text);

    // The code is the pattern: as many keys, each the same or under a z.
    bool matches(QStringView code) const;
    // The code is longer than the pattern and begins with it.
    bool begins(QStringView code) const;
    const QString& text() const { return keys_; }

private:
    bool matchesStart(QStringView code) const;
    QString keys_;
};

} // namespace zilvaro::query

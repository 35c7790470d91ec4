#include "query/query_data.h"

#include "core/blank_text.h"
#include "core/failure.h"
#include "data/character_tables.h"
#include "data/record_file.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zilvaro::query {

QueryData QueryData::load(const QString& programDir) {
    const QDir dir(programDir);
    const QString recordPath = recordFilePath(programDir);
    RecordFile records(recordPath);
    records.checkLayout();
    const QString rootsPath = dir.filePath(QString::fromLatin1(RootFileName));
    const std::vector<RootEntry> rootEntries = readRootFile(rootsPath);
    QHash<QString, const RootEntry*> rootsOf;
    rootsOf.reserve(qsizetype(rootEntries.size()));
    for (const RootEntry& entry : rootEntries) {
        rootsOf.insert(entry.character, &entry);
    }

    std::vector<CharacterFacts> facts;
    facts.reserve(size_t(records.recordCount()));
    for (int n = 1; n <= records.recordCount(); ++n) {
        const CharacterRecord record = records.read(n);
        CharacterFacts f;
        f.character = trimTrailingBlanks(record.Character).toString();
        const RootEntry* roots = rootsOf.value(f.character);
        if (!roots) {
            throw Failure(QStringLiteral("The roots file %1 does not belong to the record file "
                                         "%2: it has no line for %3 (record %4)")
                              .arg(QDir::toNativeSeparators(rootsPath),
                                   QDir::toNativeSeparators(recordPath), f.character)
                              .arg(n));
        }
        f.roots = *roots;
        // The codes are the program's own, the ones the window shows; the record file must
        // have been built with them.
        const QStringList codes = wubiCodes(f.character);
        const QString recordCode = trimTrailingBlanks(record.FullCode).toString();
        if (codes.isEmpty() || codes.last() != recordCode) {
            throw Failure(QStringLiteral("The record file %1 does not belong to this program: it "
                                         "gives %2 the full code %3, the program %4")
                              .arg(QDir::toNativeSeparators(recordPath), f.character, recordCode,
                                   codes.isEmpty() ? QStringLiteral("no code") : codes.last()));
        }
        f.fullCode = codes.last();
        f.shortCodes = codes.mid(0, codes.size() - 1);
        f.readings = tonedReadings(f.character);
        facts.push_back(std::move(f));
    }
    if (rootEntries.size() != facts.size()) {
        throw Failure(
            QStringLiteral("The roots file %1 does not belong to the record file %2: "
                           "it holds %3 characters, the record file %4")
                .arg(QDir::toNativeSeparators(rootsPath), QDir::toNativeSeparators(recordPath))
                .arg(rootEntries.size())
                .arg(facts.size()));
    }
    return fromFacts(std::move(facts));
}

QueryData QueryData::fromFacts(std::vector<CharacterFacts> facts) {
    QueryData data;
    data.facts_ = std::move(facts);
    // The more frequent first; the characters the list lacks after them, in the order given
    // (the record file's code order).
    std::stable_sort(data.facts_.begin(), data.facts_.end(),
                     [](const CharacterFacts& a, const CharacterFacts& b) {
                         const int ra = a.roots.frequencyRank;
                         const int rb = b.roots.frequencyRank;
                         if ((ra == 0) != (rb == 0)) {
                             return rb == 0;
                         }
                         return ra < rb;
                     });
    data.index();
    return data;
}

void QueryData::index() {
    byCharacter_.clear();
    for (size_t i = 0; i < facts_.size(); ++i) {
        byCharacter_.insert(facts_[i].character, int(i));
    }
}

const CharacterFacts* QueryData::find(const QString& character) const {
    const auto it = byCharacter_.constFind(character);
    return it == byCharacter_.cend() ? nullptr : &facts_[size_t(*it)];
}

namespace {
bool isExact(const CodePattern& code, const CharacterFacts& f) {
    return code.matches(f.fullCode) ||
           std::any_of(f.shortCodes.begin(), f.shortCodes.end(),
                       [&](const QString& s) { return code.matches(s); });
}
} // namespace

std::vector<CodeHit> QueryData::byCode(const CodePattern& code, int limit) const {
    std::vector<CodeHit> hits;
    const auto full = [&] { return limit >= 0 && hits.size() >= size_t(limit); };
    for (const CharacterFacts& f : facts_) {
        if (full()) {
            return hits;
        }
        if (isExact(code, f)) {
            hits.push_back({&f, true});
        }
    }
    for (const CharacterFacts& f : facts_) {
        if (full()) {
            return hits;
        }
        if (!isExact(code, f) && code.begins(f.fullCode)) {
            hits.push_back({&f, false});
        }
    }
    return hits;
}

QString defaultProgramDir(const QString& executableDir, const QString& relative) {
    if (QFileInfo::exists(recordFilePath(executableDir))) {
        return executableDir;
    }
    return QDir::cleanPath(QDir(executableDir).filePath(relative));
}

} // namespace zilvaro::query

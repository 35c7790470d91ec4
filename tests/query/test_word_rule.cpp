// The word rule against the words of the published code table (rime-data-wubi's wubi86
// table): for every word of two to four GB2312 characters there, the rule must give the
// table's code, choosing among a character's full codes where the table gives several.
#include "common/gb2312.h"
#include "common/rime_code_table.h"
#include "core/blank_text.h"
#include "core/gbk.h"
#include "data/record_file.h"
#include "query/word_code.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

using namespace zilvaro;

namespace {

const QString RimeTable = QStringLiteral("/usr/share/rime-data/wubi86.dict.yaml");

// The characters of a text, one code point each.
QStringList charactersOf(const QString& text) {
    QStringList out;
    for (const char32_t c : text.toUcs4()) {
        out << QString::fromUcs4(&c, 1);
    }
    return out;
}

// Whether some choice of one code per character gives the code.
bool someChoiceGives(const QList<QStringList>& choices, const QString& code) {
    QList<QStringList> partial = {{}};
    for (const QStringList& options : choices) {
        QList<QStringList> next;
        for (const QStringList& prefix : partial) {
            for (const QString& option : options) {
                next.append(prefix + QStringList{option});
            }
        }
        partial = next;
    }
    for (const QStringList& codes : partial) {
        if (query::wordCode(codes) == code) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(WordRule, ReproducesTheWordsOfThePublishedCodeTable) {
    if (!QFile::exists(RimeTable)) {
        GTEST_SKIP() << RimeTable.toStdString() << " is missing: install rime-data-wubi";
    }
    const std::vector<tools::RimeEntry> entries = tools::readRimeCodeTable(RimeTable);
    const QStringList gb = tools::gb2312Texts();
    const QSet<QString> gb2312(gb.begin(), gb.end());

    // Each character's full codes: its codes that begin no longer code of it.
    const QHash<QString, QStringList> codes = tools::singleCharacterCodes(entries);
    QHash<QString, QStringList> fullCodes;
    for (auto it = codes.cbegin(); it != codes.cend(); ++it) {
        for (const QString& code : it.value()) {
            bool longest = true;
            for (const QString& other : it.value()) {
                longest = longest && !(other.size() > code.size() && other.startsWith(code));
            }
            if (longest) {
                fullCodes[it.key()].append(code);
            }
        }
    }
    // The record file's one full code a character, where the data is built.
    QHash<QString, QString> recordCodes;
    const QString recordPath = recordFilePath(QStringLiteral(ZILVARO_PROGRAM_DIR));
    if (QFile::exists(recordPath)) {
        RecordFile records(recordPath);
        for (int n = 1; n <= records.recordCount(); ++n) {
            const CharacterRecord r = records.read(n);
            recordCodes.insert(trimTrailingBlanks(r.Character).toString(),
                               trimTrailingBlanks(r.FullCode).toString());
        }
    }

    int lines = 0;
    int compared = 0;
    int reproduced = 0;
    int byRecord = 0;
    std::map<QString, int> kinds;
    QStringList examples;
    QSet<QPair<QString, QString>> seen;
    for (const tools::RimeEntry& e : entries) {
        const QStringList characters = charactersOf(e.text);
        if (characters.size() < 2 || characters.size() > 4 ||
            !std::all_of(characters.begin(), characters.end(),
                         [&](const QString& c) { return gb2312.contains(c); })) {
            continue;
        }
        ++lines;
        if (seen.contains({e.text, e.code})) {
            continue; // the same word with the same code on another line
        }
        seen.insert({e.text, e.code});
        ++compared;
        QList<QStringList> choices;
        QStringList fromRecords;
        bool several = false;
        for (const QString& c : characters) {
            choices.append(fullCodes.value(c));
            several = several || fullCodes.value(c).size() > 1;
            fromRecords.append(recordCodes.value(c));
        }
        if (!recordCodes.isEmpty() && query::wordCode(fromRecords) == e.code) {
            ++byRecord;
        }
        if (someChoiceGives(choices, e.code)) {
            ++reproduced;
            continue;
        }
        const QString kind = several ? QStringLiteral("a character with several full codes, "
                                                      "none of which gives the table's code")
                                     : QStringLiteral("coded otherwise than by the rule");
        ++kinds[QStringLiteral("%1 characters, %2").arg(characters.size()).arg(kind)];
        QStringList parts;
        for (qsizetype i = 0; i < characters.size(); ++i) {
            parts << characters[i] + u' ' + choices[i].join(u'/');
        }
        QStringList firstChoice;
        for (const QStringList& c : choices) {
            firstChoice << c.value(0);
        }
        examples << QStringLiteral("%1 %2 (rule: %3; %4)")
                        .arg(e.text, e.code, query::wordCode(firstChoice),
                             parts.join(QStringLiteral(", ")));
    }
    std::printf("word rule: %d of %d words of two to four GB2312 characters reproduced (%.3f%%); "
                "the table has %d lines of such words\n",
                reproduced, compared, 100.0 * reproduced / std::max(compared, 1), lines);
    if (!recordCodes.isEmpty()) {
        std::printf("word rule with the record file's full codes: %d of %d\n", byRecord, compared);
    }
    for (const auto& [kind, count] : kinds) {
        std::printf("  differ: %d  %s\n", count, qPrintable(kind));
    }
    for (const QString& example : examples) {
        std::printf("    %s\n", qPrintable(example));
    }
    EXPECT_GT(compared, 60000);
    EXPECT_GE(reproduced, compared * 0.999);
    if (!recordCodes.isEmpty()) {
        EXPECT_GE(byRecord, compared * 0.998);
    }
}

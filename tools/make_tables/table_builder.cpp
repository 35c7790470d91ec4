#include "table_builder.h"

#include <QSet>

#include <algorithm>
#include <climits>

namespace make_tables {

namespace {

const std::array<QStringView, 5> letterGroups = {u"abcde", u"fghijk", u"lmnopq", u"rstuvwx", u"yz"};

QByteArray gbkCharacter(const Gb2312Character& c) {
    return QByteArray(1, static_cast<char>(c.code >> 8)) +
           QByteArray(1, static_cast<char>(c.code & 0xFF));
}

QString firstSyllable(const QStringList& readings, const QSet<QString>& syllables) {
    for (const QString& reading : readings) {
        if (syllables.contains(reading)) {
            return reading;
        }
    }
    return {};
}

bool isComponent(const UnihanEntry& entry) {
    const bool namedRadical =
        entry.definition.contains(u"radical") || entry.definition.contains(u"rad. no.");
    return namedRadical && entry.tghz2013.isEmpty() && entry.xhc1983.isEmpty();
}

// The further readings of a character, by source in order of trust, main reading excluded.
std::array<QStringList, 4> furtherReadings(const UnihanEntry& entry) {
    return {entry.mandarin, entry.tghz2013, entry.xhc1983, entry.hanyuPinyin};
}

} // namespace

int pinyinSegmentOf(const QString& syllable) {
    if (syllable.isEmpty()) {
        return 0;
    }
    for (int i = 0; i < 5; ++i) {
        if (letterGroups[i].contains(syllable[0])) {
            return i + 1;
        }
    }
    return 0;
}

bool reverseLookupKeeps(const QString& main, const QString& other) {
    const int mainSegment = pinyinSegmentOf(main);
    const int otherSegment = pinyinSegmentOf(other);
    return otherSegment > mainSegment || (otherSegment == mainSegment && other < main);
}

PinyinPlan planReadings(const QList<Gb2312Character>& characters,
                        const QHash<QString, UnihanEntry>& unihan, const QStringList& syllables) {
    const QSet<QString> known(syllables.begin(), syllables.end());
    PinyinPlan plan;
    QHash<QString, qsizetype> indexOf; // character -> position in plan.readings
    for (const Gb2312Character& c : characters) {
        const UnihanEntry entry = unihan.value(c.character);
        if (isComponent(entry)) {
            plan.components.append(c.character);
            continue;
        }
        QString main = firstSyllable(entry.mandarin, known);
        for (const QStringList& source : {entry.tghz2013, entry.xhc1983, entry.hanyuPinyin}) {
            if (main.isEmpty()) {
                main = firstSyllable(source, known);
            }
        }
        if (main.isEmpty()) {
            plan.unread.append(c.character);
            continue;
        }
        indexOf.insert(c.character, plan.readings.size());
        plan.readings.append({c, {main}});
    }

    // Syllables that no main reading fills.
    QSet<QString> filled;
    for (const CharacterReadings& r : plan.readings) {
        filled.insert(r.syllables.first());
    }
    for (const QString& syllable : syllables) {
        if (filled.contains(syllable)) {
            continue;
        }
        // The characters that the given source reads with the syllable and that carry
        // only their main reading so far.
        const auto givenTo = [&](int source) {
            QList<qsizetype> found;
            for (qsizetype i = 0; i < plan.readings.size(); ++i) {
                const CharacterReadings& r = plan.readings[i];
                const UnihanEntry entry = unihan.value(r.character.character);
                if (r.syllables.size() == 1 && furtherReadings(entry)[source].contains(syllable)) {
                    found.append(i);
                }
            }
            return found;
        };
        // A second row for every character of the most trusted source that has any.
        for (int source = 0; source < 4 && !filled.contains(syllable); ++source) {
            for (qsizetype i : givenTo(source)) {
                CharacterReadings& r = plan.readings[i];
                if (reverseLookupKeeps(r.syllables.first(), syllable)) {
                    r.syllables.append(syllable);
                    filled.insert(syllable);
                }
            }
        }
        // No character keeps its main reading with this one as a second row: make it the
        // main reading of the first character the most trusted source gives it for,
        // keeping the old main reading as the second row.
        for (int source = 0; source < 4 && !filled.contains(syllable); ++source) {
            for (qsizetype i : givenTo(source)) {
                CharacterReadings& r = plan.readings[i];
                if (reverseLookupKeeps(syllable, r.syllables.first())) {
                    r.syllables.prepend(syllable);
                    plan.promoted.append(r.character.character + u' ' + syllable);
                    filled.insert(syllable);
                    break;
                }
            }
        }
        if (!filled.contains(syllable)) {
            throw DataError(QStringLiteral("no GB2312 character is read \"%1\"").arg(syllable));
        }
    }

    // Common further readings, by the counts of kHanyuPinlu.
    for (CharacterReadings& r : plan.readings) {
        if (r.syllables.size() > 1) {
            continue;
        }
        const QString& main = r.syllables.first();
        QString best;
        int bestCount = 0;
        for (const auto& [reading, count] : unihan.value(r.character.character).pinlu) {
            if (reading != main && known.contains(reading) && reverseLookupKeeps(main, reading) &&
                count > bestCount) {
                best = reading;
                bestCount = count;
            }
        }
        if (!best.isEmpty()) {
            r.syllables.append(best);
        }
    }
    return plan;
}

std::array<QByteArray, 5> pinyinSegments(const PinyinPlan& plan) {
    struct Row {
        QString syllable;
        Gb2312Character character;
    };
    QList<Row> rows;
    for (const CharacterReadings& r : plan.readings) {
        for (const QString& syllable : r.syllables) {
            rows.append({syllable, r.character});
        }
    }
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return a.syllable != b.syllable ? a.syllable < b.syllable
                                        : a.character.code < b.character.code;
    });
    std::array<QByteArray, 5> segments;
    for (const Row& row : rows) {
        const int segment = pinyinSegmentOf(row.syllable);
        if (segment == 0 || row.syllable.size() > 6) {
            throw DataError(
                QStringLiteral("syllable \"%1\" fits no pinyin segment").arg(row.syllable));
        }
        segments[segment - 1] +=
            gbkCharacter(row.character) + row.syllable.leftJustified(6, u' ').toLatin1() + "\r\n";
    }
    for (QByteArray& segment : segments) {
        segment += "        \r\n";
    }
    return segments;
}

QString strokeCode(const QList<int>& classes) {
    QList<int> digits = classes.mid(0, 4);
    if (classes.size() >= 5) {
        digits.append(classes.last());
    }
    QString code;
    for (int d : digits) {
        code.append(QChar(u'0' + d));
    }
    return code.leftJustified(5, u'0');
}

QList<StrokeRow> strokeRows(const QList<Gb2312Character>& characters, const StrokeOrders& orders,
                            const QList<SupplementLine>& supplementLines,
                            const QHash<QString, int>& frequencyRanks) {
    QHash<QString, QString> supplement;
    for (const SupplementLine& line : supplementLines) {
        supplement.insert(line.character, line.letters);
    }
    QHash<QChar, int> classes;
    for (auto it = orders.letters.begin(); it != orders.letters.end(); ++it) {
        classes.insert(it.key(), strokeClass(it.value()));
    }
    QList<StrokeRow> rows;
    for (const Gb2312Character& c : characters) {
        // A supplement entry for a character the package has corrects the package (皙,
        // whose package entry lacks a stroke).
        const bool inPackage = orders.orders.contains(c.character);
        const bool corrected = supplement.contains(c.character);
        if (!inPackage && !corrected) {
            throw DataError(QStringLiteral("%1 (GB2312 %2) has no stroke order")
                                .arg(c.character)
                                .arg(c.code, 4, 16));
        }
        const QString letters =
            corrected ? supplement.value(c.character) : orders.orders.value(c.character);
        QList<int> strokes;
        for (const QChar letter : letters) {
            if (!classes.contains(letter)) {
                throw DataError(QStringLiteral("%1: unknown stroke letter \"%2\"")
                                    .arg(c.character, QString(letter)));
            }
            strokes.append(classes.value(letter));
        }
        rows.append({c, strokeCode(strokes), frequencyRanks.value(c.character, 0)});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const StrokeRow& a, const StrokeRow& b) {
        if (a.code != b.code) {
            return a.code < b.code;
        }
        if (a.character.levelOne() != b.character.levelOne()) {
            return a.character.levelOne();
        }
        // Listed characters by rank, unlisted after them; ties stay in code order.
        const int ra = a.frequencyRank == 0 ? INT_MAX : a.frequencyRank;
        const int rb = b.frequencyRank == 0 ? INT_MAX : b.frequencyRank;
        return ra < rb;
    });
    return rows;
}

std::array<QByteArray, 5> strokeSegments(const QList<StrokeRow>& rows) {
    std::array<QByteArray, 5> segments;
    for (const StrokeRow& row : rows) {
        const int first = row.code[0].unicode() - u'0';
        if (first < 1 || first > 5) {
            throw DataError(QStringLiteral("%1 has the stroke code %2, which starts no segment")
                                .arg(row.character.character, row.code));
        }
        segments[first - 1] += gbkCharacter(row.character) + row.code.toLatin1() + "\r\n";
    }
    return segments;
}

} // namespace make_tables

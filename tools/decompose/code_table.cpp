#include "code_table.h"

#include "common/data_error.h"
#include "common/rime_code_table.h"
#include "core/gbk.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>

namespace zilvaro::decompose {

using tools::DataError;

namespace {
bool isCode(const QString& code) {
    static const QRegularExpression pattern(QStringLiteral("^[a-y]{1,4}$"));
    return pattern.match(code).hasMatch();
}
} // namespace

CodeTable CodeTable::loadRime(const QString& path) {
    return fromRime(tools::readRimeCodeTable(path));
}

CodeTable CodeTable::fromRime(const std::vector<tools::RimeEntry>& entries) {
    CodeTable table;
    const QHash<QString, QStringList> codes = tools::singleCharacterCodes(entries);
    for (auto it = codes.cbegin(); it != codes.cend(); ++it)
        for (const QString& code : it.value())
            table.add(it.key(), code);
    return table;
}

CodeTable CodeTable::loadIbus(const QString& path) {
    if (!QFile::exists(path))
        throw DataError(path, 0, QStringLiteral("does not exist"));
    const QString name = QUuid::createUuid().toString();
    CodeTable table;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            throw DataError(path, 0, db.lastError().text());
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SELECT id, tabkeys, phrase FROM phrases ORDER BY id")))
            throw DataError(path, 0, query.lastError().text());
        while (query.next()) {
            const int id = query.value(0).toInt();
            const QString code = query.value(1).toString();
            const QString phrase = query.value(2).toString();
            if (code.startsWith(u'z') || characterCount(phrase) != 1)
                continue;
            if (!isCode(code))
                throw DataError(
                    path, 0,
                    QStringLiteral("phrase id %1 has the bad code \"%2\"").arg(id).arg(code));
            table.add(phrase, code);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return table;
}

void CodeTable::add(const QString& character, const QString& code) {
    QStringList& list = codes_[character];
    if (list.contains(code))
        return;
    list.append(code);
    std::stable_sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
}

QStringList CodeTable::codes(const QString& character) const {
    return codes_.value(character);
}

QString CodeTable::fullCode(const QString& character) const {
    const QStringList list = codes_.value(character);
    return list.isEmpty() ? QString() : list.last();
}

QString shortCode(const QStringList& codes, const QString& fullCode, const QString& rootCode) {
    QString best;
    for (const QString& code : codes)
        if (code.size() < fullCode.size() && code != rootCode &&
            (best.isEmpty() || code.size() < best.size()))
            best = code;
    return best;
}

QVector<CodeDisagreement> compareCodes(const CodeTable& first, const CodeTable& second,
                                       const QStringList& characters) {
    QVector<CodeDisagreement> out;
    for (const QString& c : characters) {
        const QStringList a = first.codes(c);
        const QStringList b = second.codes(c);
        if (a != b)
            out.append({c, a, b, first.fullCode(c) != second.fullCode(c)});
    }
    return out;
}

} // namespace zilvaro::decompose

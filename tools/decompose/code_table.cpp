#include "code_table.h"

#include "common/data_error.h"
#include "common/input_file.h"
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
using tools::readUtf8InputFile;

namespace {
bool isCode(const QString& code) {
    static const QRegularExpression pattern(QStringLiteral("^[a-y]{1,4}$"));
    return pattern.match(code).hasMatch();
}
} // namespace

CodeTable CodeTable::loadRime(const QString& path) {
    return parseRime(readUtf8InputFile(path), path);
}

CodeTable CodeTable::parseRime(const QString& text, const QString& path) {
    CodeTable table;
    const QStringList lines = text.split(u'\n');
    bool body = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!body) {
            body = line == u"...";
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = line.split(u'\t');
        if (f.size() < 2 || f[0].isEmpty() || f[1].isEmpty())
            throw DataError(path, i + 1, QStringLiteral("expected text, tab, code"));
        if (f[1].startsWith(u'z') || characterCount(f[0]) != 1)
            continue;
        if (!isCode(f[1]))
            throw DataError(path, i + 1, QStringLiteral("bad code \"%1\"").arg(f[1]));
        table.add(f[0], f[1]);
    }
    if (!body)
        throw DataError(path, 0, QStringLiteral("the header has no end line \"...\""));
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

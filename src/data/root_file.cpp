#include "data/root_file.h"

#include "core/failure.h"
#include "core/regular_file.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

namespace zilvaro {

namespace {

const QString FormatLine = QStringLiteral("# Zilvaro roots 2");
const QString ColumnNote = QStringLiteral(
    ": character, kind, frequency rank, identification code, then key and name of each root");

// The format line of a first line: what stands before the note of the columns.
QString formatLineOf(const QString& firstLine) {
    return firstLine.section(u':', 0, 0).trimmed();
}

bool isKind(const QString& kind) {
    return kind == u"key" || kind == u"root" || kind == u"stroke" || kind == u"compound";
}

bool isKey(QChar c) {
    return c >= u'a' && c <= u'y';
}

bool isPlainText(const QString& text) {
    return !text.isEmpty() && !text.contains(u'\t') && !text.contains(u'\n') &&
           !text.contains(u'\r');
}

} // namespace

QByteArray formatRootFile(const std::vector<RootEntry>& entries, QString* error) {
    const auto fail = [&](const RootEntry& entry, const QString& what) {
        if (error) {
            *error = QStringLiteral("%1: %2").arg(entry.character, what);
        }
        return QByteArray();
    };
    QString text = FormatLine + ColumnNote + u'\n';
    for (const RootEntry& entry : entries) {
        if (!isPlainText(entry.character)) {
            return fail(entry, QStringLiteral("the character cannot stand in a line"));
        }
        if (!isKind(entry.kind)) {
            return fail(entry, QStringLiteral("unknown kind \"%1\"").arg(entry.kind));
        }
        if (entry.roots.isEmpty()) {
            return fail(entry, QStringLiteral("no root"));
        }
        if (!entry.identification.isNull() && !isKey(entry.identification)) {
            return fail(entry, QStringLiteral("the identification code is no letter a-y"));
        }
        QStringList fields = {
            entry.character, entry.kind,
            entry.frequencyRank > 0 ? QString::number(entry.frequencyRank) : QStringLiteral("-"),
            entry.identification.isNull() ? QStringLiteral("-") : QString(entry.identification)};
        for (const RootEntry::Root& root : entry.roots) {
            if (!isKey(root.key) || !isPlainText(root.name)) {
                return fail(
                    entry,
                    QStringLiteral("root \"%1%2\" has no line form").arg(root.key).arg(root.name));
            }
            fields.append(root.key + root.name);
        }
        text += fields.join(u'\t') + u'\n';
    }
    return text.toUtf8();
}

std::vector<RootEntry> parseRootFile(const QByteArray& bytes, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const auto fail = [&](int line, const QString& what) {
        throw Failure(QStringLiteral("The roots file %1 is damaged at line %2: %3")
                          .arg(shown)
                          .arg(line)
                          .arg(what));
    };
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        throw Failure(
            QStringLiteral("The roots file %1 is damaged: it is not UTF-8 text").arg(shown));
    }
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    const QString format = lines.isEmpty() ? QString() : formatLineOf(lines.first());
    if (format != FormatLine) {
        if (format.startsWith(FormatLine.chopped(1))) {
            throw Failure(QStringLiteral("The roots file %1 is of another version of Zilvaro: it "
                                         "says \"%2\", this version reads \"%3\"")
                              .arg(shown, format, FormatLine));
        }
        throw Failure(QStringLiteral("The roots file %1 is not one: its first line is not \"%2\"")
                          .arg(shown, FormatLine));
    }
    std::vector<RootEntry> entries;
    QSet<QString> seen;
    for (int i = 1; i < lines.size(); ++i) {
        const int number = i + 1;
        QString line = lines[i];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        const QStringList fields = line.split(u'\t');
        if (fields.size() < 5) {
            fail(number, QStringLiteral("expected at least five tab-separated fields, found %1")
                             .arg(fields.size()));
        }
        RootEntry entry;
        entry.character = fields[0];
        if (entry.character.isEmpty()) {
            fail(number, QStringLiteral("no character"));
        }
        if (seen.contains(entry.character)) {
            fail(number, QStringLiteral("%1 is listed a second time").arg(entry.character));
        }
        seen.insert(entry.character);
        entry.kind = fields[1];
        if (!isKind(entry.kind)) {
            fail(number, QStringLiteral("unknown kind \"%1\"").arg(entry.kind));
        }
        if (fields[2] != u"-") {
            bool ok = false;
            entry.frequencyRank = fields[2].toInt(&ok);
            if (!ok || entry.frequencyRank < 1 || fields[2].startsWith(u'+')) {
                fail(number, QStringLiteral("bad frequency rank \"%1\"").arg(fields[2]));
            }
        }
        if (fields[3] != u"-") {
            if (fields[3].size() != 1 || !isKey(fields[3][0])) {
                fail(number, QStringLiteral("bad identification code \"%1\"").arg(fields[3]));
            }
            entry.identification = fields[3][0];
        }
        for (qsizetype f = 4; f < fields.size(); ++f) {
            const QString& root = fields[f];
            if (root.size() < 2 || !isKey(root[0])) {
                fail(number, QStringLiteral("root \"%1\" is not a key and a name").arg(root));
            }
            entry.roots.append({root[0], root.mid(1)});
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<RootEntry> readRootFile(const QString& path) {
    QFile file(path);
    openRegularFile(file, QStringLiteral("the roots file"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw Failure(
            cannotOpenMessage(QStringLiteral("the roots file"), path, file.errorString()));
    }
    return parseRootFile(bytes, path);
}

} // namespace zilvaro

#include "strokes.h"

#include "common/data_error.h"
#include "common/hanzi_writer.h"
#include "common/input_file.h"

#include "lookup/identification_code.h"

#include <QSet>

namespace zilvaro::decompose {

using tools::DataError;

QChar strokeKey(int strokeClass) {
    static const char keys[] = "ghtyn";
    return strokeClass >= 1 && strokeClass <= 5 ? QChar(keys[strokeClass - 1]) : QChar();
}

QChar identificationKey(int strokeClass, int structure) {
    return identificationLetter(strokeClass, structure);
}

StrokeNames StrokeNames::loadCncharOrder(const QString& path) {
    const tools::StrokeOrders orders = tools::readStrokeOrders(path);
    StrokeNames names;
    for (auto it = orders.letters.cbegin(); it != orders.letters.cend(); ++it)
        names.setLetterNames(it.key(), it.value().name.split(u'|'));
    names.letters_ = orders.orders;
    for (auto it = names.letters_.cbegin(); it != names.letters_.cend(); ++it)
        for (QChar letter : it.value())
            if (!names.names_.contains(letter))
                throw DataError(path, 0,
                                QStringLiteral("%1 has the unknown stroke letter %2")
                                    .arg(it.key(), QString(letter)));
    return names;
}

void StrokeNames::addSupplement(const QString& path) {
    for (const tools::SupplementLine& line : tools::readStrokeSupplement(path)) {
        for (QChar letter : line.letters)
            if (!names_.contains(letter))
                throw DataError(path, line.line,
                                QStringLiteral("unknown stroke letter %1").arg(letter));
        if (letters_.contains(line.character))
            corrected_.append(line.character);
        letters_.insert(line.character, line.letters);
    }
}

void StrokeNames::addDrawingOrder(const QString& path) {
    QSet<QString> seen;
    for (const tools::TsvLine& line : tools::tsvLines(tools::readUtf8InputFile(path))) {
        const int number = line.number;
        const QStringList& fields = line.fields;
        if (fields.size() != 2 || fields[0].isEmpty() || fields[1].isEmpty())
            throw DataError(path, number, QStringLiteral("expected character, tab, strokes"));
        const QString& character = fields[0];
        if (!letters_.contains(character))
            throw DataError(path, number,
                            QStringLiteral("%1 has no stroke names to reorder").arg(character));
        if (seen.contains(character))
            throw DataError(path, number, QStringLiteral("%1 is reordered twice").arg(character));
        seen.insert(character);
        const QString written = letters_.value(character);
        const QStringList numbers = fields[1].split(u',');
        if (numbers.size() != written.size())
            throw DataError(path, number,
                            QStringLiteral("%1 strokes given, %2 has %3")
                                .arg(numbers.size())
                                .arg(character)
                                .arg(written.size()));
        QString drawn;
        QVector<bool> used(written.size(), false);
        for (const QString& n : numbers) {
            bool ok = false;
            const int s = n.toInt(&ok);
            if (!ok || s < 0 || s >= written.size() || used[s])
                throw DataError(path, number,
                                QStringLiteral("\"%1\" is not a stroke number used once").arg(n));
            used[s] = true;
            drawn += written[s];
        }
        letters_.insert(character, drawn);
        reordered_.append(character);
    }
}

QString StrokeNames::classes(const QString& character) const {
    QString out;
    for (QChar letter : letters_.value(character))
        out += QChar(u'0' + classes_.value(letter, 0));
    return out;
}

void StrokeNames::setLetterNames(QChar letter, const QStringList& names) {
    names_.insert(letter, names);
    classes_.insert(letter, names.isEmpty() ? 0 : strokeClassOfName(names.first()));
}

void StrokeNames::setLetters(const QString& character, const QString& letters) {
    letters_.insert(character, letters);
}

StrokeOutline loadHanziWriter(const QString& folder, const QString& character) {
    const tools::HanziWriterEntry entry = tools::readHanziWriterEntry(folder, character);
    if (entry.strokes.isEmpty())
        throw DataError(QStringLiteral("%1: no strokes").arg(entry.source));
    return {tools::medianLines(entry)};
}

} // namespace zilvaro::decompose

#include "data/character_lists.h"

#include "core/failure.h"
#include "core/gbk.h"

namespace zilvaro {

namespace {

bool isOneCharacter(const QString& text) {
    return !text.isEmpty() && characterCount(text) == 1 && !text[0].isSpace();
}

bool isItem(QStringView item) {
    return !item.isEmpty() && !item.contains(u' ') && !item.contains(u'\t') &&
           !item.contains(u'\r') && !item.contains(u'\n');
}

} // namespace

QString formatCharacterListLine(const QString& character, const QStringList& items) {
    if (!isOneCharacter(character)) {
        throw Failure(QStringLiteral("\"%1\" is not one character").arg(character));
    }
    if (items.isEmpty()) {
        throw Failure(QStringLiteral("%1 has no items").arg(character));
    }
    for (const QString& item : items) {
        if (!isItem(item)) {
            throw Failure(QStringLiteral("%1: \"%2\" is no item").arg(character, item));
        }
    }
    return character + u'\t' + items.join(u' ') + u'\n';
}

QHash<QString, QStringList> parseCharacterList(const QString& text, const QString& name) {
    QHash<QString, QStringList> lists;
    if (!text.isEmpty() && !text.endsWith(u'\n')) {
        throw Failure(QStringLiteral("%1: the last line has no line break").arg(name));
    }
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QStringView line = lines[i];
        if (line.startsWith(u'#')) {
            continue;
        }
        const auto fault = [&](const QString& what) {
            return Failure(QStringLiteral("%1:%2: %3").arg(name).arg(i + 1).arg(what));
        };
        const qsizetype tab = line.indexOf(u'\t');
        const QString character = line.left(tab).toString();
        if (tab < 0 || !isOneCharacter(character)) {
            throw fault(QStringLiteral("expected a character, a tab and its items"));
        }
        QStringList items;
        for (const QStringView item : line.mid(tab + 1).split(u' ')) {
            if (!isItem(item)) {
                throw fault(QStringLiteral("an item is empty or holds a tab or line break"));
            }
            items.append(item.toString());
        }
        if (lists.contains(character)) {
            throw fault(QStringLiteral("%1 is listed twice").arg(character));
        }
        lists.insert(character, items);
    }
    return lists;
}

} // namespace zilvaro

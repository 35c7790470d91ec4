#include "decomposition.h"

#include "common/data_error.h"

#include <core/gbk.h>

#include <QStringList>

namespace zilvaro::build {

namespace {

bool isCode(const QString& code, qsizetype minLength) {
    if (code.size() < minLength || code.size() > 4) {
        return false;
    }
    for (const QChar c : code) {
        if (c < u'a' || c > u'y') {
            return false;
        }
    }
    return true;
}

CharacterKind parseKind(const QString& text, const QString& where) {
    if (text == u"key") {
        return CharacterKind::Key;
    }
    if (text == u"root") {
        return CharacterKind::Root;
    }
    if (text == u"stroke") {
        return CharacterKind::Stroke;
    }
    if (text == u"compound") {
        return CharacterKind::Compound;
    }
    throw tools::DataError(QStringLiteral("%1: unknown kind \"%2\"").arg(where, text));
}

Root parseRoot(const QString& field, const QString& where) {
    const qsizetype colon = field.indexOf(u':');
    if (colon != 1 || field[0] < u'a' || field[0] > u'y') {
        throw tools::DataError(
            QStringLiteral("%1: root \"%2\" is not key:strokes").arg(where, field));
    }
    Root root{field[0], {}};
    for (const QString& number : field.mid(2).split(u',')) {
        bool ok = !number.isEmpty() && number.size() <= 4;
        for (const QChar c : number) {
            ok = ok && c >= u'0' && c <= u'9';
        }
        const int stroke = ok ? number.toInt() : -1;
        if (!ok) {
            throw tools::DataError(
                QStringLiteral("%1: root \"%2\" has a bad stroke number").arg(where, field));
        }
        root.strokes.push_back(stroke);
    }
    return root;
}

// The root code a compound of these roots must have: the keys of its first three roots
// and its last.
QString compoundRootCode(const std::vector<Root>& roots) {
    QString code;
    for (size_t i = 0; i < roots.size() && i < 3; ++i) {
        code += roots[i].key;
    }
    if (roots.size() >= 4) {
        code += roots.back().key;
    }
    return code;
}

void checkCodes(const Decomposition& e, const QString& where) {
    const auto fail = [&](const QString& what) {
        throw tools::DataError(QStringLiteral("%1: %2").arg(where, what));
    };
    switch (e.kind) {
    case CharacterKind::Key:
    case CharacterKind::Root:
        if (e.roots.size() != 1) {
            fail(QStringLiteral("a key-name character or character root has one root field"));
        }
        if (e.rootCode != e.fullCode || e.rootCode.size() < 2) {
            fail(QStringLiteral("its root code must be its full code of two letters or more"));
        }
        if (e.roots[0].key != e.fullCode[0]) {
            fail(QStringLiteral("its root key is not the first letter of its code"));
        }
        break;
    case CharacterKind::Stroke:
        if (e.roots.size() != 1) {
            fail(QStringLiteral("a single stroke has one root field"));
        }
        if (e.rootCode.size() != 2 || e.fullCode.size() < 3 ||
            !isIdentificationLetter(e.fullCode[2])) {
            fail(QStringLiteral("a single stroke needs a two-letter root code and an "
                                "identification letter third in its full code"));
        }
        break;
    case CharacterKind::Compound:
        if (e.roots.size() < 2) {
            fail(QStringLiteral("a compound has two roots or more"));
        }
        if (e.rootCode != compoundRootCode(e.roots)) {
            fail(QStringLiteral("its root code \"%1\" does not match its roots \"%2\"")
                     .arg(e.rootCode, compoundRootCode(e.roots)));
        }
        if (e.roots.size() <= 3) {
            // The slot after the last root shows the identification code, named by the
            // full code's letter after the roots.
            const qsizetype mark = static_cast<qsizetype>(e.roots.size());
            if (e.fullCode.size() <= mark || !e.fullCode.startsWith(e.rootCode) ||
                !isIdentificationLetter(e.fullCode[mark])) {
                fail(QStringLiteral("its full code must be its root code followed by an "
                                    "identification letter"));
            }
        } else if (e.fullCode != e.rootCode) {
            fail(QStringLiteral("with four roots or more its full code is its root code"));
        }
        break;
    }
}

} // namespace

bool isIdentificationLetter(QChar letter) {
    return QStringView(u"gfdhjktreyuinbvl").contains(letter);
}

Decomposition parseDecompositionLine(const QString& line, const QString& where) {
    const QStringList fields = line.split(u'\t');
    if (fields.size() < 6) {
        throw tools::DataError(
            QStringLiteral("%1: expected at least six tab-separated fields, found %2")
                .arg(where)
                .arg(fields.size()));
    }
    Decomposition e;
    e.character = fields[0];
    if (characterCount(e.character) != 1 || !isDoubleByte(e.character)) {
        throw tools::DataError(QStringLiteral("%1: \"%2\" is not one double-byte GBK character")
                                   .arg(where, e.character));
    }
    const QString at = QStringLiteral("%1: %2").arg(where, e.character);
    e.fullCode = fields[1];
    e.shortCode = fields[2];
    e.rootCode = fields[3];
    if (!isCode(e.fullCode, 1) || !isCode(e.shortCode, 0) || !isCode(e.rootCode, 1)) {
        throw tools::DataError(QStringLiteral("%1: codes must be up to four letters a-y").arg(at));
    }
    e.kind = parseKind(fields[4], at);
    for (qsizetype i = 5; i < fields.size(); ++i) {
        e.roots.push_back(parseRoot(fields[i], at));
    }
    checkCodes(e, at);
    return e;
}

SlotLayout layoutSlots(const Decomposition& e, int strokeCount) {
    SlotLayout layout;
    layout.strokeSlots.assign(static_cast<size_t>(strokeCount), 0);
    layout.content.fill(SlotContent::Empty);

    // Every stroke belongs to exactly one root.
    std::vector<int> owner(static_cast<size_t>(strokeCount), -1);
    for (size_t r = 0; r < e.roots.size(); ++r) {
        for (const int s : e.roots[r].strokes) {
            if (s >= strokeCount) {
                throw tools::DataError(QStringLiteral("%1: stroke %2 does not exist (%3 strokes)")
                                           .arg(e.character)
                                           .arg(s)
                                           .arg(strokeCount));
            }
            if (owner[static_cast<size_t>(s)] != -1) {
                throw tools::DataError(
                    QStringLiteral("%1: stroke %2 belongs to two roots").arg(e.character).arg(s));
            }
            owner[static_cast<size_t>(s)] = static_cast<int>(r);
        }
    }
    for (int s = 0; s < strokeCount; ++s) {
        if (owner[static_cast<size_t>(s)] == -1) {
            throw tools::DataError(
                QStringLiteral("%1: stroke %2 belongs to no root").arg(e.character).arg(s));
        }
    }

    const auto showStroke = [&](int stroke, int slot) {
        layout.strokeSlots[static_cast<size_t>(stroke)] |= static_cast<std::uint8_t>(1u << slot);
        layout.content[static_cast<size_t>(slot)] = SlotContent::Root;
    };
    const auto showAll = [&](int slot) {
        for (int s = 0; s < strokeCount; ++s) {
            showStroke(s, slot);
        }
    };
    const int codeLength = static_cast<int>(e.rootCode.size());

    switch (e.kind) {
    case CharacterKind::Key:
        for (int slot = 0; slot < codeLength && slot < 4; ++slot) {
            showAll(slot);
        }
        break;
    case CharacterKind::Root: {
        showAll(0);
        // The letters after the key stand for the first, second ... and last strokes.
        const int shown = std::min(codeLength, 4) - 1;
        for (int i = 0; i < shown; ++i) {
            const int stroke =
                (i == shown - 1 && shown > 1) ? strokeCount - 1 : std::min(i, strokeCount - 1);
            showStroke(stroke, i + 1);
        }
        break;
    }
    case CharacterKind::Stroke:
        showAll(0);
        showAll(1);
        layout.content[2] = SlotContent::Identification;
        break;
    case CharacterKind::Compound: {
        const int roots = static_cast<int>(e.roots.size());
        for (int r = 0; r < roots; ++r) {
            const int slot = r < 3 ? r : (r == roots - 1 ? 3 : -1);
            if (slot < 0) {
                continue; // a middle root of five or more: outlined, never filled
            }
            for (const int s : e.roots[static_cast<size_t>(r)].strokes) {
                showStroke(s, slot);
            }
        }
        if (roots <= 3) {
            layout.content[static_cast<size_t>(roots)] = SlotContent::Identification;
        }
        break;
    }
    }
    return layout;
}

} // namespace zilvaro::build

#include "decomposition.h"

#include "common/data_error.h"
#include "common/decomposition_line.h"
#include "core/gbk.h"
#include "lookup/identification_code.h"

#include <QStringList>

namespace zilvaro::build {

namespace {

constexpr CharacterKind Kinds[] = {CharacterKind::Key, CharacterKind::Root, CharacterKind::Stroke,
                                   CharacterKind::Compound};

// The kind a line names (the line's parser has checked the name).
CharacterKind kindOf(const QString& text) {
    for (const CharacterKind kind : Kinds) {
        if (text == kindName(kind)) {
            return kind;
        }
    }
    return CharacterKind::Compound;
}

} // namespace

QString kindName(CharacterKind kind) {
    switch (kind) {
    case CharacterKind::Key:
        return QStringLiteral("key");
    case CharacterKind::Root:
        return QStringLiteral("root");
    case CharacterKind::Stroke:
        return QStringLiteral("stroke");
    case CharacterKind::Compound:
        break;
    }
    return QStringLiteral("compound");
}

namespace {

void checkCodes(const Decomposition& e, const tools::DecompositionLine& line,
                const QString& where) {
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
        if (const QString keys = tools::rootCodeOf(line.kind, line.roots, line.fullCode);
            e.rootCode != keys) {
            fail(QStringLiteral("its root code \"%1\" does not match its roots \"%2\"")
                     .arg(e.rootCode, keys));
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

Decomposition parseDecompositionLine(const QString& text, const QString& where) {
    QString error;
    const std::optional<tools::DecompositionLine> line =
        tools::DecompositionLine::parse(text, &error);
    if (!line) {
        throw tools::DataError(QStringLiteral("%1: %2").arg(where, error));
    }
    // The character is the key of its record.
    if (characterCount(line->character) != 1 || !isDoubleByte(line->character)) {
        throw tools::DataError(QStringLiteral("%1: \"%2\" is not one double-byte GBK character")
                                   .arg(where, line->character));
    }
    Decomposition e;
    e.character = line->character;
    e.fullCode = line->fullCode;
    e.shortCode = line->shortCode;
    e.rootCode = line->rootCode;
    e.kind = kindOf(line->kind);
    for (const tools::RootField& root : line->roots) {
        e.roots.push_back({root.key, std::vector<int>(root.strokes.begin(), root.strokes.end())});
    }
    checkCodes(e, *line, QStringLiteral("%1: %2").arg(where, e.character));
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
        // The letters after the key stand for the first, second ... and last strokes, in
        // the order the line lists them: the order Wubi reads them (戈 agnt: its 丿 last).
        const std::vector<int>& order = e.roots.front().strokes;
        const int count = static_cast<int>(order.size());
        const int shown = std::min(codeLength, 4) - 1;
        for (int i = 0; i < shown; ++i) {
            const int at = (i == shown - 1 && shown > 1) ? count - 1 : std::min(i, count - 1);
            showStroke(order[static_cast<size_t>(at)], i + 1);
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

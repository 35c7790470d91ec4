#include "root_names.h"

#include "common/data_error.h"
#include "common/frequency_list.h"
#include "data/character_tables.h"
#include "stroke_outlines.h"

#include <QFile>
#include <QPainterPathStroker>
#include <QSet>
#include <QStringList>

#include <algorithm>

namespace zilvaro::build {

using tools::DataError;

RootNamer::RootNamer(decompose::RootChart chart, decompose::StrokeNames names,
                     QHash<QString, int> frequencyRanks, QString strokeFolder)
    : chart_(std::move(chart)), names_(std::move(names)), ranks_(std::move(frequencyRanks)),
      strokeFolder_(std::move(strokeFolder)) {}

RootNamer RootNamer::load(const RootSources& sources, const QString& strokeFolder) {
    decompose::StrokeNames names = decompose::StrokeNames::loadCncharOrder(sources.strokeOrderPath);
    names.addSupplement(sources.supplementPath);
    names.addDrawingOrder(sources.drawingOrderPath);
    return RootNamer(decompose::RootChart::load(sources.chartPath), std::move(names),
                     tools::readFrequencyRanks(sources.frequencyPath), strokeFolder);
}

QString RootNamer::nameOf(const Root& root, const QString& character, int index) const {
    const QString letters = names_.letters(character);
    if (letters.isEmpty()) {
        throw DataError(QStringLiteral("%1: no stroke names").arg(character));
    }
    QString classes;
    for (const int s : root.strokes) {
        if (s < 0 || s >= letters.size()) {
            throw DataError(QStringLiteral("%1: root %2 names stroke %3, which the stroke "
                                           "names lack")
                                .arg(character)
                                .arg(index + 1)
                                .arg(s));
        }
        classes += QChar(u'0' + names_.letterClass(letters[s]));
    }
    // The best fit first by the stroke names that match exactly, then the commoner forms.
    int best = -1;
    QStringList fitting;
    for (const decompose::Root* candidate : chart_.withClasses(classes)) {
        if (candidate->key != root.key) {
            continue;
        }
        int exact = 0;
        const auto count = std::min(root.strokes.size(), size_t(candidate->strokes.size()));
        for (size_t i = 0; i < count; ++i) {
            exact += names_.namesOfLetter(letters[root.strokes[i]])
                             .contains(candidate->strokes[qsizetype(i)])
                         ? 1
                         : 0;
        }
        const int fit = 2 * exact + (candidate->handOnly ? 0 : 1);
        if (fit > best) {
            best = fit;
            fitting.clear();
        }
        if (fit == best && !fitting.contains(candidate->root)) {
            fitting.append(candidate->root);
        }
    }
    if (fitting.isEmpty()) {
        throw DataError(QStringLiteral("%1: root %2 (%3 with strokes of the classes %4) is no "
                                       "root of the chart")
                            .arg(character)
                            .arg(index + 1)
                            .arg(root.key)
                            .arg(classes));
    }
    if (fitting.size() == 2) {
        const QString decided = byShape(fitting, root, character);
        if (!decided.isEmpty()) {
            return decided;
        }
    }
    return fitting.join(u'/');
}

namespace {
// How close two strokes of the 1024-unit grid come to count as meeting: twice this reach.
constexpr qreal MeetingGap = 40;
} // namespace

QString RootNamer::byShape(const QStringList& names, const Root& root,
                           const QString& character) const {
    const QSet<QString> pair(names.begin(), names.end());
    const bool earth = pair == QSet<QString>{QStringLiteral("土"), QStringLiteral("士")};
    const bool person = pair == QSet<QString>{QStringLiteral("人"), QStringLiteral("八")};
    if ((!earth && !person) || strokeFolder_.isEmpty()) {
        return {};
    }
    const StrokeOutlines outlines = loadStrokeOutlines(strokeFolder_, character);
    const auto outline = [&](size_t i) -> const QPainterPath& {
        const int s = root.strokes[i];
        if (s < 0 || size_t(s) >= outlines.size()) {
            throw DataError(QStringLiteral("%1: no outline for stroke %2").arg(character).arg(s));
        }
        return outlines[size_t(s)];
    };
    if (earth) {
        // 横 竖 横: the longer 横 is the lower one in 土, the upper one in 士.
        const qreal upper = outline(0).boundingRect().width();
        const qreal lower = outline(2).boundingRect().width();
        return lower > upper ? QStringLiteral("土") : QStringLiteral("士");
    }
    // 撇 捺: they meet in 人 (and its forms), they stand apart in 八. Outlines drawn to meet
    // may leave a hairline between them (春), so a stroke reaches a little further.
    QPainterPathStroker reach;
    reach.setWidth(MeetingGap);
    const QPainterPath first = outline(0).united(reach.createStroke(outline(0)));
    if (first.intersects(outline(1))) {
        return QStringLiteral("人");
    }
    // A 撇 that crosses the strokes of another root may meet its 捺 through them (the 三
    // of 春 holds the 人 of 𡗗): the outlines cannot tell, so both names stay.
    for (size_t s = 0; s < outlines.size(); ++s) {
        if (int(s) != root.strokes[0] && int(s) != root.strokes[1] &&
            outline(0).intersects(outlines[s])) {
            return {};
        }
    }
    return QStringLiteral("八");
}

RootEntry RootNamer::entryOf(const Decomposition& entry) const {
    RootEntry out;
    out.character = entry.character;
    out.frequencyRank = ranks_.value(entry.character, 0);
    out.kind = kindName(entry.kind);
    if (entry.kind != CharacterKind::Compound) {
        // The character is its own root: one field holding every stroke.
        out.roots.append({entry.roots.front().key, entry.character});
    } else {
        for (size_t i = 0; i < entry.roots.size(); ++i) {
            out.roots.append(
                {entry.roots[i].key, nameOf(entry.roots[i], entry.character, static_cast<int>(i))});
        }
    }
    // The window and zilvaro-query show the codes compiled into the program; the record
    // must agree with them.
    const QStringList codes = wubiCodes(entry.character);
    if (codes.isEmpty() || codes.last() != entry.fullCode) {
        throw DataError(QStringLiteral("%1: the full code %2 is not the longest of the codes "
                                       "the program carries (%3)")
                            .arg(entry.character, entry.fullCode, codes.join(u',')));
    }

    // A compound of fewer than four roots: the code's last letter is the identification code.
    if (entry.kind == CharacterKind::Compound && entry.roots.size() < 4 &&
        entry.fullCode.size() == qsizetype(entry.roots.size()) + 1) {
        out.identification = entry.fullCode.back();
    }
    return out;
}

} // namespace zilvaro::build

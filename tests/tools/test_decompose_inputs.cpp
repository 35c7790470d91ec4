#include "code_table.h"
#include "common/data_error.h"
#include "component_hints.h"
#include "root_chart.h"
#include "strokes.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace zilvaro::decompose;
using zilvaro::tools::DataError;

namespace {
const QString chartPath = QStringLiteral(ZILVARO_SOURCE_DIR "/data/roots.tsv");

QString chartText() {
    QFile file(chartPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

// The error a parse raises, as "file:line: message".
template <typename Parse> QString errorOf(Parse parse) {
    try {
        parse();
    } catch (const DataError& e) {
        return e.message();
    }
    return QString();
}
} // namespace

TEST(StrokeClasses, IdentificationKeysFollowAreaAndStructure) {
    EXPECT_EQ(identificationKey(1, 1), u'g');
    EXPECT_EQ(identificationKey(1, 3), u'd');
    EXPECT_EQ(identificationKey(2, 3), u'k'); // 中: last stroke 丨, mixed
    EXPECT_EQ(identificationKey(4, 3), u'i'); // 国: last stroke 丶 inside 囗
    EXPECT_EQ(identificationKey(5, 2), u'b');
    EXPECT_EQ(identificationKey(0, 1), QChar());
    EXPECT_EQ(identificationKey(1, 4), QChar());
    EXPECT_EQ(strokeKey(3), u't');
    EXPECT_EQ(strokeKey(5), u'n');
}

TEST(StrokeNames, PackageTablesAndSupplementAreRead) {
    const StrokeNames names = StrokeNames::loadCncharOrder(
        QStringLiteral(ZILVARO_SOURCE_DIR "/node_modules/cnchar-order/cnchar.order.min.js"));
    EXPECT_EQ(names.letters(QStringLiteral("中")), QStringLiteral("fcjf"));
    EXPECT_EQ(names.classes(QStringLiteral("中")), QStringLiteral("2512"));
    EXPECT_EQ(names.classes(QStringLiteral("心")), QStringLiteral("4544"));
    EXPECT_TRUE(names.namesOfLetter(u'x').contains(QStringLiteral("竖折折")));
    EXPECT_FALSE(names.contains(QStringLiteral("啊x")));
}

TEST(StrokeNames, SupplementErrorsNameTheLine) {
    StrokeNames names;
    names.setLetterNames(u'j', {QStringLiteral("横")});
    names.setLetters(QStringLiteral("一"), QStringLiteral("j"));
    const QString path = QDir::temp().filePath(QStringLiteral("zilvaro-supplement.tsv"));
    auto write = [&](const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("# comment\n二\tjj\n三\tjq\n");
    EXPECT_EQ(errorOf([&] { names.addSupplement(path); }),
              path + QStringLiteral(":3: unknown stroke letter q"));
    write("二\tjj\n二\tjj\n");
    EXPECT_EQ(errorOf([&] { StrokeNames(names).addSupplement(path); }),
              path + QStringLiteral(":2: 二 is in the supplement twice"));
    // A package entry the supplement gives again is corrected.
    write("一\tjj\n");
    StrokeNames corrected = names;
    corrected.addSupplement(path);
    EXPECT_EQ(corrected.letters(QStringLiteral("一")), QStringLiteral("jj"));
    EXPECT_EQ(corrected.corrected(), QStringList({QStringLiteral("一")}));
    QFile::remove(path);
}

TEST(StrokeNames, DrawingOrderPermutesTheNamesAndNamesBadLines) {
    StrokeNames names;
    names.setLetterNames(u'j', {QStringLiteral("横")});
    names.setLetterNames(u'f', {QStringLiteral("竖")});
    names.setLetterNames(u's', {QStringLiteral("撇")});
    names.setLetters(QStringLiteral("千"), QStringLiteral("sjf"));
    const QString path = QDir::temp().filePath(QStringLiteral("zilvaro-drawing-order.tsv"));
    auto write = [&](const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("# comment\n千\t1,2,0\n");
    StrokeNames reordered = names;
    reordered.addDrawingOrder(path);
    EXPECT_EQ(reordered.letters(QStringLiteral("千")), QStringLiteral("jfs"));
    EXPECT_EQ(reordered.classes(QStringLiteral("千")), QStringLiteral("123"));
    EXPECT_EQ(reordered.reordered(), QStringList{QStringLiteral("千")});
    // Not a permutation, the wrong number of strokes, an unknown character, twice.
    write("千\t0,0,1\n");
    EXPECT_EQ(errorOf([&] { StrokeNames(names).addDrawingOrder(path); }),
              path + QStringLiteral(":1: \"0\" is not a stroke number used once"));
    write("千\t0,1\n");
    EXPECT_EQ(errorOf([&] { StrokeNames(names).addDrawingOrder(path); }),
              path + QStringLiteral(":1: 2 strokes given, 千 has 3"));
    write("\n万\t0\n");
    EXPECT_EQ(errorOf([&] { StrokeNames(names).addDrawingOrder(path); }),
              path + QStringLiteral(":2: 万 has no stroke names to reorder"));
    write("千\t0,1,2\n千\t2,1,0\n");
    EXPECT_EQ(errorOf([&] { StrokeNames(names).addDrawingOrder(path); }),
              path + QStringLiteral(":2: 千 is reordered twice"));
    QFile::remove(path);
}

TEST(RootChart, CommittedChartIsCompleteAndConsistent) {
    const RootChart chart = RootChart::load(chartPath);
    // The 25 key-name characters, each on its own key.
    const QString keyNames = QStringLiteral("王土大木工目日口田山禾白月人金言立水火之已子女又纟");
    const QString keys = QStringLiteral("gfdsahjklmtrewqyuiopnbvcx");
    for (int i = 0; i < keyNames.size(); ++i) {
        const Root* root = chart.characterRoot(keyNames.mid(i, 1));
        ASSERT_NE(root, nullptr) << keyNames.mid(i, 1).toStdString();
        EXPECT_EQ(root->kind, Root::Kind::Key);
        EXPECT_EQ(root->key, keys[i]);
    }
    // The five single strokes.
    const QString strokes = QStringLiteral("一丨丿丶乙");
    for (int i = 0; i < strokes.size(); ++i) {
        const Root* root = chart.characterRoot(strokes.mid(i, 1));
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(root->kind, Root::Kind::Stroke);
        EXPECT_EQ(root->key, strokeKey(i + 1));
    }
    // Character roots named in the Wubi rules.
    for (const char16_t* c : {u"五", u"石", u"马", u"十", u"厂", u"早", u"米", u"小", u"上", u"了",
                              u"也", u"戈", u"力", u"乃", u"辛", u"羽", u"耳", u"巴", u"弓"}) {
        const Root* root = chart.characterRoot(QString::fromUtf16(c));
        ASSERT_NE(root, nullptr) << QString::fromUtf16(c).toStdString();
        EXPECT_EQ(root->kind, Root::Kind::Character);
    }
    EXPECT_EQ(chart.characterRoot(QStringLiteral("马"))->classes, QStringLiteral("551"));
    // The identification code takes 折 for the last stroke of 力, 撇 for that of 戈.
    EXPECT_EQ(chart.characterRoot(QStringLiteral("力"))->lastStrokeClass, 5);
    EXPECT_EQ(chart.characterRoot(QStringLiteral("戈"))->lastStrokeClass, 3);
    EXPECT_EQ(chart.characterRoot(QStringLiteral("口"))->lastStrokeClass, 0);
    // Hand-only forms are parts that only overrides use; the others are not.
    int handOnly = 0;
    for (const Root& root : chart.roots()) {
        handOnly += root.handOnly;
        if (root.handOnly) {
            EXPECT_EQ(root.kind, Root::Kind::Part) << root.root.toStdString();
        }
    }
    EXPECT_GE(handOnly, 2);
    EXPECT_FALSE(chart.characterRoot(QStringLiteral("口"))->handOnly);
    // Every root has a witness; one whose stroke classes a root on another key shares has
    // two, so that the codes tell the two apart (土 against 工, 人 against 乂).
    for (const Root& root : chart.roots()) {
        EXPECT_FALSE(root.witnesses.isEmpty()) << root.root.toStdString();
        bool shared = false;
        for (const Root* other : chart.withClasses(root.classes))
            shared = shared || (other->key != root.key && !other->handOnly);
        if (shared && !root.handOnly) {
            EXPECT_GE(root.witnesses.size(), 2) << root.root.toStdString();
        }
    }
    // Forms Wubi 86 does not have: 丿丶 on T, the 业 top with 业's last 横 (业 is og).
    for (const Root& root : chart.roots()) {
        EXPECT_FALSE(root.key == u't' && root.classes == u"34") << root.root.toStdString();
        EXPECT_FALSE(root.key == u'o' && root.classes == u"22431") << root.root.toStdString();
    }
}

TEST(RootChart, MalformedLinesNameFileAndLine) {
    const QString base = chartText();
    auto parse = [&](const QString& extra) {
        return errorOf([&] { RootChart::parse(base + extra, QStringLiteral("roots.tsv")); });
    };
    const int next = int(base.count(u'\n')) + 1;
    auto at = [&](const char* message) {
        return QStringLiteral("roots.tsv:%1: %2").arg(next).arg(QString::fromUtf8(message));
    };
    EXPECT_EQ(parse(QStringLiteral("g\t王王\tpart\t横,横\t3\t玩\n")),
              at("stroke count 3 does not match 2 strokes"));
    EXPECT_EQ(parse(QStringLiteral("z\t某\tpart\t横\t1\t玩\n")), at("bad key \"z\""));
    EXPECT_EQ(parse(QStringLiteral("g\t某\tpart\t横,口\t2\t玩\n")), at("unknown stroke \"口\""));
    EXPECT_EQ(parse(QStringLiteral("g\t某\troot\t横\t1\t玩\n")), at("bad kind \"root\""));
    EXPECT_EQ(parse(QStringLiteral("f\t土\tchar\t横,竖,横\t3\t地\n")), at("土 is charted twice"));
    EXPECT_EQ(parse(QStringLiteral("g\t某\tpart\t横\t1\n")),
              at("expected 6 to 8 tab-separated columns"));
    // The shape rules of the eighth column name a known rule and the root's own strokes.
    EXPECT_EQ(parse(QStringLiteral("d\t某\tpart\t横,撇\t2\t玩\t-\t穿(1,2)\n")),
              at("shape rule \"穿(1,2)\" names strokes the root does not have"));
    EXPECT_TRUE(parse(QStringLiteral("d\t某\tpart\t横,撇\t2\t玩\t-\t弯(1,0)\n"))
                    .startsWith(at("unknown shape rule \"弯(1,0)\"")));
    EXPECT_TRUE(
        parse(QStringLiteral("d\t某\tpart\t横,撇\t2\t玩\t-\t首起(1,0)|穿(1,0) 隔\n")).isEmpty());
    EXPECT_EQ(parse(QStringLiteral("l\t某\tpart\t横\t1\t玩\t钩子\n")),
              at("unknown stroke \"钩子\""));
    // Every root carries its witnesses, single characters.
    EXPECT_EQ(parse(QStringLiteral("g\t某\tpart\t横\t1\t\n")), at("某 has no witness character"));
    EXPECT_EQ(parse(QStringLiteral("g\t某\tpart\t横\t1\t-\n")), at("某 has no witness character"));
    EXPECT_EQ(parse(QStringLiteral("g\t某\tpart\t横\t1\t,,\n")), at("某 has no witness character"));
    EXPECT_EQ(parse(QStringLiteral("g\t某\tpart\t横\t1\t玩,王玩\n")),
              at("a witness is one character, not \"王玩\""));
    EXPECT_TRUE(parse(QStringLiteral("g\t某\tpart\t横\t1\t玩,班\n")).isEmpty());
    EXPECT_TRUE(parse(QString()).isEmpty());
}

TEST(CodeTable, TakesTheSingleCharactersOfTheRimeTable) {
    const CodeTable table = CodeTable::fromRime({{"中", "khk", 3},
                                                 {"中", "k", 4},
                                                 {"中国", "khlg", 5},
                                                 {"国", "lgyi", 6},
                                                 {"中", "kh", 7},
                                                 {"中", "k", 8}});
    EXPECT_EQ(table.codes(QStringLiteral("中")),
              QStringList({QStringLiteral("k"), QStringLiteral("kh"), QStringLiteral("khk")}));
    EXPECT_EQ(table.fullCode(QStringLiteral("中")), QStringLiteral("khk"));
    EXPECT_EQ(table.fullCode(QStringLiteral("国")), QStringLiteral("lgyi"));
    EXPECT_FALSE(table.contains(QStringLiteral("中国")));
}

TEST(CodeTable, ShortCodeIsTheShortestOtherThanRootCode) {
    // 中: k kh khk with root code kh -> k.
    EXPECT_EQ(shortCode({"k", "kh", "khk"}, "khk", "kh"), QStringLiteral("k"));
    // 好: vb vbg with root code vb -> none.
    EXPECT_EQ(shortCode({"vb", "vbg"}, "vbg", "vb"), QString());
    // 五: gg ggh gghg, a character root whose root code is its full code -> gg.
    EXPECT_EQ(shortCode({"gg", "ggh", "gghg"}, "gghg", "gghg"), QStringLiteral("gg"));
    EXPECT_EQ(shortCode({"khk"}, "khk", "kh"), QString());
}

TEST(CodeTable, TheTwoSourcesAreCompared) {
    CodeTable a;
    CodeTable b;
    a.add("须", "ed");
    a.add("须", "edmy");
    b.add("须", "edmy");
    a.add("中", "khk");
    b.add("中", "khk");
    a.add("舂", "dwvf");
    b.add("舂", "dwvg");
    const auto d = compareCodes(a, b, {"须", "中", "舂"});
    ASSERT_EQ(d.size(), 2);
    EXPECT_EQ(d[0].character, QStringLiteral("须"));
    EXPECT_FALSE(d[0].fullCodesDiffer);
    EXPECT_TRUE(d[1].fullCodesDiffer);
}

TEST(CodeTable, IbusDatabaseIsReadAndAgreesOnFullCodes) {
    const CodeTable ibus =
        CodeTable::loadIbus(QStringLiteral("/usr/share/ibus-table/tables/wubi-jidian86.db"));
    EXPECT_EQ(ibus.fullCode(QStringLiteral("国")), QStringLiteral("lgyi"));
    EXPECT_EQ(ibus.fullCode(QStringLiteral("中")), QStringLiteral("khk"));
    EXPECT_EQ(errorOf([] { CodeTable::loadIbus(QStringLiteral("/nonexistent/x.db")); }),
              QStringLiteral("/nonexistent/x.db: does not exist"));
}

TEST(ComponentHints, LayoutGivesStructureAndFirstComponentBoundary) {
    StrokeNames names;
    names.setLetterNames(u'j', {QStringLiteral("横")});
    names.setLetters(QStringLiteral("女"), QStringLiteral("jjj"));
    names.setLetters(QStringLiteral("子"), QStringLiteral("jjj"));
    ComponentHints hints = ComponentHints::parse(
        QStringLiteral("module.exports = `好:a(女,子)\n字:d(宀,子)\n这:sbl(辶,文)\n"
                       "林:ra(木)\n国:s(囗,玉)\n42476:d(一,吅,25180)亅`;"),
        QStringLiteral("cjk"));
    hints.addComponentCount(QStringLiteral("辶"), 3);
    hints.addComponentCount(QStringLiteral("宀"), 3);
    const ComponentHint good = hints.hint(QStringLiteral("好"), 6, names);
    EXPECT_EQ(good.structure, 1);
    EXPECT_EQ(good.boundary, 3);
    EXPECT_EQ(hints.hint(QStringLiteral("字"), 6, names).structure, 2);
    EXPECT_EQ(hints.hint(QStringLiteral("字"), 6, names).boundary, 3);
    // 辶 is written last: the boundary lies before it.
    EXPECT_EQ(hints.hint(QStringLiteral("这"), 7, names).boundary, 4);
    EXPECT_EQ(hints.hint(QStringLiteral("这"), 7, names).structure, 3);
    EXPECT_EQ(hints.hint(QStringLiteral("林"), 8, names).structure, 1);
    EXPECT_TRUE(hints.hint(QStringLiteral("国"), 8, names).enclosedBy(u"囗"));
    EXPECT_EQ(hints.hint(QStringLiteral("无"), 4, names).structure, 0);
    EXPECT_EQ(errorOf([] { ComponentHints::parse(QStringLiteral("好=a(女,子)"), "cjk"); }),
              QStringLiteral("cjk:1: expected name:layout(components)"));
}

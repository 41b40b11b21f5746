#include "presets/PresetStore.h"
#include "tests/testing/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Preset dusk(const QString &name = u"Dusk"_s)
{
    return {name,
            FadeMode::Stops,
            {{46, 23, 96}, {255, 0, 128}, {255, 255, 255}, {0, 0, 0}},
            12,
            {u"Arial"_s, u"+2"_s, true, false, true, true},
            OutputFormat::IrcHex,
            ColorSpace::OkLab};
}

} // namespace

TEST(PresetLines, KeepEveryFieldAndSkipLinesThatHoldNoPreset)
{
    const QByteArray good = PresetLine(dusk());
    const QByteArray brief = R"({"name":" Leaf ","colors":["#00ff00","#008000","#FFFFFF"]})";
    const QByteArray unreadable[] = {
        good.first(good.size() - 5), // cut off
        R"(["Dusk"])",
        R"({"colors":["#000000","#000000","#000000"]})",
        R"({"name":"A","fade":"sideways","colors":["#000000","#000000","#000000"]})",
        R"({"name":"A","colors":["#000000","#000000"]})",
        R"({"name":"A","fade":"stops","colors":["#000000"]})",
        R"({"name":"A","fade":"stops","colors":["#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000"]})",
        R"({"name":"A","colors":["#000000","#00000g","#000000"]})",
        R"({"name":"A","colors":["#000000","red","#000000"]})",
        R"({"name":"A","colors":["#000000","#000000","#000000"],"count":501})",
        R"({"name":"A","colors":["#000000","#000000","#000000"],"count":1})",
        R"({"name":"A","colors":["#000000","#000000","#000000"],"count":2.5})",
        R"({"name":"A","colors":["#000000","#000000","#000000"],"bold":"yes"})",
        R"({"name":"A","colors":["#000000","#000000","#000000"],"format":"odt"})",
        R"({"name":"A","colors":["#000000","#000000","#000000"],"space":"lab"})",
        R"({"name":"","colors":["#000000","#000000","#000000"]})",
    };
    // The counts and the number of stops at both ends of their ranges.
    const QByteArray ends =
        R"({"name":"B","fade":"stops","colors":["#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000","#000000"],"count":500})"
        "\n"
        R"({"name":"C","fade":"stops","colors":["#000000","#000000"],"count":2})";
    QByteArray text = good + "\n\n" + brief + "\n" + ends + "\n";
    for (const QByteArray &line : unreadable)
        text += line + '\n';

    const PresetLines lines = ReadPresetLines(text);
    ASSERT_EQ(lines.presets.size(), 4);
    EXPECT_EQ(std::pair(lines.presets[2].count, lines.presets[2].colors.size()),
              std::pair(500, qsizetype(10)));
    EXPECT_EQ(std::pair(lines.presets[3].count, lines.presets[3].colors.size()),
              std::pair(2, qsizetype(2)));
    EXPECT_EQ(lines.presets[0], dusk());
    Preset leaf;
    leaf.name = u"Leaf"_s;
    leaf.colors = {{0, 255, 0}, {0, 128, 0}, {255, 255, 255}};
    EXPECT_EQ(lines.presets[1], leaf);
    EXPECT_EQ(lines.unreadable, QList<QByteArray>(std::begin(unreadable), std::end(unreadable)));
    EXPECT_EQ(ReadPresetLines(WritePresetLines(lines)).unreadable, lines.unreadable);
}

// Every change keeps what the file held besides, the lines it cannot read among it.
TEST(PresetStore, ChangesSurviveARestartAndKeepWhatTheyDoNotTouch)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"config/presets.jsonl"_s);
    PresetStore store(path);
    EXPECT_TRUE(store.load().presets.isEmpty());
    EXPECT_EQ(store.save(dusk(u"One"_s)), std::nullopt);
    EXPECT_EQ(store.save(dusk(u"Two"_s)), std::nullopt);
    WriteBytes(path, ReadBytes(path) + "{\"name\":\"hand-broken\n");

    Preset changed = dusk(u"One"_s);
    changed.count = 3;
    EXPECT_EQ(PresetStore(path).save(changed), std::nullopt);
    EXPECT_EQ(PresetStore(path).rename(u"Two"_s, u"Deux"_s), std::nullopt);
    EXPECT_EQ(store.save(dusk(u"Three"_s)), std::nullopt);
    EXPECT_EQ(store.remove(u"Three"_s), std::nullopt);
    const PresetLines lines = PresetStore(path).load();
    EXPECT_EQ(lines.presets, (QList<Preset> {changed, dusk(u"Deux"_s)}));
    EXPECT_EQ(lines.unreadable, QList<QByteArray> {"{\"name\":\"hand-broken"});
}

TEST(PresetStore, ExportAndImportShareThePresets)
{
    QTemporaryDir folder;
    PresetStore mine(folder.filePath(u"mine.jsonl"_s));
    PresetStore theirs(folder.filePath(u"theirs.jsonl"_s));
    mine.save(dusk(u"Shared"_s));
    mine.save(dusk(u"Also"_s));
    theirs.save(dusk(u"Theirs"_s));
    Preset older = dusk(u"Shared"_s);
    older.count = 2;
    theirs.save(older);

    const QString shared = folder.filePath(u"shared.jsonl"_s);
    EXPECT_EQ(mine.exportTo(shared), std::nullopt);
    qsizetype imported = 0;
    EXPECT_EQ(theirs.importFrom(shared, imported), std::nullopt);
    EXPECT_EQ(imported, 2);
    EXPECT_EQ(theirs.load().presets,
              (QList<Preset> {dusk(u"Theirs"_s), dusk(u"Shared"_s), dusk(u"Also"_s)}));

    EXPECT_NE(theirs.importFrom(folder.filePath(u"missing.jsonl"_s), imported), std::nullopt);
    const QString broken = folder.filePath(u"broken.jsonl"_s);
    WriteBytes(broken, "not a preset\n");
    EXPECT_NE(theirs.importFrom(broken, imported), std::nullopt);
    EXPECT_EQ(theirs.load().presets.size(), 3);
}

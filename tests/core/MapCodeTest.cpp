// The pseudo-map code: what "Get" writes, what "Set" builds, and the two
// taken together.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "document/File1.h"
#include "files/BlockClipboard.h"

namespace {

// A document whose panel No n carries the letter codes[n] ('-' = no entry).
std::unique_ptr<TTileData> MakeDoc(const std::string& codes, int width, int height)
{
    auto doc = std::make_unique<TTileData>();
    for (size_t n = 0; n < codes.size(); ++n)
        if (codes[n] != '-')
            doc->AddTile(TTileList{.No = static_cast<int32_t>(n), .Name = std::string(1, codes[n]),
                                   .Code = static_cast<uint8_t>(codes[n])});
    doc->SetLastX(width - 1);
    doc->SetLastY(height - 1);
    return doc;
}

// The shown map in reading order, one letter per cell (the panel's own code).
std::string Letters(const TTileData& doc)
{
    std::string s;
    for (int y = 0; y <= doc.LastY; ++y)
        for (int x = 0; x <= doc.LastX; ++x)
            s += static_cast<char>(doc.CodeOfNo(doc.Map[x][y].Panel));
    return s;
}

// Paints the shown map from letters in reading order.
void Paint(TTileData& doc, const std::string& letters)
{
    for (size_t i = 0; i < letters.size(); ++i) {
        const int x = static_cast<int>(i) % (doc.LastX + 1);
        const int y = static_cast<int>(i) / (doc.LastX + 1);
        doc.SetCell(x, y, MapCell{static_cast<uint8_t>(doc.NoOfCode(static_cast<uint8_t>(letters[i]))), 0, 0});
    }
}

const std::string Abc = "abcde";

}  // namespace

TEST(MapCode, GetWritesRunsRowByRow)
{
    struct Case {
        int width, height;
        std::string cells;
        std::string code;
    };
    const Case cases[] = {
        {2, 2, "aabb", "1b0@"},    // rows, not columns
        {3, 3, "aaaaaaaaa", "@"},
        {2, 2, "abab", "0bab@"},
        {5, 1, "bbaab", "b0a0b@"},
        {2, 2, "baaa", "b@"},
        {1, 1, "b", "b@"},
        {1, 1, "a", "@"},
        {4, 1, "abbb", "0b1@"},
        {4, 1, "bbbb", "b2@"},
        {3, 1, "cba", "cb@"},
        {4, 3, "aaaaaaaaaaac", "10c@"},
        {4, 1, "aaab", "2b@"},
    };
    for (const Case& c : cases) {
        auto doc = MakeDoc(Abc, c.width, c.height);
        Paint(*doc, c.cells);
        EXPECT_EQ(doc->EncodeMapCode(), c.code) << c.cells;
    }
}

TEST(MapCode, GetJoinsPanelsSharingALetterAndWritesLetterlessPanelsAsFiller)
{
    // No 1 and No 2 share "b"; No 3 has the code "@"; No 4 has no entry.
    auto doc = MakeDoc("abb@", 6, 1);
    const uint8_t panels[] = {1, 2, 1, 3, 4, 0};
    for (int x = 0; x < 6; ++x)
        doc->Map[x][0].Panel = panels[x];
    EXPECT_EQ(doc->EncodeMapCode(), "b1@");

    doc->Map[5][0].Panel = 2;  // a letter after the letterless cells
    EXPECT_EQ(doc->EncodeMapCode(), "b1a0b@");
}

TEST(MapCode, GetLooksAtTheShownMapOnly)
{
    auto doc = MakeDoc(Abc, 2, 2);
    doc->Map[2][0].Panel = 1;  // just right of the shown map
    doc->Map[0][2].Panel = 1;  // just below it
    EXPECT_EQ(doc->EncodeMapCode(), "@");
}

TEST(MapCode, SetBuildsTheMapFromCode)
{
    struct Case {
        int width, height;
        std::string code;
        std::string cells;
    };
    const Case cases[] = {
        {2, 2, "1b0@", "aabb"},
        {3, 3, "@", "aaaaaaaaa"},
        {3, 3, "", "aaaaaaaaa"},
        {2, 2, "0bab@", "abab"},
        {5, 1, "b0a0b@", "bbaab"},
        {2, 2, "b@", "baaa"},
        {4, 1, "c1", "ccca"},                       // no end mark: the last run still counts
        {4, 1, "b@cc", "baaa"},                     // text after the end mark is ignored
        {4, 1, "b0c0@", "bbcc"},
        {4, 1, "b5@", "bbbb"},                      // runs stop at the map's end
        {2, 2, "1b\n0@", "aabb"},                   // lines joined
        {4, 4, "b1\n2@", "bbbbbbbbbbbbbbaa"},       // a number broken across lines reads whole
        {4, 4, "b1\r\n2@", "bbbbbbbbbbbbbbaa"},
        {4, 1, "b3 0@", "bbaa"},                    // a second number replaces the first
        {4, 1, "b, c!@", "bcaa"},                   // punctuation and spaces skipped
        {4, 1, "B c@", "caaa"},                     // capitals are not letters of the code
        {4, 1, "\xef\xbd\x82\xef\xbc\x92 c@", "caaa"},  // full-width "ｂ２" skipped
        {4, 1, "  1b@", "aaba"},                    // leading blanks do not hide the filler count
        {4, 1, "1 5b@", "aaba"},                    // only the first number before a letter is filler
        {4, 1, "z5b@", "baaa"},                     // a letter no entry carries writes nothing
        {4, 1, "bz3c@", "bcaa"},
        {4, 1, "b99999999999999999999999@", "bbbb"},  // beyond 32 bits: to the end
        {4, 1, "4294967297b@", "aaaa"},
    };
    for (const Case& c : cases) {
        auto doc = MakeDoc(Abc, c.width, c.height);
        doc->ApplyMapCode(c.code);
        EXPECT_EQ(Letters(*doc), c.cells) << c.code;
    }
}

TEST(MapCode, SetOfALongCodeFillsTheMapAndStops)
{
    auto doc = MakeDoc(Abc, 12, 12);
    (void)doc->TakeChange();
    EXPECT_EQ(doc->DecodeMapCode("b99999@"), std::make_pair(0, 12));
    EXPECT_EQ(Letters(*doc), std::string(144, 'b'));
    EXPECT_EQ(doc->TakeChange().Cells.size(), 144u);  // the cells it wrote, each drawn once
    for (int x = 0; x < GridSize; ++x)
        EXPECT_EQ(doc->Map[x][12].Panel, 0) << x;
    EXPECT_EQ(doc->Map[12][0].Panel, 0);
}

TEST(MapCode, TheSizeAfterTheEndMarkIsReadWrittenAndLeftOverCellsCounted)
{
    auto doc = MakeDoc(Abc, 3, 2);
    doc->Map[0][0].Panel = 1;
    EXPECT_EQ(doc->EncodeMapCodeWithSize(), "b@3x2");
    struct Case {
        std::string code;
        std::optional<MapCodeSize> size;
        int64_t leftOver;  // set into the 3 x 2 map
    };
    const Case cases[] = {
        {"b@3x2", MapCodeSize{3, 2}, 0},  {"b4@31X31", MapCodeSize{31, 31}, 0},
        {"b@ 12\nx9 ", MapCodeSize{12, 9}, 0}, {"b@", std::nullopt, 0},
        {"b@32x1", std::nullopt, 0},      {"b@3x2 more", std::nullopt, 0},
        {"b@x2", std::nullopt, 0},        {"b7@", std::nullopt, 3},
        {"c4b1z5@", std::nullopt, 3},     {"b99999@", std::nullopt, 99995},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MapCodeSizeOf(c.code), c.size) << c.code;
        EXPECT_EQ(doc->ApplyMapCode(c.code), c.leftOver) << c.code;
    }
}

TEST(MapCode, DecodeAnswersTheFirstCellNotWritten)
{
    struct Case {
        std::string code;
        std::pair<int32_t, int32_t> next;
    };
    const Case cases[] = {
        {"@", {0, 0}}, {"b@", {1, 0}}, {"b0@", {2, 0}}, {"b1@", {0, 1}}, {"3@", {1, 1}},
        {"b7@", {0, 3}}, {"b7c@", {0, 3}}, {"z9@", {0, 0}},
    };
    for (const Case& c : cases) {
        auto doc = MakeDoc(Abc, 3, 3);
        EXPECT_EQ(doc->DecodeMapCode(c.code), c.next) << c.code;
    }
}

TEST(MapCode, SetClearsTheWholeGridAndTheHistory)
{
    auto doc = MakeDoc(Abc, 4, 3);
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            doc->Map[x][y] = MapCell{2, 7, 3};
    doc->ChangeCell(1, 1, 1, 3);
    doc->ChangeCell(2, 1, 1, 4);
    doc->Undo();
    ASSERT_TRUE(doc->CanUndo());
    ASSERT_TRUE(doc->CanRedo());

    doc->ApplyMapCode("0b@");

    EXPECT_FALSE(doc->CanUndo());
    EXPECT_FALSE(doc->CanRedo());
    EXPECT_EQ(doc->BufList->GetCount(), 0);
    EXPECT_EQ(Letters(*doc), "ab" + std::string(10, 'a'));
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y) {
            const MapCell c = doc->Map[x][y];
            EXPECT_EQ(c.Counter, 0) << x << "," << y;
            EXPECT_EQ(c.Mask, 0) << x << "," << y;
            if (x > doc->LastX || y > doc->LastY)
                EXPECT_EQ(c.Panel, 0) << x << "," << y;
        }
}

TEST(MapCode, SetRedrawsTheWholeMap)
{
    // With and without a filler panel the picture must end up matching the
    // grid, cleared cells too.
    for (const std::string codes : {Abc, std::string("-bc")}) {
        auto doc = MakeDoc(codes, 4, 3);
        (void)doc->TakeChange();
        doc->Map[1][1] = MapCell{2, 0, 1};
        doc->ApplyMapCode("b0@");
        const MapChange set = doc->TakeChange();
        EXPECT_TRUE(set.WholeMap && !set.Size) << codes;
        EXPECT_EQ(doc->Map[1][1], (MapCell{}));
    }
}

TEST(MapCode, SetWithoutAFillerPanelLeavesTheRestCleared)
{
    auto doc = MakeDoc("-bc", 3, 1);
    for (int x = 0; x < 3; ++x)
        doc->Map[x][0].Panel = 2;
    // Like any letter without an entry, the filler then writes no cells.
    doc->ApplyMapCode("4c@");
    EXPECT_EQ(doc->Map[0][0].Panel, 2);
    EXPECT_EQ(doc->Map[1][0].Panel, 0);
    EXPECT_EQ(doc->Map[2][0].Panel, 0);
}

TEST(MapCode, SetTracesEachStep)
{
    struct Case {
        std::string code;
        std::vector<std::string> trace;
    };
    std::vector<std::string> manyUnknown = {"No1=-1 z"};
    while (manyUnknown.size() < 200)
        manyUnknown.insert(manyUnknown.end(), {"Print Count=-1 No=-1", "No1=-1 z"});
    manyUnknown.resize(200);
    manyUnknown.push_back("\u2026 and 999799 more");  // a pasted megabyte stays small
    const Case cases[] = {
        {std::string(500000, 'z'), manyUnknown},
        {"1b0@", {"Count=1", "Print Count=1 No=-1", "No1=1 b", "Count=0"}},
        {"bc2z@", {"No1=1 b", "Print Count=-1 No=1", "No1=2 c", "Count=2", "Print Count=2 No=2", "No1=-1 z"}},
        {"b3 4c", {"No1=1 b", "Count=3", "Count=4", "Print Count=4 No=1", "No1=2 c"}},
        {"b99999999999@", {"No1=1 b", "Count=2147483647"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        auto doc = MakeDoc(Abc, 31, 31);
        std::vector<std::string> trace = {"left over from before"};
        doc->ApplyMapCode(c.code, &trace);
        EXPECT_EQ(trace, c.trace) << c.code;
    }
}

TEST(MapCode, GetThenSetRestoresEveryPanelOfTheShownMap)
{
    std::mt19937 random(20240611);
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyz";
    for (int round = 0; round < 400; ++round) {
        // A catalogue of distinct letters, "a" among them, at scattered numbers.
        std::string letters = alphabet;
        std::shuffle(letters.begin() + 1, letters.end(), random);
        letters.resize(1 + random() % 8);
        std::vector<uint8_t> numbers(256);
        std::iota(numbers.begin(), numbers.end(), 0);
        std::shuffle(numbers.begin(), numbers.end(), random);
        auto doc = std::make_unique<TTileData>();
        std::shuffle(letters.begin(), letters.end(), random);
        for (size_t i = 0; i < letters.size(); ++i)
            doc->AddTile(TTileList{.No = numbers[i], .Code = static_cast<uint8_t>(letters[i])});
        doc->SetLastX(static_cast<int32_t>(random() % GridSize));
        doc->SetLastY(static_cast<int32_t>(random() % GridSize));

        // Long runs and single cells both need to occur.
        const int runBias = static_cast<int>(random() % 4);
        uint8_t panel = numbers[0];
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y) {
                if (static_cast<int>(random() % 4) >= runBias)
                    panel = numbers[random() % letters.size()];
                doc->Map[x][y] = MapCell{panel, static_cast<uint8_t>(random()), static_cast<uint8_t>(random() % 6)};
            }
        MapCell before[GridSize][GridSize];
        std::copy(&doc->Map[0][0], &doc->Map[0][0] + GridSize * GridSize, &before[0][0]);

        const std::string code = doc->EncodeMapCode();
        ASSERT_EQ(code.find('@'), code.size() - 1) << code;
        doc->ApplyMapCode(code);
        for (int x = 0; x <= doc->LastX; ++x)
            for (int y = 0; y <= doc->LastY; ++y)
                ASSERT_EQ(doc->Map[x][y].Panel, before[x][y].Panel)
                    << "round " << round << " cell " << x << "," << y << " code " << code;
    }
}

TEST(MapCode, BlocksOnTheClipboard)
{
    auto doc = MakeDoc(Abc, 12, 12);
    const map_shapes::Block block{3, 2, true, {{1, 4, 2}, {1, 0, 0}, {2, 0, 0}, {0, 0, 0}, {2, 9, 1}, {2, 0, 0}}};
    const std::string text = block_clipboard::ToText(*doc, block);
    EXPECT_EQ(text, "3x2 b0cac0@odd");
    // Text carries panels and the row parity; the private bytes carry whole cells too.
    const std::vector<MapCell> panels{{1, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 0, 0}, {2, 0, 0}, {2, 0, 0}};
    EXPECT_EQ(block_clipboard::FromText(*doc, " " + text)->Cells, panels);
    EXPECT_TRUE(block_clipboard::FromText(*doc, text + "\n")->OriginOdd);
    EXPECT_FALSE(block_clipboard::FromText(*doc, "3x2 b0cac0@")->OriginOdd);  // a bare block as before
    EXPECT_EQ(block_clipboard::FromBytes(block_clipboard::ToBytes(block))->Cells, block.Cells);
    EXPECT_TRUE(block_clipboard::FromBytes(block_clipboard::ToBytes(block))->OriginOdd);
    EXPECT_TRUE(block_clipboard::FromBytes(block_clipboard::ToBytes(block))->Present.empty());
    // A turned block keeps the cells it leaves out.
    map_shapes::Block turned = block;
    turned.Present = {true, false, true, true, true, false};
    EXPECT_EQ(block_clipboard::FromBytes(block_clipboard::ToBytes(turned))->Present, turned.Present);
    for (const char* refused : {"", "b@", "0x3 a@", "3x32 a@", "3-2 a@", "x2 a@", "99999999999x1"})
        EXPECT_FALSE(block_clipboard::FromText(*doc, refused)) << refused;
    for (const std::string& bytes : {std::string(), std::string("\x02\x01\x00", 3), std::string("\x20\x01\x00", 3) + std::string(96, 'a')})
        EXPECT_FALSE(block_clipboard::FromBytes(bytes));
}

// Tables as spreadsheets save them (other separators, byte order marks,
// UTF-16, the Windows code page, cleared rows, a JSON object alone) and
// restoring a file from its export with --exact.
#include <gtest/gtest.h>

#include "cli/clirun.h"
#include "cli/samplefile.h"
#include "tilecolumns.h"

namespace tilewright::cli {
namespace {

using namespace testing;

// The same two edits in every dialect: item 5 weighs 7, land 3 is "Grüne Au".
const std::string kEditsUtf8 = "kind,id,weight,name\nitem,5,7,\nland,3,,Gr\xC3\xBCne Au\n";

std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct Dialect {
    const char* what;
    std::string input;
    std::vector<std::string> options;
};

TEST(SpreadsheetDialects, EveryDialectMakesTheSameEdits) {
    SampleFile reference(kClassicLayout);
    WriteText(reference.file("in.csv"), kEditsUtf8);
    ASSERT_EQ(RunCli({"import", reference.path(), reference.file("in.csv")}).out, "2 records changed\n");
    const Bytes expected = reference.now();

    const std::u16string utf16 = u"kind,id,weight,name\r\nitem,5,7,\r\nland,3,,Gr\u00FCne Au\r\n";
    const std::vector<Dialect> dialects = {
        {"semicolon", "kind;id;weight;name\r\nitem;5;7;\r\nland;3;;Gr\xC3\xBCne Au\r\n", {}},
        {"semicolon, quoted", "\"kind\";\"id\";\"weight\";\"name\"\nitem;5;7;\nland;3;;\"Gr\xC3\xBCne Au\"\n", {}},
        {"tab after blank lines", "\r\n\nkind\tid\tweight\tname\nitem\t5\t7\t\nland\t3\t\tGr\xC3\xBCne Au\n", {}},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF" + kEditsUtf8, {}},
        {"UTF-16 LE", Utf16(utf16, false), {}},
        {"UTF-16 BE", Utf16(utf16, true), {}},
        {"Windows-1252", "kind,id,weight,name\r\nitem,5,7,\r\nland,3,,Gr\xFCne Au\r\n", {"--encoding", "windows-1252"}},
        {"cleared rows", "kind,id,weight,name\n,,,\nitem,5,7,\n,,\n\"\",,,\nland,3,,Gr\xC3\xBCne Au\n,,,\n", {}},
        {"JSON objects", "\n  [{\"kind\": \"item\", \"id\": 5, \"weight\": 7}, {\"kind\": \"land\", \"id\": 3, "
                         "\"name\": \"Gr\xC3\xBCne Au\"}]", {}},
    };
    for (const Dialect& d : dialects) {
        SampleFile sample(kClassicLayout);
        WriteText(sample.file("in.csv"), d.input);
        std::vector<std::string> args = {"import", sample.path(), sample.file("in.csv")};
        args.insert(args.end(), d.options.begin(), d.options.end());
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, kExitDone) << d.what << ": " << run.err;
        EXPECT_EQ(run.out, "2 records changed\n") << d.what;
        EXPECT_TRUE(sample.now() == expected) << d.what;
    }
}

TEST(SpreadsheetDialects, ASingleJsonObjectIsOneRow) {
    SampleFile sample(kClassicLayout);
    WriteText(sample.file("in.json"), "\n  {\"kind\": \"item\", \"id\": 5, \"weight\": 7}\n");
    const CliRun run = RunCli({"import", sample.path(), sample.file("in.json")});
    EXPECT_EQ(run.out, "1 record changed\n") << run.err;
    EXPECT_EQ(sample.Read().Row(TileKind::Item, 5).value("weight"), 7);
}

TEST(SpreadsheetDialects, RefusalsNameTheLineAndTheWayForward) {
    const struct {
        const char* what;
        std::string input;
        std::vector<std::string> options;
        const char* message;
    } cases[] = {
        {"Windows-1252 without the option", "kind,id,name\nitem,5,ok\nitem,6,Gr\xFCn\n", {},
         "in.csv:3: the text is not valid UTF-8 (\"\\xFC\"); --encoding windows-1252 reads it in the Windows code page"},
        {"Windows-1252 name past Latin-1", "kind,id,name\nitem,6,5 \x80\n", {"--encoding", "windows-1252"},
         "in.csv:2:3: the name \"5 \xE2\x82\xAC\" has the character \"\xE2\x82\xAC\", above U+00FF"},
        {"UTF-16 cut in half", Utf16(u"kind,id\nitem,5\n", false) + "k", {},
         "in.csv:3: the UTF-16 text ends in half a character"},
        {"UTF-16 lone surrogate", Utf16(u"kind,id,name\nitem,5,\xD800x\n", true), {},
         "in.csv:2: the UTF-16 text has half of a surrogate pair alone"},
        {"separator of no column names", "kind|id\nitem|5\n", {}, "in.csv:1:1: unknown column \"kind|id\""},
        {"JSON object of the wrong kind", "{\"kind\": \"tree\", \"id\": 5}", {},
         "in.csv:1:1: \"tree\" in column kind is not land or item"},
        {"cleared row skipped, short row not", "kind,id,weight\n,\nitem,5\n", {}, "in.csv:3: the row has 2 fields"},
    };
    for (const auto& c : cases) {
        SampleFile sample(kClassicLayout);
        WriteText(sample.file("in.csv"), c.input);
        std::vector<std::string> args = {"import", sample.path(), sample.file("in.csv")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const std::string here = std::filesystem::current_path().string();
        std::filesystem::current_path(sample.folder());
        args[2] = "in.csv";
        const CliRun run = RunCli(args);
        std::filesystem::current_path(here);
        EXPECT_EQ(run.status, kExitFailure) << c.what;
        EXPECT_TRUE(run.err.starts_with(c.message)) << c.what << ": " << run.err;
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_TRUE(sample.now() == sample.original()) << c.what;
    }
}

// A name cleared or set since the export comes back with --exact only; the
// export's other fields come back either way.
TEST(RestoringAnExport, ExactBringsBackEveryNameAsExported) {
    for (const std::string format : {"csv", "json"}) {
        SampleFile sample(kWideFlagLayout);
        const TileDataFile original = sample.Read();
        std::int32_t named = -1, unnamed = -1, leftovers = -1;
        for (std::int32_t n = 0; n < 400; ++n) {
            const TileName name = original.Row(TileKind::Item, n).name;
            const bool after = std::any_of(name.begin() + static_cast<std::ptrdiff_t>(NameLength(name)), name.end(),
                                           [](std::uint8_t b) { return b != 0; });
            if (name[0] != 0 && !after && named < 0) named = n;
            if (name[0] == 0 && !after && unnamed < 0) unnamed = n;
            if (name[0] != 0 && after && leftovers < 0) leftovers = n;
        }
        ASSERT_TRUE(named >= 0 && unnamed >= 0 && leftovers >= 0);
        const std::string table = sample.file("all." + format);
        ASSERT_EQ(RunCli({"export", sample.path(), "--format", format, "-o", table}).status, kExitDone);
        ASSERT_EQ(RunCli({"set", sample.path(), "item", std::to_string(named), "name=", "weight=1"}).status, kExitDone);
        ASSERT_EQ(RunCli({"set", sample.path(), "item", std::to_string(unnamed), "name=New"}).status, kExitDone);

        // An empty CSV cell keeps the name; JSON's "name": "" clears it.
        const CliRun plain = RunCli({"import", sample.path(), table, "--dry-run"});
        EXPECT_EQ(plain.out.find("name: \"New\" -> \"\"") != std::string::npos, format == "json") << plain.out;
        EXPECT_NE(plain.out.find("name: \"\" -> "), std::string::npos) << format << plain.out;

        const CliRun exact = RunCli({"import", "--exact", sample.path(), table});
        ASSERT_EQ(exact.status, kExitDone) << exact.err;
        const TileDataFile now = sample.Read();
        EXPECT_EQ(now.Row(TileKind::Item, named), original.Row(TileKind::Item, named)) << format;
        EXPECT_EQ(now.Row(TileKind::Item, unnamed).name, TileName{}) << format;
        const std::size_t length = NameLength(original.Row(TileKind::Item, leftovers).name);
        TileName zeroFilled{};
        std::copy_n(original.Row(TileKind::Item, leftovers).name.begin(), length, zeroFilled.begin());
        EXPECT_EQ(now.Row(TileKind::Item, leftovers).name, zeroFilled) << format;
        const std::string again = sample.file("again." + format);
        ASSERT_EQ(RunCli({"export", sample.path(), "--format", format, "-o", again}).status, kExitDone);
        EXPECT_EQ(TextOf(again), TextOf(table)) << format;
    }
}

TEST(RestoringAnExport, AnEmptyJsonNameClearsANullOneKeeps) {
    SampleFile sample(kClassicLayout);
    std::int32_t named = 0;
    while (sample.Read().Row(TileKind::Item, named).name[0] == 0) ++named;
    const std::string id = std::to_string(named);
    WriteText(sample.file("null.json"), "[{\"kind\":\"item\",\"id\":" + id + ",\"name\":null,\"weight\":0}]");
    ASSERT_EQ(RunCli({"import", sample.path(), sample.file("null.json")}).status, kExitDone);
    EXPECT_EQ(sample.Read().Row(TileKind::Item, named).name, sample::SampleItemRecord(named).name);
    WriteText(sample.file("empty.json"), "{\"kind\":\"item\",\"id\":" + id + ",\"name\":\"\"}");
    EXPECT_EQ(RunCli({"import", sample.path(), sample.file("empty.json")}).out, "1 record changed\n");
    EXPECT_EQ(sample.Read().Row(TileKind::Item, named).name, TileName{});
}

}  // namespace
}  // namespace tilewright::cli

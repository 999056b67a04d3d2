// Every refusal of import and set: one line on stderr naming the input, the
// line and the field, status 1 (2 for a bad argument), and the file left
// byte-identical.
#include <gtest/gtest.h>

#include "cli/clirun.h"
#include "cli/samplefile.h"

namespace tilewright::cli {
namespace {

using namespace testing;

struct ImportRefusal {
    const char* what;
    const TileDataLayout* layout;
    const char* input;  // named "in.csv" or "in.json" by its first character
    const char* message;
};

// The 64-bit sample holds items 0 to 65535, the classic one 0 to 16383.
const ImportRefusal kImportRefusals[] = {
    {"unknown column", &kWideFlagLayout, "kind,id,colour\nitem,1,5\n", "in.csv:1:3: unknown column \"colour\""},
    {"column twice", &kWideFlagLayout, "kind,id,hue,hue\nitem,1,5,5\n", "in.csv:1:4: column hue appears twice"},
    {"no id column", &kWideFlagLayout, "kind,weight\nitem,5\n", "in.csv:1: the header has no column id"},
    {"duplicate row", &kWideFlagLayout, "kind,id,weight\nitem,1,5\nland,1,\nitem,1,6\n",
     "in.csv:4:2: a second row for item 1 (the first is on line 2)"},
    {"id not held", &kWideFlagLayout, "kind,id\nitem,65536\n",
     "in.csv:2:2: \"65536\" in column id is not an id the file holds (item 0 to 65535)"},
    {"classic id not held", &kClassicLayout, "kind,id\r\nitem,16384\r\n",
     "in.csv:2:2: \"16384\" in column id is not an id the file holds (item 0 to 16383)"},
    {"unknown kind", &kWideFlagLayout, "id,kind\n1,static\n", "in.csv:2:2: \"static\" in column kind is not land or item"},
    {"8-bit too large", &kWideFlagLayout, "kind,id,weight\nitem,3,256\n",
     "in.csv:2:3: \"256\" in column weight is not a whole number from 0 to 255"},
    {"8-bit negative", &kWideFlagLayout, "kind,id,hue\nitem,3,-1\n",
     "in.csv:2:3: \"-1\" in column hue is not a whole number from 0 to 255"},
    {"16-bit too large", &kWideFlagLayout, "kind,id,animation\nitem,3,32768\n",
     "in.csv:2:3: \"32768\" in column animation is not a whole number from -32768 to 32767"},
    {"fraction", &kWideFlagLayout, "kind,id,height\nitem,3,2.5\n",
     "in.csv:2:3: \"2.5\" in column height is not a whole number from 0 to 255"},
    {"blanks kept", &kWideFlagLayout, "kind,id,height\nitem,3, 2\n",
     "in.csv:2:3: \" 2\" in column height is not a whole number from 0 to 255"},
    {"plus sign", &kWideFlagLayout, "kind,id,unknown1\nitem,3,+2\n",
     "in.csv:2:3: \"+2\" in column unknown1 is not a whole number from -32768 to 32767"},
    {"flag not 0 or 1", &kWideFlagLayout, "kind,id,flag_door\nitem,3,2\n", "in.csv:2:3: \"2\" in column flag_door is not 0 or 1"},
    {"name too long", &kWideFlagLayout, "kind,id,name\nland,3,ABCDEFGHIJKLMNOPQRSTU\n",
     "in.csv:2:3: the name \"ABCDEFGHIJKLMNOPQRSTU\" is longer than 20 characters"},
    {"name above U+00FF", &kWideFlagLayout, "kind,id,name\nland,3,5 \xE2\x82\xAC\n",
     "in.csv:2:3: the name \"5 \xE2\x82\xAC\" has the character \"\xE2\x82\xAC\", above U+00FF"},
    {"cell of the other kind", &kWideFlagLayout, "kind,id,texture,weight\nitem,3,,1\nitem,4,7,\n",
     "in.csv:3:3: \"7\" in column texture: item tiles have no texture"},
    {"flag the layout lacks", &kClassicLayout, "kind,id,flag_no_shadow\nitem,1,\n",
     "in.csv:1:3: column flag_no_shadow is not in the file's layout (32-bit flags)"},
    {"short row", &kWideFlagLayout, "kind,id,weight\nitem,3\n", "in.csv:2: the row has 2 fields, the header 3"},
    {"stray quote", &kWideFlagLayout, "kind,id,name\nitem,3,ab\"c\n", "in.csv:2:3: a quotation mark out of place"},
    {"line of a later row", &kWideFlagLayout, "kind,id,name,weight\nitem,3,\"two\nlines\",7\nitem,4,,x\n",
     "in.csv:4:4: \"x\" in column weight"},
    {"json range", &kWideFlagLayout, "[\n{\"kind\": \"item\", \"id\": 5,\n \"weight\": 300}\n]",
     "in.json:3:3: \"300\" in column weight is not a whole number from 0 to 255"},
    {"json unknown key", &kWideFlagLayout, "[{\"kind\": \"item\", \"id\": 5, \"colour\": 1}]",
     "in.json:1:3: unknown column \"colour\""},
    {"json duplicate row", &kWideFlagLayout, "[{\"kind\":\"land\",\"id\":5},\n{\"id\":5,\"kind\":\"land\"}]",
     "in.json:2:1: a second row for land 5 (the first is on line 1)"},
    {"json string for a number", &kWideFlagLayout, "[{\"kind\":\"item\",\"id\":5,\"hue\":\"3\"}]",
     "in.json:1:3: \"3\" in column hue is a string, not a number"},
    {"json fraction", &kWideFlagLayout, "[{\"kind\":\"item\",\"id\":5,\"hue\":1.5}]",
     "in.json:1:3: \"1.5\" in column hue is not a whole number from 0 to 255"},
    {"json flag", &kClassicLayout, "[{\"kind\":\"item\",\"id\":5,\"flag_door\":1,\"flag_alpha_blend\":0}]",
     "in.json:1:4: column flag_alpha_blend is not in the file's layout (32-bit flags)"},
    {"json no kind", &kWideFlagLayout, "[\n{\"id\":5}]", "in.json:2: the row has no kind"},
    {"json syntax", &kWideFlagLayout, "[{\"kind\":\"item\",\n\"id\":5,}]", "in.json:2: not valid JSON"},
};

class ImportRefusals : public ::testing::TestWithParam<ImportRefusal> {};

INSTANTIATE_TEST_SUITE_P(Cases, ImportRefusals, ::testing::ValuesIn(kImportRefusals),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return name;
                         });

TEST_P(ImportRefusals, NamesLineAndFieldAndLeavesTheFile) {
    const ImportRefusal& refusal = GetParam();
    SampleFile sample(*refusal.layout);
    const std::string input = refusal.input[0] == '[' ? "in.json" : "in.csv";
    WriteText(sample.file(input), refusal.input);
    for (const bool dryRun : {false, true}) {
        std::vector<std::string> args = {"import", sample.path(), input};
        if (dryRun) args.push_back("--dry-run");
        const std::string here = std::filesystem::current_path().string();
        std::filesystem::current_path(sample.folder());
        const CliRun run = RunCli(args);
        std::filesystem::current_path(here);
        EXPECT_EQ(run.status, kExitFailure);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with(refusal.message)) << run.err;
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
    }
    EXPECT_TRUE(sample.now() == sample.original());
    EXPECT_EQ(Listing(sample.folder()), (std::vector<std::string>{"TileData.mul", input}));
}

struct SetRefusal {
    std::vector<std::string> args;  // after "set FILE"
    std::string input;
    int status;
    const char* message;
};

TEST(SetRefusals, NameTheArgumentOrTheLineAndLeaveTheFile) {
    const std::vector<SetRefusal> cases = {
        {{"item", "1-x", "weight=1"}, "", kExitUsage, "\"1-x\" in the ids \"1-x\" is not an id or a range FIRST-LAST"},
        {{"item", "9-3", "weight=1"}, "", kExitUsage, "\"9-3\" in the ids"},
        {{"item", "5,16384", "weight=1"}, "", kExitFailure, "the file holds no id 16384 (0 to 16383)"},
        {{"item", "-", "weight=1"}, "3\n7\nx\n", kExitFailure, "standard input:3:1: \"x\" is not an id the file holds"},
        {{"item", "5", "weight=256"}, "", kExitUsage, "tilewright-cli: \"256\" in column weight is not a whole number"},
        {{"item", "5", "weight="}, "", kExitUsage, "tilewright-cli: column weight needs a value"},
        {{"item", "5", "colour=1"}, "", kExitUsage, "\"colour=1\" is not COLUMN=VALUE"},
        {{"item", "5", "id=6"}, "", kExitUsage, "\"id=6\" is not COLUMN=VALUE"},
        {{"land", "5", "weight=3"}, "", kExitUsage, "land tiles have no weight"},
        {{"item", "5", "flag_no_shadow=1"}, "", kExitFailure, "column flag_no_shadow is not in the file's layout"},
        {{"tree", "5", "weight=3"}, "", kExitUsage, "KIND"},
        {{"item", "5", "weight=3", "hue=1", "weight=4"}, "", kExitUsage, "tilewright-cli: column weight appears twice"},
    };
    SampleFile sample(kClassicLayout);
    for (const SetRefusal& refusal : cases) {
        std::vector<std::string> args = {"set", sample.path()};
        args.insert(args.end(), refusal.args.begin(), refusal.args.end());
        const CliRun run = RunCli(args, refusal.input);
        EXPECT_EQ(run.status, refusal.status) << run.err;
        EXPECT_NE(run.err.find(refusal.message), std::string::npos) << run.err;
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_TRUE(sample.now() == sample.original());
}

// However long or raw the value, the message quotes 40 characters of it.
TEST(MessageRefusals, QuoteAtMostFortyCharactersWithBytesEscaped) {
    const std::string long60(60, 'x');
    const std::string cut = "\"" + std::string(40, 'x') + "\xE2\x80\xA6\"";
    const struct {
        std::vector<std::string> args;  // after the file; "in" stands for the input file
        std::string input;
        std::string message;
    } cases[] = {
        {{"import", "in"}, "kind,id," + long60 + "\nitem,5,1\n", "in:1:3: unknown column " + cut},
        {{"import", "in"}, "[{\"kind\":\"item\",\"id\":5,\"hue\":\"" + long60 + "\"}]", "in:1:3: " + cut},
        {{"import", "in"}, "kind,id,name\nitem,5,\"\x01" + long60 + "\"\n",
         "in:2:3: the name \"\\x01" + std::string(39, 'x') + "\xE2\x80\xA6\" is longer than 20 characters"},
        {{"import", "in"}, "kind,id\n" + long60 + ",5\n", "in:2:1: " + cut + " in column kind"},
        {{"set", "item", "5", "height=" + long60}, "", "tilewright-cli: " + cut + " in column height"},
        {{"set", "item", "1-" + long60, "hue=1"}, "", "\"1-" + std::string(38, 'x') + "\xE2\x80\xA6\" in the ids"},
        {{"set", "item", "-", "hue=1"}, "5\n\xFF\x01\n", "standard input:2:1: \"\\xFF\\x01\" is not an id"},
        {{"set", "item", "-", "hue=1"}, "5\n" + std::string(1 << 20, 'x'), "standard input:2:1: " + cut + " is not an id"},
        {{"find", "item", "--flag", long60}, "", "tilewright-cli: " + cut + " is no flag column"},
    };
    SampleFile sample(kClassicLayout);
    for (const auto& c : cases) {
        std::vector<std::string> args = {c.args[0], sample.path()};
        for (std::size_t i = 1; i < c.args.size(); ++i) args.push_back(c.args[i] == "in" ? "in" : c.args[i]);
        if (c.args[0] == "import") WriteText(sample.file("in"), c.input);
        const std::string here = std::filesystem::current_path().string();
        std::filesystem::current_path(sample.folder());
        const CliRun run = RunCli(args, c.args[0] == "import" ? "" : c.input);
        std::filesystem::current_path(here);
        EXPECT_NE(run.status, kExitDone);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_LT(run.err.size(), 300u) << run.err;
    }
    EXPECT_TRUE(sample.now() == sample.original());
}

TEST(FindRefusals, UnknownFlagsAndColumnsAreUsageErrorsButMissingLayoutFlagsAreNot) {
    SampleFile sample(kClassicLayout);
    EXPECT_EQ(RunCli({"find", sample.path(), "item", "--flag", "sparkly"}).status, kExitUsage);
    EXPECT_EQ(RunCli({"find", sample.path(), "item", "--where", "weight=x"}).status, kExitUsage);
    EXPECT_EQ(RunCli({"find", sample.path(), "land", "--where", "weight=1"}).status, kExitUsage);
    const CliRun layout = RunCli({"find", sample.path(), "item", "--no-flag", "no_shadow"});
    EXPECT_EQ(layout.status, kExitFailure);
    EXPECT_EQ(LineCount(layout.err), 1);
}

}  // namespace
}  // namespace tilewright::cli

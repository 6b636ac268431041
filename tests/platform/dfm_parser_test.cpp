// The text format of the stored form descriptions: every kind of value, nesting, and syntax
// errors reported with their line.
#include <gtest/gtest.h>

#include "platform/dfm/dfm_parser.h"

namespace tarvelon {
namespace {

TDfmObject Parse(const std::string& text)
{
    TDfmObject root;
    TDfmError error;
    EXPECT_TRUE(ParseDfm(text, "test.dfm", root, error)) << error.Text();
    return root;
}

TDfmError ParseError(const std::string& text)
{
    TDfmObject root;
    TDfmError error;
    EXPECT_FALSE(ParseDfm(text, "broken.dfm", root, error));
    return error;
}

const TDfmValue& Value(const TDfmObject& object, const std::string& name)
{
    for (const TDfmProperty& property : object.properties) {
        if (property.name == name)
            return property.value;
    }
    static TDfmValue none;
    ADD_FAILURE() << "no property " << name;
    return none;
}

TEST(DfmParser, StringsJoinQuotedPiecesCharacterCodesAndContinuations)
{
    const TDfmObject root = Parse(
        "object F: TForm\n"
        "  A = 'it''s'\n"
        "  B = 'Jo'#227'o'#13#10'Silva'\n"
        "  C = 'Campeonato ' +\n"
        "    'Brasileiro' + #33\n"
        "  D = ''\n"
        "  E = #$41'b'\n"
        "end\n");
    EXPECT_EQ(Value(root, "A").text, "it's");
    EXPECT_EQ(Value(root, "B").text, "João\r\nSilva");
    EXPECT_EQ(Value(root, "C").text, "Campeonato Brasileiro!");
    EXPECT_EQ(Value(root, "C").line, 4);
    EXPECT_EQ(Value(root, "D").kind, TDfmValueKind::String);
    EXPECT_EQ(Value(root, "D").text, "");
    EXPECT_EQ(Value(root, "E").text, "Ab");
}

TEST(DfmParser, NumbersIdentifiersSetsListsItemsAndBinary)
{
    const TDfmObject root = Parse(
        "object F: TForm\n"
        "  Left = -12\n"
        "  Color = $00FF8000\n"
        "  Ratio = 1.5E2\n"
        "  Visible = False\n"
        "  Font.Style = [fsBold, fsItalic]\n"
        "  Anchors = []\n"
        "  Items.Strings = (\n"
        "    'um'\n"
        "    'dois')\n"
        "  Columns = <\n"
        "    item\n"
        "      Caption = 'P'\n"
        "      Width = 30\n"
        "    end\n"
        "    item\n"
        "    end>\n"
        "  Picture.Data = {\n"
        "    0A1B\n"
        "    ff}\n"
        "end\n");
    EXPECT_EQ(Value(root, "Left").integer, -12);
    EXPECT_EQ(Value(root, "Color").integer, 0x00FF8000);
    EXPECT_EQ(Value(root, "Ratio").kind, TDfmValueKind::Float);
    EXPECT_DOUBLE_EQ(Value(root, "Ratio").real, 150.0);
    EXPECT_EQ(Value(root, "Visible").kind, TDfmValueKind::Identifier);
    EXPECT_EQ(Value(root, "Visible").text, "False");
    const TDfmValue& styles = Value(root, "Font.Style");
    ASSERT_EQ(styles.elements.size(), 2u);
    EXPECT_EQ(styles.elements[1].text, "fsItalic");
    EXPECT_TRUE(Value(root, "Anchors").elements.empty());
    const TDfmValue& strings = Value(root, "Items.Strings");
    ASSERT_EQ(strings.elements.size(), 2u);
    EXPECT_EQ(strings.elements[1].text, "dois");
    const TDfmValue& columns = Value(root, "Columns");
    ASSERT_EQ(columns.items.size(), 2u);
    ASSERT_EQ(columns.items[0].properties.size(), 2u);
    EXPECT_EQ(columns.items[0].properties[1].value.integer, 30);
    EXPECT_EQ(columns.items[0].properties[1].line, 14);
    EXPECT_TRUE(columns.items[1].properties.empty());
    EXPECT_EQ(Value(root, "Picture.Data").text, "0A1Bff");
}

TEST(DfmParser, ObjectsNestWithTheirLinesAndInheritedIsMarked)
{
    const TDfmObject root = Parse(
        "inherited Form13: TForm13\n"
        "  // the hub\n"
        "  object Panel1: TPanel\n"
        "    object Label1: TLabel\n"
        "      Caption = 'x'\n"
        "    end\n"
        "  end\n"
        "  inherited btjogar: TButton\n"
        "  end\n"
        "END\n");
    EXPECT_TRUE(root.inherited);
    EXPECT_EQ(root.name, "Form13");
    EXPECT_EQ(root.className, "TForm13");
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].line, 3);
    ASSERT_EQ(root.children[0].children.size(), 1u);
    EXPECT_EQ(root.children[0].children[0].className, "TLabel");
    EXPECT_EQ(root.children[0].children[0].line, 4);
    EXPECT_TRUE(root.children[1].inherited);
}

TEST(DfmParser, SyntaxErrorsGiveTheFileAndLine)
{
    TDfmError error = ParseError("object F: TForm\n  Caption = 'open\nend\n");
    EXPECT_EQ(error.file, "broken.dfm");
    EXPECT_EQ(error.line, 2);
    EXPECT_NE(error.message.find("not closed"), std::string::npos);

    error = ParseError("object F: TForm\n  Left = 10\n  object L: TLabel\n  end\n");
    EXPECT_EQ(error.line, 5);
    EXPECT_NE(error.message.find("end"), std::string::npos);

    error = ParseError("object F: TForm\n  Left 10\nend\n");
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.Text().rfind("broken.dfm, line 2: ", 0), 0u);

    error = ParseError("object F: TForm\n  Data = {0A1}\nend\n");
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(ParseError("object F: TForm\n  S = [a, ]\nend\n").line, 2);
    EXPECT_EQ(ParseError("object F: TForm\n  N = 12x\nend\n").line, 2);
    EXPECT_EQ(ParseError("object F: TForm\nend\nobject G: TForm\nend\n").line, 3);
    EXPECT_EQ(ParseError("").line, 1);
}

TEST(DfmParser, NestingDeeperThanTheLimitIsAProblemOfItsLine)
{
    // 200,000 opening brackets on line 2, and 20,000 objects each on its own line.
    TDfmError error = ParseError("object F: TForm\n  L = " + std::string(200000, '(') + "\nend\n");
    EXPECT_EQ(error.file, "broken.dfm");
    EXPECT_EQ(error.line, 2);
    EXPECT_NE(error.message.find("nest deeper than 100"), std::string::npos) << error.message;

    std::string objects;
    for (int i = 0; i < 20000; ++i)
        objects += "object P" + std::to_string(i) + ": TPanel\n";
    error = ParseError(objects);
    EXPECT_EQ(error.line, 101);
    EXPECT_NE(error.message.find("nest deeper"), std::string::npos);

    // A hundred levels are still read.
    std::string deep = "object F: TForm\n  L = " + std::string(98, '(') + std::string(98, ')') + "\n";
    for (int i = 0; i < 98; ++i)
        deep += "object P" + std::to_string(i) + ": TPanel\n";
    deep += "end\n";
    for (int i = 0; i < 98; ++i)
        deep += "end\n";
    Parse(deep);
}

}  // namespace
}  // namespace tarvelon

#include <gtest/gtest.h>

#include "session/host/object_text.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;

const TextBlock& Block(const ObjectText& text, int id) {
    return text.blocks[static_cast<size_t>(id)];
}

TEST(ObjectTextReader, ReadsValuesOfEveryKind) {
    ObjectTextResult result = ReadObjectText(CrLf({
        "Version =20",
        "Begin Form",
        "    PopUp = NotDefault",
        "    Width =8220",
        "    AlternateBackShade =95.0",
        "    Caption =\"Say \\\"hi\\\" C:\\\\x\\015\\012next\"",
        "    OldCaption =\"It\"\"s\"",
        "    RowSource =\"SELECT a \"",
        "        \"FROM b\"",
        "    RecSrcDt = Begin",
        "        0x20f1f0c46fcee440 ,",
        "        0x01",
        "    End",
        "    Format =General",
        "    Height =" + std::string(400, '9'),
        "End",
    }));
    ASSERT_TRUE(result.text) << result.error.message;
    const ObjectText& text = *result.text;
    EXPECT_EQ(text.header.Find("Version")->value.AsNumber(), 20);
    ASSERT_EQ(text.roots.size(), 1u);
    const PropertyList& p = Block(text, text.roots[0]).properties;
    EXPECT_TRUE(p.Find("popup")->notDefault);
    EXPECT_EQ(p.Find("Width")->value.kind(), PropertyValue::Kind::Number);
    EXPECT_EQ(p.Find("AlternateBackShade")->value.AsNumber(), 95.0);
    EXPECT_EQ(p.Find("Caption")->value.AsText(), "Say \"hi\" C:\\x\r\nnext");
    EXPECT_EQ(p.Find("OldCaption")->value.AsText(), "It\"s");
    EXPECT_EQ(p.Find("RowSource")->value.AsText(), "SELECT a FROM b");
    EXPECT_EQ(p.Find("RecSrcDt")->value.AsText(),
              std::string("\x20\xf1\xf0\xc4\x6f\xce\xe4\x40\x01", 9));
    EXPECT_EQ(p.Find("Format")->value.AsText(), "General");
    // A number too long for a double reads as zero.
    EXPECT_EQ(p.Find("Height")->value.AsText(), "0");
    EXPECT_EQ(p.Find("Height")->value.AsLong(), 0);
}

TEST(ObjectTextReader, KeepsNestingAndTheCodeBehind) {
    ObjectTextResult result = ReadObjectText(CrLf({
        "Begin Form",
        "    Begin",
        "        Begin Section",
        "            Begin",
        "                Begin TextBox",
        "                    Name =\"A\"",
        "                End",
        "            End",
        "        End",
        "    End",
        "End",
        "CodeBehindForm",
        "  ' indented comment stays as it is",
        "Begin This Is Code",
    }));
    ASSERT_TRUE(result.text);
    const ObjectText& text = *result.text;
    ASSERT_EQ(text.blocks.size(), 5u);
    EXPECT_EQ(Block(text, 2).head, "Section");
    EXPECT_EQ(Block(text, 4).head, "TextBox");
    EXPECT_EQ(Block(text, 4).parent, 3);
    EXPECT_TRUE(text.hasCode);
    EXPECT_EQ(text.codeLines, (std::vector<std::string>{"  ' indented comment stays as it is",
                                                        "Begin This Is Code"}));
}

TEST(ObjectTextReader, ReadsTypedQueryProperties) {
    ObjectTextResult result = ReadObjectText(CrLf({
        "dbMemo \"SQL\" =\"SELECT x\\015\\012\"",
        "    \"FROM y;\"",
        "dbBoolean \"ReturnsRecords\" =\"-1\"",
    }));
    ASSERT_TRUE(result.text);
    const TextProperty* sql = result.text->header.Find("SQL");
    ASSERT_NE(sql, nullptr);
    EXPECT_EQ(sql->value.AsText(), "SELECT x\r\nFROM y;");
}

TEST(ObjectTextReader, ReportsWhereTheTextIsBroken) {
    struct Case {
        std::string text;
        int line;
    } cases[] = {
        {CrLf({"Begin Form", "    Caption =\"open", "End"}), 2},
        {CrLf({"Begin Form", "    Width =1", ""}), 1},
        {CrLf({"Begin Form", "End", "End"}), 3},
        {CrLf({"Begin Form", "    just words", "End"}), 2},
        {CrLf({"Begin Form", "    Data = Begin", "        0xZZ", "    End", "End"}), 3},
        {CrLf({"Begin Form", "    Data = Begin", "        0x00"}), 2},
        {CrLf({"\"orphan\""}), 1},
    };
    for (const Case& c : cases) {
        ObjectTextResult result = ReadObjectText(c.text);
        EXPECT_FALSE(result.text) << c.text;
        EXPECT_EQ(result.error.line, c.line) << c.text;
        EXPECT_FALSE(result.error.message.empty());
    }
}

TEST(ObjectTextReader, DeepNestingDoesNotExhaustTheStack) {
    std::string text;
    const int depth = 20000;
    for (int i = 0; i < depth; ++i)
        text += "Begin\r\n";
    for (int i = 0; i < depth; ++i)
        text += "End\r\n";
    ObjectTextResult result = ReadObjectText(text);
    ASSERT_TRUE(result.text);
    EXPECT_EQ(result.text->blocks.size(), static_cast<size_t>(depth));
}

}  // namespace
}  // namespace velorin

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "plumbing/rtf/rtf.h"
#include "record_templates.h"
#include "rtf_test_support.h"

namespace {

std::string Resave(const std::string& rtf) {
    QTextDocument document;
    rtf::Load(document, rtf);
    return rtf::Save(document);
}

bool SevenBitClean(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

QTextDocument* TypedDocument(const QString& text) {
    auto* document = new QTextDocument;
    QTextCursor cursor(document);
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(10);
    cursor.insertText(text, format);
    return document;
}

}  // namespace

TEST(RtfWriter, RecordTemplatesSurviveRoundTrips) {
    std::vector<std::string> values = kCardPlaceholders;
    values.push_back("");
    const std::string templates[] = {
        EpisodeTemplate("Type your text here"),
        PrescriptionTemplate("No prescription"),
        CardTemplate(),
        CardLabelsPane(),
        CardValuesPane(values),
        EpisodeTemplate("\\b Bold\\b0 , \\i italic\\i0 , \\ul under\\ulnone  and \\fs28 big"),
    };
    for (const std::string& original : templates) {
        const std::string once = Resave(original);
        EXPECT_EQ(DescribeRtf(once), DescribeRtf(original)) << original << "\n---\n" << once;
        EXPECT_EQ(Resave(once), once) << "writing is not stable for " << original;
    }
}

TEST(RtfWriter, WritesTheColourTableAndFormattingWords) {
    const std::string saved = Resave(CardTemplate());
    EXPECT_NE(saved.find("{\\colortbl ;\\red128\\green128\\blue128;}"), std::string::npos) << saved;
    EXPECT_NE(saved.find("{\\f0\\fswiss Arial;}"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\\f0\\fs20\\cf1 Name\\cf0 :#PATIENT_NAME#\\par\n\\cf1 Address"),
              std::string::npos)
        << saved;
    EXPECT_EQ(saved.rfind("{\\rtf1\\ansi\\ansicpg1251\\deff0", 0), 0u);
}

TEST(RtfWriter, CodePage1251CharactersBecomeHexEscapes) {
    std::unique_ptr<QTextDocument> document(TypedDocument(QStringLiteral("Ёлка №5 €")));
    const std::string saved = rtf::Save(*document);
    EXPECT_TRUE(SevenBitClean(saved)) << saved;
    EXPECT_NE(saved.find("\\'a8\\'eb\\'ea\\'e0 \\'b95 \\'88"), std::string::npos) << saved;
    EXPECT_EQ(rtf::ToPlainText(saved), QStringLiteral("Ёлка №5 €"));
}

TEST(RtfWriter, CharactersOutsideCodePage1251AreNeverLost) {
    const QString typed = QStringLiteral("日本 ā ř 😀 ∑ é");
    std::unique_ptr<QTextDocument> document(TypedDocument(typed));
    const std::string saved = rtf::Save(*document);
    EXPECT_TRUE(SevenBitClean(saved)) << saved;
    EXPECT_NE(saved.find("\\u26085?\\u26412?"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\\u-10179?\\u-8704?"), std::string::npos) << saved;
    EXPECT_EQ(rtf::ToPlainText(saved), typed);
}

TEST(RtfWriter, EscapesRtfSyntaxInText) {
    const QString typed = QStringLiteral("a\\b {c} \\par\t\u00a0end");
    std::unique_ptr<QTextDocument> document(TypedDocument(typed));
    const std::string saved = rtf::Save(*document);
    EXPECT_NE(saved.find("a\\\\b \\{c\\} \\\\par\\tab\\~end"), std::string::npos) << saved;
    QTextDocument back;
    rtf::Load(back, saved);
    EXPECT_EQ(back.begin().text(), typed);
}

TEST(RtfWriter, KeepsEveryBlockIncludingEmptyOnes) {
    const QStringList shapes[] = {
        {""},
        {"a"},
        {"a", ""},
        {"", "a"},
        {"a", "", "c", ""},
        {"", "", ""},
        {"line\u2028break", "x"},
        {" lead", "trail ", "  "},
    };
    for (const QStringList& blocks : shapes) {
        std::unique_ptr<QTextDocument> document(TypedDocument(blocks.join(QChar(0x2029))));
        ASSERT_EQ(document->blockCount(), blocks.size());
        QTextDocument back;
        rtf::Load(back, rtf::Save(*document));
        ASSERT_EQ(back.blockCount(), blocks.size()) << Utf8(blocks.join("|"));
        int i = 0;
        for (QTextBlock b = back.begin(); b.isValid(); b = b.next(), ++i) {
            EXPECT_EQ(b.text(), blocks[i]);
        }
    }
}

TEST(RtfWriter, EditedCardValuesStayOnTheirLines) {
    std::vector<std::string> values = kCardPlaceholders;
    values.push_back("");
    QTextDocument document;
    rtf::Load(document, CardValuesPane(values));
    QTextCursor cursor(document.findBlockByNumber(0));
    cursor.select(QTextCursor::BlockUnderCursor);
    cursor = QTextCursor(document.findBlockByNumber(0));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(QStringLiteral("Иван Петров"));
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral(", Москва"));

    QTextDocument back;
    rtf::Load(back, rtf::Save(document));
    ASSERT_EQ(back.blockCount(), 12);
    EXPECT_EQ(back.findBlockByNumber(0).text(), QStringLiteral("Иван Петров"));
    EXPECT_EQ(back.findBlockByNumber(1).text(), QStringLiteral("#ADDRESS#, Москва"));
    for (int i = 2; i < 10; ++i) {
        EXPECT_EQ(back.findBlockByNumber(i).text().toStdString(), kCardPlaceholders[i]);
    }
    EXPECT_EQ(Describe(back)[0].runs[0].halfPoints, 20);
}

TEST(RtfWriter, MixedFormattingRoundTrips) {
    QTextDocument document;
    QTextCursor cursor(&document);
    auto format = [](auto tweak) {
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("Arial")});
        f.setFontPointSize(10);
        tweak(f);
        return f;
    };
    cursor.insertText("plain ", format([](QTextCharFormat&) {}));
    cursor.insertText("bold ", format([](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); }));
    cursor.insertText("italic ", format([](QTextCharFormat& f) { f.setFontItalic(true); }));
    cursor.insertText("red ",
                      format([](QTextCharFormat& f) { f.setForeground(QColor(200, 10, 10)); }));
    cursor.insertText("big ", format([](QTextCharFormat& f) { f.setFontPointSize(15.5); }));
    cursor.insertText("mono", format([](QTextCharFormat& f) {
                          f.setFontFamilies({QStringLiteral("Courier New")});
                          f.setFontUnderline(true);
                          f.setFontStrikeOut(true);
                      }));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    cursor.insertText("centre",
                      format([](QTextCharFormat& f) { f.setForeground(QColor(200, 10, 10)); }));

    const std::string saved = rtf::Save(document);
    EXPECT_EQ(DescribeRtf(saved), Describe(document)) << saved;
    EXPECT_EQ(Resave(saved), saved);
}

TEST(RtfWriter, TextWithoutExplicitFormatTakesTheDocumentFont) {
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Tahoma"), 9));
    document.setPlainText(QStringLiteral("typed"));
    const auto runs = DescribeRtf(rtf::Save(document))[0].runs;
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].family, "Tahoma");
    EXPECT_EQ(runs[0].halfPoints, 18);
}

TEST(RtfText, PlainTextMatchesTheLoadedDocument) {
    const std::string samples[] = {
        CardTemplate(),
        CardLabelsPane(),
        PrescriptionTemplate("No \\'cf\\'f0"),
        EpisodeTemplate("a\\line b\\tab c\\~d\\par\\par e"),
        EpisodeTemplate("paragraph\\u8233?separator, frame\\u-536?mark"),
        "not rtf, with a non-breaking\xa0space\r\nand a stray \x13 byte",
    };
    for (const std::string& rtf : samples) {
        QTextDocument document;
        rtf::Load(document, rtf);
        EXPECT_EQ(rtf::ToPlainText(rtf), document.toPlainText()) << rtf;
    }
    EXPECT_EQ(rtf::ToPlainText("not rtf\r\nat all"), QStringLiteral("not rtf\nat all"));
}

TEST(RtfText, EscapedValuesCannotBreakATemplate) {
    // A card value with RTF syntax and a line break, pasted into the values pane.
    const std::string value = "Smith {\\b Jr}\\par\n\xc8\xe2\xe0\xed";
    std::vector<std::string> values = kCardPlaceholders;
    values[0] = rtf::EscapeText(value);
    values.push_back("");
    const auto texts = BlockTexts(CardValuesPane(values));
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts[0], "Smith {\\b Jr}\\par\u2028Иван");
    EXPECT_EQ(texts[1], "#ADDRESS#");
}

TEST(RtfText, LooksLikeRtf) {
    EXPECT_TRUE(rtf::LooksLikeRtf("{\\rtf1}"));
    EXPECT_TRUE(rtf::LooksLikeRtf(" \r\n{\\rtf"));
    EXPECT_FALSE(rtf::LooksLikeRtf("{\\rt"));
    EXPECT_FALSE(rtf::LooksLikeRtf(""));
    EXPECT_FALSE(rtf::LooksLikeRtf("plain {\\rtf1}"));
}

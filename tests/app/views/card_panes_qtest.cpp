// The rich texts of the patient card window and their write-back, without
// windows: the labels pane, the values pane from the fields or from the
// card's Description, and lines back into fields.
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "editor_test_support.h"
#include "model/records/patient_info.h"
#include "plumbing/rtf/rtf.h"
#include "views/editors/card_panes.h"

using namespace editors;

namespace {

std::unique_ptr<QTextDocument> Loaded(const std::string& rtf) {
    auto document = std::make_unique<QTextDocument>();
    rtf::Load(*document, rtf);
    return document;
}

std::vector<std::string*> Fields(CPatientInfo& card) {
    return {&card.m_name,          &card.m_address,        &card.m_age,  &card.m_occupation,
            &card.m_married,       &card.m_hair,           &card.m_eyes, &card.m_complextion,
            &card.m_peculiarityes, &card.m_heightAndWeight};
}

std::vector<std::string> Values(CPatientInfo& card) {
    std::vector<std::string> values;
    for (std::string* field : Fields(card)) values.push_back(*field);
    return values;
}

}  // namespace

class CardPanesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { editors_test::UseScratchHome(); }

    void labelsPaneListsElevenLabelsThenAnEmptyLine() {
        const auto labels = Loaded(LabelsPaneRtf(PatientCardLabels()));
        const QStringList expected = {"Name:",
                                      "Address in full:",
                                      "Age:",
                                      "Occupation:",
                                      "Married (how long) or single:",
                                      "Color of hair:",
                                      "Color of eyes:",
                                      "Complexion:",
                                      "Pequliarities (form, size, etc):",
                                      "Height and weight:",
                                      "Other:",
                                      ""};
        QCOMPARE(editors_test::BlockTexts(*labels), expected);
        const QTextCharFormat label = labels->firstBlock().begin().fragment().charFormat();
        QCOMPARE(label.foreground().color(), QColor(128, 128, 128));
    }

    void valuesPaneHoldsOneFieldALine_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QByteArray("Jane Roe") << QString("Jane Roe");
        QTest::newRow("rtf specials") << QByteArray("a\\b {c} d}") << QString("a\\b {c} d}");
        QTest::newRow("line break") << QByteArray("first\nsecond") << QString("first\u2028second");
        QTest::newRow("cyrillic") << QByteArray("\xc8\xe2\xe0\xed") << QString::fromUtf8("Иван");
        QTest::newRow("reads like a placeholder")
            << QByteArray("#ADDRESS#") << QString("#ADDRESS#");
    }
    void valuesPaneHoldsOneFieldALine() {
        QFETCH(QByteArray, value);
        QFETCH(QString, shown);
        CPatientInfo card;
        card.m_name = value.toStdString();
        card.m_heightAndWeight = "180 cm";
        const QStringList lines = editors_test::BlockTexts(*Loaded(PatientCardValuesRtf(card)));
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines[0], shown);
        QCOMPARE(lines[1], QString("Unknown"));
        QCOMPARE(lines[9], QString("180 cm"));
        QCOMPARE(lines[10], QString());  // #DESCRIPTION# is replaced by nothing
    }

    void cardWithDescriptionShowsIt() {
        CPatientInfo card;
        card.m_description = "{\\rtf1\\ansi\\pard Kept text\\par}";
        QCOMPARE(PatientCardValuesRtf(card), card.m_description);
    }

    void writeBackReturnsEveryFieldWhole() {
        CPatientInfo card;
        const std::vector<std::string> values = {"Jane {Roe}",
                                                 "12 Back\\Street\nFlat 3",
                                                 "44",
                                                 "\xf3\xf7\xe8\xf2\xe5\xeb\xfc",
                                                 "married 10 years",
                                                 "",
                                                 "blue",
                                                 "fair",
                                                 "#HAIR#",
                                                 std::string(3000, 'w')};
        for (std::size_t i = 0; i < values.size(); ++i) *Fields(card)[i] = values[i];

        CPatientInfo back;
        WritePatientCardBack(*Loaded(PatientCardValuesRtf(card)), back);
        QCOMPARE(Values(back), values);
        QVERIFY(rtf::LooksLikeRtf(back.m_description));

        // From then on the card shows its Description, which gives the same lines.
        CPatientInfo again;
        WritePatientCardBack(*Loaded(PatientCardValuesRtf(back)), again);
        QCOMPARE(Values(again), values);
        QCOMPARE(again.m_description, back.m_description);
    }

    void writeBackOfAShortPaneEmptiesTheMissingFields() {
        QTextDocument pane;
        pane.setPlainText(QString("Only a name\u2028\u2028\nStreet\u2028inside"));
        CPatientInfo card;
        WritePatientCardBack(pane, card);
        QCOMPARE(card.m_name, std::string("Only a name"));  // trailing breaks stripped
        QCOMPARE(card.m_address, std::string("Street\ninside"));
        QCOMPARE(card.m_age, std::string());
        QCOMPARE(card.m_heightAndWeight, std::string());
    }
};

QTEST_MAIN(CardPanesTest)
#include "card_panes_qtest.moc"

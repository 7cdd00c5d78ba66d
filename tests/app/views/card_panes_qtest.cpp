// The rich texts of the card windows and their write-back, without windows:
// the labels pane, the values pane built from the card's fields or its
// Description, and lines back into fields.
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "editor_test_support.h"
#include "model/records/patient_info.h"
#include "model/records/practitioner.h"
#include "plumbing/rtf/rtf.h"
#include "views/editors/card_panes.h"

using namespace editors;

namespace {

std::unique_ptr<QTextDocument> Loaded(const std::string& rtf) {
    auto document = std::make_unique<QTextDocument>();
    rtf::Load(*document, rtf);
    return document;
}

void SetFields(CPatientInfo& card, const std::vector<std::string>& values) {
    std::string* fields[] = {&card.m_name,       &card.m_address, &card.m_age,
                             &card.m_occupation, &card.m_married, &card.m_hair,
                             &card.m_eyes,       &card.m_complextion, &card.m_peculiarityes,
                             &card.m_heightAndWeight};
    for (std::size_t i = 0; i < values.size(); ++i) *fields[i] = values[i];
}

std::vector<std::string> Fields(const CPatientInfo& card) {
    return {card.m_name,    card.m_address, card.m_age,         card.m_occupation,
            card.m_married, card.m_hair,    card.m_eyes,        card.m_complextion,
            card.m_peculiarityes, card.m_heightAndWeight};
}

}  // namespace

class CardPanesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { editors_test::UseScratchHome(); }

    void labelsPaneListsElevenLabelsThenAnEmptyLine() {
        QTextDocument labels;
        rtf::Load(labels, LabelsPaneRtf(PatientCardLabels()));
        const QStringList expected = {"Name:", "Address in full:", "Age:", "Occupation:",
                                      "Married (how long) or single:", "Color of hair:",
                                      "Color of eyes:", "Complexion:",
                                      "Pequliarities (form, size, etc):", "Height and weight:",
                                      "Other:", ""};
        QCOMPARE(editors_test::BlockTexts(labels), expected);
        // The label itself is grey, its colon in the default colour.
        const QTextBlock name = labels.firstBlock();
        QCOMPARE(name.begin().fragment().charFormat().foreground().color(), QColor(128, 128, 128));
    }

    void valuesPaneHoldsOneFieldALine_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QByteArray("Jane Roe") << QString("Jane Roe");
        QTest::newRow("rtf specials") << QByteArray("a\\b {c} d}") << QString("a\\b {c} d}");
        QTest::newRow("line break") << QByteArray("first\nsecond") << QString("first\u2028second");
        QTest::newRow("cyrillic") << QByteArray("\xc8\xe2\xe0\xed") << QString::fromUtf8("Иван");
        QTest::newRow("looks like a placeholder") << QByteArray("#ADDRESS#") << QString("#ADDRESS#");
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void valuesPaneHoldsOneFieldALine() {
        QFETCH(QByteArray, value);
        QFETCH(QString, shown);
        CPatientInfo card;
        card.m_name = value.toStdString();
        card.m_heightAndWeight = "180 cm";
        const auto values = Loaded(PatientCardValuesRtf(card));
        const QStringList lines = editors_test::BlockTexts(*values);
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines[0], shown);
        QCOMPARE(lines[1], QString("Unknown"));  // the address, not touched by the name
        QCOMPARE(lines[2], QString("1914"));
        QCOMPARE(lines[9], QString("180 cm"));
        QCOMPARE(lines[10], QString());  // #DESCRIPTION# is replaced by nothing
    }

    void cardWithDescriptionShowsIt() {
        CPatientInfo card;
        card.m_description = "{\\rtf1\\ansi\\pard Kept text\\par}";
        card.m_name = "Not shown";
        QCOMPARE(PatientCardValuesRtf(card), card.m_description);
        QCOMPARE(editors_test::BlockTexts(*Loaded(PatientCardValuesRtf(card))),
                 QStringList{"Kept text"});
    }

    void writeBackReturnsEveryFieldUnchanged() {
        CPatientInfo card;
        const std::vector<std::string> values = {
            "Jane {Roe}", "12 Back\\Street\nFlat 3", "44", "\xf3\xf7\xe8\xf2\xe5\xeb\xfc",
            "married 10 years", "", "blue", "fair", "#HAIR#", std::string(3000, 'w')};
        SetFields(card, values);
        const auto pane = Loaded(PatientCardValuesRtf(card));

        CPatientInfo back;
        WritePatientCardBack(*pane, back);
        QCOMPARE(Fields(back), values);  // whole lines, however long
        QVERIFY(rtf::LooksLikeRtf(back.m_description));

        // From then on the card shows its Description, which gives the same lines.
        CPatientInfo again;
        WritePatientCardBack(*Loaded(PatientCardValuesRtf(back)), again);
        QCOMPARE(Fields(again), values);
        QCOMPARE(again.m_description, back.m_description);
    }

    void writeBackOfAShortPaneEmptiesTheMissingFields() {
        CPatientInfo card;
        WritePatientCardBack(*Loaded("{\\rtf1\\ansi\\pard Only a name\\par Street\\par}"), card);
        QCOMPARE(card.m_name, std::string("Only a name"));
        QCOMPARE(card.m_address, std::string("Street"));
        QCOMPARE(card.m_age, std::string());
        QCOMPARE(card.m_heightAndWeight, std::string());
    }

    void writeBackStripsTrailingLineBreaks() {
        QTextDocument pane;
        pane.setPlainText(QString("Name\u2028\u2028\nAddress\u2028inside"));
        CPatientInfo card;
        WritePatientCardBack(pane, card);
        QCOMPARE(card.m_name, std::string("Name"));
        QCOMPARE(card.m_address, std::string("Address\ninside"));
    }

    void practitionerPaneRoundTrip() {
        CPractitioner practitioner;
        practitioner.m_name = "Dr. {Who}";
        practitioner.m_title = "MD";
        practitioner.m_address = "Street\n2";
        practitioner.m_phone = "+1 555";
        practitioner.m_other = "";
        QTextDocument labels;
        rtf::Load(labels, LabelsPaneRtf(PractitionerLabels()));
        QCOMPARE(editors_test::BlockTexts(labels),
                 (QStringList{"Name:", "Title:", "Address:", "Phone:", "Other:", ""}));

        CPractitioner back;
        WritePractitionerBack(*Loaded(PractitionerValuesRtf(practitioner)), back);
        QCOMPARE(back.m_name, practitioner.m_name);
        QCOMPARE(back.m_title, practitioner.m_title);
        QCOMPARE(back.m_address, practitioner.m_address);
        QCOMPARE(back.m_phone, practitioner.m_phone);
        QCOMPARE(back.m_other, std::string());
    }
};

QTEST_MAIN(CardPanesTest)
#include "card_panes_qtest.moc"

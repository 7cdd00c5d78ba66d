// The texts of the materia medica window on the demo data: the remedy
// information box, the title, which article is shown and how, and the words
// a search marks.
#include <corvela.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "materia_test_support.h"
#include "model/core/program_exports.h"
#include "model/lang/language.h"
#include "plumbing/text/code_page.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/materia_search.h"
#include "views/materia/remedy_information.h"
#include "views/materia/shown_article.h"
#include "views/materia/word_highlights.h"

using namespace materia_test;
using materia::CTextSpan;

class MateriaTextsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theInformationTableRowByRow() {
        struct Row {
            int value;
            const char* miasm;
            const char* thermal;
        };
        const Row rows[] = {
            {-10000, "?", "?"}, {-5, "err", "err"}, {-4, "err", "C+++"}, {-3, "err", "C+++"},
            {-2, "err", "C++"}, {-1, "err", "C+"},   {0, "", "H/C"},      {1, "+", "H+"},
            {2, "++", "H++"},   {3, "+++", "H+++"}, {4, "L+++", "H+++"}, {5, "err", "err"},
            {9, "err", "err"},
        };
        for (const Row& row : rows) {
            QCOMPARE(materia::MiasmMark(row.value), std::string(row.miasm));
            QCOMPARE(materia::ThermalMark(row.value), std::string(row.thermal));
        }
    }

    void theInformationBoxOfACatalogueRemedy() {
        // ars.: 1 1 1 1 -3; cina: attribute 4 not given; cham.: all 0.
        QCOMPARE(materia::RemedyInformationText(CorvelaInstance().FindRemedy("ars")),
                 std::string("Remedy information:\npso: +\ntub: +\nsyc: +\nlue: +\nhot or chilly: C+++"));
        QCOMPARE(materia::RemedyInformationText(CorvelaInstance().FindRemedy("cina")),
                 std::string("Remedy information:\npso: +\ntub: \nsyc: \nlue: \nhot or chilly: ?"));
        QCOMPARE(materia::RemedyInformationText(CorvelaInstance().FindRemedy("cham")),
                 std::string("Remedy information:\npso: \ntub: \nsyc: \nlue: \nhot or chilly: H/C"));
        QCOMPARE(materia::RemedyInformationText(nullptr),
                 std::string("Remedy information:\npso: ?\ntub: ?\nsyc: ?\nlue: ?\nhot or chilly: ?"));
        // The box is drawn inside the size it asks for.
        const QString text = plumbing::DecodeCodePage(
            materia::RemedyInformationText(CorvelaInstance().FindRemedy("ars")));
        const QSize size = materia::RemedyInformationSize(text);
        QImage image(size + QSize(20, 20), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        materia::PaintRemedyInformation(painter, QRect(QPoint(10, 10), size), text);
        painter.end();
        QCOMPARE(image.pixelColor(5, 5).alpha(), 0);
        QVERIFY(image.pixelColor(10 + size.width() / 2, 10 + size.height() / 2).alpha() > 0);
    }

    void theTitleNamesRemedyAndBook() {
        CMateriaMedicaDoc document;
        document.Navigate(RemedyNumber("acon"), Id(kDemoBook));
        QCOMPARE(document.Title(), QStringLiteral("[acon] MM_DEMO"));
        document.Navigate(-1, Id(kNotesBook));  // the remedy stays
        QCOMPARE(document.Title(), QStringLiteral("[acon] MM_NOTES"));
        QCOMPARE(document.Remedy(), RemedyNumber("acon"));
        document.Navigate(RemedyNumber("bell"), Id("00000000-0000-0000-0000-000000000001"));
        QCOMPARE(document.Title(), QStringLiteral("[bell] "));
    }

    void highlightWordsComeFromAHashString() {
        CMateriaMedicaDoc document;
        document.Navigate(0, Id(kDemoBook), "#fear#night");
        QCOMPARE(document.HighlightWords(), (std::vector<std::string>{"fear", "night"}));
        document.Navigate(1, Id(kDemoBook), "plain");  // not '#': the words stay
        QCOMPARE(document.HighlightWords().size(), std::size_t{2});
        QCOMPARE(materia::SplitHighlight("#a##b#"), (std::vector<std::string>{"a", "b"}));
        QCOMPARE(materia::JoinHighlight({"a", "b"}), std::string("#a#b"));
    }

    void plainArticlesStartWithALineBreakRichOnesKeepTheirText() {
        const materia::CShownArticle acon = materia::FindShownArticle(RemedyNumber("acon"), Id(kDemoBook));
        QCOMPARE(acon.m_kind, materia::CShownArticle::Kind::kPlainText);
        QVERIFY(acon.m_text.rfind("\nSudden, violent onset", 0) == 0);
        QVERIFY(materia::ShownPlainText(acon).startsWith(QStringLiteral("\nSudden, violent onset")));
        QVERIFY(!acon.m_editable);

        const materia::CShownArticle bell = materia::FindShownArticle(RemedyNumber("bell"), Id(kDemoBook));
        QCOMPARE(bell.m_kind, materia::CShownArticle::Kind::kRichText);
        QVERIFY(bell.m_text.rfind("{\\rtf1", 0) == 0);
        QVERIFY(materia::ShownPlainText(bell).startsWith(QStringLiteral("Heat, redness, throbbing")));

        const materia::CShownArticle none = materia::FindShownArticle(RemedyNumber("apis"), Id(kNotesBook));
        QCOMPARE(none.m_kind, materia::CShownArticle::Kind::kNoArticle);
        QVERIFY(!none.HasArticle());
        const materia::CShownArticle unknown =
            materia::FindShownArticle(0, Id("00000000-0000-0000-0000-000000000001"));
        QCOMPARE(unknown.m_kind, materia::CShownArticle::Kind::kNoSource);

        const materia::CShownArticle mine = materia::FindShownArticle(RemedyNumber("puls"), Id(kUserNotes));
        QVERIFY(mine.m_editable);
    }

    void everyOccurrenceOfEveryWordFoldedLikeTheSearch() {
        const QString text = QStringLiteral("Headache; forehead HEAD-ache. Nothing here.");
        const std::vector<CTextSpan> spans = materia::FindWordSpans(text, {"head"});
        QCOMPARE(spans, (std::vector<CTextSpan>{{0, 4}, {14, 4}, {19, 4}}));
        // Overlapping words join; spans come in text order.
        QCOMPARE(materia::FindWordSpans(text, {"ache", "headache"}),
                 (std::vector<CTextSpan>{{0, 8}, {24, 4}}));
        // Cyrillic folds through the code page 1251 table: "ГОЛОВ" in "Головная".
        const QString russian = QString::fromUtf8("Головная боль; ГОЛОВА");
        const std::string word = plumbing::EncodeCp1251(QString::fromUtf8("ГОЛОВ"));
        QCOMPARE(materia::FindWordSpans(russian, {word}),
                 (std::vector<CTextSpan>{{0, 5}, {15, 5}}));
        QCOMPARE(materia::FoldCase(QString::fromUtf8("ЁЖ Ab")), QString::fromUtf8("ёж ab"));
        QVERIFY(materia::FindWordSpans(text, {}).empty());
    }

    void theQueryWordsAreTheHighlightWords() {
        QCOMPARE(materia::QueryWords("fear -night ?thirst @acon"),
                 (std::vector<std::string>{"fear", "night", "thirst"}));
    }

    // A file without 0x40 whose kind is not 2 is loaded as it stands: it is
    // read, never edited as a user's own.
    void onlyKindTwoIsTheUsersOwn() {
        MateriaMedicaBuilder* builder = CorvelaInstance().GetMateriaMedicaBuilder();
        const MateriaMedicaDescription description{"6A1B2C3D-0000-4000-8000-000000000001",
                                                   "Kind zero", "", "", "", "", 0};
        builder->Begin(&description);
        builder->AddArticle("acon", "", "Plain text.", nullptr);
        builder->End();
        QVERIFY(builder->Save(HomePath(QStringLiteral("kind_zero.mmb")).toUtf8().constData()));
        RestartEngine();
        const Guid id = Id("6A1B2C3D-0000-4000-8000-000000000001");
        QVERIFY(CorvelaInstance().FindDataSource(&id) != nullptr);
        QVERIFY(!materia::IsUserSource(CorvelaInstance().FindDataSource(&id)));
        QVERIFY(!materia::FindShownArticle(RemedyNumber("acon"), id).m_editable);
        const Guid notes = Id(kUserNotes);
        QVERIFY(materia::IsUserSource(CorvelaInstance().FindDataSource(&notes)));
        QFile::remove(HomePath(QStringLiteral("kind_zero.mmb")));
        QFile::remove(HomePath(QStringLiteral("kind_zero.idx")));
        RestartEngine();
    }

    void theDefaultLanguageReadsTheScopesInEnglish() {
        QVERIFY(CLanguage::Get().LoadFile(HomePath(QStringLiteral("english.lng")).toStdString()));
        QCOMPARE(QString::fromLatin1(LocalizeString(
                     "\xE2\x20\xE2\xFB\xE1\xF0\xE0\xED\xEE\xEC\x20\xEF\xF0\xE5\xEF\xE0\xF0\xE0\xF2\xE5"
                     "\x20\x28\xF0\xE0\xE7\xED\xFB\xE5\x20\xE0\xE2\xF2\xEE\xF0\xFB\x29",
                     1)),
                 QStringLiteral("in the chosen remedy (several authors)"));
    }
};

MERIDANE_MATERIA_QTEST_MAIN(MateriaTextsTest)
#include "materia_texts_qtest.moc"

// The query box: colours by token class against the scope and source it is
// given, no change notification for recolouring, the 255-byte limit, one
// line, and the keys it hands to its owner.
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "demo_home.h"
#include "views/query/query_box.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kGrey(128, 128, 128);

}  // namespace

class QueryBoxTest : public QObject {
    Q_OBJECT
private:
    CQueryBox* m_box = nullptr;

private Q_SLOTS:
    void init() {
        m_box = new CQueryBox;
        m_box->SetScope(kScopeRepertories, views_test::DemoEnglishRepertory());
        m_box->show();
    }
    void cleanup() {
        delete m_box;
        m_box = nullptr;
    }

    void coloursEachTokenByItsClass() {
        // @acon > 2 anx - xyzzy @nosuch
        m_box->SetText(QStringLiteral("@acon>2 anx -xyzzy @nosuch"));
        QCOMPARE(m_box->ColourAt(0), kGreen);  // @acon
        QCOMPARE(m_box->ColourAt(4), kGreen);
        QCOMPARE(m_box->ColourAt(5), kNavy);      // >
        QCOMPARE(m_box->ColourAt(6), kBlue);      // 2
        QCOMPARE(m_box->ColourAt(8), kNavy);      // anx
        QCOMPARE(m_box->ColourAt(12), kNavy);     // -
        QCOMPARE(m_box->ColourAt(13), kDarkRed);  // xyzzy: in no index
        QCOMPARE(m_box->ColourAt(19), kDarkRed);  // @nosuch: unknown remedy
        QVERIFY(m_box->IsWellFormed());
        // The colours reach the line's layout.
        const QList<QTextLayout::FormatRange> formats =
            m_box->document()->firstBlock().layout()->formats();
        QCOMPARE(formats.size(), 7);
        QCOMPARE(formats.front().format.foreground().color(), kGreen);
    }

    void gradeOutsideOneToThreeIsRed() {
        m_box->SetText(QStringLiteral("@lach>4"));
        QCOMPARE(m_box->ColourAt(6), kRed);
        QVERIFY(!m_box->IsWellFormed());
        m_box->SetText(QStringLiteral("head,pain"));
        QCOMPARE(m_box->ColourAt(4), kRed);
    }

    void gradesAreGreyForMateriaMedicas() {
        m_box->SetScope(kScopeMateriaMedicas, views_test::DemoMateriaMedica());
        m_box->SetText(QStringLiteral("@acon>2"));
        QCOMPARE(m_box->ColourAt(0), kGreen);
        QCOMPARE(m_box->ColourAt(5), kGrey);
        QCOMPARE(m_box->ColourAt(6), kGrey);
    }

    void wordsAreLookedUpInTheGivenSourceOnly() {
        // A Russian word is in the Russian repertory, not in the English one.
        const QString word = QString::fromUtf8("\u0433\u043d\u0435\u0432");  // anger
        m_box->SetText(word);
        QCOMPARE(m_box->ColourAt(0), kDarkRed);
        m_box->SetScope(kScopeRepertories, views_test::DemoRussianRepertory());
        QCOMPARE(m_box->ColourAt(0), kNavy);
    }

    void recolouringIsNoEdit() {
        QSignalSpy changed(m_box, &QTextEdit::textChanged);
        QSignalSpy edited(m_box, &CQueryBox::QueryEdited);
        QTest::keyClicks(m_box, QStringLiteral("anx"));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(edited.count(), 3);
        m_box->SetScope(kScopeRepertories, views_test::DemoRussianRepertory());
        m_box->Reanalyse();
        QCOMPARE(changed.count(), 3);
        QCOMPARE(m_box->ColourAt(0), kDarkRed);
        // Undo takes back typing, never colours.
        m_box->undo();
        QVERIFY(m_box->Text().size() < 3);
    }

    void cutsAtTheEnginesLength() {
        QSignalSpy cut(m_box, &CQueryBox::QueryCut);
        m_box->SetText(QString(300, QLatin1Char('a')));
        QCOMPARE(m_box->Text().size(), CQueryBox::kMaxQueryBytes);
        QCOMPARE(cut.count(), 1);
        QCOMPARE(m_box->QueryBytes().size(), std::size_t{255});
        const SearchQuery query = m_box->MakeQuery();
        QCOMPARE(query.text[255], '\0');
        QCOMPARE(query.scope, static_cast<std::int32_t>(kScopeRepertories));
        QVERIFY(query.source == views_test::DemoEnglishRepertory());
        m_box->SetText(QStringLiteral("short"));
        QCOMPARE(cut.count(), 1);
    }

    void characterOutsideTheCodePageIsMarkedInvalid() {
        m_box->SetText(QString::fromUtf8("anx\u2603"));
        QCOMPARE(m_box->QueryBytes(), std::string("anx*"));
        QCOMPARE(m_box->ColourAt(3), kRed);
    }

    void staysOnOneLine() {
        QApplication::clipboard()->setText(QStringLiteral("anx\niety\tnight"));
        m_box->paste();
        QCOMPARE(m_box->Text(), QStringLiteral("anx iety night"));
        QCOMPARE(m_box->document()->blockCount(), 1);
        QTest::keyClick(m_box, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(m_box->document()->blockCount(), 1);
    }

    void handsItsKeysToTheOwner() {
        QSignalSpy entered(m_box, &CQueryBox::Entered);
        QSignalSpy next(m_box, &CQueryBox::FindNext);
        QSignalSpy previous(m_box, &CQueryBox::FindPrevious);
        QSignalSpy escaped(m_box, &CQueryBox::Escaped);
        QSignalSpy tab(m_box, &CQueryBox::TabPressed);
        QTest::keyClick(m_box, Qt::Key_Return);
        QTest::keyClick(m_box, Qt::Key_Enter);
        QTest::keyClick(m_box, Qt::Key_F3);
        QTest::keyClick(m_box, Qt::Key_F4);
        QTest::keyClick(m_box, Qt::Key_Escape);
        QTest::keyClick(m_box, Qt::Key_Tab);
        QTest::keyClick(m_box, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(entered.count(), 2);
        QCOMPARE(next.count(), 1);
        QCOMPARE(previous.count(), 1);
        QCOMPARE(escaped.count(), 1);
        QCOMPARE(tab.count(), 2);
        QCOMPARE(tab.at(1).at(0).toBool(), true);
        QVERIFY(m_box->Text().isEmpty());

        // A key handler sees every key first.
        int seen = 0;
        m_box->SetKeyHandler([&seen](QKeyEvent& event) {
            ++seen;
            return event.key() == Qt::Key_Return;
        });
        QTest::keyClick(m_box, Qt::Key_Return);
        QTest::keyClick(m_box, Qt::Key_A);
        QCOMPARE(seen, 2);
        QCOMPARE(entered.count(), 2);
        QCOMPARE(m_box->Text(), QStringLiteral("a"));
    }
};

int main(int argc, char** argv) {
    views_test::UseDemoHome();
    QApplication application(argc, argv);
    QueryBoxTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "query_box_qtest.moc"

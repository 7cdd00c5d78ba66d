// The repertory page without a widget: the display tree made as it is
// reached, heading texts, remedy typesetting by grade, line positions,
// wrapping measured with each item's own face, hit testing and painting.
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "demo_home.h"
#include "plumbing/widgets/interface_fonts.h"
#include "repertory_test_support.h"
#include "views/repertory/repertory_renderer.h"
#include "views/repertory/repertory_topic_info.h"

using CTopicInfo = CRepertoryView::CTopicInfo;
using repertory_test::Rubric;

namespace {

QFont TestFont() {
    QFont font;
    font.setPixelSize(13);
    return font;
}

// The node of the rubric at `path`, made on the way.
CTopicInfo* NodeOf(CTopicInfo& root, Repertory& repertory,
                   std::initializer_list<const char*> path) {
    Topic* topic = Rubric(repertory, path);
    return topic != nullptr ? root.Find(topic->GetId()) : nullptr;
}

// NodeOf, with the node and its ancestors expanded.
CTopicInfo* Shown(CTopicInfo& root, Repertory& repertory, std::initializer_list<const char*> path) {
    CTopicInfo* node = NodeOf(root, repertory, path);
    for (CTopicInfo* step = node; step != nullptr; step = step->Parent()) step->SetExpanded(true);
    return node;
}

}  // namespace

class RepertoryRendererTest : public QObject {
    Q_OBJECT
private:
    Repertory* m_repertory = nullptr;
    std::unique_ptr<CInterfaceFonts> m_fonts;
    std::unique_ptr<CTopicInfo> m_root;
    std::unique_ptr<CRepertoryRenderer> m_page;

private Q_SLOTS:
    void initTestCase() {
        m_repertory = repertory_test::FindRepertory(views_test::BrowserTestRepertory());
        QVERIFY(m_repertory != nullptr);
        m_fonts = std::make_unique<CInterfaceFonts>(TestFont());
    }
    void init() {
        m_root = CTopicInfo::MakeRoot(*m_repertory);
        m_page = std::make_unique<CRepertoryRenderer>(*m_fonts);
        m_page->SetTree(m_root.get(), m_repertory);
    }

    void nodesAreMadeAsTheyAreReached() {
        QVERIFY(m_root->IsExpanded());
        QCOMPARE(static_cast<int>(m_root->Children().size()), 3);  // Mind, Head, Sleep
        CTopicInfo& mind = m_root->Children()[0];
        QVERIFY(!mind.IsExpanded());
        QVERIFY(!mind.ChildrenMade());
        // Finding a deep rubric makes its path, and nothing beside it.
        CTopicInfo* waking = NodeOf(*m_root, *m_repertory,
                                    {"Head", "Pain", "forehead", "right", "morning", "waking, on"});
        QVERIFY(waking != nullptr);
        QCOMPARE(waking->Level(), 7);
        QVERIFY(!mind.ChildrenMade());
        QCOMPARE(m_root->Find(m_root->Id()), m_root.get());
        QVERIFY(m_root->Find(100000) == nullptr);
    }

    void headingTexts() {
        QCOMPARE(m_page->HeadingText(*m_root),
                 QStringLiteral("Browser Test Repertory of the test team"));
        CTopicInfo* anxiety = NodeOf(*m_root, *m_repertory, {"Mind", "Anxiety"});
        QCOMPARE(m_page->HeadingText(*anxiety), QStringLiteral("Anxiety [ t: 3, rem: 12 ]: "));
        CTopicInfo* sleep = NodeOf(*m_root, *m_repertory, {"Sleep"});
        QCOMPARE(m_page->HeadingText(*sleep), QStringLiteral("Sleep [ t: 0, rem: 0 ]: "));
    }

    void remediesAreTypesetByGrade() {
        CTopicInfo* anxiety = NodeOf(*m_root, *m_repertory, {"Mind", "Anxiety"});
        CTopicInfo* morning = Shown(*m_root, *m_repertory, {"Mind", "Anxiety", "morning"});
        m_page->Layout(2000);
        auto text = [this](CTopicInfo* node, int entry) {
            return m_page->ItemText(m_page->ItemOf(node, entry));
        };
        auto face = [this](CTopicInfo* node, int entry) {
            const CTopicInfo::CRemedy& remedy = node->Remedies()[static_cast<std::size_t>(entry)];
            return m_page->Texts().Get(remedy.m_remedy, remedy.m_grade).face;
        };
        QCOMPARE(text(anxiety, 0), QStringLiteral("ACON."));  // grade 4
        QCOMPARE(face(anxiety, 0), views::RemedyFace::kBold);
        QCOMPARE(text(anxiety, 1), QStringLiteral("Ars."));  // grade 3
        QCOMPARE(face(anxiety, 1), views::RemedyFace::kBold);
        QCOMPARE(text(anxiety, 2), QStringLiteral("Calc."));  // grade 2
        QCOMPARE(face(anxiety, 2), views::RemedyFace::kItalic);
        QCOMPARE(text(morning, 0), QStringLiteral("acon."));  // grade 1
        QCOMPARE(face(morning, 0), views::RemedyFace::kNormal);
        QCOMPARE(m_page->Texts().Get(0, 4).text.right(2), QStringLiteral(". "));
        QVERIFY(m_page->Texts().Size() <= 12 + 2);
    }

    void linesAndIndents() {
        m_page->Layout(800);
        const CDrawnRows& rows = m_page->Rows();
        // The root, then its three chapters, one line each.
        QCOMPARE(rows.RowCount(), 4);
        QCOMPARE(rows.RowTop(0), CRepertoryRenderer::kTopMargin);
        for (int row = 1; row < 4; ++row)
            QCOMPARE(rows.RowTop(row), rows.RowTop(row - 1) + m_page->LineHeight());
        CTopicInfo& mind = m_root->Children()[0];
        const QRect rootBox = m_page->ItemBox(m_page->ItemOf(m_root.get()));
        const QRect mindBox = m_page->ItemBox(m_page->ItemOf(&mind));
        QCOMPARE(rootBox.left(), CRepertoryRenderer::kLeftMargin);
        // A heading's box starts at its glyph, 20 pixels further in per level.
        QCOMPARE(mindBox.left() + CRepertoryRenderer::kGlyphSize + CRepertoryRenderer::kGlyphGap,
                 CRepertoryRenderer::kLeftMargin + CRepertoryRenderer::kIndentPerLevel);
        QCOMPARE(m_page->ContentSize().height(), rows.Bottom() + CRepertoryRenderer::kBottomMargin);

        // A collapsed rubric shows its heading only.
        CTopicInfo* fear = NodeOf(*m_root, *m_repertory, {"Mind", "Fear"});
        mind.SetExpanded(true);
        m_page->Layout(800);
        QCOMPARE(m_page->ItemOf(fear, 0), kNoDrawnItem);
        QVERIFY(m_page->ItemOf(fear) != kNoDrawnItem);
        // Mind expanded: root, Mind, Anxiety, Fear, Head, Sleep.
        QCOMPARE(m_page->Rows().RowCount(), 6);
    }

    void remediesWrapAtTheRightEdgeMeasuredInTheirOwnFaces() {
        CTopicInfo* anxiety = Shown(*m_root, *m_repertory, {"Mind", "Anxiety"});
        const int width = 260;
        m_page->Layout(width);
        const CDrawnRows& rows = m_page->Rows();
        const DrawnItemId heading = m_page->ItemOf(anxiety);
        const int indent =
            CRepertoryRenderer::kLeftMargin + 2 * CRepertoryRenderer::kIndentPerLevel;
        int previousRow = rows.RowOfItem(static_cast<int>(heading));
        int wrapped = 0;
        for (int entry = 0; entry < anxiety->RemedyCount(); ++entry) {
            const int item = static_cast<int>(m_page->ItemOf(anxiety, entry));
            const CTopicInfo::CRemedy& remedy =
                anxiety->Remedies()[static_cast<std::size_t>(entry)];
            const CRemedyTextCache::CEntry& form =
                m_page->Texts().Get(remedy.m_remedy, remedy.m_grade);
            QCOMPARE(rows.ItemRight(item) - rows.ItemLeft(item),
                     QFontMetrics(m_page->Texts().Font(form.face)).horizontalAdvance(form.text));
            const int row = rows.RowOfItem(item);
            if (row != previousRow) {
                ++wrapped;
                QCOMPARE(rows.ItemLeft(item), indent);
                QCOMPARE(rows.FirstItem(row), item);
            } else if (rows.FirstItem(row) != item) {
                QCOMPARE(rows.ItemLeft(item), rows.ItemRight(item - 1));
            }
            if (rows.FirstItem(row) != item)
                QVERIFY(rows.ItemRight(item) <= width - CRepertoryRenderer::kRightMargin);
            previousRow = row;
        }
        QVERIFY(wrapped >= 2);
        // Wide enough: everything on the heading's line.
        m_page->Layout(3000);
        QCOMPARE(m_page->Rows().RowOfItem(static_cast<int>(m_page->ItemOf(anxiety, 11))),
                 m_page->Rows().RowOfItem(static_cast<int>(m_page->ItemOf(anxiety))));
    }

    void itemsAreNumberedInReadingOrder() {
        m_root->ExpandAll();
        m_page->Layout(400);
        QCOMPARE(m_page->ItemCount(), 15 + 12 + 2 + 1 + 1 + 1 + 1 + 1 + 1);
        CTopicInfo* previous = nullptr;
        for (int item = 0; item < m_page->ItemCount(); ++item) {
            const CRepertoryRenderer::CTarget target = m_page->TargetOf(item);
            QVERIFY(target.IsValid());
            QCOMPARE(m_page->ItemOf(target.node, target.remedy), DrawnItemId{item});
            if (target.remedy < 0) {
                if (previous != nullptr)
                    QVERIFY(ItemNumber(target.node->Id()) > ItemNumber(previous->Id()));
                previous = target.node;
            }
            const QRect box = m_page->ItemBox(item);
            QCOMPARE(m_page->ItemAt(box.center()), DrawnItemId{item});
        }
        QVERIFY(!m_page->TargetOf(m_page->ItemCount()).IsValid());
        QCOMPARE(m_page->ItemAt(QPoint(2, 2)), kNoDrawnItem);
        QCOMPARE(m_page->LastNode()->GetTopic()->GetText(), "Sleep");
        std::vector<DrawnItemId> visible;
        m_page->ItemsIn(QRect(0, 0, 400, 2 * m_page->LineHeight()), &visible);
        QVERIFY(!visible.empty());
        QCOMPARE(visible.front(), DrawnItemId{0});
    }

    void paintsOnlyWhatMeetsTheArea() {
        CTopicInfo* anxiety = Shown(*m_root, *m_repertory, {"Mind", "Anxiety"});
        m_page->Layout(600);
        QImage image(600, m_page->ContentSize().height(), QImage::Format_RGB32);
        image.fill(Qt::red);
        {
            QPainter painter(&image);
            m_page->Paint(painter, image.rect());
        }
        // Ink inside a remedy's box, paper in the margins.
        const QRect acon = m_page->ItemBox(m_page->ItemOf(anxiety, 0));
        bool ink = false;
        for (int x = acon.left(); x < acon.right(); ++x)
            for (int y = acon.top(); y < acon.bottom(); ++y) ink |= qGray(image.pixel(x, y)) < 100;
        QVERIFY(ink);
        QCOMPARE(image.pixel(2, image.height() - 2), qRgb(255, 255, 255));
        // An area below the content: background only.
        QImage below(100, 100, QImage::Format_RGB32);
        below.fill(Qt::red);
        {
            QPainter painter(&below);
            painter.translate(0, -5000);
            m_page->Paint(painter, QRect(0, 5000, 100, 100));
        }
        QCOMPARE(below.pixel(50, 50), qRgb(255, 255, 255));
    }

    void glyphAndHints() {
        m_page->Layout(600);
        CTopicInfo& mind = m_root->Children()[0];
        const DrawnItemId item = m_page->ItemOf(&mind);
        const QRect box = m_page->ItemBox(item);
        QVERIFY(m_page->OnGlyph(item, QPoint(box.left() + 3, box.center().y())));
        QVERIFY(!m_page->OnGlyph(item, QPoint(box.right() - 3, box.center().y())));
        QVERIFY(!m_page->OnGlyph(m_page->ItemOf(m_root.get()),
                                 QPoint(CRepertoryRenderer::kLeftMargin, 10)));
        QVERIFY(m_page->ItemHint(item).Empty());
        CTopicInfo* anxiety = Shown(*m_root, *m_repertory, {"Mind", "Anxiety"});
        m_page->Layout(600);
        const CHintText hint = m_page->ItemHint(m_page->ItemOf(anxiety, 0));
        QVERIFY(!hint.Empty());
        QCOMPARE(hint.translation, CHintText::Translation::None);
    }
};

int main(int argc, char** argv) {
    repertory_test::PrepareHome();
    QApplication application(argc, argv);
    RepertoryRendererTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "repertory_renderer_qtest.moc"

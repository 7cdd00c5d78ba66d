// The hint window: placed near its box, drawn in its colours and face, shown
// after a rest and hidden on leaving, pressing and scrolling, its text passed
// through the program's translation (this program exports LocalizeString).
#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <cstring>
#include <string>

#include "drawn_test_renderer.h"
#include "plumbing/drawn/drawn_view.h"
#include "plumbing/widgets/interface_fonts.h"
#include "plumbing/widgets/sensor_wnd.h"

using R = CDrawnTestRenderer;

// The program's translation, as a language file would give it (code page 1251):
// "Expand/Collapse rubric" as a whole, "{Weight:}" by its braces.
extern "C" __attribute__((visibility("default"))) const char* LocalizeString(const char* text, int whole) {
    static std::string answer;
    if (whole != 0) return std::strcmp(text, "Expand/Collapse rubric") == 0 ? "\xD0\xF3\xE1\xF0\xE8\xEA\xE0" : text;
    answer = text;
    if (const std::size_t at = answer.find("{Weight:}"); at != std::string::npos)
        answer.replace(at, 9, "\xC2\xE5\xF1:");
    return answer.c_str();
}

class SensorWndTest : public QObject {
    Q_OBJECT

private:
    static CSensorWnd& Sensor() { return CSensorWnd::Shared(); }

private Q_SLOTS:
    void cleanup() { Sensor().Hide(); }

    void textsAreTranslatedAsAsked() {
        QCOMPARE(CSensorWnd::DisplayText({"Expand/Collapse rubric", CHintText::Translation::Whole}),
                 QStringLiteral("Рубрика"));
        QCOMPARE(CSensorWnd::DisplayText({"{Weight:} 3", CHintText::Translation::Braces}), QStringLiteral("Вес: 3"));
        QCOMPARE(CSensorWnd::DisplayText({"\xC0\xEA\xEE\xED\xE8\xF2", CHintText::Translation::None}),
                 QStringLiteral("Аконит"));
        QCOMPARE(CSensorWnd::DisplayText({"Weight of the symptom\r\nClick to change", CHintText::Translation::Whole}),
                 QStringLiteral("Weight of the symptom\nClick to change"));
    }

    void shownBelowItsBoxInItsColours() {
        QWidget owner;
        owner.setGeometry(50, 50, 300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        const QRect box(owner.mapToGlobal(QPoint(10, 20)), QSize(80, 16));
        Sensor().ShowNow(&owner, box, {"Symptom synopsis\nClick to change", CHintText::Translation::Whole});
        QVERIFY(Sensor().isVisible());
        QCOMPARE(Sensor().Owner(), &owner);
        QCOMPARE(Sensor().Text(), QStringLiteral("Symptom synopsis\nClick to change"));
        QCOMPARE(Sensor().geometry().topLeft(), QPoint(box.left(), box.bottom() + 1 + CSensorWnd::kGap));
        QCOMPARE(Sensor().font(), CInterfaceFonts::Shared().Small12());
        const QFontMetrics metrics(Sensor().font());
        QVERIFY(Sensor().height() >= 2 * metrics.height());  // two lines
        QVERIFY(Sensor().windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(Sensor().windowFlags() & Qt::WindowStaysOnTopHint);
        const QImage image = Sensor().grab().toImage();
        QCOMPARE(image.pixelColor(0, 0), CSensorWnd::Frame());
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() / 2), CSensorWnd::Frame());
        QCOMPARE(image.pixelColor(2, 2), CSensorWnd::Background());

        // No room below: above the box.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect low(screen.left() + 5, screen.bottom() - 10, 40, 8);
        Sensor().ShowNow(&owner, low, {"Hint", CHintText::Translation::None});
        QCOMPARE(Sensor().geometry().bottom(), low.top() - 1 - CSensorWnd::kGap);
    }

    void hiddenOnLeaveAndPress() {
        QWidget owner;
        owner.resize(200, 100);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        const QRect box(owner.mapToGlobal(QPoint(5, 5)), QSize(30, 10));
        Sensor().ShowNow(&owner, box, {"A hint"});
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&owner, &leave);
        QVERIFY(!Sensor().isVisible());
        QVERIFY(Sensor().Owner() == nullptr);

        Sensor().ShowNow(&owner, box, {"A hint"});
        QTest::mouseClick(&owner, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(!Sensor().isVisible());
        // Pending, then cancelled by a key.
        Sensor().Schedule(&owner, box, {"A hint"}, 60000);
        QVERIFY(Sensor().Pending());
        QTest::keyClick(&owner, Qt::Key_A);
        QVERIFY(!Sensor().Pending());
        // Another owner's hide leaves it alone.
        QWidget other;
        Sensor().ShowNow(&owner, box, {"A hint"});
        Sensor().HideFor(&other);
        QVERIFY(Sensor().isVisible());
        Sensor().HideFor(&owner);
        QVERIFY(!Sensor().isVisible());
        // An empty hint shows nothing.
        Sensor().ShowNow(&owner, box, {});
        QVERIFY(!Sensor().isVisible());
    }

    void drawnViewShowsItsItemsHints() {
        R renderer;
        CDrawnView view;
        view.SetRenderer(&renderer);
        view.SetHintDelay(20);
        view.setGeometry(0, 0, 400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QWidget* port = view.viewport();
        view.ScrollTo(QPoint(0, R::RowTop(10)));
        const QRect heading = view.ToViewport(renderer.ItemBox(R::Heading(11)));

        QTest::mouseMove(port, heading.center());
        QTRY_VERIFY(Sensor().isVisible());
        QCOMPARE(Sensor().Text(), QStringLiteral("Рубрика"));
        QCOMPARE(Sensor().Box(), QRect(port->mapToGlobal(heading.topLeft()), heading.size()));
        QCOMPARE(Sensor().geometry().top(), Sensor().Box().bottom() + 1 + CSensorWnd::kGap);
        // Moving to the first remedy: its own hint, by its braces.
        QTest::mouseMove(port, view.ToViewport(renderer.ItemBox(R::Remedy(11, 0))).center());
        QTRY_VERIFY(Sensor().isVisible());
        QCOMPARE(Sensor().Text(), QStringLiteral("Вес: 4"));
        // An item without a hint, then the gap between rows: nothing shows.
        QTest::mouseMove(port, view.ToViewport(renderer.ItemBox(R::Remedy(11, 1))).center());
        QVERIFY(!Sensor().isVisible());
        QVERIFY(!Sensor().Pending());
        // Scrolling hides it.
        QTest::mouseMove(port, heading.center());
        QTRY_VERIFY(Sensor().isVisible());
        view.ScrollTo(QPoint(0, R::RowTop(20)));
        QVERIFY(!Sensor().isVisible());
        // So does leaving the view.
        QTest::mouseMove(port, QPoint(heading.center().x(), heading.center().y() + 1));
        QTRY_VERIFY(Sensor().isVisible());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(port, &leave);
        QVERIFY(!Sensor().isVisible());
        // Hints off: none.
        view.SetHintsEnabled(false);
        QTest::mouseMove(port, heading.center() + QPoint(2, 0));
        QTest::qWait(60);
        QVERIFY(!Sensor().isVisible());
    }
};

QTEST_MAIN(SensorWndTest)
#include "sensor_wnd_qtest.moc"

// A window sized by its outer size: until the window manager's frame is known the window takes
// the outer size less the frame it expects; once the frame is known it is sized once more so that
// frame and window together take the outer size, and later width changes keep to that.

#include "ui/common/outer_size.h"

#include <QMoveEvent>
#include <QTest>
#include <QWidget>

using namespace flange;

namespace {

// 11000 × 7000 twips.
constexpr QSize outerPixels{733, 467};

QSize within(QSize outer, QMargins frame)
{
    return {outer.width() - frame.left() - frame.right(),
            outer.height() - frame.top() - frame.bottom()};
}

} // namespace

class OuterSizeTest : public QObject {
    Q_OBJECT

private slots:
    void fitsOnceTheFrameIsKnown_data();
    void fitsOnceTheFrameIsKnown();
};

void OuterSizeTest::fitsOnceTheFrameIsKnown_data()
{
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QMargins>("expected");
    QTest::addColumn<QMargins>("frame");

    const QMargins titled(1, 20, 1, 5);
    QTest::newRow("main window") << false << QMargins() << titled;
    QTest::newRow("dialog, frame as expected") << true << titled << titled;
    QTest::newRow("dialog, thinner frame") << true << titled << QMargins(1, 20, 1, 1);
    QTest::newRow("no window manager") << false << QMargins() << QMargins();
}

void OuterSizeTest::fitsOnceTheFrameIsKnown()
{
    QFETCH(bool, fixed);
    QFETCH(QMargins, expected);
    QFETCH(QMargins, frame);

    QWidget window;
    QMargins shownFrame; // none until the window manager has framed the window
    auto* size = new OuterSize(&window, {11000, 7000}, fixed, expected,
                               [&shownFrame](const QWidget&) { return shownFrame; });
    QCOMPARE(window.size(), within(outerPixels, expected));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    shownFrame = frame;
    QMoveEvent placed(QPoint(10, 30), QPoint());
    QCoreApplication::sendEvent(&window, &placed);
    const QSize fitted = within(outerPixels, frame);
    QCOMPARE(window.size(), fitted);
    if (fixed)
        QCOMPARE(window.maximumSize(), fitted);

    // Setting the outer width again (the reference figure buttons do) does not move an edge.
    size->setOuterWidth(11000);
    QCOMPARE(window.size(), fitted);
    size->setOuterWidth(11000 - 15 * 10);
    QCOMPARE(window.width(), fitted.width() - 10);

    // The size is the user's now: a later change of the frame does not resize the window.
    size->setOuterWidth(11000);
    shownFrame = QMargins(4, 30, 4, 4);
    QCoreApplication::sendEvent(&window, &placed);
    if (!frame.isNull())
        QCOMPARE(window.size(), fitted);

    // A maximised window stays maximised at its size.
    if (!fixed) {
        window.setWindowState(Qt::WindowMaximized);
        QTRY_VERIFY(window.isMaximized());
        const QSize maximised = window.size();
        size->setOuterWidth(8000);
        QVERIFY(window.isMaximized());
        QCOMPARE(window.size(), maximised);
    }
}

QTEST_MAIN(OuterSizeTest)
#include "outer_size_test.moc"

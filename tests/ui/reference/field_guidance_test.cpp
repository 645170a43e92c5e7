// The guidance captions on a stand-in input pane: their colour and pointers, what a click on each
// does (also while another pane shows), the pointer change of the pipe-diameter caption, and the
// allowable-stress window that exists at most once and leaves the main window usable.

#include "client_area.h"
#include "find_control.h"
#include "ui/reference/allowable_stress_window.h"
#include "ui/reference/allowable_stress_window_host.h"
#include "ui/reference/field_guidance.h"
#include "ui/reference/guidance_label.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using flange::AllowableStressWindow;
using flange::AllowableStressWindowHost;
using flange::FieldGuidance;
using flange::GuidanceLabel;

namespace {

using R = flange::DesignRecord;

// The guidance captions of the stand-in pane, named as in the main window.
const std::pair<flange::TextField, const char*> guidanceCaptions[] = {
    {&R::boltCircleDiameter, "Label4"},
    {&R::boltAllowableTension, "Label5"},
    {&R::pipeDiameter, "Label6"},
    {&R::flangeDiameter, "Label7"},
    {&R::ribThickness, "Label8"},
    {&R::ribHeight, "Label9"},
    {&R::plateAllowableBending, "Label14"},
    {&R::allowableShear, "Label16"},
    {&R::alpha0, "Label17"}};

int openStressWindows()
{
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("Form5") && widget->isVisible())
            ++count;
    return count;
}

} // namespace

class FieldGuidanceTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> client_;
    QWidget* inputPane_ = nullptr;
    FieldGuidance* guidance_ = nullptr;
    AllowableStressWindowHost* host_ = nullptr;

    QLabel* label(const char* name) { return findControl<QLabel>(inputPane_, name); }

    void click(const char* name) { QTest::mouseClick(label(name), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        QPixmap icon(16, 16);
        icon.fill(Qt::darkCyan);
        QApplication::setWindowIcon(QIcon(icon));
    }

    void init()
    {
        client_ = std::make_unique<QWidget>();
        client_->resize(clientPixelsAt11000, clientHeightPixels);
        inputPane_ = new QWidget(client_.get());
        inputPane_->setGeometry(0, 0, inputPanePixels, clientHeightPixels);
        int top = 0;
        for (const auto& [field, name] : guidanceCaptions) {
            auto* caption = new QLabel(QStringLiteral("caption"), inputPane_);
            caption->setObjectName(QString::fromLatin1(name));
            caption->move(110, top += 20);
        }
        auto* plain = new QLabel(QStringLiteral("(cm)すみ肉"), inputPane_);
        plain->setObjectName(QStringLiteral("Label10"));
        host_ = new AllowableStressWindowHost(client_.get());
        guidance_ = new FieldGuidance(
            inputPane_,
            [this](flange::TextField field) -> QLabel* {
                for (const auto& [f, name] : guidanceCaptions)
                    if (f == field)
                        return label(name);
                return nullptr;
            },
            *host_);
        client_->show();
    }

    void cleanup() { client_.reset(); }

    void guidanceCaptionsAreBlueWithTheHandPointer()
    {
        for (const auto& [field, name] : guidanceCaptions) {
            QLabel* caption = label(name);
            QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xFF));
            QCOMPARE(caption->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(caption->cursor().pixmap().size(), QSize(32, 32));
            QCOMPARE(caption->cursor().hotSpot(), QPoint(12, 1));
        }
        QLabel* plain = label("Label10");
        QVERIFY(plain->palette().color(QPalette::WindowText) != QColor(0x00, 0x00, 0xFF));
        QCOMPARE(plain->cursor().shape(), Qt::ArrowCursor);
    }

    void clickRunsTheCaptionsAction_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("figure"); // reference figure asked for, 0 for none
        QTest::addColumn<bool>("window");
        QTest::newRow("Label4") << "Label4" << 1 << false;
        QTest::newRow("Label6") << "Label6" << 1 << false;
        QTest::newRow("Label7") << "Label7" << 1 << false;
        QTest::newRow("Label8") << "Label8" << 1 << false;
        QTest::newRow("Label9") << "Label9" << 1 << false;
        QTest::newRow("Label17") << "Label17" << 2 << false;
        QTest::newRow("Label5") << "Label5" << 0 << true;
        QTest::newRow("Label14") << "Label14" << 0 << true;
        QTest::newRow("Label16") << "Label16" << 0 << true;
    }

    void clickRunsTheCaptionsAction()
    {
        QFETCH(QString, name);
        QFETCH(int, figure);
        QFETCH(bool, window);
        QSignalSpy figure1(guidance_, &FieldGuidance::showReferenceFigure1);
        QSignalSpy figure2(guidance_, &FieldGuidance::showReferenceFigure2);
        click(name.toLatin1().constData());
        QCOMPARE(figure1.count(), figure == 1 ? 1 : 0);
        QCOMPARE(figure2.count(), figure == 2 ? 1 : 0);
        QCOMPARE(openStressWindows(), window ? 1 : 0);
    }

    void pressWithoutReleaseOverTheCaptionIsNoClick()
    {
        QSignalSpy figure1(guidance_, &FieldGuidance::showReferenceFigure1);
        QTest::mousePress(label("Label4"), Qt::LeftButton);
        QTest::mouseRelease(label("Label4"), Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::mouseClick(label("Label4"), Qt::RightButton);
        QCOMPARE(figure1.count(), 0);
    }

    void allowableShearCaptionTurnsThePipeCaptionToTheArrow()
    {
        click("Label5");
        QCOMPARE(label("Label6")->cursor().shape(), Qt::BitmapCursor);
        click("Label16");
        QCOMPARE(label("Label6")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(label("Label7")->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(label("Label16")->cursor().shape(), Qt::BitmapCursor);
        QSignalSpy figure1(guidance_, &FieldGuidance::showReferenceFigure1);
        click("Label6");
        QCOMPARE(figure1.count(), 1);
    }

    void stressWindowExistsAtMostOnce()
    {
        click("Label5");
        QPointer<AllowableStressWindow> first = host_->window();
        QVERIFY(first);
        // Opened again while the main window is active, it comes forward.
        client_->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), client_.get());
        click("Label5");
        QTRY_COMPARE(QApplication::activeWindow(), first.data());
        click("Label14");
        QCOMPARE(openStressWindows(), 1);
        QCOMPARE(host_->window(), first.data());
        QVERIFY(!first->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(client_->isEnabled());

        // Closing discards it; the next click loads a new one.
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(!host_->window());
        click("Label16");
        QCOMPARE(openStressWindows(), 1);
        host_->closeIfOpen();
        QCOMPARE(openStressWindows(), 0);
        host_->closeIfOpen();
    }

    void stressWindowIsAFixedGreyFrameForTheTable()
    {
        host_->open();
        AllowableStressWindow* window = host_->window();
        QCOMPARE(window->objectName(), QStringLiteral("Form5"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Form5"));
        QCOMPARE(window->size(), QSize(9525 / 15, 4125 / 15));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        // The application's icon, which start-up gives every window.
        QCOMPARE(window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        const auto* pane = window->findChild<QWidget*>(QStringLiteral("Picture1"));
        QVERIFY(pane);
        QCOMPARE(pane->geometry(), window->rect());
        QCOMPARE(pane->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
        const auto* table = pane->findChild<QWidget*>(QStringLiteral("Image1"));
        QVERIFY(table);
        QCOMPARE(table->pos(), QPoint(90 / 15, 60 / 15));
        QCOMPARE(table->size(), QSize(9330 / 15, 3765 / 15));
    }
};

QTEST_MAIN(FieldGuidanceTest)
#include "field_guidance_test.moc"

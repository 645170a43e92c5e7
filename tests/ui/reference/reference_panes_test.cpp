// The reference panes in the main window's figure area, beside a stand-in results pane and the
// four pane buttons: which pane and which scroll bars show after each pane button, where panes and
// bars go, scroll ranges and mapping, positions kept while hidden, the α0 pane's controls, and the
// reading of the design's edge ratio on the chart.

#include "client_area.h"
#include "find_control.h"
#include "ui/main/figure_area.h"
#include "ui/reference/reading_mark.h"
#include "ui/reference/reference_panes.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using flange::FigureArea;
using flange::ReferencePanes;

namespace {

constexpr int twipsPerPixel = 15;

enum class Pane { Results, Figure1, Figure2, Alpha0 };

} // namespace

Q_DECLARE_METATYPE(Pane)

class ReferencePanesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> client_;
    FigureArea* area_ = nullptr;
    QWidget* results_ = nullptr;
    ReferencePanes* panes_ = nullptr;
    QPushButton* buttons_[4] = {};
    int widthRequests_ = 0;
    bool answerWidth_ = true;

    template <class T = QWidget> T* child(const char* name)
    {
        return findControl<T>(client_.get(), name);
    }

    // The main window's client area: the input pane's width, then the figure area.
    void resizeClient(int width, int height)
    {
        client_->resize(width, height);
        area_->setGeometry(inputPanePixels, 0, std::max(0, width - inputPanePixels), height);
    }

    void show(Pane pane) { QTest::mouseClick(buttons_[int(pane)], Qt::LeftButton); }

    // A control's rectangle in the client area, in twips.
    QRect twipsOf(const QWidget* widget) const
    {
        const QRect r(widget->mapTo(client_.get(), QPoint(0, 0)), widget->size());
        return {r.x() * twipsPerPixel, r.y() * twipsPerPixel, r.width() * twipsPerPixel,
                r.height() * twipsPerPixel};
    }

    // A picture's place inside its pane, in twips.
    static QPoint twipsPos(const QWidget* widget) { return widget->pos() * twipsPerPixel; }

private slots:
    void init()
    {
        client_ = std::make_unique<QWidget>();
        area_ = new FigureArea(client_.get());
        resizeClient(900, clientHeightPixels);
        results_ = new QWidget;
        panes_ = new ReferencePanes(client_.get());
        const std::pair<const char*, QWidget*> panes[] = {
            {"Command5", results_},
            {"Command1", panes_->referenceFigure1()},
            {"Command2", panes_->referenceFigure2()},
            {"Command7", panes_->alpha0Pane()},
        };
        for (int i = 0; i < 4; ++i) {
            buttons_[i] = new QPushButton(client_.get());
            buttons_[i]->setObjectName(QString::fromLatin1(panes[i].first));
            area_->addPane(panes[i].second, buttons_[i]);
            connect(buttons_[i], &QPushButton::clicked, area_,
                    [this, i] { area_->showPane(area_->paneOf(buttons_[i])); });
        }
        // The main window sets the width a shown pane asks for at once, giving its new client size.
        connect(area_, &FigureArea::paneShown, client_.get(), [this](QWidget* pane) {
            const std::optional<int> twips = panes_->windowWidthTwips(pane);
            if (!twips || !answerWidth_)
                return;
            ++widthRequests_;
            QCOMPARE(*twips, 11000);
            resizeClient(clientPixelsAt11000, client_->height());
        });
        area_->showPane(results_);
        client_->show();
    }

    void cleanup() { client_.reset(); }

    void paneButtonsShowExactlyOnePane_data()
    {
        QTest::addColumn<Pane>("from");
        QTest::addColumn<Pane>("to");
        const std::pair<Pane, const char*> panes[] = {
            {Pane::Results, "results"},
            {Pane::Figure1, "figure1"},
            {Pane::Figure2, "figure2"},
            {Pane::Alpha0, "alpha0"},
        };
        for (const auto& [from, fromName] : panes)
            for (const auto& [to, toName] : panes)
                QTest::addRow("%s to %s", fromName, toName) << from << to;
    }

    void paneButtonsShowExactlyOnePane()
    {
        QFETCH(Pane, from);
        QFETCH(Pane, to);
        show(from);
        const int widthRequestsBefore = widthRequests_;
        show(to);

        const bool figure1 = to == Pane::Figure1;
        const bool figure2 = to == Pane::Figure2;
        QCOMPARE(widthRequests_ - widthRequestsBefore, figure1 || figure2 ? 1 : 0);
        QCOMPARE(results_->isVisible(), to == Pane::Results);
        QCOMPARE(child("Picture3")->isVisible(), figure1);
        QCOMPARE(child("HScroll2")->isVisible(), figure1);
        QCOMPARE(child("Picture2")->isVisible(), figure2);
        QCOMPARE(child("HScroll1")->isVisible(), figure2);
        QCOMPARE(child("VScroll2")->isVisible(), figure2);
        QCOMPARE(child("Picture5")->isVisible(), to == Pane::Alpha0);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(buttons_[i]->palette().color(QPalette::Button) == QColor(0xC0, 0xFF, 0xFF),
                     i == int(to));
    }

    void panesAndBarsFillTheFigureArea()
    {
        show(Pane::Figure1); // 900 pixels wide: showing a figure narrows the window
        const int w = clientPixelsAt11000 * twipsPerPixel; // 10875
        const int h = clientHeightPixels * twipsPerPixel;  // 6600
        QCOMPARE(twipsOf(child("Picture3")), QRect(4905, 0, w - 4905, h - 255));
        QCOMPARE(twipsOf(child("HScroll2")), QRect(4905, h - 255, w - 4905, 255));

        show(Pane::Figure2);
        const QRect pane = twipsOf(child("Picture2"));
        QCOMPARE(pane, QRect(4905, 0, w - 4905 - 255, h - 255));
        QCOMPARE(twipsOf(child("VScroll2")), QRect(pane.right() + 1, 0, 255, h - 255));
        QCOMPARE(twipsOf(child("HScroll1")), QRect(4905, pane.bottom() + 1, pane.width(), 255));

        resizeClient(900, clientHeightPixels);
        show(Pane::Alpha0); // does not set the width
        QCOMPARE(twipsOf(child("Picture5")), QRect(4905, 0, 900 * 15 - 4905, h));
    }

    void shownFigureFollowsTheWindowsSize()
    {
        show(Pane::Figure2);
        resizeClient(800, 300);
        QCOMPARE(twipsOf(child("VScroll2")).right() + 1, 800 * 15);
        QCOMPARE(twipsOf(child("HScroll1")).bottom() + 1, 300 * 15);
    }

    void sizesThatWouldBeNegativeAreZero()
    {
        answerWidth_ = false;
        resizeClient(300, 10); // 4500 × 150 twips: no room right of the input pane
        show(Pane::Figure2);
        QCOMPARE(child("Picture2")->size(), QSize(0, 0));
        QCOMPARE(child("VScroll2")->height(), 0);
        QCOMPARE(child("HScroll1")->width(), 0);
        show(Pane::Figure1);
        QCOMPARE(child("Picture3")->size(), QSize(0, 0));
        show(Pane::Alpha0);
        QCOMPARE(child("Picture5")->width(), 0);
    }

    void scrollRangesAreFixedAtLoad()
    {
        const std::pair<const char*, int> bars[] = {
            {"HScroll2", 31}, {"HScroll1", 4}, {"VScroll2", 15}};
        for (const auto& [name, maximum] : bars) {
            const auto* bar = child<QScrollBar>(name);
            QCOMPARE(bar->minimum(), 0);
            QCOMPARE(bar->maximum(), maximum);
            QCOMPARE(bar->value(), 0);
            QCOMPARE(bar->singleStep(), 1);
            QCOMPARE(bar->pageStep(), 1);
            QVERIFY(!bar->hasTracking());
        }
        show(Pane::Figure2);
        resizeClient(1200, 900);
        show(Pane::Figure1);
        QCOMPARE(child<QScrollBar>("HScroll2")->maximum(), 31);
        QCOMPARE(child<QScrollBar>("VScroll2")->maximum(), 15);
    }

    void figure1DropsItsMarginOnTheFirstMove()
    {
        show(Pane::Figure1);
        auto* figure = child("Image18");
        QCOMPARE(twipsPos(figure), QPoint(240, 1140));
        auto* bar = child<QScrollBar>("HScroll2");
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(twipsPos(figure), QPoint(-120, 1140));
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(twipsPos(figure), QPoint(0, 1140)); // 240 twips left of where it started
        bar->setValue(31);
        QCOMPARE(twipsPos(figure), QPoint(-3720, 1140));
    }

    void figure2ScrollsInCellsUnderFixedCaptions()
    {
        show(Pane::Figure2);
        auto* figure = child("Image19");
        QCOMPARE(twipsPos(figure), QPoint(0, 120));
        child<QScrollBar>("VScroll2")->setValue(15);
        child<QScrollBar>("HScroll1")->setValue(4);
        QCOMPARE(twipsPos(figure), QPoint(-480, -3480));
        QCOMPARE(twipsPos(child("Image35")), QPoint(0, 6060));
        QCOMPARE(twipsPos(child("Image36")), QPoint(5310, 6060));
        // Away from the axes they would stand below the legend: they are shown only at the top.
        QVERIFY(!child("Image35")->isVisibleTo(figure->parentWidget()));
        QVERIFY(!child("Image36")->isVisibleTo(figure->parentWidget()));
        child<QScrollBar>("VScroll2")->setValue(0);
        QVERIFY(child("Image35")->isVisibleTo(figure->parentWidget()));
    }

    void figureDoesNotFollowADraggedThumbUntilReleased()
    {
        show(Pane::Figure2);
        auto* bar = child<QScrollBar>("VScroll2");
        auto* figure = child("Image19");
        bar->setSliderDown(true);
        bar->setSliderPosition(10);
        QCOMPARE(twipsPos(figure).y(), 120);
        bar->setSliderDown(false);
        QCOMPARE(bar->value(), 10);
        QCOMPARE(twipsPos(figure).y(), 120 - 2400);
    }

    void scrollPositionsAreKeptWhileHidden()
    {
        show(Pane::Figure2);
        child<QScrollBar>("VScroll2")->setValue(15);
        child<QScrollBar>("HScroll1")->setValue(4);
        show(Pane::Figure1);
        child<QScrollBar>("HScroll2")->setValue(7);
        show(Pane::Results);
        show(Pane::Alpha0);
        show(Pane::Figure2);
        QCOMPARE(twipsPos(child("Image19")), QPoint(-480, -3480));
        show(Pane::Figure1);
        show(Pane::Figure1);
        QCOMPARE(child<QScrollBar>("HScroll2")->value(), 7);
        QCOMPARE(twipsPos(child("Image18")), QPoint(-840, 1140));
    }

    void alpha0PaneHoldsItsControlsAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Image39") << "Image39" << QRect(90, 30, 345, 375);
        QTest::newRow("Label40") << "Label40" << QRect(480, 120, 2790, 225);
        QTest::newRow("Image38") << "Image38" << QRect(510, 570, 960, 330);
        QTest::newRow("Label39") << "Label39" << QRect(1500, 630, 930, 225);
        QTest::newRow("Image40") << "Image40" << QRect(2550, 630, 1155, 210);
        QTest::newRow("Image41") << "Image41" << QRect(3780, 540, 540, 330);
        QTest::newRow("Label42") << "Label42" << QRect(4350, 600, 480, 240);
        QTest::newRow("Label44") << "Label44" << QRect(4020, 930, 1260, 180);
        QTest::newRow("Image37") << "Image37" << QRect(-510, 1260, 4950, 4755);
        QTest::newRow("Label41") << "Label41" << QRect(870, 2280, 480, 240);
        QTest::newRow("Label38") << "Label38" << QRect(4080, 5460, 480, 240);
    }

    void alpha0PaneHoldsItsControlsAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        const auto* control = child("Picture5")->findChild<QWidget*>(name);
        QVERIFY(control);
        // Within a pixel of the place inside the pane: 15 twips per pixel, rounded
        const QRect g = control->geometry();
        const QRect got(g.topLeft() * twipsPerPixel, g.size() * twipsPerPixel);
        QVERIFY2(std::abs(got.x() - twips.x()) < 15 && std::abs(got.y() - twips.y()) < 15
                     && std::abs(got.width() - twips.width()) < 15
                     && std::abs(got.height() - twips.height()) < 15,
                 qPrintable(name));
    }

    void alpha0PaneKeepsItsTexts()
    {
        const std::pair<const char*, const char*> texts[] = {
            {"Label40", "の求め方(sample.pdfより)"}, {"Label39", "1.17の時"}, {"Label42", "0.12"},
            {"Label44", "（参考図－２）"},           {"Label41", "0.12"},     {"Label38", "1.17"}};
        for (const auto& [name, text] : texts)
            QCOMPARE(child<QLabel>(name)->text(), QString::fromUtf8(text));
        QCOMPARE(child<QLabel>("Label42")->font().pointSizeF(), 12.0);
        QCOMPARE(child<QLabel>("Label40")->font().pointSizeF(), 11.25);
        QCOMPARE(child<QLabel>("Label44")->font().pointSizeF(), 9.0);
        QVERIFY(child("Line5")->height() == 1);
    }

    void edgeRatioIsMarkedOnFigure2Only_data()
    {
        QTest::addColumn<QString>("edgeRatio");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* ratio, const char* text) {
            QTest::newRow(name) << QString::fromUtf8(ratio) << QString::fromUtf8(text);
        };
        row("calibration", "1.25", "λ＝1.25 → α0≈0.150");
        row("worked example", "1.17", "λ＝1.17 → α0≈0.129");
        row("short free edge", "0.80", "λ＝0.80 → α0≈0.055");
        row("long free edge", "3.00", "λ＝3.00 → α0≈0.545");
        row("empty", "", "");
        row("not a number", "abc", "");
        row("beyond the chart", "4.50", "");
    }

    // The α0 pane explains the reading with its own sample; it never carries the design's mark.
    void edgeRatioIsMarkedOnFigure2Only()
    {
        QFETCH(QString, edgeRatio);
        QFETCH(QString, text);
        show(Pane::Figure2);
        panes_->setEdgeRatio(QStringLiteral("1.5"));
        panes_->setEdgeRatio(edgeRatio);
        auto* chartMark = child<flange::ReadingMark>("Image19Reading");
        QCOMPARE(chartMark->isVisibleTo(child("Image19")), !text.isEmpty());
        if (!text.isEmpty())
            QCOMPARE(chartMark->text(), text);
        QCOMPARE(panes_->alpha0Pane()->findChildren<flange::ReadingMark*>().size(), 0);
    }
};

QTEST_MAIN(ReferencePanesTest)
#include "reference_panes_test.moc"

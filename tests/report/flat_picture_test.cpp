// The stored drawings as the report prints them: which texts are set as real text, and that the
// printed picture looks like the one the SVG renderer draws on screen.

#include "assets/picture_catalog.h"
#include "report/flat_picture.h"
#include "report/svg_text_split.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace flange {

// Named in test names and failure messages by its control name, not by a dump of its bytes.
void PrintTo(const PictureInfo& picture, std::ostream* os) { *os << picture.name; }

} // namespace flange

namespace {

using flange::splitSvgTexts;

QByteArray svgWith(const char* body)
{
    return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" "
                      "baseProfile=\"tiny\" width=\"600\" height=\"300\" viewBox=\"0 0 600 300\">")
           + body + "<line x1=\"0\" y1=\"0\" x2=\"600\" y2=\"300\" stroke=\"#000000\"/></svg>";
}

struct SplitCase {
    const char* name;
    const char* text; // one element placed in the drawing
    bool lifted;
};

// Named in test names and failure messages by its name, not by a dump of its bytes.
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SvgTextSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SvgTextSplitting, LiftsOnlyPlainTexts)
{
    const auto split = splitSvgTexts(svgWith(GetParam().text));
    ASSERT_TRUE(split);
    EXPECT_EQ(split->texts.size(), GetParam().lifted ? 1u : 0u);
    EXPECT_EQ(split->rest.contains("<text"), !GetParam().lifted);
    EXPECT_TRUE(split->rest.contains("<line")) << "everything else stays";
    EXPECT_TRUE(QSvgRenderer(split->rest).isValid());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SvgTextSplitting,
    ::testing::Values(
        SplitCase{"Plain",
                  R"svg(<text x="1" y="2" font-family="DejaVu Serif" font-size="210">A</text>)svg",
                  true},
        SplitCase{
            "AllKnownAttributes",
            R"svg(<text x="1" y="2" font-family="IPAGothic" font-size="122.4" font-style="italic" )svg"
            R"svg(font-weight="bold" text-anchor="end" fill="#16202a">あ</text>)svg",
            true},
        SplitCase{
            "WithTspan",
            R"svg(<text x="1" y="2" font-family="DejaVu Serif" font-size="210">A<tspan>3</tspan></text>)svg",
            false},
        SplitCase{
            "Transformed",
            R"svg(<text x="1" y="2" font-family="DejaVu Serif" font-size="210" transform="rotate(90)">A</text>)svg",
            false},
        SplitCase{
            "InAGroup",
            R"svg(<g><text x="1" y="2" font-family="DejaVu Serif" font-size="210">A</text></g>)svg",
            false},
        SplitCase{
            "ListOfPositions",
            R"svg(<text x="1 9" y="2" font-family="DejaVu Serif" font-size="210">AB</text>)svg",
            false},
        SplitCase{
            "NumericWeight",
            R"svg(<text x="1" y="2" font-family="DejaVu Serif" font-size="210" font-weight="600">A</text>)svg",
            false},
        SplitCase{"NoFamily", R"svg(<text x="1" y="2" font-size="210">A</text>)svg", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SvgTextSplit, ReadsTheTextAsTheRendererDoes)
{
    const auto split = splitSvgTexts(svgWith(
        R"svg(<text x="30" y="40.5" font-family="DejaVu Sans" font-size="143" font-style="italic" )svg"
        R"svg(text-anchor="middle" fill="#16202a">  a   b </text>)svg"));
    ASSERT_TRUE(split);
    ASSERT_EQ(split->texts.size(), 1u);
    const flange::SvgText& text = split->texts.front();
    EXPECT_EQ(text.text, "a b");
    EXPECT_EQ(text.baseline, QPointF(30, 40.5));
    EXPECT_EQ(text.family, "DejaVu Sans");
    EXPECT_DOUBLE_EQ(text.size, 143);
    EXPECT_TRUE(text.italic);
    EXPECT_FALSE(text.bold);
    EXPECT_EQ(text.anchor, Qt::AlignHCenter);
    EXPECT_EQ(text.fill, QColor(0x16, 0x20, 0x2a));
}

TEST(SvgTextSplit, BrokenDocumentIsRefused)
{
    EXPECT_FALSE(splitSvgTexts("<svg><text>unclosed</svg>"));
}

// Every stored drawing, printed, looks like the drawing on screen: rendered side by side at a
// tenth of their size in twips and compared in blocks, no block differs by much.
class PrintedPicture : public ::testing::TestWithParam<flange::PictureInfo> {};

QImage rendered(const flange::PictureInfo& info, const std::function<void(QPainter&, QRectF)>& draw)
{
    QImage image(info.widthTwips / 10 + 1, info.heightTwips / 10 + 1, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter, QRectF(0, 0, info.widthTwips / 10.0, info.heightTwips / 10.0));
    return image;
}

// The largest difference in mean grey between the two images over blocks of 8 × 8 pixels.
int largestBlockDifference(const QImage& a, const QImage& b)
{
    constexpr int block = 8;
    int largest = 0;
    for (int by = 0; by < a.height(); by += block)
        for (int bx = 0; bx < a.width(); bx += block) {
            int sumA = 0, sumB = 0, count = 0;
            for (int y = by; y < std::min(by + block, a.height()); ++y)
                for (int x = bx; x < std::min(bx + block, a.width()); ++x, ++count) {
                    sumA += qGray(a.pixel(x, y));
                    sumB += qGray(b.pixel(x, y));
                }
            largest = std::max(largest, std::abs(sumA - sumB) / count);
        }
    return largest;
}

TEST_P(PrintedPicture, LooksLikeTheScreenDrawing)
{
    const auto& info = GetParam();
    const QString resource = QString::fromUtf8(info.resource);
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        GTEST_SKIP() << info.name << " is not drawn yet";
    const auto flat = flange::FlatPicture::load(resource, info.widthTwips, info.heightTwips);
    ASSERT_TRUE(flat);

    const QImage screen = rendered(info, [&](QPainter& p, QRectF r) { renderer.render(&p, r); });
    const QImage printed = rendered(info, [&](QPainter& p, QRectF r) { flat->paint(p, r); });
    EXPECT_LE(largestBlockDifference(screen, printed), 40) << info.name;
}

INSTANTIATE_TEST_SUITE_P(AllPictures, PrintedPicture, ::testing::ValuesIn(flange::allPictures()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

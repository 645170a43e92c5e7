// Every stored drawing must exist, be valid SVG and have exactly the size in twips at which the
// windows and the report draw it; a picture of the wrong size would be squeezed or cut off. Its
// texts are outlines, but for those in the program's own face: it needs no other font.

#include "assets/picture_catalog.h"

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace flange {

// Named in test names and failure messages by its control name, not by a dump of its bytes.
void PrintTo(const PictureInfo& picture, std::ostream* os) { *os << picture.name; }

} // namespace flange

namespace {

class PictureCatalogTest : public ::testing::TestWithParam<flange::PictureInfo> {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "assets_test";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            static QGuiApplication app(argc, argv);
    }
};

TEST_P(PictureCatalogTest, IsValidSvgOfItsOwnSize)
{
    const auto& info = GetParam();
    QSvgRenderer renderer(QString::fromUtf8(info.resource));
    ASSERT_TRUE(renderer.isValid()) << info.resource;
    const QRectF box = renderer.viewBoxF();
    EXPECT_DOUBLE_EQ(box.left(), 0.0);
    EXPECT_DOUBLE_EQ(box.top(), 0.0);
    EXPECT_DOUBLE_EQ(box.width(), info.widthTwips) << info.name;
    EXPECT_DOUBLE_EQ(box.height(), info.heightTwips) << info.name;
    EXPECT_EQ(renderer.defaultSize(), QSize(info.widthTwips, info.heightTwips)) << info.name;

    QFile file(QString::fromUtf8(info.resource));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    static const QRegularExpression family(QStringLiteral(R"re(font-family="([^"]*)")re"));
    for (auto match = family.globalMatch(svg); match.hasNext();)
        EXPECT_EQ(match.next().captured(1), QStringLiteral("IPAGothic")) << info.name;
}

INSTANTIATE_TEST_SUITE_P(AllPictures, PictureCatalogTest,
                         ::testing::ValuesIn(flange::allPictures()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureCatalog, NamesAreUniqueAndFindable)
{
    std::set<std::string_view> names;
    for (const auto& p : flange::allPictures()) {
        EXPECT_TRUE(names.insert(p.name).second) << p.name;
        ASSERT_TRUE(flange::findPicture(p.name).has_value());
        EXPECT_EQ(flange::findPicture(p.name)->resource, p.resource);
    }
    // The report draws 32 formula pictures: Image1..Image17 and Image20..Image34.
    for (int n = 1; n <= 34; ++n) {
        if (n == 18 || n == 19)
            continue;
        EXPECT_TRUE(flange::findPicture("Image" + std::to_string(n))) << n;
    }
    EXPECT_FALSE(flange::findPicture("Image99"));
}

} // namespace

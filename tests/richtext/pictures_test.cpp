// The picture store: pictures kept as their file bytes, GIF frames, the named container, the
// per-control cache, embedded pictures, and how the text engine draws them.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>

#include "richtext/picture_store.h"
#include "tests/richtext/engine_support.h"

namespace tarvelon {
namespace {

using testing::TSheet;

TBytes PngOf(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return TBytes(bytes.begin(), bytes.end());
}

// A GIF of a 6 x 4 screen and frames of one colour each (1 red, 2 green, 3 blue), each frame
// given as {left, top, width, height, colour index}. LZW codes of 3 bits, a clear code before
// every pair of pixels, so the table never grows past them.
TBytes GifOf(const std::vector<std::array<int, 5>>& frames)
{
    TBytes out = {'G', 'I', 'F', '8', '9', 'a', 6, 0, 4, 0, 0x81, 0, 0};
    for (int c : {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}) {
        out.push_back(std::uint8_t(c >> 16));
        out.push_back(std::uint8_t(c >> 8));
        out.push_back(std::uint8_t(c));
    }
    for (const auto& f : frames) {
        const TBytes control = {0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00};
        out.insert(out.end(), control.begin(), control.end());
        const TBytes descriptor = {0x2C, std::uint8_t(f[0]), 0, std::uint8_t(f[1]), 0,
                                   std::uint8_t(f[2]), 0, std::uint8_t(f[3]), 0, 0x00, 0x02};
        out.insert(out.end(), descriptor.begin(), descriptor.end());
        std::vector<int> codes;
        const int pixels = f[2] * f[3];
        for (int i = 0; i < pixels; i += 2) {
            codes.push_back(4);
            codes.push_back(f[4]);
            if (i + 1 < pixels)
                codes.push_back(f[4]);
        }
        codes.push_back(5);
        TBytes data;
        int bits = 0, used = 0;
        for (int code : codes) {
            bits |= code << used;
            used += 3;
            while (used >= 8) {
                data.push_back(std::uint8_t(bits & 0xFF));
                bits >>= 8;
                used -= 8;
            }
        }
        if (used > 0)
            data.push_back(std::uint8_t(bits & 0xFF));
        out.push_back(std::uint8_t(data.size()));
        out.insert(out.end(), data.begin(), data.end());
        out.push_back(0);
    }
    out.push_back(0x3B);
    return out;
}

TEST(Pictures, KeepTheirBytesAndDecodeThem)
{
    const TBytes png = PngOf(7, 5, Qt::red);
    THTMLPicture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Frame(), 1);
    EXPECT_FALSE(picture.Stretch());
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    picture.LoadFromStream(png);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(picture.Height(), 5);
    EXPECT_EQ(picture.FrameCount(), -1);
    TBytes saved;
    picture.SaveToStream(saved);
    EXPECT_EQ(saved, png);

    THTMLPicture copy;
    picture.SetStretch(true);
    copy.Assign(&picture);
    EXPECT_TRUE(copy.Stretch());
    EXPECT_EQ(copy.Data(), png);
    EXPECT_EQ(copy.Width(), 7);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_TRUE(copy.Data().empty());
}

TEST(Pictures, DamagedDataIsAnEmptyPictureNeverACrash)
{
    TBytes png = PngOf(7, 5, Qt::red);
    const std::vector<TBytes> damaged = {
        TBytes(png.begin(), png.begin() + png.size() / 2),
        TBytes{'G', 'I', 'F', '8', '9', 'a', 1, 2, 3},
        GifOf({{0, 0, 6, 4, 1}}),
        TBytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
        TBytes{},
    };
    TBytes& brokenGif = const_cast<TBytes&>(damaged[2]);
    brokenGif.resize(brokenGif.size() - 6);
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        THTMLPicture picture;
        picture.LoadFromStream(damaged[i]);
        EXPECT_TRUE(picture.Empty()) << i;
        EXPECT_EQ(picture.Width(), 0) << i;
        EXPECT_EQ(picture.Height(), 0) << i;
        TSheet sheet;
        picture.Draw(sheet.canvas, TRect{0, 0, 50, 50});
        EXPECT_EQ(sheet.CountNot(TRect{0, 0, 400, 200}, clWhite), 0) << i;
    }
    // The engine gives a damaged picture no room.
    TPictureContainer container(nullptr);
    PictureContainer::TPictureItem& item = container.Items().Add();
    item.Name = "quebrada";
    item.Picture().LoadFromStream(damaged[0]);
    THTMLDrawParams params;
    params.PictureContainer = &container;
    params.SizeOnly = true;
    TSheet sheet;
    EXPECT_EQ(sheet.Draw("a<IMG src=\"quebrada\">", params).MeasuredWidth, sheet.canvas.TextWidth("a") + 2);
}

TEST(Pictures, GifFramesShowTheChosenOneOnTheLogicalScreen)
{
    const TBytes gif = GifOf({{0, 0, 6, 4, 1}, {2, 1, 2, 2, 2}, {0, 0, 6, 4, 3}});
    EXPECT_EQ(CountGIFFrames(gif), 3);
    EXPECT_EQ(CountGIFFrames(PngOf(2, 2, Qt::red)), -1);
    // A frame start needs more than 8 bytes after its "!": one ending on the "," is cut short.
    const TBytes cut = {'G', 'I', 'F', '8', '9', 'a', 0x21, 0xF9, 0x04, 0, 0, 0, 0, 0, 0x2C};
    EXPECT_EQ(CountGIFFrames(cut), 0);
    TBytes whole = cut;
    whole.push_back(0);
    EXPECT_EQ(CountGIFFrames(whole), 1);
    THTMLPicture picture;
    picture.LoadFromStream(gif);
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.RenderImage().pixelColor(0, 0), QColor(Qt::red));
    int frameChanges = 0;
    picture.OnFrameChange = [&] { ++frameChanges; };
    picture.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(picture.Width(), 6);
    EXPECT_EQ(picture.Height(), 4);
    EXPECT_EQ(picture.FrameLeft(), 2);
    EXPECT_EQ(picture.FrameTop(), 1);
    EXPECT_EQ(picture.FrameWidth(), 2);
    EXPECT_EQ(picture.FrameHeight(), 2);
    EXPECT_EQ(picture.RenderImage().pixelColor(2, 1), QColor(Qt::green));
    EXPECT_EQ(picture.RenderImage().pixelColor(0, 0).alpha(), 0);
    picture.SetFrame(3);
    EXPECT_EQ(picture.RenderImage().pixelColor(5, 3), QColor(Qt::blue));
    // A frame beyond the last shows nothing.
    picture.SetFrame(4);
    EXPECT_TRUE(picture.Empty());
}

TEST(Pictures, ContainerFindsNamesIgnoringCase)
{
    TPictureContainer container(nullptr);
    EXPECT_EQ(container.ClassName(), "TPictureContainer");
    PictureContainer::TPictureItem& first = container.Items().Add();
    first.Name = "Escudo";
    first.Tag = 7;
    first.Picture().LoadFromStream(PngOf(3, 3, Qt::blue));
    container.Items().Add().Name = "escudo";
    EXPECT_EQ(container.FindPicture("ESCUDO"), &first.Picture());
    EXPECT_EQ(container.FindPicture("escudo"), &first.Picture());
    EXPECT_EQ(container.FindPicture("bandeira"), nullptr);

    PictureContainer::TPictureItem copy;
    copy.Assign(first);
    EXPECT_EQ(copy.Name, "Escudo");
    EXPECT_EQ(copy.Tag, 7);
    EXPECT_EQ(copy.Picture().Width(), 3);
    container.Items().Delete(0);
    EXPECT_EQ(container.Items().Count(), 1);
    EXPECT_TRUE(container.FindPicture("ESCUDO")->Empty());
    EXPECT_EQ(container.Version().size(), 7u);
}

TEST(Pictures, CacheMatchesSourcesExactly)
{
    THTMLPictureCache cache;
    THTMLPicture* picture = cache.AddPicture();
    picture->LoadFromURL("http://tarvelon.example/a.png");
    EXPECT_TRUE(picture->Empty());
    EXPECT_EQ(picture->Source(), "http://tarvelon.example/a.png");
    EXPECT_EQ(cache.FindPicture("http://tarvelon.example/a.png"), picture);
    EXPECT_EQ(cache.FindPicture("HTTP://tarvelon.example/a.png"), nullptr);
    EXPECT_EQ(cache.Count(), 1);
    cache.Clear();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(Pictures, FileSourcesLoadAndEngineDrawsThemOnceCached)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("verde.png").toStdString();
    const TBytes png = PngOf(10, 8, Qt::green);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(png.data()), qint64(png.size()));
    file.close();

    THTMLPicture picture;
    picture.LoadFromURL("FILE://" + path);
    EXPECT_EQ(picture.Width(), 10);
    picture.LoadFromURL("file://" + path + ".missing");
    EXPECT_EQ(picture.Width(), 10);  // an unreadable file leaves the picture as it was

    THTMLPictureCache cache;
    THTMLDrawParams params;
    params.PictureCache = &cache;
    TSheet sheet;
    const std::string text = "<IMG src=\"file://" + path + "\">";
    sheet.Draw(text, TRect{4, 6, 400, 200}, params);
    sheet.Draw(text, TRect{4, 6, 400, 200}, params);
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_EQ(sheet.CountColor(TRect{4, 6, 14, 14}, clLime), 80);
    EXPECT_EQ(sheet.CountColor(TRect{0, 0, 400, 200}, clLime), 80);
}

TEST(Pictures, ContainerPicturesDrawNaturalStretchedAndBehindTheText)
{
    TPictureContainer container(nullptr);
    PictureContainer::TPictureItem& item = container.Items().Add();
    item.Name = "Bola";
    item.Picture().LoadFromStream(PngOf(6, 6, Qt::red));
    THTMLDrawParams params;
    params.PictureContainer = &container;

    TSheet natural;
    natural.Draw("<IMG src=\"bola\">", TRect{10, 10, 400, 200}, params);
    EXPECT_EQ(natural.CountColor(TRect{10, 10, 16, 16}, clRed), 36);
    EXPECT_EQ(natural.CountColor(TRect{0, 0, 400, 200}, clRed), 36);

    TSheet stretched;
    stretched.Draw("<IMG src=\"bola\" width=\"20\" height=\"10\">", TRect{10, 10, 400, 200}, params);
    EXPECT_EQ(stretched.CountColor(TRect{0, 0, 400, 200}, clRed), 200);

    TSheet tiled;
    tiled.Draw("<BODY background=\"Bola\">", TRect{0, 0, 15, 13}, params);
    EXPECT_EQ(tiled.CountColor(TRect{0, 0, 400, 200}, clRed), 15 * 13);
    TSheet corners;
    corners.Draw("<BODY bgtopleft=\"bola\" bgtopright=\"bola\">", TRect{0, 0, 50, 30}, params);
    EXPECT_EQ(corners.CountColor(TRect{0, 0, 6, 6}, clRed), 36);
    EXPECT_EQ(corners.CountColor(TRect{44, 0, 50, 6}, clRed), 36);
    EXPECT_EQ(corners.CountColor(TRect{0, 0, 400, 200}, clRed), 72);
}

// Embedded pictures: a resource file made with the Qt resource compiler and registered at run time.
TEST(Pictures, EmbeddedPicturesLoadByNameIgnoringCase)
{
    const QString rcc = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + "/rcc";
    if (!QFile::exists(rcc))
        GTEST_SKIP() << "no resource compiler";
    QTemporaryDir folder;
    const TBytes png = PngOf(5, 9, Qt::blue);
    QFile picture(folder.filePath("LOGO.png"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(reinterpret_cast<const char*>(png.data()), qint64(png.size()));
    picture.close();
    QFile qrc(folder.filePath("test.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::WriteOnly));
    qrc.write("<RCC><qresource prefix=\"/rcdata\"><file>LOGO.png</file></qresource></RCC>");
    qrc.close();
    const QString binary = folder.filePath("test.rcc");
    ASSERT_EQ(QProcess::execute(rcc, {"-binary", qrc.fileName(), "-o", binary}), 0);
    ASSERT_TRUE(QResource::registerResource(binary));

    THTMLPicture byName;
    byName.LoadFromResource("logo");
    EXPECT_EQ(byName.Width(), 5);
    THTMLPicture byURL;
    byURL.LoadFromURL("res://Logo");
    EXPECT_EQ(byURL.Height(), 9);
    THTMLPicture missing;
    missing.LoadFromURL("RES://nada");
    EXPECT_TRUE(missing.Empty());
    QResource::unregisterResource(binary);
}

}  // namespace
}  // namespace tarvelon

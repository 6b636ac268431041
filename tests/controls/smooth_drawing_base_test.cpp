// The smooth controls' drawing base: colours, fonts and text, the encoded pictures (decoding on
// draw, BMP transparency, sizes from file headers), the hint record and the picture container.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "controls/dc_hint_info.h"
#include "controls/dc_smooth_gdip.h"
#include "controls/gdi_picture.h"
#include "controls/gdip_picture_container.h"
#include "tests/controls/controls_test_support.h"

namespace tarvelon {
namespace {

using test::Near;
using test::Rgb;

std::string WriteFile(const QTemporaryDir& dir, const std::string& name, const TBytes& bytes)
{
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    return path;
}

TEST(SmoothColors, TColorBecomesOpaqueArgbWithSwappedChannels)
{
    EXPECT_EQ(ColorToARGB(0x00332211), 0xFF112233u);
    EXPECT_EQ(MakeARGBFromColor(128, 0x00332211), 0x80112233u);
    EXPECT_EQ(MakeARGB(1, 2, 3, 4), 0x01020304u);
    // System colours are resolved first.
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(ColorToARGB(clBtnFace), MakeARGB(255, face & 0xFF, (face >> 8) & 0xFF, (face >> 16) & 0xFF));
}

TEST(SmoothText, MissingFaceFallsBackToArialAndStyleBitsCarry)
{
    TFont font;
    font.SetName("Fonte Que Nao Existe");
    font.SetSize(12);
    font.SetStyle(TFontStyles{fsBold, fsUnderline, fsStrikeOut});
    const auto gpFont = CreateGPFont(font);
    const auto arial = CreateGPFont([] {
        TFont f;
        f.SetName("Arial");
        f.SetSize(12);
        f.SetStyle(TFontStyles{fsBold, fsUnderline});
        return f;
    }());
    EXPECT_EQ(gpFont->Status(), Ok);
    EXPECT_EQ(gpFont->Style(), FontStyleBold | FontStyleUnderline);  // no strike-out
    EXPECT_EQ(gpFont->ToQFont().family(), arial->ToQFont().family());
    EXPECT_FLOAT_EQ(gpFont->SizeInPixels(), 16.0f);
}

TEST(SmoothText, TrailingBlankCountsWhenMeasuringAndBackgroundIsFilled)
{
    QImage image(300, 60, QImage::Format_ARGB32);
    image.fill(Qt::white);
    TGPGraphics graphics(image);
    TFont font;
    font.SetName("Arial");
    font.SetSize(10);
    TRect plain = Rect(10, 10, 10, 30);
    TRect blank = plain;
    const int height = DrawTextGDIP(graphics, "Gol", 3, plain, font, DT_CALCRECT_GDIP, clNone);
    DrawTextGDIP(graphics, "Gol ", 4, blank, font, DT_CALCRECT_GDIP, clNone);
    EXPECT_GT(blank.Right, plain.Right);
    EXPECT_EQ(height, plain.Bottom - plain.Top);
    EXPECT_GT(height, 10);
    EXPECT_EQ(MeasureTextHeightGDIP(graphics, "Gol", font), height);
    // Measuring draws nothing; a background colour is filled behind the text.
    EXPECT_EQ(Rgb(image, 12, 15), 0xFFFFFFu);
    TRect drawn = Rect(10, 30, 10, 50);
    DrawTextGDIP(graphics, "Gol", 3, drawn, font, 0, clRed);
    EXPECT_EQ(Rgb(image, drawn.Right - 1, 31), 0xFF0000u);
}

TEST(DcGDIPPicture, EmptyPictureDrawsNothingAndHasNoSize)
{
    TDcGDIPPicture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::white);
    TGPGraphics graphics(image);
    picture.DrawOnGraphics(graphics, Rect(0, 0, 20, 20));
    TBitmap bitmap(20, 20);
    picture.Draw(bitmap.Canvas(), Rect(0, 0, 20, 20));
    EXPECT_EQ(Rgb(image, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(test::Rgb(bitmap.Image(), 5, 5), 0xFFFFFFu);
}

TEST(DcGDIPPicture, BmpKeepsItsSizeOnCanvasWhilePngIsStretched)
{
    // Blue 4 x 4 BMP whose bottom-left pixel (blue) is its transparent colour; the top-left quarter red.
    TDcGDIPPicture bmp;
    bmp.LoadFromStream(test::BmpBytes(test::SolidImage(4, 4, 0x0000FF, 0xFF0000)));
    EXPECT_EQ(bmp.Width(), 4);
    TBitmap target(20, 20);
    bmp.Draw(target.Canvas(), Rect(2, 2, 20, 20));
    EXPECT_EQ(Rgb(target.Image(), 2, 2), 0xFF0000u);  // red corner at its own size
    EXPECT_EQ(Rgb(target.Image(), 5, 5), 0xFFFFFFu);  // blue transparent
    EXPECT_EQ(Rgb(target.Image(), 10, 10), 0xFFFFFFu);

    TDcGDIPPicture png;
    png.LoadFromStream(test::EncodeAs(test::SolidImage(4, 4, 0x00FF00), "PNG"));
    TBitmap stretched(20, 20);
    png.Draw(stretched.Canvas(), Rect(0, 0, 20, 20));
    EXPECT_EQ(Rgb(stretched.Image(), 18, 18), 0x00FF00u);
}

TEST(DcGDIPPicture, TransparentBmpOnGraphicsKeysOutBottomLeftOrOverrideColour)
{
    QImage source = test::SolidImage(6, 6, 0x0000FF, 0xFF0000);
    TDcGDIPPicture picture;
    picture.LoadFromStream(test::BmpBytes(source));
    picture.SetTransparent(true);
    QImage image(30, 30, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        TGPGraphics graphics(image);
        picture.DrawOnGraphics(graphics, Rect(0, 0, 30, 30));  // own size, not stretched
    }
    EXPECT_EQ(Rgb(image, 1, 1), 0xFF0000u);
    EXPECT_EQ(Rgb(image, 4, 4), 0xFFFFFFu);   // blue keyed out
    EXPECT_EQ(Rgb(image, 20, 20), 0xFFFFFFu); // nothing stretched
    EXPECT_EQ(picture.BitsPerPixel(), 24);
    EXPECT_FALSE(picture.HasAlpha());

    picture.SetTransparentColorOverride(true);
    picture.SetTransparentColorValue(0x0000FF);  // red as a TColor
    image.fill(Qt::white);
    {
        TGPGraphics graphics(image);
        picture.DrawOnGraphics(graphics, Rect(0, 0, 30, 30));
    }
    EXPECT_EQ(Rgb(image, 1, 1), 0xFFFFFFu);
    EXPECT_EQ(Rgb(image, 4, 4), 0x0000FFu);
}

TEST(DcGDIPPicture, AssignCopiesBytesAndFiresEvents)
{
    TDcGDIPPicture source;
    source.LoadFromStream(test::PngBytes(7, 5, 0x123456));
    TDcGDIPPicture copy;
    int changes = 0;
    int clears = 0;
    copy.OnChange = [&] { ++changes; };
    copy.OnClear = [&](TObject*) { ++clears; };
    copy.Assign(&source);
    EXPECT_EQ(copy.Bytes(), source.Bytes());
    EXPECT_FALSE(copy.Empty());
    EXPECT_EQ(copy.Width(), 7);
    EXPECT_EQ(copy.Height(), 5);
    EXPECT_EQ(changes, 1);
    copy.Clear();
    EXPECT_TRUE(copy.Empty());
    EXPECT_TRUE(copy.Bytes().empty());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(clears, 1);

    TBitmap bitmap(3, 2);
    copy.Assign(&bitmap);
    EXPECT_EQ(DetectImageFormat(copy.Bytes()), TImageFormat::Bmp);
    EXPECT_EQ(copy.Width(), 3);
    // Stored bytes are written out unchanged; reading them back fires no change.
    TBytes stream;
    copy.SaveToStream(stream);
    TDcGDIPPicture read;
    read.OnChange = [&] { ++changes; };
    const int before = changes;
    read.ReadData(stream);
    EXPECT_EQ(read.Bytes(), stream);
    EXPECT_EQ(read.Height(), 2);
    EXPECT_EQ(changes, before);
}

TEST(DcGDIPPicture, DamagedBytesDrawNothing)
{
    TDcGDIPPicture picture;
    picture.LoadFromStream(TBytes{0x89, 'P', 'N', 'G', 1, 2, 3});
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(Qt::white);
    TGPGraphics graphics(image);
    picture.DrawOnGraphics(graphics, Rect(0, 0, 10, 10));
    EXPECT_EQ(Rgb(image, 5, 5), 0xFFFFFFu);
}

TEST(ImageHeaders, SizesComeFromTheHeaderByExtension)
{
    QTemporaryDir dir;
    const TBytes png = test::PngBytes(300, 20, 0);
    TDcGDIPPicture picture;
    int order = 0;
    int clearedAt = 0;
    int changedAt = 0;
    picture.OnClear = [&](TObject*) { clearedAt = ++order; };
    picture.OnChange = [&] { changedAt = ++order; };
    picture.LoadFromFile(WriteFile(dir, "escudo.png", png));
    EXPECT_EQ(picture.Width(), 300);
    EXPECT_EQ(picture.Height(), 20);
    EXPECT_EQ(clearedAt, 1);
    EXPECT_EQ(changedAt, 2);
    // A PNG named .tif is not measured; TIFF is read only as ".TIFF".
    TDcGDIPPicture tif;
    tif.LoadFromFile(WriteFile(dir, "escudo.tif", png));
    EXPECT_EQ(tif.Width(), 0);
    EXPECT_EQ(tif.Height(), 0);

    EXPECT_EQ(ReadImageHeaderSize(WriteFile(dir, "a.BMP", test::BmpBytes(test::SolidImage(9, 4, 0)))).width, 9);
    EXPECT_EQ(ReadImageHeaderSize(WriteFile(dir, "a.bmp", test::BmpBytes(test::SolidImage(9, 4, 0)))).height, 4);
    const TBytes gif = test::EncodeAs(test::SolidImage(12, 8, 0xFF0000).convertToFormat(QImage::Format_Indexed8), "GIF");
    if (!gif.empty()) {
        const TImageHeaderSize size = ReadImageHeaderSize(WriteFile(dir, "a.gif", gif));
        EXPECT_EQ(size.width, 12);
        EXPECT_EQ(size.height, 8);
    }
    // JPEG: start of image, an APP0 segment to skip, fill bytes, then the start of frame.
    const TBytes jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0xAA, 0xBB, 0xFF, 0xFF, 0xC0, 0x00, 0x11, 0x08,
                         0x01, 0x2C, 0x02, 0x58, 0x03};
    const TImageHeaderSize jpegSize = ReadImageHeaderSize(WriteFile(dir, "a.jpeg", jpeg));
    EXPECT_EQ(jpegSize.width, 600);
    EXPECT_EQ(jpegSize.height, 300);
    EXPECT_EQ(ReadImageHeaderSize(WriteFile(dir, "b.jpg", TBytes{0xFF, 0xD9})).width, 0);
    // Little-endian TIFF: directory at 8 with the width and length entries.
    TBytes tiff = {'I', 'I', 42, 0, 8, 0, 0, 0, 2, 0};
    const TBytes widthEntry = {0x00, 0x01, 3, 0, 1, 0, 0, 0, 0x40, 0x01, 0, 0};
    const TBytes lengthEntry = {0x01, 0x01, 3, 0, 1, 0, 0, 0, 0xC8, 0x00, 0, 0};
    tiff.insert(tiff.end(), widthEntry.begin(), widthEntry.end());
    tiff.insert(tiff.end(), lengthEntry.begin(), lengthEntry.end());
    const TImageHeaderSize tiffSize = ReadImageHeaderSize(WriteFile(dir, "a.tiff", tiff));
    EXPECT_EQ(tiffSize.width, 320);
    EXPECT_EQ(tiffSize.height, 200);
    // Truncated headers stay 0 x 0.
    EXPECT_EQ(ReadImageHeaderSize(WriteFile(dir, "c.tiff", TBytes{'I', 'I', 42, 0, 90, 0, 0, 0})).width, 0);
    EXPECT_EQ(ReadImageHeaderSize(WriteFile(dir, "c.png", TBytes{0x89, 'P', 'N', 'G'})).width, 0);
    EXPECT_EQ(ReadImageHeaderSize(WriteFile(dir, "c.txt", png)).width, 0);
}

TEST(GDIPPicture, TwinMeasuresByDecodingAndReadDataDoesNotMeasure)
{
    QTemporaryDir dir;
    TGDIPPicture picture;
    picture.LoadFromFile(WriteFile(dir, "foto.tif", test::PngBytes(5, 6, 0)));
    EXPECT_EQ(picture.Width(), 5);  // decoded whatever the extension
    TGDIPPicture read;
    read.ReadData(test::PngBytes(5, 6, 0));
    EXPECT_FALSE(read.Empty());
    EXPECT_EQ(read.Width(), 0);
}

TEST(DcHintInfo, AssignCopiesEverything)
{
    TDcHintInfo source;
    source.SetTitle("Artilheiro");
    source.SetNotes({"12 gols", "3 assistências"});
    source.SetShowHelp(true);
    source.Picture().LoadFromStream(test::PngBytes(2, 2, 0));
    source.SetWideTitle(u"t");
    TDcHintInfo copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Title(), "Artilheiro");
    EXPECT_EQ(copy.Notes().size(), 2u);
    EXPECT_EQ(copy.Notes()[1], "3 assistências");
    EXPECT_TRUE(copy.ShowHelp());
    EXPECT_EQ(copy.Picture().Bytes(), source.Picture().Bytes());
    EXPECT_EQ(copy.WideTitle(), u"t");
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Title(), "Artilheiro");
}

TEST(GDIPPictureContainer, FindsByNameIgnoringAsciiCaseFirstMatchWins)
{
    TGDIPPictureContainer container(nullptr);
    EXPECT_EQ(container.FindPicture("i_gol"), nullptr);
    TPictureItem& first = container.Items().Add();
    first.Name = "i_gol";
    first.Picture().LoadFromStream(test::PngBytes(3, 3, 0));
    TPictureItem& second = container.Items().Add();
    second.Name = "I_GOL";
    TPictureItem& accented = container.Items().Add();
    accented.Name = "cartão";
    EXPECT_EQ(container.FindPicture("I_GOL"), &first.Picture());
    EXPECT_EQ(container.FindPicture("i_Gol"), &first.Picture());
    EXPECT_EQ(container.FindPicture("i_sub"), nullptr);
    EXPECT_EQ(container.FindPicture("CARTÃO"), nullptr);  // accents are not folded
    EXPECT_EQ(container.FindPicture("CARTãO"), &accented.Picture());
    EXPECT_EQ(container.Version(), "1.0.0.0");
    TPictureItem copy;
    copy.Assign(first);
    EXPECT_EQ(copy.Name, "i_gol");
    EXPECT_EQ(copy.Picture().Bytes(), first.Picture().Bytes());
    EXPECT_EQ(container.Items().Owner(), &container);
}

}  // namespace
}  // namespace tarvelon

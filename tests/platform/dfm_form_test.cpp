// The form reader: components made by class name and placed in their parents, properties set,
// references between components, events bound to the form's handlers by name, the embedded
// description found by the form's class, and every wrong description reported with its file and
// line instead of failing.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/dfm/stored_form.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/menus.h"
#include "platform/stdctrls/message_box.h"

namespace tarvelon {
namespace {

class ReaderTest : public ::testing::Test {
protected:
    void TearDown() override { Free(form); }
    const TReadResult& Read(const std::string& text) { return form->ReadDescriptionText(text, "TForm99.dfm"); }
    TStoredForm* form = new TStoredForm(nullptr);
};

TEST_F(ReaderTest, ComponentsArePlacedAndTheirPropertiesSet)
{
    const TReadResult& result = Read(
        "object Form99: TForm99\n"
        "  Caption = 'Opções'\n"
        "  ClientWidth = 400\n"
        "  ClientHeight = 300\n"
        "  BorderStyle = bsDialog\n"
        "  object Panel1: TPanel\n"
        "    Align = alTop\n"
        "    Height = 50\n"
        "    PopupMenu = PopupMenu1\n"
        "    object Label1: TLabel\n"
        "      Left = 8\n"
        "      Top = 6\n"
        "      AutoSize = False\n"
        "      Width = 120\n"
        "      Caption = 'Velocidade'\n"
        "      Font.Color = clRed\n"
        "      Font.Height = -14\n"
        "      Font.Style = [fsBold, fsUnderline]\n"
        "      Tag = 7\n"
        "    end\n"
        "  end\n"
        "  object Timer1: TTimer\n"
        "    Enabled = False\n"
        "    Interval = 2500\n"
        "  end\n"
        "  object UpDown1: TUpDown\n"
        "    Associate = Edit1\n"
        "    Min = 0\n"
        "    Max = 10\n"
        "    Position = 4\n"
        "  end\n"
        "  object Edit1: TEdit\n"
        "    Top = 60\n"
        "  end\n"
        "  object PopupMenu1: TPopupMenu\n"
        "    object Item1: TMenuItem\n"
        "      Caption = 'Abrir'\n"
        "      object Item2: TMenuItem\n"
        "        Caption = 'Arquivo'\n"
        "      end\n"
        "    end\n"
        "  end\n"
        "end\n");
    ASSERT_TRUE(result.Ok()) << result.Message();
    EXPECT_EQ(form->Name(), "Form99");
    EXPECT_EQ(form->Caption(), "Opções");
    EXPECT_EQ(form->ClientWidth(), 400);
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    auto* panel = form->FindChild<TPanel>("Panel1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Parent(), form);
    EXPECT_EQ(panel->Width(), 400);  // aligned to the top once loaded
    auto* label = form->FindChild<TLabel>("Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Owner(), form);
    EXPECT_EQ(label->Parent(), panel);
    EXPECT_EQ(label->Width(), 120);
    EXPECT_EQ(label->Font().Color(), clRed);
    EXPECT_EQ(label->Font().Height(), -14);
    EXPECT_TRUE(label->Font().Style().Contains(fsUnderline));
    EXPECT_FALSE(label->ParentFont());
    EXPECT_EQ(label->Tag(), 7);
    auto* timer = form->FindChild<TTimer>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 2500);
    // A reference to a component written further down.
    auto* upDown = form->FindChild<TUpDown>("UpDown1");
    EXPECT_EQ(upDown->Associate(), form->FindChild<TEdit>("Edit1"));
    EXPECT_EQ(form->FindChild<TEdit>("Edit1")->Text(), "4");
    auto* menu = form->FindChild<TPopupMenu>("PopupMenu1");
    EXPECT_EQ(GetPopupMenu(panel), menu);
    ASSERT_EQ(menu->Items().Count(), 1);
    EXPECT_EQ(menu->Items()[0]->Count(), 1);
    EXPECT_EQ(menu->Items()[0]->Items(0)->Caption(), "Arquivo");
}

TEST_F(ReaderTest, EventsBindToTheHandlersOfTheirNames)
{
    int clicks = 0;
    int shows = 0;
    unsigned short lastKey = 0;
    form->BindHandler("btjogarClick", [&](TObject* sender) {
        ++clicks;
        EXPECT_EQ(sender, form->FindComponent("btjogar"));
    });
    form->BindHandler("FormShow", [&](TObject*) { ++shows; });
    form->BindHandler("FormKeyDown", [&](TObject*, unsigned short& key, TShiftState) { lastKey = key; });
    const TReadResult& result = Read(
        "object Form99: TForm99\n"
        "  OnShow = FormShow\n"
        "  OnKeyDown = formkeydown\n"
        "  object btjogar: TButton\n"
        "    Caption = 'Jogar'\n"
        "    OnClick = btjogarClick\n"
        "  end\n"
        "end\n");
    ASSERT_TRUE(result.Ok()) << result.Message();
    form->Show();
    EXPECT_EQ(shows, 1);
    form->FindChild<TButton>("btjogar")->Click();
    EXPECT_EQ(clicks, 1);
    unsigned short key = 'A';
    ASSERT_TRUE(form->OnKeyDown);
    form->OnKeyDown(form, key, 0);
    EXPECT_EQ(lastKey, 'A');
}

TEST_F(ReaderTest, WrongDescriptionsAreReportedWithFileAndLineAndTheRestIsRead)
{
    form->BindHandler("Edit1Change", [](TObject*, unsigned short&, TShiftState) {});
    const TReadResult& result = Read(
        "object Form99: TForm99\n"
        "  object Label1: TLabel\n"
        "    Caption = 'ok'\n"
        "    Colour = clRed\n"
        "  end\n"
        "  object Grid1: TMysteryGrid\n"
        "    object Inside: TLabel\n"
        "    end\n"
        "  end\n"
        "  object Edit1: TEdit\n"
        "    Left = 'dez'\n"
        "    OnChange = Edit1Change\n"
        "    OnClick = NobodysHandler\n"
        "    MaxLength = 5\n"
        "  end\n"
        "  object Label2: TLabel\n"
        "    Alignment = taMiddle\n"
        "    FocusControl = Edit9\n"
        "  end\n"
        "end\n");
    ASSERT_EQ(result.errors.size(), 7u) << result.Message();
    const auto expect = [&](std::size_t index, int line, const std::string& part) {
        EXPECT_EQ(result.errors[index].file, "TForm99.dfm");
        EXPECT_EQ(result.errors[index].line, line) << result.errors[index].message;
        EXPECT_NE(result.errors[index].message.find(part), std::string::npos) << result.errors[index].message;
    };
    expect(0, 6, "unknown class TMysteryGrid");
    expect(1, 4, "TLabel has no property Colour");
    expect(2, 11, "Left: a whole number was expected, not the string 'dez'");
    expect(3, 12, "does not have the parameters of OnChange");
    expect(4, 13, "no handler NobodysHandler");
    expect(5, 17, "one of taLeftJustify, taRightJustify, taCenter");
    expect(6, 18, "TLabel has no property FocusControl");
    EXPECT_NE(result.Message().find("TForm99.dfm, line 6: unknown class TMysteryGrid"), std::string::npos);
    // What was right is there.
    EXPECT_EQ(form->FindChild<TLabel>("Label1")->Caption(), "ok");
    EXPECT_EQ(form->FindChild<TEdit>("Edit1")->MaxLength(), 5);
    EXPECT_EQ(form->FindComponent("Grid1"), nullptr);
    EXPECT_EQ(form->FindComponent("Inside"), nullptr);
}

TEST_F(ReaderTest, AChildTheCodeLooksUpInVainIsAProblem)
{
    Read("object Form99: TForm99\n  object Label1: TLabel\n  end\nend\n");
    EXPECT_TRUE(form->ReadProblems().Ok());
    EXPECT_NE(form->FindChild<TLabel>("Label1"), nullptr);
    EXPECT_EQ(form->FindChild<TLabel>("Label7"), nullptr);
    EXPECT_EQ(form->FindChild<TEdit>("Label1"), nullptr);
    ASSERT_EQ(form->ReadProblems().errors.size(), 2u);
    EXPECT_NE(form->ReadProblems().errors[0].message.find("\"Label7\""), std::string::npos);
    EXPECT_NE(form->ReadProblems().errors[1].message.find("not of the class"), std::string::npos);
    EXPECT_EQ(form->ReadProblems().errors[0].Text().rfind("TForm99.dfm: the code looks up", 0), 0u);
}

TEST_F(ReaderTest, ProblemsAreShownInAMessageBox)
{
    std::string shown;
    SetMessageBoxAnswerer([&](const TMessageBoxRequest& request) {
        shown = request.text;
        return mrOk;
    });
    Read("object Form99: TForm99\n  object X: TNoSuchThing\n  end\nend\n");
    form->ShowReadProblems();
    SetMessageBoxAnswerer(nullptr);
    EXPECT_NE(shown.find("TForm99.dfm, line 2: unknown class TNoSuchThing"), std::string::npos);
}

TEST_F(ReaderTest, SyntaxErrorsAndMissingDescriptionsAreReported)
{
    TReadResult result = Read("object Form99: TForm99\n  Caption = 'x\nend\n");
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0].line, 2);
    result = form->ReadDescription("TFormThatIsNotThere");
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_NE(result.Message().find("not embedded"), std::string::npos);
}

TEST_F(ReaderTest, InheritedObjectsChangeComponentsThatExist)
{
    ASSERT_TRUE(Read("object Form99: TForm99\n  object bt1: TButton\n    Caption = 'Um'\n    Left = 5\n  end\nend\n").Ok());
    const TReadResult& result = Read(
        "inherited Form99: TForm99\n"
        "  inherited bt1: TButton\n"
        "    Caption = 'Dois'\n"
        "  end\n"
        "  inherited bt2: TButton\n"
        "  end\n"
        "end\n");
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0].line, 5);
    auto* button = form->FindChild<TButton>("bt1");
    EXPECT_EQ(button->Caption(), "Dois");
    EXPECT_EQ(button->Left(), 5);
}

TEST_F(ReaderTest, PicturesComeFromBinaryDataOrFromAFile)
{
    QTemporaryDir dir;
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString path = dir.filePath(QStringLiteral("escudo.png"));
    ASSERT_TRUE(red.save(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string hex = file.readAll().toHex().toStdString();
    const TReadResult& result = Read(
        "object Form99: TForm99\n"
        "  object Image1: TImage\n"
        "    Picture.FileName = '" + path.toStdString() + "'\n"
        "  end\n"
        "  object Image2: TImage\n"
        "    Picture.Data = {" + hex + "}\n"
        "  end\n"
        "  object Image3: TImage\n"
        "    Picture.FileName = 'nenhum.png'\n"
        "  end\n"
        "end\n");
    ASSERT_EQ(result.errors.size(), 1u) << result.Message();
    EXPECT_EQ(result.errors[0].line, 9);
    EXPECT_EQ(form->FindChild<TImage>("Image1")->Picture().Width(), 4);
    EXPECT_EQ(form->FindChild<TImage>("Image2")->Picture().Height(), 3);
    EXPECT_TRUE(form->FindChild<TImage>("Image3")->Picture().Empty());
}

TEST_F(ReaderTest, ImageListHoldsThePicturesOfItsBitmapAndOfEmbeddedResources)
{
    // Two 4 x 4 images side by side: red, then blue with a transparent corner.
    QImage strip(8, 4, QImage::Format_ARGB32);
    strip.fill(Qt::red);
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x)
            strip.setPixel(x, y, x == 7 && y == 3 ? 0 : qRgb(0, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && strip.save(&buffer, "PNG"));
    const TReadResult& result = Read(
        "object Form99: TForm99\n"
        "  object ImageList1: TImageList\n"
        "    Width = 4\n"
        "    Height = 4\n"
        "    Bitmap = {" + png.toHex().toStdString() + "}\n"
        "  end\n"
        "  object ImageList2: TImageList\n"
        "    Bitmap = {00010203}\n"
        "  end\n"
        "end\n");
    ASSERT_EQ(result.errors.size(), 1u) << result.Message();
    EXPECT_EQ(result.errors[0].line, 8);
    auto* list = dynamic_cast<TCustomImageList*>(form->FindComponent("ImageList1"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Image(0).pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(list->Image(1).pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(list->Image(1).pixel(3, 3)), 0);

    // A picture embedded in the program (Qt's own style pictures are): 16 x 16 cells.
    list->SetSize(16, 16);
    EXPECT_EQ(list->AddFromFile(":/qt-project.org/styles/commonstyle/images/standardbutton-apply-16.png"), 0);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(list->AddFromFile(":/nenhum.png"), -1);
    // Without alpha, the bottom-left pixel's colour is transparent.
    QImage opaque(4, 4, QImage::Format_RGB32);
    opaque.fill(Qt::green);
    opaque.setPixel(0, 3, qRgb(255, 0, 255));
    opaque.setPixel(2, 2, qRgb(255, 0, 255));
    list->SetSize(4, 4);
    EXPECT_EQ(list->AddStrip(opaque), 0);
    EXPECT_EQ(qAlpha(list->Image(0).pixel(2, 2)), 0);
    EXPECT_EQ(list->Image(0).pixel(1, 1), qRgb(0, 255, 0));
}

TEST_F(ReaderTest, NotebookPagesWithoutNamesHoldTheirControls)
{
    const TReadResult& result = Read(
        "object Form99: TForm99\n"
        "  object Notebook1: TNotebook\n"
        "    Width = 300\n"
        "    Height = 200\n"
        "    PageIndex = 1\n"
        "    object TPage\n"
        "      Caption = 'Default'\n"
        "      object Label2: TLabel\n"
        "        Caption = 'Faça aqui sua oferta'\n"
        "      end\n"
        "    end\n"
        "    object TPage\n"
        "      Caption = 'resultado'\n"
        "      object Label16: TLabel\n"
        "      end\n"
        "    end\n"
        "  end\n"
        "end\n");
    ASSERT_TRUE(result.Ok()) << result.Message();
    auto* book = form->FindChild<TNotebook>("Notebook1");
    ASSERT_EQ(book->PageCount(), 2);
    EXPECT_EQ(book->ActivePage(), "resultado");
    EXPECT_EQ(form->FindChild<TLabel>("Label2")->Parent(), book->Page(0));
    EXPECT_FALSE(book->Page(0)->Visible());
    EXPECT_TRUE(book->Page(1)->Visible());
}

TEST_F(ReaderTest, TheEmbeddedDescriptionIsFoundByTheFormsClass)
{
    std::string text;
    std::string path;
    ASSERT_TRUE(FindFormResource("TFormDemo", text, path));
    EXPECT_EQ(path, ":/forms/TFormDemo.dfm");
    EXPECT_EQ(text.rfind("object FormDemo: TFormDemo", 0), 0u);
}

}  // namespace
}  // namespace tarvelon

// A sample of the editors as the player sees them (kept as grid_editors.png, see sample_picture.h), with probes
// at known places: the list style's highlighted text area, the drop-down arrow, the open list's
// highlighted row and the calendar's chosen day.
#include <gtest/gtest.h>

#include <QPainter>

#include "grid/dg_combo_box.h"
#include "grid/dg_date_picker.h"
#include "grid/dg_number_edit.h"
#include "platform/forms/form.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/themes.h"
#include "tests/platform/forms_test_support.h"
#include "tests/support/sample_picture.h"

namespace tarvelon {
namespace {

using test::Pump;

TColor PixelOf(const QImage& image, int x, int y)
{
    return FromQColor(image.pixelColor(x, y));
}

// Renders the sample form with its drop-downs open into `path`; probes as the player would look.
void RenderSample(const char* path, bool themed)
{
    SetThemed(themed);
    TForm* form = new TForm(nullptr);
    form->SetBounds(40, 40, 460, 330);
    form->SetColor(clBtnFace);
    auto place = [&](TWinControl* control, int left, int top, int width) {
        control->SetParent(form);
        control->SetBounds(left, top, width, 21);
        control->SetTabStop(true);
    };
    auto* text = new TDgEdit(form);
    place(text, 10, 10, 140);
    text->SetText("Goleiro reserva");
    text->SetShowPreview(true);
    text->OnCustomPreviewDraw = [text](TObject*, const TRect& rect) {
        text->PreviewCanvas()->Brush.SetColor(clGreen);
        text->PreviewCanvas()->FillRect(rect);
    };
    auto* spin = new TDgSpinEdit(form);
    place(spin, 10, 40, 140);
    spin->SetPrecision(2);
    spin->SetValue(1250.5);
    auto* list = new TDgComboBox(form);
    place(list, 10, 70, 140);
    for (const char* item : {"Atacante", "Meia", "Volante", "Zagueiro"})
        list->Items().Add(item);
    list->SetStyle(dsDropDownList);
    list->SetItemIndex(2);
    auto* combo = new TDgComboBox(form);
    place(combo, 170, 10, 140);
    for (const char* item : {"São Paulo", "Rio de Janeiro", "Minas Gerais", "Bahia", "Paraná", "Ceará", "Pará",
                             "Goiás", "Amazonas", "Pernambuco"})
        combo->Items().Add(item);
    combo->SetItemIndex(1);
    auto* date = new TDgDatePicker(form);
    place(date, 320, 10, 120);
    date->SetAsDateTime(EncodeDate(2026, 3, 18));
    form->Show();
    Pump(20);
    list->SetFocus();
    Pump(20);
    combo->DropDown();
    test::MoveMouse(combo->List().Widget(), QPoint(30, 2 + 3 * 16 + 4));
    date->DropDown();
    Pump(50);

    QImage shot(form->Width() + 40, form->Height() + 40, QImage::Format_RGB32);
    shot.fill(Qt::darkGray);
    {
        QPainter painter(&shot);
        const QPoint origin = form->Widget()->mapToGlobal(QPoint(0, 0)) - QPoint(20, 20);
        painter.drawImage(20, 20, form->Widget()->grab().toImage());
        for (TWinControl* popup : {static_cast<TWinControl*>(&combo->List()), static_cast<TWinControl*>(&date->Calendar())})
            painter.drawImage(popup->Left() - origin.x(), popup->Top() - origin.y(), popup->Widget()->grab().toImage());
    }
    EXPECT_TRUE(tarvelon::testing::KeepSamplePicture(shot, path));

    const QImage listStyle = list->Widget()->grab().toImage();
    EXPECT_EQ(PixelOf(listStyle, 20, 4), ColorToRGB(clHighlight));
    const QImage comboImage = combo->List().Widget()->grab().toImage();
    EXPECT_EQ(PixelOf(comboImage, 100, 2 + 3 * 16 + 2), ColorToRGB(clHighlight));
    EXPECT_EQ(PixelOf(comboImage, 100, 2 + 1 * 16 + 2), ColorToRGB(clWindow));
    EXPECT_EQ(PixelOf(comboImage, 0, 30), clBlack);  // the frame
    const QImage calendar = date->Calendar().Widget()->grab().toImage();
    // 18 March 2026 is a Wednesday in the third row of a month that begins on a Sunday.
    EXPECT_EQ(PixelOf(calendar, 15 + 17 * 3 + 1, 38 + 15 * 2 + 1), themed ? RGB(251, 230, 148) : ColorToRGB(clSilver));
    Free(form);
    SetThemed(true);
}

TEST(EditorsRenderTest, TheEditorsAndTheirDropDowns)
{
    RenderSample("grid_editors.png", true);
}

TEST(EditorsRenderTest, TheClassicLookWithoutVisualStyles)
{
    RenderSample("grid_editors_classic.png", false);
}

// Leftmost column of a row that holds text pixels (dark on the list's white).
int TextStart(const QImage& image, int top, int bottom)
{
    for (int x = 2; x < image.width(); ++x) {
        for (int y = top; y < bottom; ++y) {
            if (qGray(image.pixel(x, y)) < 100)
                return x;
        }
    }
    return -1;
}

// A combo editor on a form of its own (not shown yet).
TDgComboBox* ComboOnAForm(TForm*& form)
{
    form = new TForm(nullptr);
    form->SetBounds(40, 40, 300, 200);
    auto* combo = new TDgComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 160, 21);
    return combo;
}

TEST(EditorsRenderTest, AnIndentListMovesEachValueByItsLevel)
{
    TForm* form = nullptr;
    TDgComboBox* combo = ComboOnAForm(form);
    combo->Items().Add("0=Brasil");
    combo->Items().Add("2=Brasil");
    form->Show();
    Pump(10);
    int starts[2][2] = {};
    for (TItemsDisplayMode mode : {dmValueList, dmIndentList}) {
        combo->SetDisplayMode(mode);
        combo->DropDown();
        combo->List().SetHoverIndex(-1);
        combo->List().Update();
        const QImage image = combo->List().Widget()->grab().toImage();
        for (int row = 0; row < 2; ++row)
            starts[mode == dmIndentList][row] = TextStart(image, 2 + 16 * row, 2 + 16 * row + 16);
        combo->SetDropped(false);
    }
    EXPECT_GT(starts[0][0], 0);
    EXPECT_EQ(starts[0][1], starts[0][0]);
    EXPECT_EQ(starts[1][0], starts[0][0]);
    EXPECT_EQ(starts[1][1], starts[0][1] + 20);
    Free(form);
}

// A list-style editor draws its own frame: the themed edit frame while visual styles are on, the
// sunken edge otherwise.
TEST(EditorsRenderTest, AListStyleEditorFramesItselfAsAnEdit)
{
    TForm* form = nullptr;
    TDgComboBox* combo = ComboOnAForm(form);
    combo->SetStyle(dsDropDownList);
    form->Show();
    Pump(10);
    for (const bool themed : {true, false}) {
        SetThemed(themed);
        QImage expected(combo->Width(), combo->Height(), QImage::Format_RGB32);
        expected.fill(ToQColor(combo->Color()));
        TCanvas canvas(&expected);
        TRect frame = Rect(0, 0, combo->Width(), combo->Height());
        if (themed)
            DrawThemeBackground(canvas, "edit", EP_EDITTEXT, 0, frame);
        else
            DrawEdge(canvas, frame, EDGE_SUNKEN, BF_RECT);
        const QImage shown = combo->RenderDisplay();
        for (const QPoint probe : {QPoint(0, 10), QPoint(1, 10), QPoint(80, 0), QPoint(80, 1), QPoint(80, 20)})
            EXPECT_EQ(PixelOf(shown, probe.x(), probe.y()), PixelOf(expected, probe.x(), probe.y()))
                << "themed " << themed << " at " << probe.x() << "," << probe.y();
    }
    SetThemed(true);
    Free(form);
}

}  // namespace
}  // namespace tarvelon

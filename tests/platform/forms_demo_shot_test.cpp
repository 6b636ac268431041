// A demonstration form built in code from custom-drawn controls: a gradient header, buttons that
// light up under the mouse, a label, and a list with the window's own scroll bar. The test checks
// pixels of it; with TARVELON_DEMO_SHOT=<file.png> it also saves a picture of the form (run it
// under a real display: xvfb-run -a env QT_QPA_PLATFORM=xcb TARVELON_DEMO_SHOT=/tmp/demo_form.png ...).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/graphic_control.h"
#include "platform/graphics/text_draw.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

constexpr TColor kHeaderFrom = RGB(0, 70, 20);
constexpr TColor kHeaderTo = RGB(40, 160, 70);

class THeader : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        for (int x = 0; x < ClientWidth(); ++x) {
            const int t = x * 255 / std::max(1, ClientWidth() - 1);
            const auto mix = [t](int a, int b) { return a + (b - a) * t / 255; };
            Canvas().Pen.SetColor(RGB(mix(GetRValue(kHeaderFrom), GetRValue(kHeaderTo)),
                                      mix(GetGValue(kHeaderFrom), GetGValue(kHeaderTo)),
                                      mix(GetBValue(kHeaderFrom), GetBValue(kHeaderTo))));
            Canvas().MoveTo(x, 0);
            Canvas().LineTo(x, ClientHeight());
        }
        Canvas().Font.Assign(Font());
        Canvas().Brush.SetStyle(bsClear);
        TRect r = ClientRect();
        DrawText(Canvas(), Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

class TDemoButton : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas().Brush.SetStyle(bsSolid);
        Canvas().Brush.SetColor(hot_ ? RGB(255, 220, 120) : RGB(230, 230, 230));
        Canvas().Pen.SetColor(RGB(60, 60, 60));
        Canvas().RoundRect(0, 0, ClientWidth(), ClientHeight(), 8, 8);
        Canvas().Font.Assign(Font());
        Canvas().Brush.SetStyle(bsClear);
        TRect r = ClientRect();
        DrawText(Canvas(), Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    void MouseEnter() override
    {
        hot_ = true;
        Invalidate();
        TCustomControl::MouseEnter();
    }
    void MouseLeave() override
    {
        hot_ = false;
        Invalidate();
        TCustomControl::MouseLeave();
    }

private:
    bool hot_ = false;
};

class TDemoLabel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas().Font.Assign(Font());
        Canvas().Brush.SetStyle(bsClear);
        Canvas().TextOut(0, 0, Caption());
    }
};

// Rows of clubs in the grids' alternating colours, scrolled by the window's own bar.
class TDemoList : public TCustomControl {
public:
    explicit TDemoList(TComponent* owner) : TCustomControl(owner) { eraseBackground_ = false; }
    std::vector<std::string> rows;
    int selected = 1;
    static constexpr int kRowHeight = 18;

    void UpdateBar()
    {
        TScrollInfo info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = static_cast<int>(rows.size()) - 1;
        info.nPage = static_cast<unsigned>(ClientHeight() / kRowHeight);
        info.nPos = top_;
        SetScrollInfo(sbVertical, info);
    }

protected:
    void Paint() override
    {
        Canvas().Font.Assign(Font());
        for (int y = 0, row = top_; y < ClientHeight(); y += kRowHeight, ++row) {
            const bool exists = row < static_cast<int>(rows.size());
            TColor back = row % 2 ? TColor(0x00ECFFFF) : clWhite;
            if (row == selected)
                back = RGB(0, 90, 160);
            Canvas().Brush.SetStyle(bsSolid);
            Canvas().Brush.SetColor(exists ? back : clWhite);
            Canvas().FillRect(Rect(0, y, ClientWidth(), y + kRowHeight));
            if (!exists)
                continue;
            Canvas().Font.SetColor(row == selected ? clWhite : clBlack);
            Canvas().Brush.SetStyle(bsClear);
            Canvas().TextOut(6, y + 2, rows[static_cast<std::size_t>(row)]);
        }
    }
    void ScrollMessage(TScrollBarKind, TScrollCode code, int trackPos) override
    {
        int top = top_;
        if (code == SB_LINEDOWN) ++top;
        if (code == SB_LINEUP) --top;
        if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) top = trackPos;
        SetScrollPos(sbVertical, top);
        const int moved = GetScrollPos(sbVertical) - top_;
        top_ = GetScrollPos(sbVertical);
        ScrollWindow(0, -moved * kRowHeight);
    }

private:
    int top_ = 0;
};

TForm* BuildDemoForm()
{
    auto* form = new TForm(nullptr);
    form->SetCaption("Demonstração");
    form->SetBorderStyle(bsDialog);
    form->SetClientWidth(480);
    form->SetClientHeight(320);
    form->SetColor(RGB(24, 60, 32));
    form->Font().SetName("Arial");
    form->Font().SetColor(clWhite);
    form->SetPosition(poScreenCenter);

    auto* header = new THeader(form);
    header->SetParent(form);
    header->SetHeight(48);
    header->SetAlign(alTop);
    header->SetCaption("Tarvelon — Escalação");
    header->Font().SetSize(16);
    header->Font().SetStyle({fsBold});

    auto* name = new TDemoLabel(form);
    name->SetParent(form);
    name->SetBounds(16, 64, 200, 20);
    name->SetCaption("Clubes da série A:");
    name->Font().SetStyle({fsBold});

    auto* list = new TDemoList(form);
    list->SetName("list");
    list->SetParent(form);
    list->SetBounds(16, 88, 280, 200);
    list->Font().SetColor(clBlack);
    list->rows = {"Atlético Serrano", "Bravense do Vale", "Cerrado do Norte", "Esporte Clube Lagoa",
                  "Faróis da Serra", "Garças Litorâneo", "Ipê Sul", "Jacarandá Paulista",
                  "Náutico Central", "Pitangueiras do Oeste", "Tarvela Praiano", "São Jorge FC", "Vereda Baiana"};
    list->UpdateBar();

    const char* captions[] = {"Jogar >>", "Salvar", "Sair"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new TDemoButton(form);
        button->SetName(std::string("button") + std::to_string(i));
        button->SetParent(form);
        button->SetBounds(320, 88 + i * 52, 140, 40);
        button->SetCaption(captions[i]);
        button->Font().SetStyle({fsBold});
        button->Font().SetColor(clBlack);
        button->SetCursor(crHandPoint);
    }
    return form;
}

TEST(DemoFormTest, ShowsItsControlsAndSavesAPictureWhenAsked)
{
    TForm* form = BuildDemoForm();
    form->Show();
    test::Pump(50);
    auto* button = static_cast<TCustomControl*>(form->FindComponent("button0"));
    test::MoveMouse(button->Widget(), QPoint(10, 10));  // lights the first button
    auto* list = static_cast<TCustomControl*>(form->FindComponent("list"));
    list->PerformScroll(sbVertical, SB_LINEDOWN);
    test::Pump(50);
    for (int i = 0; i < form->ControlCount(); ++i)
        form->Controls(i)->Update();
    form->Update();
    test::Pump(50);

    const QImage shot = form->Widget()->grab().toImage();
    EXPECT_EQ(shot.pixel(0, 10) & 0xFFFFFF, 0x004614u);           // header's left colour
    EXPECT_EQ(shot.pixel(330, 95) & 0xFFFFFF, 0xFFDC78u);         // hot button
    EXPECT_EQ(shot.pixel(330, 95 + 52) & 0xFFFFFF, 0xE6E6E6u);    // idle button
    EXPECT_EQ(shot.pixel(200, 305) & 0xFFFFFF, 0x183C20u);       // the form's own colour
    EXPECT_TRUE(list->ScrollBarVisible(sbVertical));

    if (const QByteArray path = qgetenv("TARVELON_DEMO_SHOT"); !path.isEmpty()) {
        EXPECT_TRUE(shot.save(QString::fromLocal8Bit(path)));
    }
    Free(form);
}

}  // namespace
}  // namespace tarvelon

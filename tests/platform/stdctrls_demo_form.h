#pragma once
// The demonstration screen of the standard controls: read from its stored description
// (forms/TFormDemo.dfm), with a drawn control of the form library's base (TGlowDemoButton, as the
// control packs write theirs) and handlers bound by name that count what happened.
#include <QPainter>
#include <QPainterPath>
#include <memory>
#include <string>
#include <vector>

#include "platform/dfm/property_table.h"
#include "platform/dfm/stored_form.h"
#include "platform/forms/class_registry.h"
#include "platform/forms/custom_control.h"
#include "platform/graphics/text_draw.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/menus.h"
#include "platform/stdctrls/ranges.h"

namespace tarvelon::test {

class TGlowDemoButton : public TCustomControl {
public:
    explicit TGlowDemoButton(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 100, 30); }
    std::string ClassName() const override { return "TGlowDemoButton"; }
    TColor GlowColor() const { return glow_; }
    void SetGlowColor(TColor color)
    {
        glow_ = color;
        Invalidate();
    }
    bool Hot() const { return hot_; }

protected:
    void Paint() override
    {
        Canvas().Brush.SetStyle(bsSolid);
        Canvas().Brush.SetColor(Parent() ? Parent()->Color() : clBtnFace);
        Canvas().FillRect(ClientRect());
        Canvas().Brush.SetColor(hot_ ? glow_ : RGB(0, 110, 40));
        Canvas().Pen.SetColor(RGB(0, 60, 20));
        Canvas().RoundRect(0, 0, ClientWidth(), ClientHeight(), 12, 12);
        Canvas().Font.Assign(Font());
        Canvas().Font.SetColor(hot_ ? clBlack : clWhite);
        Canvas().Brush.SetStyle(bsClear);
        TRect rect = ClientRect();
        DrawText(Canvas(), Caption(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
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
    TColor glow_ = clYellow;
    bool hot_ = false;
};

inline void RegisterGlowDemoButton()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    RegisterComponentClass<TGlowDemoButton>("TGlowDemoButton");
    RegisterProperty<TGlowDemoButton>("GlowColor", [](TGlowDemoButton& b, const TDfmValue& v) { b.SetGlowColor(DfmColor(v)); });
}

class TFormDemo : public TStoredForm {
public:
    explicit TFormDemo(TComponent* owner) : TStoredForm(owner)
    {
        RegisterGlowDemoButton();
        BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) { keys.push_back(key); });
        BindHandler("Edit1Change", [this](TObject*) { editChanges.push_back(Edit1->Text()); });
        BindHandler("combopaisChange", [this](TObject*) { countryChoices.push_back(combopais->ItemIndex()); });
        BindHandler("ListView1SelectItem", [this](TObject*, TListItem* item, bool selected) {
            if (selected)
                selectedPlayers.push_back(item->SubItems().Strings(0));
        });
        BindHandler("escudoDragOver", [this](TObject*, TObject* source, int, int, TDragState, bool& accept) {
            dragOverSources.push_back(source);
            accept = source == list1;
        });
        BindHandler("escudoDragDrop", [this](TObject*, TObject* source, int, int) {
            dropSources.push_back(source);
            escudo->SetHint(list1->Items().Strings(list1->ItemIndex()));
        });
        BindHandler("list1MouseDown", [this](TObject*, TMouseButton button, TShiftState, int, int) {
            if (button == mbLeft)
                list1->BeginDrag(false);
        });
        BindHandler("list1EndDrag", [this](TObject*, TObject* target, int, int) { endDragTargets.push_back(target); });
        BindHandler("CheckBox1Click", [this](TObject*) { ++checkClicks; });
        BindHandler("GradButton1Click", [this](TObject*) { ++glowClicks; });
        BindHandler("btjogarClick", [this](TObject*) { ++playClicks; });
        BindHandler("PopupMenu1Popup", [this](TObject*) { ++popups; });
        BindHandler("SalvarClick", [this](TObject*) { menuChoices.push_back("Salvar"); });
        BindHandler("Sairdojogo1Click", [this](TObject*) { menuChoices.push_back("Sair"); });
        ReadDescription("TFormDemo");
        Edit1 = FindChild<TEdit>("Edit1");
        combopais = FindChild<TComboBoxEx>("combopais");
        ListView1 = FindChild<TListView>("ListView1");
        escudo = FindChild<TImage>("escudo");
        list1 = FindChild<TListBox>("list1");
        CheckBox1 = FindChild<TCheckBox>("CheckBox1");
        GradButton1 = FindChild<TGlowDemoButton>("GradButton1");
        btjogar = FindChild<TButton>("btjogar");
        PopupMenu1 = FindChild<TPopupMenu>("PopupMenu1");
        ImageList1 = FindChild<TCustomImageList>("ImageList1");
        FillInCode();
    }
    std::string ClassName() const override { return "TFormDemo"; }

    // What the screen fills in code: flags for the country list and the squad.
    void FillInCode()
    {
        const TColor flags[][2] = {{RGB(0, 156, 59), RGB(255, 223, 0)},
                                   {RGB(116, 172, 223), RGB(255, 255, 255)},
                                   {RGB(255, 255, 255), RGB(0, 56, 168)}};
        for (const auto& flag : flags) {
            QImage image(20, 14, QImage::Format_ARGB32_Premultiplied);
            image.fill(ToQColor(flag[0]));
            for (int y = 5; y < 9; ++y)
                for (int x = 0; x < 20; ++x)
                    image.setPixel(x, y, ToQColor(flag[1]).rgb());
            ImageList1->AddImage(image);
        }
        combopais->SetImages(ImageList1);  // the images came after the description was read
        escudo->Picture().SetGraphic(std::make_unique<TImageGraphic>(DrawCrest(), TImageFormat::Png));
        const char* players[][3] = {{"G", "Rogério", "88"}, {"Z", "Lúcio", "84"}, {"M", "Kaká", "91"}, {"A", "Ronaldo", "95"}};
        ListView1->Items().BeginUpdate();
        for (std::size_t i = 0; i < std::size(players); ++i) {
            TListItem* item = ListView1->Items().Add();
            item->SetCaption(players[i][0]);
            item->SubItems().Add(players[i][1]);
            item->SubItems().Add(players[i][2]);
            item->SubItems().Add(std::to_string(i));
        }
        ListView1->Items().EndUpdate();
    }

    // A crest as the club files carry them: a shield in two colours.
    static QImage DrawCrest()
    {
        QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shield;
        shield.moveTo(3, 3);
        shield.lineTo(29, 3);
        shield.lineTo(29, 16);
        shield.quadTo(29, 26, 16, 30);
        shield.quadTo(3, 26, 3, 16);
        shield.closeSubpath();
        painter.fillPath(shield, QColor(0, 0, 0));
        painter.setClipPath(shield);
        painter.fillRect(QRect(16, 0, 16, 32), QColor(255, 255, 255));
        painter.setClipping(false);
        painter.setPen(QPen(QColor(200, 0, 0), 2));
        painter.drawPath(shield);
        return image;
    }

    TEdit* Edit1 = nullptr;
    TComboBoxEx* combopais = nullptr;
    TListView* ListView1 = nullptr;
    TImage* escudo = nullptr;
    TListBox* list1 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TGlowDemoButton* GradButton1 = nullptr;
    TButton* btjogar = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TCustomImageList* ImageList1 = nullptr;

    std::vector<unsigned short> keys;
    std::vector<std::string> editChanges;
    std::vector<int> countryChoices;
    std::vector<std::string> selectedPlayers;
    std::vector<TObject*> dragOverSources;
    std::vector<TObject*> dropSources;
    std::vector<TObject*> endDragTargets;
    std::vector<std::string> menuChoices;
    int checkClicks = 0;
    int glowClicks = 0;
    int playClicks = 0;
    int popups = 0;
};

}  // namespace tarvelon::test

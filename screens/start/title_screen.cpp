// The title screen (TForm1).
#include "screens/start/title_screen.h"

#include "core/basics/random.h"
#include "core/services/program_start.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "richtext/html_label.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/art/cursor_art.h"
#include "screens/common/art/title_art.h"
#include "screens/common/form_references.h"
#include "screens/common/game_page.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

namespace {

struct MenuLabelPlace {
    int left;
    int top;
};

// Labels 1..3 stand on the picture's plates of entries 1..3.
constexpr MenuLabelPlace kMenuLabelPlaces[3] = {{100, 160}, {88, 195}, {88, 233}};
constexpr int kCreditTag = 5;
const char* const kCreditText = "<P align=\"center\">Tarvelon 0.1<BR>Equipe Tarvelon</P>";

int TagOf(TObject* sender)
{
    const auto* component = dynamic_cast<TComponent*>(sender);
    return component ? static_cast<int>(component->Tag()) : 0;
}

}  // namespace

const std::string& MenuCaption(int tag)
{
    static const std::string captions[] = {"", "Novo Jogo", "Carregar Jogo", "Editor Equipes"};
    return captions[tag >= 1 && tag <= 3 ? tag : 0];
}

const TScreenRecord TForm1::kScreen{
    .formClass = "TForm1",
    .shows = "Tarvelon",
    .area = TScreenArea::Start,
    .modal = false,
    .style = {.background = TBackground::None},
    .create = NewScreen<TForm1>,
    .file = "screens/start/title_screen.cpp",
};

TForm1::TForm1(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("FormShow", [this](TObject* sender) { FormShow(sender); });
    BindHandler("FormClose", [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); });
    // Keys do nothing on the title screen.
    BindHandler("FormKeyDown", [](TObject*, unsigned short&, TShiftState) {});
    BindHandler("Image2MouseDown", [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        Image2MouseDown(sender, button, shift, x, y);
    });
    BindHandler("Image2MouseMove",
                [this](TObject* sender, TShiftState shift, int x, int y) { Image2MouseMove(sender, shift, x, y); });
    ReadDescription();
    Image2 = FindChild<TImage>("Image2");
    Label2 = FindChild<TLabel>("Label2");
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
    estados = FindChild<TCustomImageList>("estados");
}

// The start-up work of the whole game, in its order.
void TForm1::FormCreate(TObject*)
{
    LoadBackgroundBitmap();
    ShowTitlePicture();
    // The hot spots are the art kit's table (kTitleHotSpots); the host cities of the tournaments are
    // constant tables of the rules (tournament_venues.h).
    PrepareProgramStart();
    Screen->SetCursors(art::kTitleLabelCursor, art::LoadCursorResource("cursor5"));
    art::InstallGameCursors();
    CreateMenuLabels();
    if (ImageList1)
        art::FillCountryFlags(*ImageList1);
    if (estados)
        art::FillStateFlags(*estados);
}

void TForm1::ShowTitlePicture()
{
    if (Image2)
        Image2->Picture().SetGraphic(std::make_unique<TImageGraphic>(art::Picture("tinicio"), TImageFormat::Jpeg));
}

TRichLabel* TForm1::CreateLabel(int tag, const std::string& name)
{
    auto* label = new TRichLabel(this);
    label->SetName(name);
    label->SetParent(this);
    label->SetTag(tag);
    label->SetWidth(120);
    label->SetAutoSizing(true);
    label->Font().SetName("Arial");
    label->Font().SetStyle(TFontStyles{fsBold});
    label->Font().SetSize(11);
    label->Font().SetColor(clWhite);
    label->SetShadowColor(clBlack);
    label->SetShadowOffset(1);
    label->SetTransparent(true);
    label->SetShowHint(true);
    label->SetVisible(true);
    return label;
}

void TForm1::CreateMenuLabels()
{
    for (int i = 1; i <= 3; ++i) {
        TRichLabel* label = CreateLabel(i, "labinii" + std::to_string(i));
        label->SetLeft(kMenuLabelPlaces[i - 1].left);
        label->SetTop(kMenuLabelPlaces[i - 1].top);
        label->SetHTMLText(MenuCaption(i));
        label->OnClick = [this](TObject* sender) { RichLabel1Click(sender); };
        label->OnMouseMove = [this](TObject* sender, TShiftState shift, int x, int y) {
            RichLabel1MouseMove(sender, shift, x, y);
        };
        label->OnMouseLeave = [this](TObject* sender) { RichLabel1MouseLeave(sender); };
        menuLabels[static_cast<std::size_t>(i - 1)] = label;
    }
    creditLabel = CreateLabel(kCreditTag, "labinii" + std::to_string(kCreditTag));
    creditLabel->Font().SetName("Tahoma");
    creditLabel->Font().SetSize(8);
    creditLabel->Font().SetColor(Random(2) == 0 ? clBlack : clWhite);
    creditLabel->SetLeft(442);
    creditLabel->SetTop(294);
    creditLabel->SetHTMLText(kCreditText);
}

void TForm1::FormShow(TObject*)
{
    SetLeft((Screen->Width() - Width()) / 2);
    SetTop((Screen->Height() - Height()) / 2);
}

void TForm1::FormClose(TObject*, TCloseAction& action)
{
    action = caFree;
}

int TForm1::HotSpotAt(int x, int y)
{
    for (int entry = art::hsNewGame; entry <= art::hsWebPage; ++entry) {
        if (PtInRect(art::TitleHotSpotRect(entry), Point(x, y)))
            return entry;
    }
    return 0;
}

void TForm1::Image2MouseDown(TObject*, TMouseButton, TShiftState, int x, int y)
{
    Screen->SetCursor(crDefault);
    if (const int entry = HotSpotAt(x, y))
        RunMenuEntry(entry);
}

void TForm1::Image2MouseMove(TObject*, TShiftState, int x, int y)
{
    if (Image2)
        Image2->SetCursor(HotSpotAt(x, y) != 0 ? crHandPoint : crDefault);
}

void TForm1::RunMenuEntry(int entry)
{
    switch (entry) {
    case art::hsNewGame: StartNewGame(); break;
    case art::hsLoadGame: OpenModalScreen("TForm21"); break;
    case art::hsEditor: OpenModalScreen("TForm2"); break;
    case art::hsQuit: Application->Terminate(); break;
    case art::hsWebPage: OpenGamePage(); break;
    default: break;
    }
}

// The game-mode chooser opens beside the title, which hides and stays alive as the main form.
void TForm1::StartNewGame()
{
    Screen->SetCursor(crHourGlass);
    if (Label2)
        Label2->Show();
    Application->ProcessMessages();
    if (TGameForm* chooser = CreateScreen("TForm9", Application))
        chooser->Show();
    Screen->SetCursor(crDefault);
    if (Label2)
        Label2->Hide();
    Hide();
}

void TForm1::OpenModalScreen(const std::string& formClass)
{
    if (TGameForm* form = CreateScreen(formClass, Application))
        form->ShowModal();
}

void TForm1::RichLabel1Click(TObject* sender)
{
    RunMenuEntry(TagOf(sender));
}

void TForm1::RichLabel1MouseMove(TObject* sender, TShiftState, int, int)
{
    auto* label = dynamic_cast<TRichLabel*>(sender);
    if (!label)
        return;
    const std::string underlined = "<u>" + MenuCaption(TagOf(sender)) + "</u>";
    if (label->HTMLText().size() != 1 || label->HTMLText().front() != underlined)
        label->SetHTMLText(underlined);
    label->SetCursor(art::kTitleLabelCursor);
}

void TForm1::RichLabel1MouseLeave(TObject* sender)
{
    if (auto* label = dynamic_cast<TRichLabel*>(sender))
        label->SetHTMLText(MenuCaption(TagOf(sender)));
}

TForm1* CreateTitleScreen()
{
    if (auto* existing = Form1.As<TForm1>())
        return existing;
    TForm1* title = nullptr;
    Application->CreateForm(title);
    return title;
}

TForm1* ShowTitleScreen()
{
    TForm1* title = CreateTitleScreen();
    title->Show();
    return title;
}

}  // namespace tarvelon

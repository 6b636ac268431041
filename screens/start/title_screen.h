#pragma once
// The title screen (TForm1): the program's main form, created first and alive for the whole run.
// Its creation does the game's start-up work (background picture, sounds, referees, mail texts,
// cursors); its picture menu leads to a new game (TForm9), the saved games (TForm21), the team
// editor (TForm2), the game's page and the way out. Its flag lists `ImageList1` (country flags,
// index = country id) and `estados` (state flags) serve every screen through Form1.
#include <array>
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TCustomImageList;
class TImage;
class TLabel;
class TRichLabel;

class TForm1 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm1(TComponent* owner);

    TImage* Image2 = nullptr;
    TLabel* Label2 = nullptr;
    TCustomImageList* ImageList1 = nullptr;
    TCustomImageList* estados = nullptr;
    // The menu labels "labinii1" .. "labinii3" and the credit line "labinii5".
    std::array<TRichLabel*, 3> menuLabels{};
    TRichLabel* creditLabel = nullptr;

    // The entry 1..5 whose hot spot holds the client point (the first in that order), 0 for none.
    static int HotSpotAt(int x, int y);
    // Runs menu entry 1..5 as a click on it does.
    void RunMenuEntry(int entry);

private:
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void Image2MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void Image2MouseMove(TObject* sender, TShiftState shift, int x, int y);
    void RichLabel1Click(TObject* sender);
    void RichLabel1MouseMove(TObject* sender, TShiftState shift, int x, int y);
    void RichLabel1MouseLeave(TObject* sender);

    void ShowTitlePicture();
    void CreateMenuLabels();
    TRichLabel* CreateLabel(int tag, const std::string& name);
    void StartNewGame();
    void OpenModalScreen(const std::string& formClass);
};

// The menu's captions by label tag 1..3: "Novo Jogo", "Carregar Jogo", "Editor Equipes".
const std::string& MenuCaption(int tag);

// The program's main form: creates the title screen once (hidden), before any game is built, as its
// start-up work comes first; later calls return the same form.
TForm1* CreateTitleScreen();
// Creates the title screen when needed and shows it.
TForm1* ShowTitleScreen();

}  // namespace tarvelon

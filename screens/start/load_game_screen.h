#pragma once
// The load-game screen (TForm21, "Carregar Jogo Salvo"): lists the saved games of "sav/", previews
// the selected one from its header, deletes one after confirmation, and loads it: after a load the
// screen closes, the title hides and the loaded game's first screen opens.
#include <map>
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TBitBtn;
class TDataGrid;
class TLabel;

class TForm21 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm21(TComponent* owner);

    TDataGrid* grid1 = nullptr;
    TLabel* labtecnico = nullptr;
    TLabel* labtime = nullptr;
    TLabel* labano = nullptr;
    TLabel* labcompeticao = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn3 = nullptr;

    const std::string& SelectedFile() const { return selectedFile_; }

private:
    void FormCreate(TObject* sender);
    void grid1SelectCell(TObject* sender, int col, int row);
    void BitBtn1Click(TObject* sender);
    void BitBtn2Click(TObject* sender);
    void BitBtn3Click(TObject* sender);
    void ShowPreview();
    void ClearSelection();

    std::string selectedFile_;
    bool listed_ = false;
    // The file each row names, by the name the row shows (they differ only for a name holding
    // control characters, shown as visible marks).
    std::map<std::string, std::string> filesShown_;
};

}  // namespace tarvelon

#pragma once
// The editor's crest and symbol picker (Tform43): the picture files of "teams/escudos" (clubs) or
// "teams/selecoes" (national teams), each listed once, with a preview. "OK" gives the chosen base
// name to the shown club or national team (written at once) or to the dialog creating one;
// "Cancelar" leaves everything as it was before the picker opened.
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TBitBtn;
class TDataGrid;
class TImage;

inline constexpr const char* kUnreadablePictureText = "Não foi possível ler a imagem ";

class Tform43 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit Tform43(TComponent* owner);

    TDataGrid* list1 = nullptr;
    TImage* Image1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;

    std::string Folder() const;

private:
    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void SelectFile(int row);
    void Accept();
    std::string previousChoice_;
    bool accepted_ = false;
};

}  // namespace tarvelon

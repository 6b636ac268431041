#pragma once
// The list colours (TForm64, "Cores de fundo da Lista"): the background colour of the player rows
// of each position; a press on a position's colour opens the colour chooser, "Cores Padrão" puts
// the defaults back. Each colour acts on the running game at once and is written to the settings.
#include <array>

#include "screens/common/game_form.h"

namespace tarvelon {

class TColorDialog;
class TGradButton;
class TShape;

class TForm64 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm64(TComponent* owner);

    std::array<TShape*, 5> shapes{};  // Shape1 (goalkeepers) .. Shape5 (forwards)
    TGradButton* GradButton1 = nullptr;
    TGradButton* GradButton2 = nullptr;
    TColorDialog* ColorDialog1 = nullptr;

private:
    void FormCreate(TObject* sender);
    void ShapeMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void GradButton1Click(TObject* sender);
    void GradButton2Click(TObject* sender);
    void ShowColours();
};

}  // namespace tarvelon

#pragma once
// The editor's national-team dialog (TForm73): adds the national team of a country that has none
// ("Adicionar Seleção") or changes the coach, level and colours of the shown one ("Editar Seleção");
// either way the national-squad file is written at once.
#include "editor/model/editor_teams.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TComboBoxEx;
class TEdit;
class TImage;
class TShape;

class TForm73 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm73(TComponent* owner);

    TComboBoxEx* combo1 = nullptr;  // country
    TComboBox* ComboBox1 = nullptr; // level 1..25
    TEdit* Edit3 = nullptr;         // coach
    TShape* Shape1 = nullptr;
    TShape* Shape2 = nullptr;
    TImage* image1 = nullptr;

    NationFields Fields() const;
    // True when the country chosen already has a national team.
    bool checkapais() const;

private:
    void FormCreate(TObject* sender);
    void ShowSymbol(const std::string& path);
    void PickSymbol();
    void Confirm();
    bool editMode_ = false;
};

}  // namespace tarvelon

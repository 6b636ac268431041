#pragma once
// The editor's player dialogs: adding a player to the shown club or national team (TForm5) and
// changing the selected one (TForm6). Both share their controls and keys: Enter confirms, F1..F10
// pick the first trait, the digits 0..9 the second (not while the name is being typed), and a
// dialog is confirmed only with a valid choice in every list.
#include "editor/model/editor_players.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TCheckBox;
class TComboBox;
class TComboBoxEx;
class TCustomImageList;
class TEdit;
class TLabel;
class TTrackBar;

class TPlayerDialog : public TGameForm {
public:
    TEdit* Edit1 = nullptr;
    TComboBox* ComboBox1 = nullptr;  // position
    TComboBoxEx* combo1 = nullptr;   // nationality
    TTrackBar* TrackBar1 = nullptr;  // age
    TLabel* Label5 = nullptr;        // the age shown
    TCheckBox* CheckBox1 = nullptr;  // star
    TComboBox* ComboBox2 = nullptr;  // trait 1
    TComboBox* ComboBox3 = nullptr;  // trait 2
    TComboBox* ComboBox4 = nullptr;  // side

    // The fields as the controls hold them (traits as stored codes, -1 without a valid choice).
    PlayerFields Fields() const;
    // Sets every control from the fields.
    void ShowFields(const PlayerFields& fields);
    // The trait lists of a position, each set to its first item.
    void BuildTraitLists(int position);

protected:
    TPlayerDialog(TComponent* owner, const TScreenRecord& screen);
    void ReadControls();
    // Confirms: checks the choices, then the dialog's own work.
    void Confirm();
    virtual void Store(const PlayerFields& fields) = 0;
    bool nameRequired_ = false;

private:
    void FormKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
    int shownNationality_ = 0;
};

class TForm5 : public TPlayerDialog {
public:
    static const TScreenRecord kScreen;
    explicit TForm5(TComponent* owner);

protected:
    void Store(const PlayerFields& fields) override;
};

class TForm6 : public TPlayerDialog {
public:
    static const TScreenRecord kScreen;
    explicit TForm6(TComponent* owner);

protected:
    void Store(const PlayerFields& fields) override;

private:
    int slot_ = 0;
};

inline constexpr const char* kBlankPlayerNameText = "Nome do jogador em Branco";
inline constexpr const char* kNoTraitText = "Escolha as características do jogador";

}  // namespace tarvelon

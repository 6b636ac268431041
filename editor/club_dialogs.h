#pragma once
// The editor's club dialogs: adding a club with its file (TForm7) and changing the shown club's
// header (TForm4). The file name and the crest are not changed here: the file name is fixed when
// the club is made, the crest is picked from the main window.
#include "editor/editor_dialog_parts.h"
#include "editor/model/editor_teams.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TComboBoxEx;
class TEdit;
class TImage;
class TLabel;
class TShape;

// What both dialogs show: names, level, country (with the state for Brazil) and colours.
class TClubDialog : public TGameForm {
public:
    TEdit* Edit1 = nullptr;  // full name
    TEdit* Edit2 = nullptr;  // short name
    TEdit* Edit3 = nullptr;  // coach
    TEdit* stadiumEdit = nullptr;
    TComboBox* ComboBox1 = nullptr;   // level
    TComboBoxEx* combo1 = nullptr;    // country
    TComboBoxEx* estadocombo = nullptr;
    TShape* Shape1 = nullptr;  // background colour
    TShape* Shape2 = nullptr;  // text colour

protected:
    TClubDialog(TComponent* owner, const TScreenRecord& screen, const std::string& stadiumEdit);
    void ReadControls();
    // The state list and its label are shown only for Brazil.
    void ShowStateForCountry();
    virtual void ColourChosen(const TShape&) {}
    // Where the colour dialog opens: the square's own colour unless a dialog says otherwise.
    virtual TColor ColourDialogStart(TShape& shape) { return ShapeColour(shape); }
    virtual void Confirm() = 0;

private:
    std::string stadiumEditName_;
};

class TForm7 : public TClubDialog {
public:
    static const TScreenRecord kScreen;
    explicit TForm7(TComponent* owner);
    TEdit* Edit4 = nullptr;  // file name
    TImage* Image1 = nullptr;

    NewClubFields Fields() const;
    // The crest chosen in the picker while the dialog is open.
    void ShowChosenCrest();

protected:
    TColor ColourDialogStart(TShape& shape) override;
    void Confirm() override;
};

class TForm4 : public TClubDialog {
public:
    static const TScreenRecord kScreen;
    explicit TForm4(TComponent* owner);
    const ClubChanges& Changes() const { return changes_; }

protected:
    void ColourChosen(const TShape& shape) override;
    void Confirm() override;

private:
    void LoadClub();
    void RecordChange(TObject* sender);
    ClubChanges changes_;
    bool loading_ = false;
};

}  // namespace tarvelon

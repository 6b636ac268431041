#pragma once
// The game's human coaches (TForm50): the list, a coach without a club removed, a new coach added
// with his name asked by TForm51. The changes themselves are core's (core/career/human_coaches.h).
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TEdit;
class TGradButton;
class TListView;
class TListItem;

// The name typed in TForm51, rewritten on every change of its edit.
extern std::string NewCoachName;

class TForm50 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm50(TComponent* owner);

    TListView* list1 = nullptr;
    TGradButton* bt1 = nullptr;
    TGradButton* bt2 = nullptr;
    TGradButton* GradButton2 = nullptr;

private:
    void FormCreate();
    void AddRow(int coach, const std::string& name, const std::string& clubName);
    void UpdateAddButton();
    void bt1Click();
    void bt2Click();
};

// "Nome do Técnico:": answered only with "OK", which needs a name.
class TForm51 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm51(TComponent* owner);

    TEdit* Edit1 = nullptr;
    TGradButton* bt2 = nullptr;
};

}  // namespace tarvelon

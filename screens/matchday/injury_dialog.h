#pragma once
// The injury of a human side's player (TForm53): its coach picks who comes on from the bench (only
// goalkeepers for a goalkeeper when the bench has one, else anyone, to improvise in goal); with an
// empty bench the side makes no more substitutions. The clock stays off meanwhile: the tick that
// met the injury enables it when it returns.
#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TLabel;
class TListItem;
class TListView;

class TForm53 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm53(TComponent* owner);

    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TListView* ListView1 = nullptr;
    TGradButton* bt1 = nullptr;

private:
    void FormCreate(TObject* sender);
    void ListView1SelectItem(TObject* sender, TListItem* item, bool selected);
    void bt1Click(TObject* sender);
};

// The engine's injury question answered by this dialog.
void InstallInjuryDialog();

}  // namespace tarvelon

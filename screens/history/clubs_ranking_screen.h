#pragma once
// The clubs ranking (TForm71): the clubs of a country, or of every league ("Internacional"), by the
// title points of their placings or by the points of all their matches.
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBoxEx;
class TCustomImageList;
class TDataGrid;
class TGradButton;
class TLabel;

class TForm71 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm71(TComponent* owner);

    TDataGrid* listr1 = nullptr;
    TDataGrid* listr2 = nullptr;
    TGradButton* bt1 = nullptr;
    TGradButton* bt2 = nullptr;
    TComboBoxEx* combopais = nullptr;
    TLabel* Label2 = nullptr;
    TCustomImageList* ImageList1 = nullptr;
    TCustomImageList* ImageList2 = nullptr;
    TCustomImageList* flags = nullptr;

    int RankingShown = 1;  // 1 by placings, 2 by points
    int PlacingItem = 0;   // the chooser item each ranking was built for
    int PointsItem = 0;

    void FillPlacingRanking(bool international);
    void FillPointsRanking(bool international);

private:
    void FormCreate(TObject* sender);
    void ShowRanking(int ranking);
    void SetRankingColumns(TDataGrid& grid, const std::string& suffix, bool international);
    void FillGrid(TDataGrid& grid, const std::string& suffix, TCustomImageList& images, bool points,
                  bool international);
    int ChosenLeague(int item) const;
    bool IsInternational(int item) const;
};

}  // namespace tarvelon

#pragma once
// What the two player searches share, the transfer market's (TForm27) and the national call-up
// (TForm77): the filter choosers of their descriptions, read into the search's filters; the list
// of found players, filled under the hourglass and counted; and the cells of a found player.
#include <functional>
#include <string>
#include <vector>

namespace tarvelon {

class TCheckBox;
class TComboBox;
class TDataGrid;
class TEdit;
class TLabel;
class TStoredForm;
struct PlayerSearchFilters;
struct SearchRowView;

// The filter choosers, under the names both descriptions give them.
struct PlayerFilterChoosers {
    TComboBox* c1 = nullptr;         // strength band
    TComboBox* c2 = nullptr;         // position
    TComboBox* c3 = nullptr;         // age band
    TComboBox* c4 = nullptr;         // value band
    TComboBox* c5 = nullptr;         // first trait
    TComboBox* c6 = nullptr;         // second trait
    TEdit* Edit1 = nullptr;          // the start of the name
    TCheckBox* ckestrela = nullptr;  // star players only

    // Finds them on the form whose description was read.
    void FindFilterChoosers(const TStoredForm& form);
    // Both trait choosers: the traits' names, then "Qualquer", which is chosen.
    void FillTraitChoosers();
    // What they hold into `filters` (its other fields kept): "any" where nothing is chosen.
    void ReadFilters(PlayerSearchFilters& filters) const;
};

// Shows "Procurando ..." under the hourglass, lists the players `search` finds, one row each by
// `addRow`, and counts them in `count` ("Nenhum jogador encontrado", "<n> jogadores encontrados").
void ListFoundPlayers(TDataGrid& grid, TLabel& count, const std::function<std::vector<int>()>& search,
                      const std::function<void(int player)>& addRow);

// A found player's name, side, strength, age and id, in the columns named so plus `suffix` (the
// call-up list's columns end in "2").
void SetPlayerCells(TDataGrid& grid, int row, const SearchRowView& view, const std::string& suffix = {});
// His club, and his traits' abbreviations with their names as the hint.
void SetClubAndTraitCells(TDataGrid& grid, int row, const SearchRowView& view);
// The hint of a cell, in the column of that name.
void SetCellHint(TDataGrid& grid, const std::string& column, int row, const std::string& hint);

}  // namespace tarvelon

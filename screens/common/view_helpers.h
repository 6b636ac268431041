// What the season and history views share: the league and state choosers with their flags, the
// alternating row colours of their grids, crest columns, and opening a played match's report; and
// a caption written smaller where it would overrun its room.
#pragma once

#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBoxEx;
class TCustomImageList;
class TDataGrid;
class TGameForm;
class TImage;
class TLabel;

// The rankings, histories and brackets the hub opens: Escape closes them, and on the small screens
// (640 x 480 and 800 x 600) they fill the window instead of being centred.
TGameFormStyle BrowsingScreenStyle();
// The same for the histories that Enter closes too.
TGameFormStyle BrowsingScreenStyleClosedByEnter();

// A caption wider than its room is written smaller rather than cut or run over what stands beside
// it: the font shrinks a pixel at a time from `height`, to no less than `smallest`.
void FitCaption(TLabel& label, int width, int height, int smallest);

// Fills `list` with the flags (index = country id, or state index) once per list.
void EnsureCountryFlags(TCustomImageList& list);
void EnsureStateFlags(TCustomImageList& list);

// One item per played league (caption its country's name, image its flag); selects the league of
// `country`, or the first. Returns the league chosen (0 when there are none).
int FillLeagueChooser(TComboBoxEx& combo, TCustomImageList& flags, int country);

// The states whose championship is in play, in state order (caption their demonym or their name).
std::vector<int> ActiveStates();
void FillStateChooser(TComboBoxEx& combo, TCustomImageList& flags, const std::vector<int>& states,
                      bool demonyms);

// The alternating colours of unselected rows (and the heading rows, by an empty first cell).
void ColourRowsAlternately(TDataGrid& grid, bool headings);

// Puts the list behind an image column, and two empty 18 x 18 images first in the list.
void UseCrestColumn(TDataGrid& grid, const std::string& column, TCustomImageList& list);
void EnsureBlankImages(TCustomImageList& list, int count);

// The number in a column of a row; `fallback` outside the rows or without a number.
int CellInt(TDataGrid& grid, const std::string& column, int row, int fallback);

// The match report of a played fixture (nothing when none is found).
void OpenReportOfFixture(int fixture);

// The pressed button of a group shows scheme `pressed`, the others scheme 3.
void HighlightButton(const std::vector<TGradButton*>& group, TGradButton* pressed, TColorScheme scheme);

// The club's crest in the picture, when it has one.
void ShowCrest(TImage& image, int club);

// The human club's country, or Brazil when there is no human club.
int HumanCountry();
// The human club's state when valid, else -1.
int HumanState();

}  // namespace tarvelon

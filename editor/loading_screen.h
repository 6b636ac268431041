#pragma once
// The team editor's loading screen (TForm2): counts the club files, and a moment after it is shown
// reads every club and national-squad file into the editor's tables, opens the editor's main
// window (TForm3) and closes. A file that cannot be read is skipped and named afterwards.
#include <string>
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TLabel;
class TProgressBar;
class TTimer;

class TForm2 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm2(TComponent* owner);

    TLabel* Label3 = nullptr;
    TProgressBar* barra = nullptr;
    TTimer* Timer1 = nullptr;

    // Loads the tables and opens the main window (the timer's work, callable by tests).
    void carregatimes();

private:
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void Timer1Timer(TObject* sender);
};

// What the loading screen leaves behind, without its window: the tables of the game folder read,
// the first club and nation shown (the subject of the editor's other screens).
void LoadedEditorSubject();

// The message naming the files the editor could not read; empty when there are none.
std::string UnreadableFilesMessage(const std::vector<std::string>& names);

}  // namespace tarvelon

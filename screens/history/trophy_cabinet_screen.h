#pragma once
// A club's trophy cabinet (TForm74): one trophy per competition it has won, with its count.
#include <array>
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TImage;
class TLabel;

class TForm74 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm74(TComponent* owner);

    TImage* escudoimg = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    std::array<TLabel*, 6> captions{};  // lab1 .. lab6
    std::array<TLabel*, 6> counts{};    // labc1 .. labc6

    // The trophy picture of that name ("tr_lib", ...), null when the form has none.
    TImage* Trophy(const std::string& name);

private:
    void FormCreate(TObject* sender);
    void ShowTrophy(int k, TImage& picture, const std::string& caption, int count, int left);
};

}  // namespace tarvelon

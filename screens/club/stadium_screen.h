#pragma once
// The stadium screens of the current human club. TForm8: the stadium's name and seats, the ticket
// price of each sector (set one unit at a time), the reference prices of the club's division and
// the expansion in progress; "Expandir estádio" opens TForm10, which quotes an expansion from the
// seats asked for each sector and starts the works the quote describes.
#include <array>
#include <string>

#include "core/economy/stadium.h"
#include "platform/stdctrls/edits.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TEdit;
class TGradButton;
class TLabel;

class TForm8 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm8(TComponent* owner);

    TLabel* Label1 = nullptr;  // name and seats
    // Seats, prices with their spinners, and reference prices, sector by sector (G, A, C, Cm).
    TLabel* label14 = nullptr;
    TLabel* label12 = nullptr;
    TLabel* label13 = nullptr;
    TLabel* Label28 = nullptr;
    TLabel* label18 = nullptr;
    TLabel* label16 = nullptr;
    TLabel* label17 = nullptr;
    TLabel* Label33 = nullptr;
    TUpDown* upg = nullptr;
    TUpDown* upa = nullptr;
    TUpDown* upc = nullptr;
    TUpDown* upcm = nullptr;
    TLabel* Label22 = nullptr;
    TLabel* Label20 = nullptr;
    TLabel* Label21 = nullptr;
    TLabel* Label34 = nullptr;
    TLabel* Label2 = nullptr;  // the expansion in progress
    TGradButton* bt1 = nullptr;
    TGradButton* bt3 = nullptr;

    // Shows a running expansion (and hides "Expandir estádio"), or nothing when none runs.
    void ShowWorkInProgress();

private:
    void FormCreate();
    void StepPrice(int sector, TUDBtnType button);
    std::array<TLabel*, kStadiumSectors> SeatLabels() const { return {label14, label12, label13, Label28}; }
    std::array<TLabel*, kStadiumSectors> PriceLabels() const { return {label18, label16, label17, Label33}; }
    std::array<TUpDown*, kStadiumSectors> Spinners() const { return {upg, upa, upc, upcm}; }
    std::array<TLabel*, kStadiumSectors> ReferenceLabels() const { return {Label22, Label20, Label21, Label34}; }
    int club_ = -1;
    std::array<int, kStadiumSectors> shownPositions_{};  // where each spinner stood after its last move
};

class TForm10 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm10(TComponent* owner);

    TLabel* Label2 = nullptr;  // the present capacity
    TLabel* Labelmg = nullptr;
    TLabel* Labelma = nullptr;
    TLabel* Labelmc = nullptr;
    TLabel* Labelmcm = nullptr;
    TEdit* Editg = nullptr;
    TEdit* Edita = nullptr;
    TEdit* Editc = nullptr;
    TEdit* Editcm = nullptr;
    TGradButton* GradButton1 = nullptr;  // "Pedir orçamento"
    TGradButton* btconstruir = nullptr;  // "Iniciar construção"
    TLabel* Label1 = nullptr;            // the message line
    TGradButton* bt3 = nullptr;

    const ExpansionQuote& Quote() const { return quote_; }

private:
    void FormCreate();
    void AskQuote();
    void StartWorks();
    void ForgetQuote();
    std::array<TEdit*, kStadiumSectors> Edits() const { return {Editg, Edita, Editc, Editcm}; }
    int club_ = -1;
    ExpansionQuote quote_;
};

// "Expansão em andamento, previsão de término:" and the date the works end.
std::string WorkInProgressText(TDateTime endDate);

}  // namespace tarvelon

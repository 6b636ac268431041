#include "screens/matchday/report_pitch.h"

#include <memory>

#include "core/records/match_records.h"
#include "core/vocab/tactics_board.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/art/pitch_art.h"
#include "screens/matchday/pitch_board.h"

namespace tarvelon {

TReportPitch::TReportPitch(TComponent* owner) : TCustomControl(owner) { SetColor(clBlack); }

TReportPitch::~TReportPitch() = default;

// The pitch picture and the shirts at the scale that fits the pitch's whole height.
void TReportPitch::BuildBoard()
{
    const int height = Height();
    const int width = height * art::kPitchWidth / art::kPitchHeight;
    field_ = new TPanel(this);
    field_->SetName("field");
    field_->SetParent(this);
    field_->SetBevelOuter(bvNone);
    field_->SetColor(clGreen);
    field_->SetBounds(0, 0, width, height);
    picture_ = new TImage(field_);
    picture_->SetName("campogrande");
    picture_->SetParent(field_);
    picture_->SetBounds(0, 0, width, height);
    picture_->SetStretch(true);
    picture_->Picture().SetGraphic(std::make_unique<TImageGraphic>(art::Picture("campogrande"), TImageFormat::Png));
    board_ = std::make_unique<TPitchBoard>(field_, false);
    for (int shirt = 1; shirt <= TPitchBoard::kShirts; ++shirt)
        board_->SetShirtVisible(shirt, false);
}

void TReportPitch::ShowEleven(int report, int side)
{
    players_ = {};
    slots_ = {};
    if (report >= 0 && report < static_cast<int>(MatchReports.size()) && (side == 1 || side == 2)) {
        const TMatchReport& r = MatchReports[report];
        for (std::size_t k = 0; k < 11; ++k) {
            players_[k] = r.startingEleven[side - 1][k];
            slots_[k] = r.startingSlots[side - 1][k];
        }
    }
    if (!board_)
        BuildBoard();
    for (int k = 0; k < 11; ++k) {
        const int shirt = ShirtOfEntry(k);
        const int slot = slots_[static_cast<std::size_t>(k)];
        const int player = players_[static_cast<std::size_t>(k)];
        board_->ClearShirt(shirt);
        board_->SetShirtVisible(shirt, slot > 0);
        if (slot <= 0)
            continue;
        board_->PlaceShirt(shirt, slot);
        if (player > 0) {
            board_->ShowShirtPlayer(shirt, player, slot);
            // The report shows neither shirt numbers nor energy.
            board_->NumberLabel(shirt)->SetCaption("");
            board_->EnergyLabel(shirt)->SetCaption("");
            board_->EnergyLabel(shirt)->SetHint("");
        }
    }
}

TWinControl* TReportPitch::Field()
{
    if (!board_)
        BuildBoard();
    return field_;
}

int TReportPitch::PlayerAtSlot(int slot) const
{
    for (std::size_t k = 0; k < 11; ++k)
        if (slots_[k] == slot && slot > 0)
            return players_[k];
    return 0;
}

TPoint TReportPitch::ShirtCentre(int slot) const
{
    if (slot < 1 || slot > PitchSlotCount || !board_)
        return {0, 0};
    const int half = art::kShirtSize / 2;
    return {board_->Scaled(PitchSlotX[slot] + half), board_->Scaled(PitchSlotY[slot] + half)};
}

}  // namespace tarvelon

#pragma once
// The suite of the cup brackets' tests, on the gallery's seeded game: a bracket's labels checked
// against the ties of its cup, and the colour of a label's face where it stands.
#include <array>
#include <string>

#include "core/tables.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/competitions/bracket_filler.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon::test {

class CupBracketsSuite : public viewstest::ViewsScreenTest {
protected:
    template <std::size_t N>
    static void ExpectLabelsHold(const TBracketControls& bracket, const std::array<BracketTie, N>& ties)
    {
        for (std::size_t t = 0; t < N; ++t) {
            const std::string name1 = ties[t].Drawn() ? Clubs[ties[t].team1].name.str() : "";
            const std::string name2 = ties[t].Drawn() ? Clubs[ties[t].team2].name.str() : "";
            EXPECT_EQ(bracket.team1[t]->Caption(), name1) << "tie " << t + 1;
            EXPECT_EQ(bracket.team2[t]->Caption(), name2) << "tie " << t + 1;
            EXPECT_EQ(bracket.score[t]->Caption(), ties[t].score) << "tie " << t + 1;
        }
    }

    static unsigned PixelInLabel(TGameForm* form, TLabel* label)
    {
        form->Repaint();
        test::Pump();
        return test::GrabbedPixel(form->Widget(), label->Left() + label->Width() - 3, label->Top() + 3);
    }
};

}  // namespace tarvelon::test

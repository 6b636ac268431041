#pragma once
// For tests that play matchdays on screen: closes every in-match screen (TForm88) the matchday
// opens (half time, a red card of a human side), as a coach who changes nothing would, and counts them.
// The questions the hub asks after a round (offers, loan requests, notices, invitations) are
// answered "Não" (closed) too, so that the days go on.
#include <QTimer>

#include <set>
#include <string>

#include "platform/forms/screen.h"
#include "screens/common/game_form.h"
#include "screens/matchday/in_match_screen.h"

namespace tarvelon::test {

class InMatchAnswerer {
public:
    InMatchAnswerer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            // A form already answered carries the mark in its tag.
            for (int i = 0; i < Screen->FormCount(); ++i)
                if (auto* form = dynamic_cast<TForm88*>(Screen->Forms(i));
                    form && form->Visible() && form->Tag() != kAnswered && !leftToTheTest_.count("TForm88")) {
                    form->SetTag(kAnswered);
                    ++answered_;
                    form->Close();
                }
            for (int i = 0; i < Screen->FormCount(); ++i)
                if (auto* form = dynamic_cast<TGameForm*>(Screen->Forms(i));
                    form && form->Visible() && form->Tag() != kAnswered && IsPostRoundQuestion(form->FormClass()) &&
                    !leftToTheTest_.count(form->FormClass())) {
                    form->SetTag(kAnswered);
                    form->Close();
                }
        });
        timer_.start(5);
    }
    int Answered() const { return answered_; }
    // The test answers the questions of this form class itself.
    void LeaveToTheTest(const std::string& formClass) { leftToTheTest_.insert(formClass); }

private:
    static bool IsPostRoundQuestion(const std::string& formClass)
    {
        return formClass == "TForm68" || formClass == "TForm59" || formClass == "TForm72" || formClass == "TForm76";
    }
    QTimer timer_;
    std::set<std::string> leftToTheTest_;
    static constexpr int kAnswered = 88;
    int answered_ = 0;
};

}  // namespace tarvelon::test

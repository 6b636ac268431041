#pragma once
// For tests that play matchdays on screen: closes every in-match screen (TForm88) the matchday
// opens (half time, a red card of a human side), as a coach who changes nothing would, and counts them.
#include <QTimer>

#include "platform/forms/screen.h"
#include "screens/matchday/in_match_screen.h"

namespace tarvelon::test {

class InMatchAnswerer {
public:
    InMatchAnswerer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            // A form already answered carries the mark in its tag.
            for (int i = 0; i < Screen->FormCount(); ++i)
                if (auto* form = dynamic_cast<TForm88*>(Screen->Forms(i)); form && form->Visible() && form->Tag() != kAnswered) {
                    form->SetTag(kAnswered);
                    ++answered_;
                    form->Close();
                }
        });
        timer_.start(5);
    }
    int Answered() const { return answered_; }

private:
    QTimer timer_;
    static constexpr int kAnswered = 88;
    int answered_ = 0;
};

}  // namespace tarvelon::test

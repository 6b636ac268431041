#pragma once
// The suite of the bank's, the accounts' and the stadium's tests, on the gallery's seeded game: the
// subject club made the current human one with a cash of 2,000,000 and the season's accounts and the
// stadium works cleared, so that the cash moved on screen can be checked against what was booked.
#include <QImage>
#include <QTest>

#include <string>

#include "core/economy/stadium.h"
#include "core/format/money_format.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/club/hub_screen.h"
#include "screens/club/stadium_screen.h"
#include "screens/common/subjects.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon::test {

class BankAccountsStadiumSuite : public viewstest::ViewsScreenTest {
protected:
    void SetUp() override
    {
        ViewsScreenTest::SetUp();
        club_ = SubjectClub();
        Game.CurrentHumanClub = club_;
        StadiumWorks.clear();
        Accounts() = TClubFinance{};
        Club().cash = CurrencyFromUnits(2000000);
        startCash_ = Club().cash;
    }

    // Cash moved on screen equals what the accounts booked (the season's accounts start at zero).
    void ExpectBooked() const
    {
        EXPECT_EQ(Club().cash - startCash_, CurrencyFromUnits(FinanceBalance(Accounts())));
    }

    static void ClickArrow(TUpDown* spinner, bool up) { Click(spinner, QPoint(spinner->Width() / 2, up ? 4 : spinner->Height() - 4)); }

    static void Type(TEdit* edit, const char* text)
    {
        edit->SetFocus();
        QTest::keyClick(edit->Widget(), Qt::Key_End);
        QTest::keyClicks(edit->Widget(), text);
        test::Pump();
    }

    // Whether the form shows the maroon text of a label (the works in progress) where it stands.
    static bool HasReddishText(TForm* form, TLabel* label)
    {
        form->Repaint();
        test::Pump();
        const QImage image = WidgetOf(form)->grab().toImage();
        for (int y = label->Top(); y < label->Top() + label->Height(); ++y)
            for (int x = label->Left(); x < label->Left() + label->Width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 100 && c.green() < 60 && c.blue() < 60)
                    return true;
            }
        return false;
    }

    // The words of the hub's cash label, without its shadow tags.
    static std::string HubMoney(const TForm13* hub)
    {
        std::string text;
        for (const std::string& line : hub->labmoney->HTMLText())
            text += line;
        for (const std::string tag : {"<shad>", "</shad>"})
            if (const std::size_t at = text.find(tag); at != std::string::npos)
                text.erase(at, tag.size());
        return text;
    }

    static TForm10* ShownExpansion()
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            if (auto* form = dynamic_cast<TForm10*>(Screen->Forms(i)); form && form->Visible())
                return form;
        return nullptr;
    }

    TClub& Club() const { return Clubs[club_]; }
    TClubFinance& Accounts() const { return ClubFinances[club_]; }

    int club_ = -1;
    Currency startCash_ = 0;
};

}  // namespace tarvelon::test

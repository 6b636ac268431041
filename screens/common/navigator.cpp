#include "screens/common/navigator.h"

#include <optional>

#include "platform/forms/application.h"
#include "screens/common/game_flow.h"
#include "screens/common/game_form.h"
#include "screens/common/queued_call.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

namespace {

std::string& LastOpened()
{
    static std::string name;
    return name;
}

void OpenNow(const std::string& formClass, bool withSubject, bool busy = false,
             const std::function<void()>& afterwards = {})
{
    const TScreenRecord* entry = FindScreen(formClass);
    if (!entry)
        return;
    LastOpened() = formClass;
    TGameForm* form = nullptr;
    {
        std::optional<THourglass> hourglass;
        if (busy)
            hourglass.emplace();
        form = CreateScreen(*entry, Application, withSubject);
    }
    if (!form)
        return;
    if (entry->modal)
        form->ShowModal();
    else
        form->Show();
    if (afterwards)
        afterwards();
}

}  // namespace

std::string ScreenAfterCalendar(CalendarExit exit)
{
    switch (exit) {
    case CalendarExit::SeasonEnd: return "TForm26";
    case CalendarExit::Hub: return "TForm13";
    case CalendarExit::Auction: return "TForm23";
    case CalendarExit::NationalHub: return "TForm75";
    case CalendarExit::NextMatchday: return "TForm46";
    }
    return "";
}

std::string FirstScreenOfNewGame(FirstScreen first)
{
    switch (first) {
    case FirstScreen::None: return "";
    case FirstScreen::Hub: return "TForm13";
    case FirstScreen::Matchday: return "TForm46";
    case FirstScreen::NationalTeamHub: return "TForm75";
    }
    return "";
}

std::string ScreenAfterLoad(LoadOutcome outcome)
{
    switch (outcome) {
    case LoadOutcome::kOpenHub: return "TForm13";
    case LoadOutcome::kOpenNationalHub: return "TForm75";
    case LoadOutcome::kNothing:
    case LoadOutcome::kFailed: break;
    }
    return "";
}

std::string ScreenOfSeasonStart(SeasonStartScreen start)
{
    return start == SeasonStartScreen::Matchday ? "TForm46" : "TForm13";
}

void OpenScreen(const std::string& formClass, bool withSubject)
{
    if (formClass.empty())
        return;
    RunQueued([formClass, withSubject] { OpenNow(formClass, withSubject); });
}

void OpenScreenUnderHourglass(const std::string& formClass)
{
    if (formClass.empty())
        return;
    RunQueued([formClass] { OpenNow(formClass, false, true); });
}

void OpenScreenThen(const std::string& formClass, bool busy, std::function<void()> afterwards)
{
    if (formClass.empty())
        return;
    RunQueued([formClass, busy, afterwards = std::move(afterwards)] { OpenNow(formClass, false, busy, afterwards); });
}

void OpenMatchReport(int report, int side)
{
    MatchReportIndex = report;
    ReportMode = side;
    OpenScreen("TForm52");
}

void OpenTodaysMatchday() { OpenScreen("TForm46"); }

void OpenAfterCalendar(CalendarExit exit) { OpenScreen(ScreenAfterCalendar(exit)); }

void OpenFirstScreenOfNewGame(FirstScreen first)
{
    if (first != FirstScreen::None)
        AfterGameStarted(first);
    OpenScreen(FirstScreenOfNewGame(first));
}

void OpenAfterLoad(LoadOutcome outcome)
{
    if (outcome == LoadOutcome::kOpenHub || outcome == LoadOutcome::kOpenNationalHub)
        AfterGameLoaded();
    OpenScreen(ScreenAfterLoad(outcome));
}

void OpenSeasonStart(SeasonStartScreen start) { OpenScreen(ScreenOfSeasonStart(start)); }

const std::string& LastOpenedScreen() { return LastOpened(); }

}  // namespace tarvelon

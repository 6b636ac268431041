// The hub's labels read on every club's colours: on the sample database's every pair of background
// and text colour, each label the header's theming colours and each label of the head-to-head panel
// stands out from what is painted under its text, with the player card shown and with the panel
// shown.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/tables.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/club/hub_screen.h"
#include "tests/screens/two_coach_hub_suite.h"

namespace tarvelon {
namespace {

class HubColoursTest : public test::TwoCoachHubSuite {};

double Luminance(QColor c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

// The contrast of two colours, 1 (the same) to 21 (black and white).
double Contrast(QColor a, QColor b)
{
    const double x = Luminance(a);
    const double y = Luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor Shown(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Where a control lies on the form.
QRect OnForm(const TControl& control, const TForm13& hub)
{
    QPoint at(control.Left(), control.Top());
    for (const TWinControl* p = control.Parent(); p != nullptr && p != &hub; p = p->Parent())
        at += QPoint(p->Left(), p->Top());
    return QRect(at, QSize(control.Width(), control.Height()));
}

// The least contrast of each label's text colour with what is painted under its text: the form
// is painted with the labels and without them, and where they differ the label drew.
std::vector<std::pair<std::string, double>> LeastContrasts(TForm13& hub, const std::vector<TControl*>& labels)
{
    const QImage shown = hub.Widget()->grab().toImage();
    for (TControl* label : labels)
        label->Hide();
    const QImage under = hub.Widget()->grab().toImage();
    for (TControl* label : labels)
        label->Show();
    std::vector<std::pair<std::string, double>> least;
    for (TControl* label : labels) {
        const QRect rect = OnForm(*label, hub).intersected(under.rect());
        const QColor text = Shown(label->Font().Color());
        double worst = 21;
        int drawn = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (shown.pixel(x, y) != under.pixel(x, y)) {
                    ++drawn;
                    worst = std::min(worst, Contrast(text, under.pixelColor(x, y)));
                }
        EXPECT_GT(drawn, 0) << label->Name() << " shows nothing";
        least.emplace_back(label->Name(), worst);
    }
    return least;
}

// Text and background contrast well in the sample database; a label reads when its colour keeps
// a clear contrast with every pixel under it.
constexpr double kReadable = 2.0;

TEST_F(HubColoursTest, EveryThemedLabelAndTheHeadToHeadPanelReadOnEveryClubsColours)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    std::set<std::pair<TColor, TColor>> pairs;
    for (const TClub& club : Clubs)
        pairs.insert({club.BackColor, club.TextColor});
    ASSERT_GT(pairs.size(), 10u);
    const int club = Game.CurrentHumanClub;
    const std::vector<TControl*> onForm = {hub->Label12, hub->Label23, hub->Label24, hub->lb_infonext, hub->lb_cd,
                                           hub->lb_ct,   hub->lb_tec,  hub->lb_infot, hub->lb_cores,    hub->label32,
                                           hub->lb_total, hub->lab_data, hub->labmoney};
    std::vector<TControl*> withCard = onForm;
    withCard.insert(withCard.end(), {hub->lb_infojog, hub->lb_infojogn});
    const std::vector<TControl*> headToHead = {hub->lb_conf1, hub->lb_conf2,  hub->lb_conf3,
                                               hub->lb_conf4, hub->lb_conft1, hub->lb_conft2};
    auto expectReadable = [&](const std::vector<TControl*>& labels, const char* shown) {
        for (const auto& [back, text] : pairs) {
            Clubs[club].BackColor = back;
            Clubs[club].TextColor = text;
            hub->RefreshHubHeader();
            for (const auto& [name, contrast] : LeastContrasts(*hub, labels))
                EXPECT_GE(contrast, kReadable) << name << " with the " << shown << ", background " << std::hex << back
                                               << ", text " << text;
        }
    };
    ASSERT_TRUE(hub->pinfo_panel->Visible());
    expectReadable(withCard, "card");
    QTest::mouseClick(hub->Widget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(hub->Image13->Left() + 10, hub->Image13->Top() + 10));
    ASSERT_TRUE(hub->p_conf->Visible());
    ASSERT_FALSE(hub->pinfo_panel->Visible());
    expectReadable(headToHead, "head-to-head panel");
}

}  // namespace
}  // namespace tarvelon

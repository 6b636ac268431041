#include "screens/common/art/art_kit.h"

#include <functional>
#include <map>
#include <mutex>

#include <QBuffer>
#include <QPainter>

#include "platform/graphics/image_list.h"
#include "screens/common/art/event_icon_art.h"
#include "screens/common/art/flag_art.h"
#include "screens/common/art/list_art.h"
#include "screens/common/art/hub_art.h"
#include "screens/common/art/pitch_art.h"
#include "screens/common/art/summary_icon_art.h"
#include "screens/common/art/title_art.h"
#include "screens/common/art/trophy_art.h"

namespace tarvelon::art {

namespace {

struct NamedPicture {
    const char* name;
    QImage (*draw)();
};

// The table of the kit's pictures.
const NamedPicture kPictures[] = {
    {"tinicio", DrawTitlePicture},
    {"tick0", DrawEmptyTick},
    {"tick1", DrawTick},
    {"paleta", DrawPalette},
    {"carta0", DrawSealedLetter},
    {"carta1", DrawOpenLetter},
    {"campogrande", DrawPitch},
    {"campoalpha", DrawPitchOverlay},
    {"camisa0", [] { return DrawShirt(0); }},
    {"camisa1", [] { return DrawShirt(1); }},
    {"camisa2", [] { return DrawShirt(2); }},
    {"camisa3", [] { return DrawShirt(3); }},
    {"nova_barra", DrawHubTopBar},
    {"icone_confronto", DrawHeadToHeadIcon},
    {"icone_arbitro", DrawRefereeIcon},
    {"icone_carreira", DrawCareerIcon},
    {"moedas", DrawCoinsIcon},
    {"tr_mundial", DrawTrophyPicture<0>},
    {"tr_lib", DrawTrophyPicture<1>},
    {"tr_cl", DrawTrophyPicture<2>},
    {"tr_sul", DrawTrophyPicture<3>},
    {"tr_uefa", DrawTrophyPicture<4>},
    {"tr_nacbra", DrawTrophyPicture<5>},
    {"tr_naceng", DrawTrophyPicture<6>},
    {"tr_nacita", DrawTrophyPicture<7>},
    {"tr_nacesp", DrawTrophyPicture<8>},
    {"tr_nacgen", DrawTrophyPicture<9>},
    {"tr_copabra", DrawTrophyPicture<10>},
    {"tr_copaeng", DrawTrophyPicture<11>},
    {"tr_copaita", DrawTrophyPicture<12>},
    {"tr_copaesp", DrawTrophyPicture<13>},
    {"tr_copagen", DrawTrophyPicture<14>},
    {"tr_estadual", DrawTrophyPicture<15>},
    {"i_gol", DrawGoalIcon},
    {"i_golv", DrawMissIcon},
    {"i_ca", DrawYellowCardIcon},
    {"i_cv", DrawRedCardIcon},
    {"i_cacv", DrawSecondYellowIcon},
    {"i_ct", DrawInjuryIcon},
    {"i_sub", DrawSubstitutionIcon},
    {"ic_ouro", DrawGoldCupIcon},
    {"ic_prata", DrawSilverCupIcon},
    {"ic_3o", DrawThirdPlaceIcon},
    {"ic_4o", DrawFourthPlaceIcon},
    {"ic_chuteira", DrawGoldenBootIcon},
};

QImage WithEdge(QImage image)
{
    QPainter p(&image);
    p.setPen(QColor(70, 70, 70));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, image.width() - 1, image.height() - 1);
    return image;
}

}  // namespace

const QImage& Picture(const std::string& name)
{
    static std::mutex guard;
    static std::map<std::string, QImage> drawn;
    static const QImage none;
    const std::lock_guard<std::mutex> lock(guard);
    if (const auto found = drawn.find(name); found != drawn.end())
        return found->second;
    for (const NamedPicture& picture : kPictures) {
        if (name == picture.name)
            return drawn.emplace(name, picture.draw()).first->second;
    }
    return none;
}

std::vector<std::uint8_t> PictureAsPng(const std::string& name)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Picture(name).save(&buffer, "PNG");
    return std::vector<std::uint8_t>(png.begin(), png.end());
}

std::vector<std::string> PictureNames()
{
    std::vector<std::string> names;
    for (const NamedPicture& picture : kPictures)
        names.emplace_back(picture.name);
    return names;
}

QImage ToQImage(const Image& image)
{
    QImage out(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.at(x, y);
            line[x] = qRgba(p.r, p.g, p.b, p.a);
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage CountryFlagIcon(int country)
{
    return WithEdge(ToQImage(DrawCountryFlag(country, kListFlagWidth, kListFlagHeight)));
}

QImage StateFlagIcon(int state)
{
    return WithEdge(ToQImage(DrawStateFlag(state, kListFlagWidth, kListFlagHeight)));
}

void FillCountryFlags(TImageList& list)
{
    list.SetSize(kListFlagWidth, kListFlagHeight);
    for (int country = 0; country < kCountryFlagCount; ++country)
        list.AddImage(CountryFlagIcon(country));
}

void FillStateFlags(TImageList& list)
{
    list.SetSize(kListFlagWidth, kListFlagHeight);
    for (int state = 0; state < kStateFlagCount; ++state)
        list.AddImage(StateFlagIcon(state));
}

}  // namespace tarvelon::art

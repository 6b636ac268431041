#include "screens/common/grid_helpers.h"

#include <algorithm>
#include <map>

#include "core/format/images.h"
#include "core/vocab/players.h"
#include "grid/dg_grid.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/system_metrics.h"
#include "platform/stdctrls/image_list_component.h"
#include "screens/common/game_form.h"

namespace tarvelon {

namespace {

constexpr int kMiniCrestSize = 18;

// The crests already in one image list, owned by the list so that it ends with it.
class TMiniCrestCache : public TComponent {
public:
    explicit TMiniCrestCache(TComponent* owner) : TComponent(owner) { SetName(kName); }
    std::string ClassName() const override { return "TMiniCrestCache"; }
    static constexpr const char* kName = "MiniCrestCache";
    std::map<int, int> indexOfClub;
};

TMiniCrestCache& CacheOf(TCustomImageList& list)
{
    if (auto* cache = dynamic_cast<TMiniCrestCache*>(list.FindComponent(TMiniCrestCache::kName)))
        return *cache;
    return *new TMiniCrestCache(&list);
}

int AppendMiniCrest(TCustomImageList& list, int club, TOddSizedCrest odd)
{
    const std::string path = MiniCrestPath(club);
    if (path.empty())
        return -1;
    TBitmap crest;
    if (!crest.LoadFromFile(path))
        return -1;
    if (crest.Width() == kMiniCrestSize && crest.Height() == kMiniCrestSize)
        return list.AddImage(crest.Image());
    if (odd == TOddSizedCrest::Dropped)
        return -1;
    return list.AddImage(crest.Image().copy(0, 0, kMiniCrestSize, kMiniCrestSize));
}

}  // namespace

TColor AlternateRowColor(int rowNumber)
{
    return rowNumber % 2 != 0 ? kOddRowColor : kEvenRowColor;
}

bool IsHeadingRow(const std::string& firstCell)
{
    return firstCell.empty();
}

TColor GridRowColor(int rowNumber, const std::string& firstCell)
{
    return IsHeadingRow(firstCell) ? kHeadingRowColor : AlternateRowColor(rowNumber);
}

TColor PositionColor(int position)
{
    if (position < 0 || position >= PositionCount)
        return clWhite;
    return static_cast<TColor>(PositionColors[static_cast<std::size_t>(position)]);
}

int MiniCrestIndex(TCustomImageList& list, int club, TOddSizedCrest odd)
{
    TMiniCrestCache& cache = CacheOf(list);
    const auto found = cache.indexOfClub.find(club);
    if (found != cache.indexOfClub.end())
        return found->second;
    const int index = AppendMiniCrest(list, club, odd);
    cache.indexOfClub[club] = index;
    return index;
}

void WidenColumnsAtScale(const TGameForm& form, TDataGrid& grid, std::span<const TColumnWidth> widths)
{
    int room = grid.ColumnAreaWidth() - grid.Columns().TotalWidth();
    if (!grid.ScrollBarVisible(sbVertical))
        room -= GetSystemMetrics(SM_CXVSCROLL);
    for (const auto& [name, width] : widths) {
        TDgCustomColumn* column = grid.ColumnByName(name);
        if (column == nullptr || !column->Visible())
            continue;
        const int widen = std::min(form.ScaledLength(width) - column->Width(), room);
        if (widen <= 0)
            continue;
        column->SetWidth(column->Width() + widen);
        room -= widen;
    }
}

}  // namespace tarvelon

// The rich hint's record.
#include "controls/dc_hint_info.h"

namespace tarvelon {

void TDcHintInfo::Assign(const TDcHintInfo* source)
{
    if (!source || source == this)
        return;
    title_ = source->title_;
    notes_ = source->notes_;
    showHelp_ = source->showHelp_;
    picture_.Assign(&source->picture_);
    wideTitle_ = source->wideTitle_;
    wideNotes_ = source->wideNotes_;
}

}  // namespace tarvelon

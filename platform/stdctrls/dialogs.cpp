#include "platform/stdctrls/dialogs.h"

#include <QColorDialog>

namespace tarvelon {
namespace {

TColorDialogAnswerer& Answerer()
{
    static TColorDialogAnswerer answerer;
    return answerer;
}

}  // namespace

void SetColorDialogAnswerer(TColorDialogAnswerer answerer)
{
    Answerer() = std::move(answerer);
}

bool TColorDialog::Execute()
{
    std::optional<TColor> chosen;
    if (Answerer()) {
        chosen = Answerer()(color_);
    } else {
        const QColor color = QColorDialog::getColor(ToQColor(color_), nullptr, QStringLiteral("Cor"));
        if (color.isValid())
            chosen = FromQColor(color);
    }
    if (!chosen)
        return false;
    color_ = *chosen;
    return true;
}

}  // namespace tarvelon

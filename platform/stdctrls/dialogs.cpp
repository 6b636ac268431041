#include "platform/stdctrls/dialogs.h"

#include <QColorDialog>

#include "platform/forms/form.h"

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
        QColorDialog dialog(ToQColor(color_));
        dialog.setWindowTitle(QStringLiteral("Cor"));
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        PrepareDialogWindow(&dialog);
        if (dialog.exec() == QDialog::Accepted && dialog.selectedColor().isValid())
            chosen = FromQColor(dialog.selectedColor());
    }
    if (!chosen)
        return false;
    color_ = *chosen;
    return true;
}

}  // namespace tarvelon

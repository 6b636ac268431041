#include "platform/dfm/stored_form.h"

#include "platform/stdctrls/message_box.h"

namespace tarvelon {

TStoredForm::TStoredForm(TComponent* owner) : TForm(owner)
{
}

const TReadResult& TStoredForm::ReadDescription(const std::string& className)
{
    problems_ = ReadComponentResource(this, className, handlers_);
    return problems_;
}

const TReadResult& TStoredForm::ReadDescriptionText(const std::string& text, const std::string& fileName)
{
    problems_ = ReadComponentFromText(this, text, fileName, handlers_);
    return problems_;
}

void TStoredForm::ShowReadProblems() const
{
    if (!problems_.Ok())
        MessageDlg("Erro na descrição da tela:\n" + problems_.Message(), mtError, {mbOK});
}

}  // namespace tarvelon

#include "platform/dfm/stored_form.h"

#include "platform/stdctrls/message_box.h"

namespace tarvelon {

TStoredForm::TStoredForm(TComponent* owner) : TForm(owner)
{
}

const TReadResult& TStoredForm::ReadDescription(const std::string& className)
{
    descriptionFile_ = className + ".dfm";
    problems_ = ReadComponentResource(this, className, handlers_);
    return problems_;
}

const TReadResult& TStoredForm::ReadDescriptionText(const std::string& text, const std::string& fileName)
{
    descriptionFile_ = fileName;
    problems_ = ReadComponentFromText(this, text, fileName, handlers_);
    return problems_;
}

void TStoredForm::NoteMissingChild(const std::string& name) const
{
    const TComponent* found = FindComponent(name);
    TDfmError problem;
    problem.file = descriptionFile_.empty() ? ClassName() : descriptionFile_;
    problem.message = found ? "the component \"" + name + "\" is not of the class the code expects"
                            : "the code looks up \"" + name + "\", which the description does not have";
    problems_.errors.push_back(problem);
}

void TStoredForm::ShowReadProblems() const
{
    if (!problems_.Ok())
        MessageDlg("Erro na descrição da tela:\n" + problems_.Message(), mtError, {mbOK});
}

}  // namespace tarvelon

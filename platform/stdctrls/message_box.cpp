#include "platform/stdctrls/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/text_utils.h"

namespace tarvelon {
namespace {

TMessageBoxAnswerer& Answerer()
{
    static TMessageBoxAnswerer answerer;
    return answerer;
}

struct ButtonInfo {
    TMsgDlgBtn button;
    TModalResult result;
    const char* caption;
};

const ButtonInfo kButtons[] = {
    {mbYes, mrYes, "Sim"},           {mbNo, mrNo, "Não"},
    {mbOK, mrOk, "OK"},              {mbCancel, mrCancel, "Cancelar"},
    {mbAbort, mrAbort, "Abortar"},   {mbRetry, mrRetry, "Repetir"},
    {mbIgnore, mrIgnore, "Ignorar"}, {mbAll, mrAll, "Todos"},
    {mbNoToAll, mrNoToAll, "Não para todos"}, {mbYesToAll, mrYesToAll, "Sim para todos"},
    {mbHelp, mrNone, "Ajuda"},
};

const char* TypeCaption(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return "Aviso";
    case mtError: return "Erro";
    case mtInformation: return "Informação";
    case mtConfirmation: return "Confirmação";
    default: return "";
    }
}

QMessageBox::Icon TypeIcon(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::ButtonRole RoleOf(TModalResult result)
{
    switch (result) {
    case mrYes:
    case mrYesToAll:
    case mrAll: return QMessageBox::YesRole;
    case mrNo:
    case mrNoToAll: return QMessageBox::NoRole;
    case mrOk: return QMessageBox::AcceptRole;
    case mrCancel:
    case mrAbort: return QMessageBox::RejectRole;
    default: return QMessageBox::ActionRole;
    }
}

// What closing the box without a button means: Cancel, No, or the only button.
TModalResult EscapeResult(const std::vector<TModalResult>& buttons)
{
    for (TModalResult wanted : {mrCancel, mrNo, mrAbort}) {
        if (std::find(buttons.begin(), buttons.end(), wanted) != buttons.end())
            return wanted;
    }
    return buttons.size() == 1 ? buttons.front() : mrCancel;
}

TModalResult ShowRealBox(const TMessageBoxRequest& request)
{
    QMessageBox box(TypeIcon(request.type), ToQString(request.caption), ToQString(request.text));
    std::vector<std::pair<QPushButton*, TModalResult>> buttons;
    for (TModalResult result : request.buttons) {
        QPushButton* button = box.addButton(ToQString(ButtonCaption(result)), RoleOf(result));
        buttons.emplace_back(button, result);
        if (result == request.defaultButton)
            box.setDefaultButton(button);
    }
    const TModalResult escape = EscapeResult(request.buttons);
    for (const auto& [button, result] : buttons) {
        if (result == escape)
            box.setEscapeButton(button);
    }
    PrepareDialogWindow(&box);
    box.exec();
    for (const auto& [button, result] : buttons) {
        if (box.clickedButton() == button)
            return result;
    }
    return escape;
}

TModalResult Ask(const TMessageBoxRequest& request)
{
    if (Answerer())
        return Answerer()(request);
    return ShowRealBox(request);
}

std::string ApplicationTitle()
{
    return Application && !Application->Title.empty() ? Application->Title : FromQString(QApplication::applicationName());
}

}  // namespace

std::string ButtonCaption(TModalResult result)
{
    for (const ButtonInfo& info : kButtons) {
        if (info.result == result)
            return info.caption;
    }
    return "OK";
}

void SetMessageBoxAnswerer(TMessageBoxAnswerer answerer)
{
    Answerer() = std::move(answerer);
}

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int)
{
    TMessageBoxRequest request;
    request.text = text;
    request.type = type;
    request.caption = TypeCaption(type);
    if (request.caption.empty())
        request.caption = ApplicationTitle();
    for (const ButtonInfo& info : kButtons) {
        if (buttons.Contains(info.button) && info.result != mrNone)
            request.buttons.push_back(info.result);
    }
    if (request.buttons.empty())
        request.buttons.push_back(mrOk);
    request.defaultButton = request.buttons.front();
    return Ask(request);
}

void ShowMessage(const std::string& text)
{
    TMessageBoxRequest request;
    request.text = text;
    request.caption = ApplicationTitle();
    request.type = mtCustom;
    request.buttons = {mrOk};
    request.defaultButton = mrOk;
    Ask(request);
}

int MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    TMessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    switch (flags & 0xF0) {
    case MB_ICONERROR: request.type = mtError; break;
    case MB_ICONQUESTION: request.type = mtConfirmation; break;
    case MB_ICONWARNING: request.type = mtWarning; break;
    case MB_ICONINFORMATION: request.type = mtInformation; break;
    default: request.type = mtCustom; break;
    }
    switch (flags & 0xF) {
    case MB_OKCANCEL: request.buttons = {mrOk, mrCancel}; break;
    case MB_ABORTRETRYIGNORE: request.buttons = {mrAbort, mrRetry, mrIgnore}; break;
    case MB_YESNOCANCEL: request.buttons = {mrYes, mrNo, mrCancel}; break;
    case MB_YESNO: request.buttons = {mrYes, mrNo}; break;
    case MB_RETRYCANCEL: request.buttons = {mrRetry, mrCancel}; break;
    default: request.buttons = {mrOk}; break;
    }
    const std::size_t defaultIndex = (flags & MB_DEFBUTTON3) ? 2 : (flags & MB_DEFBUTTON2) ? 1 : 0;
    request.defaultButton = request.buttons[std::min(defaultIndex, request.buttons.size() - 1)];
    // The modal results of these buttons are the platform's ID answers.
    return Ask(request);
}

}  // namespace tarvelon

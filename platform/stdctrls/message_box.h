#pragma once
// Message boxes with Portuguese buttons ("Sim", "Não", "OK", "Cancelar" ...): MessageDlg,
// ShowMessage and the platform's MessageBox with its MB_ flags and ID answers. They are modal.
// Tests answer them with SetMessageBoxAnswerer instead of showing a window.
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/forms_types.h"
#include "platform/graphics/enum_set.h"

namespace tarvelon {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// Returns the modal result of the button pressed (mrYes, mrNo, mrOk, mrCancel ...); closing the
// box without a button gives mrCancel (or the only button's result).
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
// An information box with "OK".
void ShowMessage(const std::string& text);

enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_ICONERROR = 0x10,
    MB_ICONSTOP = MB_ICONERROR,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONEXCLAMATION = MB_ICONWARNING,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON2 = 0x100,
    MB_DEFBUTTON3 = 0x200,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// The platform's message box (Application->MessageBox): returns IDOK, IDYES ...
int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

// What a test's answerer is asked.
struct TMessageBoxRequest {
    std::string text;
    std::string caption;
    TMsgDlgType type = mtInformation;
    // The buttons shown, left to right, as modal results; the default one first pressed by Enter.
    std::vector<TModalResult> buttons;
    TModalResult defaultButton = mrNone;
};
using TMessageBoxAnswerer = std::function<TModalResult(const TMessageBoxRequest&)>;
// Installs an answerer (empty: the real box is shown again).
void SetMessageBoxAnswerer(TMessageBoxAnswerer answerer);

// The caption of a button ("Sim", "Não", "OK", "Cancelar" ...).
std::string ButtonCaption(TModalResult result);

}  // namespace tarvelon

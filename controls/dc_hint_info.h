#pragma once
// TDcHintInfo: what a rich hint shows: a title, lines of notes, a picture and a help line.
#include <string>
#include <vector>

#include "controls/gdi_picture.h"

namespace tarvelon {

class TDcHintInfo {
public:
    TDcHintInfo() = default;
    TDcHintInfo(const TDcHintInfo&) = delete;
    TDcHintInfo& operator=(const TDcHintInfo&) = delete;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::vector<std::string>& Notes() const { return notes_; }
    void SetNotes(const std::vector<std::string>& notes) { notes_ = notes; }
    TGDIPPicture& Picture() { return picture_; }
    void SetPicture(const TGDIPPicture& picture) { picture_.Assign(&picture); }
    bool ShowHelp() const { return showHelp_; }
    void SetShowHelp(bool showHelp) { showHelp_ = showHelp; }
    const std::u16string& WideTitle() const { return wideTitle_; }
    void SetWideTitle(const std::u16string& text) { wideTitle_ = text; }
    const std::u16string& WideNotes() const { return wideNotes_; }
    void SetWideNotes(const std::u16string& text) { wideNotes_ = text; }

    // Copies everything from another hint record; nothing from null.
    void Assign(const TDcHintInfo* source);

private:
    std::string title_;
    std::vector<std::string> notes_;
    TGDIPPicture picture_;
    bool showHelp_ = false;
    std::u16string wideTitle_;
    std::u16string wideNotes_;
};

}  // namespace tarvelon

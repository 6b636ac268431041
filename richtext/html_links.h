#pragma once
// Links clicked in rich-text captions: addresses and mail links open in the desktop's program.
#include <functional>
#include <string>

namespace tarvelon {

// True for a link the desktop opens: it holds "://" or "mailto:".
bool IsOpenableLink(const std::string& link);
// Opens the link with the desktop's "open" (through LinkOpener when one is set, for tests).
void OpenLink(const std::string& link);
std::function<void(const std::string& link)>& LinkOpener();

}  // namespace tarvelon

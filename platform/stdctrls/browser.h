#pragma once
// Opening a link (a web page or a file) in the user's browser. Tests see the links instead.
#include <functional>
#include <string>

namespace tarvelon {

// True when the desktop took the link.
bool OpenUrl(const std::string& url);
// A hook that receives the links instead of the desktop (empty: the desktop again).
void SetOpenUrlHook(std::function<bool(const std::string& url)> hook);

}  // namespace tarvelon

#pragma once
// The team editor's screens join the registry over their stubs.
namespace tarvelon {

void RegisterEditorScreens();

}  // namespace tarvelon

#pragma once
// The team editor's screens join the screen registry (their records are beside their classes).
namespace tarvelon {

void RegisterEditorScreens();

}  // namespace tarvelon

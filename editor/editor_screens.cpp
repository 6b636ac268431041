// The team editor's screens, registered over their stubs.
#include "editor/editor_screens.h"

namespace tarvelon {

void RegisterEditorScreens() {}

}  // namespace tarvelon

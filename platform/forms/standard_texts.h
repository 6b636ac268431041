#pragma once
// Qt's own texts (the colour chooser's labels and buttons, an edit box's right-click menu) in the
// game's language, Brazilian Portuguese, from Qt's translations when the machine has them.
namespace tarvelon {

// Installs the translation once, after the application object exists; false when none was found (the
// texts then stay Qt's own English).
bool UseQtTextsInPortuguese();

}  // namespace tarvelon

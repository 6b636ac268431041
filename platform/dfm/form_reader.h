#pragma once
// The form reader: builds a form's components from its stored description. It creates each
// `object` by class name (class_registry.h), gives it its name, owner (the form) and parent (the
// object it is written in), sets its properties through the property table and binds its events to
// the form's handlers by name. Then every created component hears Loaded.
//
// A wrong description never crashes: an unknown class (its whole object is skipped), an unknown
// property, a value of the wrong kind, a handler the form does not have, or a syntax error is
// reported with its file and line, and the rest of the description is still read.
#include <string>
#include <vector>

#include "platform/dfm/dfm_tree.h"
#include "platform/dfm/handler_table.h"

namespace tarvelon {

class TComponent;

struct TReadResult {
    std::vector<TDfmError> errors;
    bool Ok() const { return errors.empty(); }
    // Every problem on its own line ("file, line N: message"); empty when none.
    std::string Message() const;
};

// Reads a description text into `root` (normally a form; its own properties come from the
// outer object). `fileName` is used in the messages.
TReadResult ReadComponentFromText(TComponent* root, const std::string& text, const std::string& fileName,
                                  const THandlerTable& handlers);
// Reads an already parsed description.
TReadResult ReadComponentFromTree(TComponent* root, const TDfmObject& tree, const std::string& fileName,
                                  const THandlerTable& handlers);
// Reads the embedded description of a form class: ":/forms/<className>.dfm" (or .txt).
TReadResult ReadComponentResource(TComponent* root, const std::string& className, const THandlerTable& handlers);
// The embedded description's text; false when there is none.
bool FindFormResource(const std::string& className, std::string& text, std::string& path);

// How a created component joins the object it is written in, for components that are not
// controls (menu items join their menu). Returns true when it took the child.
using TChildAdopter = bool (*)(TComponent* parent, TComponent* child);
void RegisterChildAdopter(TChildAdopter adopter);

}  // namespace tarvelon

#pragma once
// Makes the grid control's own stored properties and events known to the form reader (the data
// grid's classes and its columns are registered by RegisterDataGridClasses).

namespace tarvelon {

// Idempotent; the program calls it, with RegisterDataGridClasses, before the first form with a grid is read.
void RegisterGridControlProperties();

}  // namespace tarvelon

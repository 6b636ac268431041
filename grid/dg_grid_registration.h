#pragma once
// Makes the data grid and its column classes known to the form reader: the classes by name, the
// columns' stored properties and events, and columns written inside a grid joining its column list.

namespace tarvelon {

// Idempotent; the program calls it once before the first form with a grid is read.
void RegisterDataGridClasses();

}  // namespace tarvelon

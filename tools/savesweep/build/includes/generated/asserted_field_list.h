#pragma once
// Made by tools/savesweep/CMakeLists.txt from the layout asserts of core's headers: do not edit.

// X(record, field) for every field whose offset a header asserts.
#define TARVELON_ASSERTED_FIELDS(X)

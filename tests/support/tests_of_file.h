#pragma once
// One test program holds every test file of a layer; CTest runs it once per file with
// --tests-of=<file name>, so that each file still passes or fails on its own and the files of a
// layer run in parallel.

namespace tarvelon::testing {

// Removes --tests-of=<file name> from the arguments and narrows the run to the tests defined in that
// source file (call after InitGoogleTest). Returns false, after printing why, when the file defines
// no test of this program, so that a misnamed file cannot pass by running nothing.
bool SelectTestsOfFile(int& argc, char** argv);

}  // namespace tarvelon::testing

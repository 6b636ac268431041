#pragma once
// Where the tests' temporary folders go. A prepared game writes a sample database of some 4,500 small
// files, and the editor's tests copy one for every test: on a disk that costs more than the rest of
// such a test. When whoever runs the tests has not chosen a folder (TMPDIR), and the machine offers a
// memory file system with ample room, the temporary folders go there.

namespace tarvelon::testing {

// Call first thing in main, before anything asks for the temporary folder.
void PutScratchFoldersInMemory();

}  // namespace tarvelon::testing

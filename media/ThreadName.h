#pragma once

// Every thread of the program says what it is (in `top -H`, gdb and the sanitizers' reports).

namespace tolvane {

// Names the calling thread "tv-" and `name` (the system keeps fifteen characters: a name of up
// to twelve stays whole).
void NameThisThread(const char* name);

}  // namespace tolvane

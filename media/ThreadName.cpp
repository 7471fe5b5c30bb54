#include "ThreadName.h"

#include <pthread.h>

#include <cstring>

namespace tolvane {

void NameThisThread(const char* name) {
    char full[16] = "tv-";
    std::strncat(full, name, sizeof full - std::strlen(full) - 1);
    // A name too long or a system without names leaves the thread unnamed: nothing depends on it.
    static_cast<void>(pthread_setname_np(pthread_self(), full));
}

}  // namespace tolvane

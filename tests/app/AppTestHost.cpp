#include "AppTestHost.h"

#if defined(_WIN32)
#include <process.h>
long TempDir::Pid() {
    return _getpid();
}
#else
#include <unistd.h>
long TempDir::Pid() {
    return getpid();
}
#endif

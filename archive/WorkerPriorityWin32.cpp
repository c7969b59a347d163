#include <windows.h>

#include "archive/WorkerPriority.h"

void RaiseCurrentThreadPriority() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
}

#include <windows.h>

#include "platform/WorkerPriority.h"

void RaiseCurrentThreadPriority() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
}

#include "platform/WorkerPriority.h"

// Raising a thread's priority needs privileges here; jobs keep the default.
void RaiseCurrentThreadPriority() {}

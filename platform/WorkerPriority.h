#pragma once
// Background jobs run at the highest thread priority where the platform lets a program raise
// it without privileges.
void RaiseCurrentThreadPriority();

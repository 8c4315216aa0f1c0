#pragma once
// The operating system, for the few texts that differ from one to another;
// the code outside src/platform asks here instead of testing Q_OS_* itself.
#include <QtGlobal>

#ifdef Q_OS_WIN
inline constexpr bool kSousWindows = true;
#else
inline constexpr bool kSousWindows = false;
#endif

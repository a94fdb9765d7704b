#pragma once

#include <windows.h>

#include <cstdio>

// The time from the creation of this process to now, printed as "first-paint <ms>": called at
// the end of a window's first WM_PAINT. Both ends are read from the system's clock, so the start
// of Wine itself is in the figure, as a user would wait for it.
inline void reportFirstPaint() {
  FILETIME created{}, exited{}, kernel{}, user{}, now{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  std::printf("first-paint %.1f\n", static_cast<double>(ticks(now) - ticks(created)) / 1e4);
  std::fflush(stdout);
}

// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#pragma once
#include <functional>

// Turns the signals with which the system asks a program to quit (SIGTERM,
// SIGINT, SIGHUP) into a call of onQuit inside the event loop, where it may
// do anything a handler may (a signal handler itself may do next to
// nothing). Without such signals on the platform, nothing happens.
void catchQuitSignals(std::function<void()> onQuit);

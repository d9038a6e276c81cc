// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QString>
#include <exception>
#include <functional>

namespace platform::Application {

// Processes the pending window messages (repaints, posted events).
OBSHOST_EXPORT void processMessages();

// Delivers the keys the platform has read but still holds in its queue. Qt 6.4's
// Wayland client composes dead keys as it reads them and hands the composed text over at
// once, ahead of plain keys read just before it and not yet delivered; a handler of
// committed text calls this first, so that text goes in in the order it was typed. Does
// nothing on other platforms.
OBSHOST_EXPORT void deliverQueuedKeys();

// True where windows may be shown: a QApplication runs and this is its thread. Otherwise
// warns "<who>: <why>; <refusal>", so that a call refused leaves a trace.
OBSHOST_EXPORT bool onInterfaceThread(const char *who, const char *refusal = "nothing is shown");

// The running host program's file path. Tests may point it elsewhere.
OBSHOST_EXPORT QString exeName();
OBSHOST_EXPORT void setExeNameOverride(const QString &path);

// Shows an exception that a handler raised while a window was shown, instead of
// letting it unwind through the event loop. The host services install the reporter.
using ExceptionReporter = std::function<void(const QString &message)>;
OBSHOST_EXPORT void setExceptionReporter(ExceptionReporter reporter);
OBSHOST_EXPORT void handleException(const std::exception_ptr &error) noexcept;

// Runs fn; an exception it throws is reported and goes no further.
template<typename Fn> void guarded(Fn &&fn) noexcept
{
    try {
        fn();
    } catch (...) {
        handleException(std::current_exception());
    }
}

} // namespace platform::Application

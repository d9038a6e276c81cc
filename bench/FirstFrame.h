// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace bench {

// Measures from its construction to the first paint of any widget, then posts Escape
// to the window painted, so that a modal call returns once it has shown its first frame.
class FirstFrame : public QObject
{
    Q_OBJECT

public:
    FirstFrame();
    ~FirstFrame() override;

    // Nanoseconds from construction to the first paint; -1 while nothing has painted.
    qint64 nanoseconds() const { return m_ns; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QElapsedTimer m_clock;
    qint64 m_ns = -1;
};

// The environment variable that makes obsbench a child measuring one fresh process's
// first frame: "module" or "stock".
inline constexpr const char *kFirstFrameChildVariable = "OBS_BENCH_FIRST_FRAME";

// Runs as that child: makes `calls` calls of the side named (OBS_BENCH_CALLS, default
// one; the first is timed), prints the first frame's nanoseconds on standard output.
// Returns the exit status. Many calls time the stock dialog's calls in a process of their
// own, beside the demo host's scripted ones.
int runFirstFrameChild(const QByteArray &side, int calls);

} // namespace bench

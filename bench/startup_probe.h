#pragma once

// Start-up probe shared by the two start-up measurement programs (bench/startup.sh): reports
// when the watched window has finished its first paint, so that the script can compute the
// time from starting the process to the first complete frame.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstring>

class StartupProbe : public QObject {
public:
    // With quitAfterPaint the program ends once the first frame is out; otherwise it stays
    // (memory and idle processor time are then read from outside).
    StartupProbe(QWidget *window, bool quitAfterPaint)
        : m_window(window), m_quitAfterPaint(quitAfterPaint)
    {
        window->installEventFilter(this);
    }

    static bool quitAfterPaintRequested(int argc, char **argv)
    {
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], "--quit-after-paint") == 0)
                return true;
        }
        return false;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // The window and all its children are painted and flushed in this one pass; the
            // queued call runs right after it.
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report()
    {
        // Wall-clock nanoseconds, the clock `date +%s%N` reads in the script.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first-paint-ns %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        if (m_quitAfterPaint)
            QCoreApplication::quit();
    }

    QWidget *m_window = nullptr;
    bool m_quitAfterPaint = false;
    bool m_painted = false;
};

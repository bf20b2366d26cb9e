#pragma once

// Ends the program as soon as the window has painted for the first time, so
// that the whole process measures a start-up as the user sees it.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <chrono>
#include <cstdio>

class QuitAtFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The loop ends once this paint is done, before anything queued
        // behind it runs.
        if (event->type() == QEvent::Paint)
            QCoreApplication::quit();
        return false;
    }
};

// Prints when the first paint ended, in microseconds of the wall clock, so
// that the start-up can be told from the process's exit after it.
inline void printPaintEnded()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

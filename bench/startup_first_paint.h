#pragma once

// Ends the program as soon as the window has painted for the first time, so
// that the whole process measures a start-up as the user sees it.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

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

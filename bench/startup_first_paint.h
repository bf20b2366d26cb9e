#pragma once

// Ends the program as soon as the window has painted for the first time, so
// that the whole process measures a start-up as the user sees it.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class QuitAtFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

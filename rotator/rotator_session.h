#pragma once

#include "rotator/rotator_client.h"
#include "rotator/rotator_settings.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

namespace rotator {

// The program's whole session with the rotator: its settings, a turn
// followed until the antenna gets there, is stopped or is lost, the heading
// polled while it is wanted, and the failures the user must hear of. Every
// window that shows the antenna shares one session: one connection, one
// poll.
//
// A failure of what the user asked, a turn or a stop, or of following a
// turn, is reported once through failed(); one of the background polls only
// takes the heading away.
class RotatorSession : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultPollIntervalMs = 1000;
    static constexpr double DefaultReachedWithinDegrees = 1;

    explicit RotatorSession(QObject* parent = nullptr);

    // Reads the kept settings and, when the heading is shown, starts polling.
    void start();
    const RotatorSettings& settings() const { return settings_; }
    // Settings the user chose, kept for the next start too. Another daemon
    // ends the turn under way and forgets the heading.
    void apply(const RotatorSettings& chosen);

    void setPollInterval(int milliseconds);
    // How near the target a turn counts as reached.
    void setReachedWithin(double degrees);
    // A minimised window asks nothing.
    void setPaused(bool paused);

    // Azimuth in whole degrees, 0 to 360.
    void turnTo(int azimuth);
    void stop();
    bool isTurning() const { return target_.has_value(); }
    std::optional<int> target() const { return target_; }
    // Whether the user has told where the rotator's daemon is.
    bool isSetUp() const { return settings_.chosen; }

    // The antenna's heading in whole degrees, 0 to 359, while it is shown and
    // the daemon answers.
    std::optional<int> heading() const { return heading_; }
    // Whether, with the heading shown, the daemon failed to answer the last
    // time it was asked.
    bool silent() const { return silent_; }

Q_SIGNALS:
    // heading() or silent() changed.
    void headingChanged();
    void turnStarted();
    void turnEnded();
    // The user's words, ready for a message box.
    void failed(const QString& message);

private:
    void poll();
    void takePosition(double azimuth);
    void takeDone(Request request);
    void takeFailure(const Failure& failure);
    void endTurn();
    void setHeading(std::optional<int> heading, bool silent = false);
    void pollWhenWanted();

    RotatorClient client_;
    RotatorSettings settings_;
    QTimer poll_;
    double reachedWithin_ = DefaultReachedWithinDegrees;
    bool paused_ = false;
    std::optional<int> target_;  // the azimuth of the turn under way
    std::optional<int> heading_;
    bool silent_ = false;
};

} // namespace rotator

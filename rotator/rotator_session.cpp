#include "rotator/rotator_session.h"

#include <cmath>

namespace rotator {

RotatorSession::RotatorSession(QObject* parent)
    : QObject(parent)
{
    poll_.setInterval(DefaultPollIntervalMs);
    connect(&poll_, &QTimer::timeout, this, &RotatorSession::poll);
    connect(&client_, &RotatorClient::position, this, &RotatorSession::takePosition);
    connect(&client_, &RotatorClient::done, this, &RotatorSession::takeDone);
    // Queued: whoever shows the message waits for the user outside the
    // client's code.
    connect(&client_, &RotatorClient::failed, this, &RotatorSession::takeFailure, Qt::QueuedConnection);
}

void RotatorSession::start()
{
    QString failure;
    settings_ = RotatorSettings::load(failure);
    client_.setServer(settings_.host, settings_.port);
    pollWhenWanted();
    if (!failure.isEmpty())
        Q_EMIT failed(failure);
}

void RotatorSession::apply(const RotatorSettings& chosen)
{
    // Another rotator: what was known of the old one no longer holds.
    if (chosen.host != settings_.host || chosen.port != settings_.port) {
        endTurn();
        setHeading(std::nullopt);
    }
    settings_ = chosen;
    settings_.chosen = true;
    client_.setServer(settings_.host, settings_.port);
    if (!settings_.showHeading)
        setHeading(std::nullopt);
    pollWhenWanted();
    if (const QString failure = settings_.save(); !failure.isEmpty())
        Q_EMIT failed(failure);
}

void RotatorSession::setPollInterval(int milliseconds)
{
    poll_.setInterval(milliseconds);
}

void RotatorSession::setReachedWithin(double degrees)
{
    reachedWithin_ = degrees;
}

void RotatorSession::setPaused(bool paused)
{
    paused_ = paused;
    pollWhenWanted();
}

void RotatorSession::turnTo(int azimuth)
{
    target_ = azimuth;
    client_.turnTo(azimuth);
    // The turn is followed until the antenna gets there.
    pollWhenWanted();
    Q_EMIT turnStarted();
}

void RotatorSession::stop()
{
    client_.stop();
}

// Polls while a turn is followed or the heading is shown, and the windows
// are in sight.
void RotatorSession::pollWhenWanted()
{
    if (paused_ || (!target_ && !settings_.showHeading))
        poll_.stop();
    else if (!poll_.isActive())
        poll_.start();
}

void RotatorSession::poll()
{
    client_.requestPosition();
}

void RotatorSession::takePosition(double azimuth)
{
    if (target_ && std::abs(std::remainder(azimuth - *target_, 360.0)) <= reachedWithin_)
        endTurn();
    if (settings_.showHeading) {
        // Whole degrees, 0 to 359, like the azimuths beside it.
        const long whole = std::lround(azimuth) % 360;
        setHeading(static_cast<int>(whole < 0 ? whole + 360 : whole));
    }
}

void RotatorSession::takeDone(Request request)
{
    if (request == Request::Stop)
        endTurn();
}

void RotatorSession::takeFailure(const Failure& failure)
{
    Failure shown = failure;
    if (target_ && shown.request == Request::Position)  // following the turn is what failed
        shown.request = Request::Turn;
    endTurn();
    setHeading(std::nullopt, settings_.showHeading);
    if (shown.request != Request::Position)
        Q_EMIT failed(failureMessage(shown));
}

void RotatorSession::endTurn()
{
    if (!target_)
        return;
    target_.reset();
    pollWhenWanted();
    Q_EMIT turnEnded();
}

// Told only when the whole degree, or the silence, changes.
void RotatorSession::setHeading(std::optional<int> heading, bool silent)
{
    if (heading_ == heading && silent_ == silent)
        return;
    heading_ = heading;
    silent_ = silent;
    Q_EMIT headingChanged();
}

} // namespace rotator

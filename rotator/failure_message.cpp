// The user's words for what went wrong with the rotator: what was not done,
// which daemon said or did what, and what to check.

#include "rotator/rotator_client.h"

#include "geodesy/plural.h"

namespace rotator {
namespace {

// Hamlib's error code for an invalid argument, negated in "RPRT n".
constexpr int InvalidArgument = -1;

QString whatFailed(Request request)
{
    switch (request) {
    case Request::Turn:
        return QStringLiteral("Антенна не повернута.");
    case Request::Stop:
        return QStringLiteral("Антенна не остановлена.");
    case Request::Position:
        break;
    }
    return QStringLiteral("Направление антенны не прочитано.");
}

// "за 1 секунду", "за 2 секунды", "за 5 секунд".
QString withinSeconds(int seconds)
{
    const char* word = geodesy::plural(std::uint64_t(seconds), "секунду", "секунды", "секунд");
    return QStringLiteral("за %1 %2").arg(seconds).arg(QString::fromUtf8(word));
}

QString whyAndWhatToCheck(const Failure& failure, const QString& where)
{
    switch (failure.kind) {
    case FailureKind::NotConnected:
        return QStringLiteral("Нет соединения с rotctld на %1.\nПроверьте, что rotctld запущен и слушает этот порт, "
                              "и что адрес и порт в настройке поворотного устройства верны.")
            .arg(where);
    case FailureKind::NoAnswer:
        return QStringLiteral("rotctld на %1 не ответил %2.\nПроверьте сеть до этого компьютера и что "
                              "rotctld на нем работает.")
            .arg(where, withinSeconds(RotatorClient::TimeoutMs / 1000));
    case FailureKind::ConnectionLost:
        return QStringLiteral("rotctld на %1 закрыл соединение, не ответив.\nПроверьте, что rotctld не остановлен "
                              "и не перезапущен.")
            .arg(where);
    case FailureKind::ErrorReport:
        return QStringLiteral("rotctld на %1 ответил ошибкой RPRT %2.\n").arg(where, QString::number(failure.code))
            + (failure.code == InvalidArgument
                   ? QStringLiteral("Проверьте, что азимут в пределах поворота устройства (min_az и max_az "
                                    "у rotctld).")
                   : QStringLiteral("Проверьте, что rotctld видит само устройство: кабель, питание, порт и "
                                    "номер модели."));
    case FailureKind::BadReply:
        break;
    }
    return QStringLiteral("На %1 ответ не похож на ответ rotctld.\nПроверьте адрес и порт в настройке "
                          "поворотного устройства.")
        .arg(where);
}

} // namespace

QString failureMessage(const Failure& failure)
{
    const QString port = QString::number(failure.port);
    const QString where = failure.host.contains(':')  // an IPv6 address
        ? QStringLiteral("[%1]:%2").arg(failure.host, port)
        : QStringLiteral("%1:%2").arg(failure.host, port);
    return whatFailed(failure.request) + QStringLiteral("\n\n") + whyAndWhatToCheck(failure, where);
}

} // namespace rotator

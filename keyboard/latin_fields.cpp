#include "keyboard/latin_fields.h"

#include "keyboard/same_key.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace keyboard {

namespace {

class LatinKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        const char16_t typed = text.front().unicode();
        const char latin = typed >= 'a' && typed <= 'z' ? char(typed) : latinOnSameKey(typed);
        if (!latin)
            return false;
        const QChar capital = QChar(latin).toUpper();
        QKeyEvent meant(QEvent::KeyPress, Qt::Key(capital.unicode()), key->modifiers(), QString(capital),
                        key->isAutoRepeat(), static_cast<quint16>(key->count()));
        QCoreApplication::sendEvent(watched, &meant);
        return true;
    }
};

} // namespace

void typeLatin(QLineEdit* field)
{
    field->installEventFilter(new LatinKeys(field));
}

} // namespace keyboard

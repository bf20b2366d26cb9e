#pragma once

#include <QObject>

namespace keyboard {

// Access keys in either layout, for the whole application. The captions'
// access keys are Cyrillic, and a ham switches to Latin for every locator:
// with the Latin layout on, Alt and the key that carries Л presses
// «&ЛОКАТОРУ» as it does with the Russian one (and a Latin access key
// works from the Russian layout too). An Alt chord that presses nothing is
// still never typed into a field.
class AccessKeys : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace keyboard

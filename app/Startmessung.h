#pragma once

#include <QObject>

namespace steinfall {

// For start-up measurements: with STEINFALL_ERSTES_BILD set, the moment the
// watched window has been painted for the first time goes to stderr as
// "erstes Bild <seconds since the epoch>".
class Startmessung : public QObject {
public:
    using QObject::QObject;

    static void Beobachten(QObject& fenster);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

} // namespace steinfall

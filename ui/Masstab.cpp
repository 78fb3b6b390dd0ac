#include "ui/Masstab.h"

#include <QScreen>

namespace steinfall {

Masstab Masstab::VomBildschirm(const QScreen& bildschirm) {
    return {1440.0 / bildschirm.logicalDotsPerInchX(), 1440.0 / bildschirm.logicalDotsPerInchY()};
}

} // namespace steinfall

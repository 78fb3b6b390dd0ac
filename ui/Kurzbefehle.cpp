#include "ui/Kurzbefehle.h"

#include "ui/Bildknopf.h"

#include <QKeyEvent>

namespace steinfall {

Kurzbefehle::Kurzbefehle(Bildknopf& neuesSpiel, Bildknopf& anleitung, Bildknopf& info,
                         Bildknopf& beenden)
    : tabelle_{{{Qt::ControlModifier | Qt::Key_N, &neuesSpiel},
                {Qt::ControlModifier | Qt::Key_Q, &beenden},
                {QKeyCombination(Qt::Key_F1), &anleitung},
                {Qt::ShiftModifier | Qt::Key_F1, &info}}} {}

bool Kurzbefehle::Taste(const QKeyEvent& taste) const {
    for (const auto& [kombination, knopf] : tabelle_) {
        if (taste.keyCombination() == kombination) {
            if (!taste.isAutoRepeat()) {
                knopf->KurzDruecken();
            }
            return true;
        }
    }
    return false;
}

} // namespace steinfall

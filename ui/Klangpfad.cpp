#include "ui/Klangpfad.h"

#include "Kennung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace steinfall {

QString KlangPfad(const QString& datei) {
    const QDir programm(QCoreApplication::applicationDirPath());
    const QString daneben = programm.filePath(datei);
    if (QFileInfo::exists(daneben)) {
        return daneben;
    }
    return QDir::cleanPath(programm.filePath(QString::fromUtf8(DatenRelativ) + u'/' + datei));
}

} // namespace steinfall

// The length of a recording on any file content: never a crash, never a
// length beyond what a word can last.
#include "commun.h"

#include "audio/dureewav.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dossier;
    static const QString chemin = QDir(dossier.path()).filePath(QStringLiteral("mot.wav"));
    QFile fichier(chemin);
    fuzz::exiger(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate)
                     && fichier.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size),
                 "cannot prepare the input file");
    fichier.close();
    const int duree = dureeEnregistrementMs(chemin);
    fuzz::exiger(duree >= 0 && duree <= 10 * 60 * 1000, "length out of range");
    return 0;
}

#include "tableslangue.h"

#include "familles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {
const QString kDossier = QStringLiteral("langue");
const QString kPartageDepuisProgramme = QStringLiteral("../../share/orthoval/langue");

// Far above the real tables (about 2 MB): anything larger is not one of ours,
// and is not read into memory.
constexpr qint64 kTailleMaximale = 64 * 1024 * 1024;

// The lines of a table, comments (#) and blank lines left out. A file that
// is missing, not a regular file, too large or not UTF-8 gives no lines.
QList<QStringView> lireLignes(const QString &chemin, QString &texte)
{
    const QFileInfo info(chemin);
    if (!info.isFile() || info.size() > kTailleMaximale)
        return {};
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    texte = utf8.decode(fichier.readAll());
    if (utf8.hasError())
        return {};
    QList<QStringView> lignes;
    for (const QStringView ligne : QStringView(texte).split(u'\n')) {
        const QStringView propre = ligne.trimmed();
        if (!propre.isEmpty() && !propre.startsWith(u'#'))
            lignes << propre;
    }
    return lignes;
}

// A form as the tables write it: no blanks, no control characters.
bool formeValide(QStringView forme)
{
    if (forme.isEmpty() || forme.size() > 64)
        return false;
    for (const QChar c : forme) {
        if (c.isSpace() || c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
            return false;
    }
    return true;
}
}  // namespace

QString trouverDossierLangue(const QString &dossierProgramme)
{
    const QDir programme(dossierProgramme);
    for (const QString &chemin : {kDossier, kPartageDepuisProgramme}) {
        if (QFileInfo(programme.filePath(chemin)).isDir())
            return QDir::cleanPath(programme.filePath(chemin));
    }
    return {};
}

TablesLangue::TablesLangue(const QString &dossier) : dossier_(dossier) {}

void TablesLangue::chargerHomophones() const
{
    if (dossier_.isEmpty())
        return;
    QString texte;
    const QList<QStringView> lignes = lireLignes(QDir(dossier_).filePath(kFichierHomophones), texte);
    groupes_.reserve(lignes.size());
    groupeDe_.reserve(lignes.size() * 3);
    // One group a line: the forms that sound the same, separated by a space.
    for (const QStringView ligne : lignes) {
        QStringList groupe;
        for (const QStringView vue : ligne.split(u' ', Qt::SkipEmptyParts)) {
            QString forme = vue.toString();
            if (formeValide(vue) && !groupeDe_.contains(forme))
                groupe << std::move(forme);
        }
        if (groupe.size() < 2)
            continue;
        for (const QString &forme : std::as_const(groupe))
            groupeDe_.insert(forme, groupes_.size());
        groupes_ << groupe;
    }
}

void TablesLangue::chargerOrthographe() const
{
    if (dossier_.isEmpty())
        return;
    QString texte;
    // One pair a line: the traditional spelling, a tab, the reformed one.
    for (const QStringView ligne : lireLignes(QDir(dossier_).filePath(kFichierOrthographe), texte)) {
        const QList<QStringView> paire = ligne.split(u'\t');
        if (paire.size() != 2 || !formeValide(paire[0]) || !formeValide(paire[1]) || paire[0] == paire[1])
            continue;
        const QString traditionnelle = paire[0].toString();
        const QString rectifiee = paire[1].toString();
        rectifiees_.insert(rectifiee);
        QStringList &autresDeTraditionnelle = variantes_[traditionnelle];
        if (!autresDeTraditionnelle.contains(rectifiee))
            autresDeTraditionnelle << rectifiee;
        QStringList &autresDeRectifiee = variantes_[rectifiee];
        if (!autresDeRectifiee.contains(traditionnelle))
            autresDeRectifiee << traditionnelle;
    }
}

QStringList TablesLangue::variantesOrthographe(const QString &mot) const
{
    std::call_once(orthographeChargee_, [this] { chargerOrthographe(); });
    if (const auto trouve = variantes_.constFind(mot); trouve != variantes_.cend())
        return *trouve;
    return mot.isLower() ? QStringList() : variantes_.value(mot.toLower());
}

bool TablesLangue::estRectifiee(const QString &mot) const
{
    std::call_once(orthographeChargee_, [this] { chargerOrthographe(); });
    return rectifiees_.contains(mot) || (!mot.isLower() && rectifiees_.contains(mot.toLower()));
}

QStringList TablesLangue::homophonesDe(const QString &mot) const
{
    std::call_once(homophonesCharges_, [this] { chargerHomophones(); });
    QString forme = mot;
    auto trouve = groupeDe_.constFind(forme);
    if (trouve == groupeDe_.cend()) {
        if (mot.isLower())
            return {};
        forme = mot.toLower();
        trouve = groupeDe_.constFind(forme);
        if (trouve == groupeDe_.cend())
            return {};
    }
    // The word's other spelling sounds the same but is the same word.
    const QStringList variantes = variantesOrthographe(forme);
    const QStringList basesMot = basesDe(forme);
    QStringList candidats;
    QList<QStringList> basesCandidats;
    for (const QString &autre : std::as_const(groupes_[*trouve])) {
        QStringList bases = basesDe(autre);
        const auto parente = [&](const QString &base) { return basesMot.contains(base); };
        const auto variante = [&](const QString &v) { return bases.contains(v); };
        // memeFamille, with the word's bases found once.
        const bool famille = std::any_of(bases.cbegin(), bases.cend(), parente)
                             || (autre.contains(u'-') && memeFamille(forme, autre));
        if (famille || std::any_of(variantes.cbegin(), variantes.cend(), variante))
            continue;
        candidats << autre;
        basesCandidats << std::move(bases);
    }
    // "mangée", "mangés" and "mangées" go with "mangé": one form of each.
    QStringList homophones;
    for (qsizetype i = 0; i < candidats.size(); ++i) {
        const QStringList &bases = basesCandidats[i];
        const bool flechie = std::any_of(bases.cbegin() + 1, bases.cend(),
                                         [&](const QString &base) { return candidats.contains(base); });
        if (!flechie)
            homophones << candidats[i];
    }
    return homophones;
}

#include "phrases.h"

#include "encodage.h"
#include "enregistrement.h"
#include "listemots.h"
#include "sauvegardes.h"
#include "valeurs.h"

#include <QDir>
#include <QHash>

namespace {

QString cheminPhrases(const QString &dossierInstallation)
{
    return QDir(dossierInstallation).filePath(kFichierPhrases);
}

bool estNiveau(const QString &texte)
{
    return texte.size() == 1 && texte.at(0) >= u'1' && texte.at(0) <= u'5';
}

struct LecturePhrases {
    ListePhrases phrases;
    bool lignesPerdues = false;   // a line with text was skipped
};

LecturePhrases lire(const QString &texte)
{
    LecturePhrases lecture;
    QHash<QString, qsizetype> rangs;
    for (QString ligne : texte.split(u'\n')) {
        if (ligne.endsWith(u'\r'))
            ligne.chop(1);
        if (ligne.trimmed().isEmpty())
            continue;
        const QStringList valeurs = lireValeurs(ligne);
        // More than a record's four quotes: a sentence cut short by a quote of its own.
        const QString phrase = valeurs.size() == 2 ? normaliserPhrase(valeurs.at(1)) : QString();
        const bool bonne = valeurs.size() == 2 && ligne.count(u'"') <= 4 && positionHorsTexte(ligne) < 0
                        && motEnregistrable(valeurs.at(0)) && raisonPhraseRefusee(phrase).isEmpty();
        if (!bonne) {
            lecture.lignesPerdues = true;
            continue;
        }
        const auto rang = rangs.constFind(valeurs.at(0));
        if (rang != rangs.cend()) {
            lecture.phrases[*rang].phrase = phrase;
        } else {
            rangs.insert(valeurs.at(0), lecture.phrases.size());
            lecture.phrases.append({valeurs.at(0), phrase});
        }
    }
    return lecture;
}

} // namespace

QString normaliserPhrase(const QString &texte)
{
    QString phrase = texte.simplified();
    // Opening and closing in turn; the French quotes carry their spaces.
    bool ouvert = false;
    QString resultat;
    resultat.reserve(phrase.size() + 8);
    for (const QChar c : phrase) {
        if (c != u'"') {
            resultat += c;
            continue;
        }
        resultat += ouvert ? QStringLiteral(" »") : QStringLiteral("« ");
        ouvert = !ouvert;
    }
    return resultat.simplified();
}

QString raisonPhraseRefusee(const QString &phrase)
{
    if (phrase.isEmpty())
        return QStringLiteral("la phrase est vide.");
    const qsizetype position = positionNonRepresentable(phrase);
    if (position >= 0)
        return QStringLiteral("le caractère %1 ne peut pas être enregistré.").arg(decrireCaractere(phrase, position));
    if (positionHorsTexte(phrase) >= 0 || phrase.contains(u'"'))
        return QStringLiteral("la phrase contient un caractère qui ne peut pas être enregistré.");
    return {};
}

ListePhrases lirePhrases(const QString &texte)
{
    return lire(texte).phrases;
}

ListePhrases LirePhrases(const QString &dossierInstallation)
{
    const LectureFichier fichier = lireFichier(cheminPhrases(dossierInstallation));
    if (!fichier.lu() || texteAbime(fichier.texte))
        return {};
    return lirePhrases(fichier.texte);
}

std::optional<QByteArray> octetsPhrasesDat(const ListePhrases &phrases)
{
    QString texte;
    for (const EntreePhrase &e : phrases)
        texte += ligneValeurs({e.mot, e.phrase});
    return encoderWindows1252(texte);
}

ResultatEcriture EnregistrerPhrases(const QString &dossierInstallation, const ListePhrases &phrases)
{
    const QString chemin = cheminPhrases(dossierInstallation);
    // Never a line the next reading would skip.
    for (const EntreePhrase &e : phrases) {
        const QString raison = motEnregistrable(e.mot) ? raisonPhraseRefusee(e.phrase)
                                                       : QStringLiteral("« %1 » ne peut pas être un mot de la liste.").arg(e.mot);
        if (!raison.isEmpty())
            return ResultatEcriture::echec(chemin, raison);
    }
    const std::optional<QByteArray> octets = octetsPhrasesDat(phrases);
    if (!octets)
        return ResultatEcriture::echec(chemin, QStringLiteral("une phrase contient un caractère qui ne peut pas "
                                                              "être enregistré."));
    // Lines this program could not read may be the teacher's own work.
    const LectureFichier avant = lireFichier(chemin);
    if (avant.lu() && (texteAbime(avant.texte) || lire(avant.texte).lignesPerdues)) {
        const ResultatEcriture copie = sauvegarderCopie(chemin);
        if (!copie.ok)
            return copie;
    }
    if (phrases.isEmpty())
        return supprimerFichier(chemin);
    return ecrireFichier(chemin, *octets);
}

QString phraseDe(const ListePhrases &phrases, const QString &mot)
{
    for (const EntreePhrase &e : phrases)
        if (e.mot == mot)
            return e.phrase;
    return {};
}

bool donnerPhrase(ListePhrases &phrases, const QString &mot, const QString &phrase)
{
    for (qsizetype i = 0; i < phrases.size(); ++i) {
        if (phrases.at(i).mot != mot)
            continue;
        if (phrases.at(i).phrase == phrase)
            return false;
        if (phrase.isEmpty())
            phrases.removeAt(i);
        else
            phrases[i].phrase = phrase;
        return true;
    }
    if (phrase.isEmpty())
        return false;
    phrases.append({mot, phrase});
    return true;
}

LigneAvecPhrase separerPhrase(const QString &ligne)
{
    qsizetype debut = 0;
    for (;;) {
        const qsizetype point = ligne.indexOf(u';', debut);
        if (point < 0)
            return {ligne, QString()};
        const qsizetype suivant = ligne.indexOf(u';', point + 1);
        const QString morceau = ligne.mid(point + 1, suivant < 0 ? -1 : suivant - point - 1).trimmed();
        if (!estNiveau(morceau))
            return {ligne.left(point), ligne.mid(point + 1).trimmed()};
        if (suivant < 0)
            return {ligne, QString()};
        debut = suivant;
    }
}

ResultatEcriture jeterEnregistrementPhrase(const QString &dossierInstallation, const QString &mot)
{
    const QString chemin = cheminEnregistrement(dossierInstallation, mot, kDossierPhrases);
    if (chemin.isEmpty())
        return ResultatEcriture::reussite(QDir(dossierInstallation).filePath(kDossierPhrases));
    return mettreALaCorbeille(dossierInstallation, kDossierPhrases, chemin);
}

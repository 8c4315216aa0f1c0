#include "corbeille.h"

#include "phrases.h"
#include "sauvegardes.h"
#include "valeurs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kNiveaux[] = {QString(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                            QStringLiteral("4"), QStringLiteral("5")};

// A word's recording is a few seconds; a larger file in Corbeille was put
// there by someone else and is not read whole.
constexpr qint64 kTailleMax = 64 * 1024 * 1024;

bool extensionWav(const QString &nom)
{
    return nom.size() > 4 && nom.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
}

// "chat (2026-12-07 09h41m05).wav" -> ".chat (2026-12-07 09h41m05).dat":
// hidden, so that the teacher looking into the folder sees recordings only.
QString nomNote(const QString &nomFichier)
{
    return u'.' + nomFichier.chopped(4) + QStringLiteral(".dat");
}

bool niveauValide(const QString &niveau)
{
    return std::find(std::begin(kNiveaux), std::end(kNiveaux), niveau) != std::end(kNiveaux);
}

// The note beside a recording, when it is there and speaks of that word; a
// note that says anything else is ignored (the recording still comes back).
void lireNote(const QString &chemin, EnregistrementJete &jete)
{
    if (QFileInfo(chemin).isSymLink())
        return;
    const std::optional<QStringList> valeurs = lireFichierValeurs(chemin);
    if (!valeurs || valeurs->size() < 3 || valeurs->at(0) != jete.mot || !niveauValide(valeurs->at(1)))
        return;
    jete.niveau = valeurs->at(1);
    jete.precedent = valeurs->at(2);
    if (valeurs->size() < 5)
        return;   // a note of a word without a sentence, or of an older version
    const QString phrase = normaliserPhrase(valeurs->at(3));
    if (!raisonPhraseRefusee(phrase).isEmpty())
        return;
    jete.phrase = phrase;
    // Only a name within Corbeille/Phrases.
    const QString &nom = valeurs->at(4);
    if (extensionWav(nom) && !nom.startsWith(u'.') && !nom.contains(u'/') && !nom.contains(u'\\'))
        jete.enregistrementPhrase = nom;
}

// The bytes of a file of Corbeille, never through a link; the French reason otherwise.
QString lireOctets(const QString &chemin, QByteArray &octets)
{
    const QFileInfo info(chemin);
    const QString nom = info.fileName();
    if (info.isSymLink())
        return QStringLiteral("« %1 » est un lien symbolique.").arg(nom);
    QFile fichier(chemin);
    switch (ouvrirEnLecture(fichier, chemin)) {
    case OuvertureLecture::Ouvert:
        break;
    case OuvertureLecture::Absent:
        return QStringLiteral("« %1 » n'est plus dans la corbeille.").arg(nom);
    case OuvertureLecture::PasUnFichier:
        return QStringLiteral("« %1 » n'est pas un fichier ordinaire.").arg(nom);
    case OuvertureLecture::Refusee:
        return QStringLiteral("« %1 » ne peut pas être lu.").arg(nom);
    }
    if (fichier.size() > kTailleMax)
        return QStringLiteral("« %1 » est bien trop gros pour l'enregistrement d'un mot.").arg(nom);
    octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        return QStringLiteral("« %1 » ne peut pas être lu.").arg(nom);
    return QString();
}

Corbeille::Remise remise(Corbeille::Issue issue, const QString &detail = QString())
{
    Corbeille::Remise r;
    r.issue = issue;
    r.detail = detail;
    return r;
}

} // namespace

Corbeille::Corbeille(QString dossierInstallation) : dossierInstallation_(std::move(dossierInstallation)) {}

QString Corbeille::dossier() const
{
    return QDir(dossierInstallation_).filePath(kDossierCorbeille);
}

QString Corbeille::chemin(const EnregistrementJete &jete) const
{
    return QDir(dossier()).filePath(jete.nomFichier);
}

QList<EnregistrementJete> Corbeille::lister() const
{
    static const QRegularExpression date(
        QStringLiteral("^(.+) \\((\\d{4}-\\d{2}-\\d{2} \\d{2}h\\d{2}m\\d{2})(?: \\d+)?\\)\\.wav$"),
        QRegularExpression::CaseInsensitiveOption);
    QList<EnregistrementJete> jetes;
    if (QFileInfo(dossier()).isSymLink())
        return jetes;
    const QDir corbeille(dossier());
    for (const QFileInfo &info : corbeille.entryInfoList(QDir::Files | QDir::NoSymLinks)) {
        const QString nom = info.fileName();
        if (!extensionWav(nom))
            continue;
        EnregistrementJete jete;
        jete.nomFichier = nom;
        const QRegularExpressionMatch m = date.match(nom);
        if (m.hasMatch()) {
            jete.mot = m.captured(1);
            jete.moment = QDateTime::fromString(m.captured(2), QStringLiteral("yyyy-MM-dd HH'h'mm'm'ss"));
        }
        if (!jete.moment.isValid()) {   // "chat.wav" of an older installation
            jete.mot = nom.chopped(4);
            jete.moment = info.lastModified();
        }
        if (!motEnregistrable(jete.mot))
            continue;
        lireNote(corbeille.filePath(nomNote(nom)), jete);
        jetes.append(jete);
    }
    std::sort(jetes.begin(), jetes.end(), [](const EnregistrementJete &a, const EnregistrementJete &b) {
        return a.moment != b.moment ? a.moment > b.moment : a.nomFichier > b.nomFichier;
    });
    return jetes;
}

ResultatEcriture Corbeille::jeterMot(const QString &cheminEnregistrement, const ListeMots &liste, qsizetype rang,
                                     const QDateTime &moment)
{
    QString nom;
    const ResultatEcriture deplacement = mettreALaCorbeille(dossierInstallation_, cheminEnregistrement, &nom, moment);
    if (!deplacement.ok || nom.isEmpty() || rang < 0 || rang >= liste.size())
        return deplacement;
    const QString &mot = liste.at(rang).mot;
    const QString precedent = rang > 0 ? liste.at(rang - 1).mot : QString();
    QStringList note{mot, liste.at(rang).niveau, precedent};
    // The sentence goes with the word, its recording beside the word's.
    if (const QString phrase = phraseDe(LirePhrases(dossierInstallation_), mot); !phrase.isEmpty()) {
        QString nomPhrase;
        const QString enregistrement = ::cheminEnregistrement(dossierInstallation_, mot, kDossierPhrases);
        if (!enregistrement.isEmpty())
            mettreALaCorbeille(dossierInstallation_, kDossierPhrases, enregistrement, &nomPhrase, moment);
        note << phrase << nomPhrase;
    }
    ecrireFichierTexte(QDir(dossier()).filePath(nomNote(nom)), ligneValeurs(note));
    return deplacement;
}

Corbeille::Remise Corbeille::remettre(const EnregistrementJete &jete, Remplacement remplacement)
{
    const auto echec = [](const QString &detail) { return remise(Issue::Echec, detail); };
    if (!motEnregistrable(jete.mot) || jete.nomFichier.contains(u'/') || !extensionWav(jete.nomFichier))
        return echec(QStringLiteral("« %1 » ne peut pas être un mot de la liste.").arg(jete.mot));
    const QString source = chemin(jete);
    if (QFileInfo(dossier()).isSymLink())
        return echec(QStringLiteral("« %1 » est un lien symbolique.").arg(kDossierCorbeille));
    QByteArray octets;
    const QString raison = lireOctets(source, octets);
    if (!raison.isEmpty())
        return echec(raison);

    const QString actuel = cheminEnregistrement(dossierInstallation_, jete.mot);
    if (!actuel.isEmpty() && remplacement == Remplacement::Jamais)
        return remise(Issue::Occupe);
    // Written whole beside Sons/<word>.wav before anything moves: a failure
    // leaves both recordings where they were.
    EnregistrementProvisoire provisoire(dossierInstallation_, octets);
    if (!provisoire.ecriture().ok)
        return echec(provisoire.ecriture().detail);
    if (!actuel.isEmpty()) {
        const ResultatEcriture ancien = mettreALaCorbeille(dossierInstallation_, actuel);
        if (!ancien.ok)
            return echec(ancien.detail);
    }
    // Only the recording just moved away may be replaced: one that appeared
    // meanwhile stays.
    const ResultatEcriture place = provisoire.placer(nomEnregistrement(jete.mot), Remplacement::Jamais);
    if (!place.ok)
        return place.detail == kEnregistrementExistant ? remise(Issue::Occupe) : echec(place.detail);
    supprimerFichier(source);
    supprimerFichier(QDir(dossier()).filePath(nomNote(jete.nomFichier)));
    return remettrePhrase(jete, remise(Issue::Remis));
}

Corbeille::Remise Corbeille::remettrePhrase(const EnregistrementJete &jete, Remise remise)
{
    if (jete.phrase.isEmpty())
        return remise;
    const auto echec = [&remise](const QString &detail) {
        remise.phrase = IssuePhrase::Echec;
        remise.detailPhrase = detail;
        return remise;
    };
    const LectureFichier fichier = lireFichier(QDir(dossierInstallation_).filePath(kFichierPhrases));
    if (fichier.illisible())
        return echec(QStringLiteral("« %1 » ne peut pas être lu : %2").arg(kFichierPhrases, fichier.raison));
    // Every line that can be read is kept, from a damaged file too.
    ListePhrases phrases = fichier.lu() ? lirePhrases(fichier.texte) : ListePhrases();
    // A sentence given since is the teacher's latest word on it.
    if (!phraseDe(phrases, jete.mot).isEmpty()
        || !::cheminEnregistrement(dossierInstallation_, jete.mot, kDossierPhrases).isEmpty()) {
        remise.phrase = IssuePhrase::Gardee;
        return remise;
    }
    const QString dossierRange = QDir(dossier()).filePath(kDossierPhrases);
    const QString range = jete.enregistrementPhrase.isEmpty() ? QString()
                                                              : QDir(dossierRange).filePath(jete.enregistrementPhrase);
    const QString place = QDir(QDir(dossierInstallation_).filePath(kDossierPhrases)).filePath(nomEnregistrement(jete.mot));
    bool enregistrementRemis = false;
    // A recording gone from Corbeille leaves the sentence to be spoken again.
    if (!range.isEmpty() && (QFileInfo::exists(range) || QFileInfo(range).isSymLink())) {
        if (QFileInfo(dossierRange).isSymLink())
            return echec(QStringLiteral("« %1/%2 » est un lien symbolique.").arg(kDossierCorbeille, kDossierPhrases));
        QByteArray octets;
        if (const QString raison = lireOctets(range, octets); !raison.isEmpty())
            return echec(raison);
        const ResultatEcriture ecrit = ecrireEnregistrement(dossierInstallation_, nomEnregistrement(jete.mot), octets,
                                                            Remplacement::Jamais, kDossierPhrases);
        if (!ecrit.ok)
            return echec(ecrit.detail);
        enregistrementRemis = true;
    }
    donnerPhrase(phrases, jete.mot, jete.phrase);
    const ResultatEcriture ecriture = EnregistrerPhrases(dossierInstallation_, phrases);
    if (!ecriture.ok) {
        if (enregistrementRemis)
            supprimerFichier(place);
        return echec(ecriture.detail);
    }
    if (enregistrementRemis)
        supprimerFichier(range);
    remise.phrase = IssuePhrase::Remise;
    return remise;
}

qsizetype Corbeille::replacerDansListe(ListeMots &liste, const EnregistrementJete &jete)
{
    for (const EntreeMot &e : liste)
        if (e.mot == jete.mot)
            return -1;
    qsizetype rang = liste.size();
    if (jete.precedent) {
        if (jete.precedent->isEmpty())
            rang = 0;
        for (qsizetype i = 0; i < liste.size() && rang != 0; ++i)
            if (liste.at(i).mot == *jete.precedent) {
                rang = i + 1;
                break;
            }
    }
    liste.insert(rang, EntreeMot{jete.mot, jete.niveau.value_or(QString())});
    return rang;
}

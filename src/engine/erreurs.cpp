#include "erreurs.h"

#include "texte.h"

namespace {

const QString kSonJuste = QStringLiteral("Le son est juste, l'orthographe n'est pas encore mémorisée : %1");

// Letters only: apostrophes, hyphens and spaces out, lower case.
QString sansSignes(const QString &texte)
{
    QString resultat;
    for (const QChar c : texte)
        if (c != u'\'' && c != u'’' && c != u'-' && c != u' ')
            resultat += c.toLower();
    return resultat;
}

bool estConsonne(QChar c)
{
    return c.isLetter() && !QStringLiteral("aeiouyàâéèêëîïôöùûüœæ").contains(c.toLower());
}

// "ballon" and "balon" both give "balon".
QString consonnesSimples(const QString &texte)
{
    QString resultat;
    for (const QChar c : texte)
        if (resultat.isEmpty() || c != resultat.back() || !estConsonne(c))
            resultat += c;
    return resultat;
}

// The letters differ only at the end of the word, after at least one right
// letter, over at most three letters, and the right letters alone already
// sound like the word: gran for grand, chocola, fleure. Not bato for bateau:
// "bat" is not /bato/, the "eau" is heard.
bool differenceFinale(const QString &tapee, const QString &attendue, const QString &phonemesAttendue,
                      const SourcePhonemes &source)
{
    qsizetype communes = 0;
    while (communes < tapee.size() && communes < attendue.size()
           && tapee[communes].toLower() == attendue[communes].toLower())
        ++communes;
    if (communes == 0 || tapee.size() - communes > 3 || attendue.size() - communes > 3)
        return false;
    return communes == attendue.size() || source.phonemes(attendue.left(communes)) == phonemesAttendue;
}

// A real word of its own, and not the dictated word's own plural or
// feminine (dents for dent is a silent final letter).
bool estHomophone(const QString &tapee, const QString &attendue, const SourcePhonemes &source)
{
    if (!source.homophones)
        return false;
    const QString t = tapee.toLower(), a = attendue.toLower();
    if (t == a)
        return false;
    if (source.homophones(a).contains(t))
        return true;
    if (source.homophones(t).isEmpty())
        return false;   // not a form of the index: no known word
    for (const QString &fin : {QStringLiteral("s"), QStringLiteral("x"), QStringLiteral("e"), QStringLiteral("es")})
        if (t == a + fin || a == t + fin)
            return false;
    return true;
}

// What the letters show, the sounds being right.
SorteErreur sorteOrthographe(const QString &tapee, const QString &attendue, const QString &phonemesAttendue,
                             const SourcePhonemes &source)
{
    // A real word first: "ou" for "où" is another word, not a missing accent.
    if (estHomophone(tapee, attendue, source))
        return SorteErreur::Homophone;
    const QString t = sansSignes(tapee), a = sansSignes(attendue);
    if (t == a)
        return SorteErreur::Signes;
    if (SansAccents(t) == SansAccents(a))
        return SorteErreur::Accent;
    if (consonnesSimples(tapee) == consonnesSimples(attendue))
        return SorteErreur::ConsonneDouble;
    if (differenceFinale(tapee, attendue, phonemesAttendue, source))
        return SorteErreur::FinaleMuette;
    return SorteErreur::AutreOrthographe;
}

} // namespace

bool sonGarde(SorteErreur sorte)
{
    return sorte != SorteErreur::SonChange && sorte != SorteErreur::Inconnue;
}

QString libelleSorte(SorteErreur sorte)
{
    switch (sorte) {
    case SorteErreur::SonChange:
        return QStringLiteral("Le son a changé");
    case SorteErreur::FinaleMuette:
        return kSonJuste.arg(QStringLiteral("lettre finale muette"));
    case SorteErreur::ConsonneDouble:
        return kSonJuste.arg(QStringLiteral("consonne simple ou double"));
    case SorteErreur::Accent:
        return kSonJuste.arg(QStringLiteral("accent qui ne change pas le son"));
    case SorteErreur::Signes:
        return kSonJuste.arg(QStringLiteral("apostrophe, trait d'union, espace ou majuscule"));
    case SorteErreur::AutreOrthographe:
        return kSonJuste.arg(QStringLiteral("autres lettres"));
    case SorteErreur::Homophone:
        return kSonJuste.arg(QStringLiteral("un autre mot qui se dit pareil (homophone)"));
    case SorteErreur::Inconnue:
        break;
    }
    return QStringLiteral("Les sons n'ont pas pu être comparés (synthèse vocale absente)");
}

QString libelleCourt(SorteErreur sorte)
{
    switch (sorte) {
    case SorteErreur::SonChange:
        return QStringLiteral("Son changé");
    case SorteErreur::FinaleMuette:
        return QStringLiteral("Lettre finale muette");
    case SorteErreur::ConsonneDouble:
        return QStringLiteral("Consonne simple ou double");
    case SorteErreur::Accent:
        return QStringLiteral("Accent");
    case SorteErreur::Signes:
        return QStringLiteral("Apostrophe / trait d'union / majuscule");
    case SorteErreur::AutreOrthographe:
        return QStringLiteral("Autres lettres");
    case SorteErreur::Homophone:
        return QStringLiteral("Homophone");
    case SorteErreur::Inconnue:
        break;
    }
    return QStringLiteral("Non comparé");
}

SorteErreur ClasserErreur(const QString &tapee, const QString &attendue, const SourcePhonemes &source)
{
    if (tapee.trimmed().isEmpty())
        return SorteErreur::SonChange;
    const QString phonemesTapee = source.phonemes(tapee), phonemesAttendue = source.phonemes(attendue);
    if (phonemesTapee.isEmpty() || phonemesAttendue.isEmpty())
        return SorteErreur::Inconnue;
    if (phonemesTapee != phonemesAttendue)
        return SorteErreur::SonChange;
    return sorteOrthographe(tapee, attendue, phonemesAttendue, source);
}

BilanErreurs ResumerErreurs(const LectureJournal &journal, const SourcePhonemes &source, int maxRecentes)
{
    BilanErreurs bilan;
    bilan.incomplet = journal.incomplet;
    bilan.reponses = int(journal.lignes.size());
    QStringList orthographes;
    for (const LigneJournal &ligne : journal.lignes) {
        int &fautes = bilan.fautesParMot[ligne.mot];
        if (!ligne.juste) {
            ++fautes;
            orthographes << ligne.tapee << ligne.mot;
        }
    }
    if (source.prevoir)
        source.prevoir(orthographes);
    // Newest first: the journal is in the order of writing.
    for (auto ligne = journal.lignes.crbegin(); ligne != journal.lignes.crend(); ++ligne) {
        if (ligne->juste)
            continue;
        const SorteErreur sorte = ClasserErreur(ligne->tapee, ligne->mot, source);
        ++bilan.erreurs;
        ++bilan.parSorte[size_t(sorte)];
        if (bilan.recentes.size() < maxRecentes)
            bilan.recentes.append({ligne->date, ligne->heure, ligne->mot, ligne->tapee, sorte});
    }
    return bilan;
}

BilanErreurs ResumerErreursEleve(const QString &dossier, const QString &eleve, const SourcePhonemes &source,
                                 int maxRecentes)
{
    return ResumerErreurs(LireJournal(dossier, eleve), source, maxRecentes);
}

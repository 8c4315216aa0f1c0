#include "erreurs.h"

#include "alignement.h"
#include "texte.h"

#include <algorithm>

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
// letter, and over at most three letters: chocola, gran, fleure.
bool differenceFinale(const QString &tapee, const QString &attendue)
{
    const QList<CaseAlignee> cases = AlignerReponse(tapee, attendue);
    qsizetype fin = cases.size();
    while (fin > 0 && cases[fin - 1].differe())
        --fin;
    const bool avantJuste = std::none_of(cases.cbegin(), cases.cbegin() + fin, [](const CaseAlignee &c) { return c.differe(); });
    return avantJuste && fin > 0 && cases.size() - fin <= 3;
}

// What the letters show, the sounds being right.
SorteErreur sorteOrthographe(const QString &tapee, const QString &attendue)
{
    const QString t = sansSignes(tapee), a = sansSignes(attendue);
    if (t == a)
        return SorteErreur::Signes;
    if (SansAccents(t) == SansAccents(a))
        return SorteErreur::Accent;
    if (consonnesSimples(tapee) == consonnesSimples(attendue))
        return SorteErreur::ConsonneDouble;
    if (differenceFinale(tapee, attendue))
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
    case SorteErreur::Inconnue:
        break;
    }
    return QStringLiteral("Non comparé");
}

SorteErreur ClasserErreur(const QString &tapee, const QString &attendue, const QString &phonemesTapee,
                          const QString &phonemesAttendue)
{
    if (tapee.trimmed().isEmpty())
        return SorteErreur::SonChange;
    if (phonemesTapee.isEmpty() || phonemesAttendue.isEmpty())
        return SorteErreur::Inconnue;
    if (phonemesTapee != phonemesAttendue)
        return SorteErreur::SonChange;
    return sorteOrthographe(tapee, attendue);
}

SorteErreur ClasserErreur(const QString &tapee, const QString &attendue, const SourcePhonemes &source)
{
    if (tapee.trimmed().isEmpty())
        return SorteErreur::SonChange;
    return ClasserErreur(tapee, attendue, source.phonemes(tapee), source.phonemes(attendue));
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

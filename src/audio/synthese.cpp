#include "synthese.h"

#include "traitement.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPromise>
#include <QThreadPool>

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

namespace {
// The starter library's voice (src/installer/enregistrer-mots.sh runs
// "espeak-ng -v fr -s 110"): a word added later sounds like the words the
// class already knows. Slower than the voice's 175 words a minute, so a child
// follows every syllable; the pause that ends a sentence is kept after the
// word, as the command line keeps it, so a word never stops short.
constexpr int kMotsParMinute = 110;
constexpr int kDrapeauxTexte = espeakCHARS_UTF8 | espeakENDPAUSE;

const QString kMoteurAbsent = QStringLiteral(
    "la synthèse vocale (espeak-ng) n'a pas pu démarrer : vérifiez que le paquet espeak-ng-data "
    "est installé.");

// State of the engine, touched on the engine's thread only.
int frequence = 0;             // samples per second; 0 until started, -1 when it failed
std::vector<short> *captes = nullptr;

int recevoir(short *echantillons, int nombre, espeak_EVENT *)
{
    if (echantillons && nombre > 0 && captes)
        captes->insert(captes->end(), echantillons, echantillons + nombre);
    return 0;  // go on
}

bool demarrer()
{
    if (frequence == 0) {
        // NULL path: the library finds its installed espeak-ng-data.
        const int f = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (f <= 0 || espeak_SetVoiceByName("fr") != EE_OK) {
            frequence = -1;
        } else {
            frequence = f;
            espeak_SetSynthCallback(recevoir);
            espeak_SetParameter(espeakRATE, kMotsParMinute, 0);
        }
    }
    return frequence > 0;
}
}  // namespace

MotParle synthetiserMot(const QString &mot)
{
    MotParle parle;
    if (!demarrer()) {
        parle.erreur = kMoteurAbsent;
        return parle;
    }
    std::vector<short> &echantillons = parle.echantillons;
    captes = &echantillons;
    const QByteArray texte = mot.toUtf8();
    const espeak_ERROR erreur = espeak_Synth(texte.constData(), size_t(texte.size()) + 1, 0, POS_CHARACTER, 0,
                                             kDrapeauxTexte, nullptr, nullptr);
    captes = nullptr;
    if (erreur != EE_OK || std::all_of(echantillons.cbegin(), echantillons.cend(), [](short e) { return e == 0; })) {
        echantillons.clear();
        parle.erreur = QStringLiteral("la synthèse vocale n'a produit aucun son pour ce mot.");
        return parle;
    }
    parle.frequence = frequence;
    return parle;
}

QString ecrireMotParle(const QString &dossierInstallation, const QString &mot)
{
    if (!demarrer())
        return kMoteurAbsent;
    if (!cheminEnregistrement(dossierInstallation, mot).isEmpty())
        return kEnregistrementExistant;
    const MotParle parle = synthetiserMot(mot);
    if (!parle.erreur.isEmpty())
        return parle.erreur;
    return enregistrerMot(dossierInstallation, mot, parle.echantillons, parle.frequence, Remplacement::Jamais).detail;
}

QString convertirEnPhonemes(const QString &mot)
{
    if (!demarrer())
        return QString();
    const auto lire = [](const QString &texte) {
        const QByteArray octets = texte.toUtf8();
        const void *suite = octets.constData();
        QString ipa;
        // One clause a call; the pointer is null after the last.
        while (suite) {
            const char *morceau = espeak_TextToPhonemes(&suite, espeakCHARS_UTF8, espeakPHONEMES_IPA);
            if (!morceau)
                break;
            ipa += QString::fromUtf8(morceau);
        }
        return ipa;
    };
    // espeak-ng's French rules hand a word they take for a loanword to its
    // English rules ("sabl" comes back as "(en)sˈabəl(fr)", "rythme" too), and
    // libespeak-ng has no setting that forbids it. A child's spelling must be
    // heard as French, so a word that switched is read again as French
    // spelling reads it: "th" is a t, and a final consonant takes the silent e
    // of "sable". Of the 346,205 forms of Debian's wfrench, 2,437 switched;
    // 1,370 loanwords still do (camping, week-end): those keep espeak's
    // reading, without the language marks.
    const auto bascule = [](const QString &ipa) { return ipa.contains(u'('); };
    QString phonemes = lire(mot);
    if (bascule(phonemes)) {
        QString sansTh = mot;
        sansTh.replace(QStringLiteral("th"), QStringLiteral("t")).replace(QStringLiteral("Th"), QStringLiteral("T"));
        for (const QString &essai : {sansTh, mot + u'e', sansTh + u'e'}) {
            if (essai == mot)
                continue;
            const QString autre = lire(essai);
            if (!bascule(autre)) {
                phonemes = autre;
                break;
            }
        }
    }
    for (qsizetype debut = phonemes.indexOf(u'('); debut >= 0; debut = phonemes.indexOf(u'(', debut)) {
        const qsizetype fin = phonemes.indexOf(u')', debut);
        phonemes.remove(debut, fin < 0 ? phonemes.size() - debut : fin - debut + 1);
    }
    QString resultat;
    resultat.reserve(phonemes.size());
    for (const QChar c : std::as_const(phonemes)) {
        switch (c.unicode()) {
        // '-' ends a word espeak-ng reads unstressed ("ses", "la", "sa"): the same
        // sounds as "ces", "là", "ça", which it reads stressed.
        case u'ˈ': case u'ˌ': case u'ː': case u' ': case u'\n': case u'_': case u'-':
            break;
        case u'ɛ': resultat += u'e'; break;
        case u'ɔ': resultat += u'o'; break;
        case u'œ': resultat += u'ø'; break;
        case u'ɑ': resultat += u'a'; break;
        default: resultat += c;
        }
    }
    return resultat;
}

namespace {
// The one thread that owns the engine. It never expires, so the engine
// always runs on the thread that started it; at the end of the program the
// jobs still queued are done, then the engine is stopped.
struct FilMoteur {
    QThreadPool fil;
    FilMoteur()
    {
        fil.setMaxThreadCount(1);
        fil.setExpiryTimeout(-1);
    }
    ~FilMoteur()
    {
        fil.waitForDone();
        if (frequence > 0)
            espeak_Terminate();
        frequence = 0;
    }
};

QThreadPool *filMoteur()
{
    static FilMoteur moteur;
    return &moteur.fil;
}

// Queues work for the engine's thread. Not QtConcurrent::run: waiting on
// its future runs a job not yet started on the waiting thread, and the
// engine would then be used from two threads at once. A job cancelled
// before its turn is skipped.
template <typename T, typename Travail>
QFuture<T> surLeFilMoteur(Travail travail)
{
    auto promesse = std::make_shared<QPromise<T>>();
    promesse->start();
    QFuture<T> future = promesse->future();
    filMoteur()->start([promesse, travail = std::move(travail)] {
        if (!promesse->isCanceled())
            promesse->addResult(travail());
        promesse->finish();
    });
    return future;
}

// The phonemes of every word converted in this run.
std::mutex verrouPhonemes;
QHash<QString, QString> phonemesConnus;
}  // namespace

QFuture<MotParle> SyntheseEspeak::prononcer(const QString &mot)
{
    return surLeFilMoteur<MotParle>([mot] { return synthetiserMot(mot); });
}

QFuture<QString> SyntheseEspeak::enregistrer(const QString &dossierInstallation, const QString &mot)
{
    return surLeFilMoteur<QString>([dossierInstallation, mot] { return ecrireMotParle(dossierInstallation, mot); });
}

QString phonemesMot(const QString &mot)
{
    {
        std::lock_guard garde(verrouPhonemes);
        if (const auto trouve = phonemesConnus.constFind(mot); trouve != phonemesConnus.cend())
            return *trouve;
    }
    const QString phonemes = surLeFilMoteur<QString>([mot] { return convertirEnPhonemes(mot); }).result();
    std::lock_guard garde(verrouPhonemes);
    phonemesConnus.insert(mot, phonemes);
    return phonemes;
}

void prevoirPhonemes(const QStringList &mots)
{
    QStringList nouveaux;
    {
        std::lock_guard garde(verrouPhonemes);
        for (const QString &mot : mots)
            if (!phonemesConnus.contains(mot))
                nouveaux << mot;
    }
    nouveaux.removeDuplicates();
    if (nouveaux.isEmpty())
        return;
    const QStringList phonemes = surLeFilMoteur<QStringList>([nouveaux] {
                                     QStringList resultat;
                                     for (const QString &mot : nouveaux)
                                         resultat << convertirEnPhonemes(mot);
                                     return resultat;
                                 }).result();
    std::lock_guard garde(verrouPhonemes);
    for (qsizetype i = 0; i < nouveaux.size(); ++i)
        phonemesConnus.insert(nouveaux[i], phonemes[i]);
}

SourcePhonemes phonemesSynthese()
{
    return {phonemesMot, prevoirPhonemes};
}

// Playing words: which file a word is played from, and what is really heard.
// The listening cases start a private PulseAudio server whose sink writes
// every sample it plays into a FIFO, and drive a real pupil window with the
// real sound device (the playback module, Qt Multimedia) over it.
#include "audio/serveurson.h"
#include "platform/plateformeqt.h"
#include "data/listemots.h"
#include "pupil/pilote.h"

#include <sndfile.h>

namespace {

// A spoken word, recorded by espeak-ng's French voice (mono, 22,050 Hz).
void enregistrer(const QString &chemin, const QString &texte)
{
    QProcess espeak;
    espeak.start(u"espeak-ng"_s, {u"-v"_s, u"fr"_s, u"-w"_s, chemin, texte});
    QVERIFY2(espeak.waitForFinished(30000) && espeak.exitCode() == 0, "espeak-ng is needed (scripts/common.sh)");
}

// The recording's energy in the unit of ServeurSon::energie: the sum over
// frames of the mean square of the channels, divided by the rate. Resampling
// keeps a band-limited signal's mean power, and the server copies a mono
// recording to both channels, so a whole play brings back the same figure.
double energieFichier(const QString &chemin)
{
    SF_INFO info{};
    SNDFILE *f = sf_open(QFile::encodeName(chemin).constData(), SFM_READ, &info);
    if (!f)
        return 0;
    std::vector<float> trame(size_t(info.channels));
    double somme = 0;
    while (sf_readf_float(f, trame.data(), 1) == 1)
        for (float x : trame)
            somme += double(x) * x;
    sf_close(f);
    return somme / info.channels / info.samplerate;
}

// An installation with one word at level 1, recorded as `fichier` in Sons,
// and the new pupil Paul.
void preparerMot(const Installation &inst, const QString &mot, const QString &fichier)
{
    QDir(inst.dossier.path()).mkpath(u"Sons"_s);
    inst.ecrire(u"Mots.dat"_s, QStringEncoder("windows-1252").encode(u"\"*\",\"%1\",\"1\"\r\n"_s.arg(mot)));
    inst.ecrireBilan(u"Paul"_s, {});
    enregistrer(inst.chemin(u"Sons/"_s + fichier), u"hippopotame"_s);
}

// A pupil window on the real sound device; everything else is a double.
struct VisiteEcoutee {
    PlateformeFactice factice;
    SonQt son;
    EtatProgramme etat;
    std::unique_ptr<FrmEleve> fenetre;

    explicit VisiteEcoutee(const Installation &inst)
    {
        etat.dossierInstallation = inst.dossier.path();
        Plateforme services = factice.services();
        services.son = &son;
        fenetre = std::make_unique<FrmEleve>(etat, services);
        fenetre->show();
        auto *liste = fenetre->findChild<QComboBox *>(u"cmbEleve"_s);
        liste->setCurrentIndex(liste->findText(u"Paul"_s));
    }
    // "C'est moi.": the word is presented and heard; returns after the wait.
    void identifier() { fenetre->findChild<QPushButton *>(u"cmdIdentite"_s)->click(); }
    // A click on the loudspeaker; returns when the word has been played.
    void ecouter() { QTest::mouseClick(fenetre->findChild<QLabel *>(u"imgSon"_s), Qt::LeftButton); }
};

const char *const kSansServeur = "--sans-serveur";

} // namespace

// Run in a child process (the audio libraries connect once per process):
// with no sound server at all, the visit goes on in silence.
class VisiteSansServeur : public QObject {
    Q_OBJECT
private slots:
    void visite()
    {
        Installation inst;
        preparerMot(inst, u"hippopotame"_s, u"hippopotame.wav"_s);
        VisiteEcoutee v(inst);
        QElapsedTimer chrono;
        chrono.start();
        v.identifier();
        v.ecouter();
        QCOMPARE(v.fenetre->motCourant(), u"hippopotame"_s);
        QVERIFY(v.fenetre->isVisible());
        QVERIFY(v.factice.messages.demandes.isEmpty());
        // Two waits of 4/3 of the word's length, nothing more.
        const double attente = 2 * (v.son.dureeMs(inst.chemin(u"Sons/hippopotame.wav"_s)) * 4.0 / 3.0 + 100);
        QVERIFY2(chrono.elapsed() < attente + 2000, qPrintable(u"%1 ms"_s.arg(chrono.elapsed())));
        v.fenetre->findChild<QPushButton *>(u"cmdQuitter"_s)->click();
        QVERIFY(!v.fenetre->isVisible());
    }
};

class TestSon : public QObject {
    Q_OBJECT

    // One server for the whole run: the audio libraries connect once per
    // process and do not follow a new server.
    std::unique_ptr<ServeurSon> serveur_;
    QString erreurServeur_;

private slots:
    void initTestCase()
    {
        if (ServeurSon::programme().isEmpty())
            return;
        serveur_ = std::make_unique<ServeurSon>();
        erreurServeur_ = serveur_->demarrer();
        serveur_->diriger();
    }
    void cleanupTestCase() { serveur_.reset(); }

    // The file a word is played from, through a whole visit with the fake
    // sound device: the word's own recording whatever the case of ".wav",
    // the word itself matched exactly, and never a file outside Sons.
    void enregistrementJoue_data()
    {
        QTest::addColumn<QStringList>("fichiers");
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("joue");
        QTest::newRow(".wav") << QStringList{u"Sons/chat.wav"_s} << u"chat"_s << u"Sons/chat.wav"_s;
        QTest::newRow("Chat.WAV") << QStringList{u"Sons/Chat.WAV"_s} << u"Chat"_s << u"Sons/Chat.WAV"_s;
        QTest::newRow("chat.WAV") << QStringList{u"Sons/chat.WAV"_s} << u"chat"_s << u"Sons/chat.WAV"_s;
        QTest::newRow("chat.Wav") << QStringList{u"Sons/chat.Wav"_s} << u"chat"_s << u"Sons/chat.Wav"_s;
        QTest::newRow(".wav before .WAV") << QStringList{u"Sons/chat.WAV"_s, u"Sons/chat.wav"_s} << u"chat"_s
                                          << u"Sons/chat.wav"_s;
        QTest::newRow("apostrophe and space") << QStringList{u"Sons/l'âne gris.WAV"_s} << u"l'âne gris"_s
                                              << u"Sons/l'âne gris.WAV"_s;
        QTest::newRow("word in another case") << QStringList{u"Sons/Chat.WAV"_s} << u"chat"_s << QString();
        QTest::newRow("other extension") << QStringList{u"Sons/chat.wave"_s, u"Sons/chat.mp3"_s} << u"chat"_s
                                         << QString();
        QTest::newRow("../x") << QStringList{u"x.wav"_s, u"Sons/chat.wav"_s} << u"../x"_s << QString();
        QTest::newRow("../../x") << QStringList{u"x.wav"_s} << u"../../x"_s << QString();
        QTest::newRow("sub/folder") << QStringList{u"Sons/a/b.wav"_s} << u"a/b"_s << QString();
        QTest::newRow("..\\x") << QStringList{u"x.wav"_s, u"Sons/..\\x.wav"_s} << u"..\\x"_s << QString();
        QTest::newRow("..") << QStringList{u"Sons/...wav"_s} << u".."_s << QString();
    }
    void enregistrementJoue()
    {
        QFETCH(QStringList, fichiers);
        QFETCH(QString, mot);
        QFETCH(QString, joue);
        Installation inst;
        QDir(inst.dossier.path()).mkpath(u"Sons/a"_s);
        for (const QString &fichier : fichiers)
            inst.ecrire(fichier, "RIFF");
        inst.ecrire(u"Mots.dat"_s, QStringEncoder("windows-1252").encode(u"\"*\",\"%1\",\"1\"\r\n"_s.arg(mot)));
        inst.ecrireBilan(u"Paul"_s, {});
        Pilote p(inst, u"Paul"_s);
        // A word naming a path is left out of the list: never even proposed.
        const bool propose = motEnregistrable(mot);
        QCOMPARE(p.fenetre->motCourant(), propose ? mot : QString());
        QLabel *hautParleur = p.w(u"imgSon"_s);
        QTest::mouseClick(hautParleur, Qt::LeftButton);
        const QStringList attendu = joue.isEmpty() ? QStringList() : QStringList{inst.chemin(joue), inst.chemin(joue)};
        QCOMPARE(p.plateforme.son.joues, attendu);
        QCOMPARE(p.plateforme.messages.demandes.isEmpty(), propose);
    }

    // Heard through the sound server: the word when presented, then at each
    // of two clicks on the loudspeaker, every time whole.
    void ecoute_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("fichier");
        QTest::newRow(".wav") << u"hippopotame"_s << u"hippopotame.wav"_s;
        QTest::newRow(".WAV") << u"Hippopotame"_s << u"Hippopotame.WAV"_s;
    }
    void ecoute()
    {
        QFETCH(QString, mot);
        QFETCH(QString, fichier);
        if (!serveur_)
            QSKIP("pulseaudio is not installed (scripts/common.sh installs it): nothing to listen with");
        QVERIFY2(erreurServeur_.isEmpty(), qPrintable(erreurServeur_));
        ServeurSon &serveur = *serveur_;

        Installation inst;
        preparerMot(inst, mot, fichier);
        const double reference = energieFichier(inst.chemin(u"Sons/"_s + fichier));
        QVERIFY(reference > 0);

        VisiteEcoutee v(inst);
        QTest::qWait(200);   // a little silence before the first word
        QList<qint64> bornes{serveur.trames()};
        v.identifier();
        QCOMPARE(v.fenetre->motCourant(), mot);
        bornes << serveur.trames();
        v.ecouter();
        bornes << serveur.trames();
        v.ecouter();
        QTest::qWait(300);   // the last play's tail, after its wait
        bornes << serveur.trames();

        const char *quand[] = {"presented", "first click", "second click"};
        for (int i = 0; i < 3; ++i) {
            const double part = serveur.energie(bornes[i], bornes[i + 1]) / reference;
            qInfo("%s: %.1f %% of the recording's energy heard", quand[i], 100 * part);
            QVERIFY2(part >= 0.95, quand[i]);
            QVERIFY2(part <= 1.05, quand[i]);   // heard once, not twice
        }
        QVERIFY(v.factice.messages.demandes.isEmpty());
    }

    void sansServeur()
    {
        QProcess enfant;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QTemporaryDir vide;
        env.insert(u"PULSE_SERVER"_s, u"unix:"_s + vide.path() + u"/personne"_s);
        env.remove(u"XDG_RUNTIME_DIR"_s);
        env.remove(u"PULSE_RUNTIME_PATH"_s);
        env.insert(u"HOME"_s, vide.path());
        enfant.setProcessEnvironment(env);
        enfant.setProcessChannelMode(QProcess::MergedChannels);
        enfant.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kSansServeur)});
        const bool fini = enfant.waitForFinished(60000);
        const QByteArray sortie = enfant.readAll();
        if (!fini)
            enfant.kill();
        QVERIFY2(fini && enfant.exitStatus() == QProcess::NormalExit && enfant.exitCode() == 0, sortie.constData());
    }
};

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], kSansServeur) == 0) {
        VisiteSansServeur visite;
        argv[1] = argv[0];
        return QTest::qExec(&visite, argc - 1, argv + 1);
    }
    TestSon test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_son.moc"

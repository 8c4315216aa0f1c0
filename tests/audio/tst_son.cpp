// What a child really hears: a real pupil window on the real sound device
// (the playback module, Qt Multimedia), played through a private PulseAudio
// server whose sink hands every sample over to the test.
#include "audio/serveurson.h"
#include "platform/plateformeqt.h"
#include "exercice/seance.h"
#include "pupil/pilote.h"

#include <numeric>
#include <sndfile.h>

namespace {

// The recording's energy in the unit of ServeurSon::energie. Resampling keeps
// a band-limited signal's mean power, and the server copies a mono recording
// to both channels, so a whole play brings back the same figure.
double energieFichier(const QString &chemin)
{
    SF_INFO info{};
    SNDFILE *f = sf_open(QFile::encodeName(chemin).constData(), SFM_READ, &info);
    std::vector<double> x(size_t(info.frames * info.channels));
    sf_readf_double(f, x.data(), info.frames);
    sf_close(f);
    return std::inner_product(x.begin(), x.end(), x.begin(), 0.0) / info.channels / info.samplerate;
}

// Paul's visit with one word, "Hippopotame", spoken by espeak-ng into
// Sons/Hippopotame.WAV (as copied from Windows), on the real sound device:
// the word is presented and heard, then heard again at each loudspeaker click.
struct VisiteEcoutee {
    Installation inst;
    PlateformeFactice factice;
    SonQt son;
    EtatProgramme etat{inst.dossier.path()};
    std::unique_ptr<FrmEleve> fenetre;
    QString enregistrement = inst.chemin(u"Sons/Hippopotame.WAV"_s);

    VisiteEcoutee()
    {
        inst.preparer({u"Hippopotame"_s});
        QFile::remove(inst.cheminSon(u"Hippopotame"_s));
        QProcess::execute(u"espeak-ng"_s, {u"-v"_s, u"fr"_s, u"-w"_s, enregistrement, u"hippopotame"_s});
        Plateforme services = factice.services();
        services.son = &son;
        fenetre = std::make_unique<FrmEleve>(etat, services);
        fenetre->show();
        auto *liste = fenetre->findChild<QComboBox *>(u"cmbEleve"_s);
        liste->setCurrentIndex(liste->findText(u"Paul"_s));
    }
    // Each returns once the sound service has said the word is over.
    void identifier()
    {
        fenetre->findChild<QPushButton *>(u"cmdIdentite"_s)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!fenetre->seance().lectureEnCours(), 20000);
    }
    void ecouter()
    {
        QTest::mouseClick(fenetre->findChild<QLabel *>(u"imgSon"_s), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!fenetre->seance().lectureEnCours(), 20000);
    }
};

} // namespace

class TestSon : public QObject {
    Q_OBJECT
private slots:
    // Each play delivers the whole word, once.
    void ecoute()
    {
        if (ServeurSon::programme().isEmpty())
            QSKIP("pulseaudio is not installed (scripts/common.sh installs it): nothing to listen with");
        ServeurSon serveur;
        const QString erreur = serveur.demarrer();
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
        VisiteEcoutee v;
        const double reference = energieFichier(v.enregistrement);
        QList<qint64> bornes{serveur.trames()};
        v.identifier();
        bornes << serveur.trames();
        v.ecouter();
        bornes << serveur.trames();
        v.ecouter();
        QTest::qWait(300);   // the last play's tail, after its wait
        bornes << serveur.trames();
        for (int i = 0; i < 3; ++i) {
            const double part = serveur.energie(bornes[i], bornes[i + 1]) / reference;
            qInfo("play %d: %.1f %% of the recording's energy heard", i + 1, 100 * part);
            QVERIFY(part >= 0.95 && part <= 1.05);
        }
    }

    // With no sound server at all, the visit goes on in silence, without a
    // message and without waiting longer than the word. Run in a child
    // process: the audio libraries look for the server once per process.
    void sansServeur()
    {
        const QByteArray personne = "unix:/nonexistent/orthoval/native";
        if (qgetenv("PULSE_SERVER") == personne) {
            VisiteEcoutee v;
            QElapsedTimer chrono;
            chrono.start();
            v.identifier();
            v.ecouter();
            QCOMPARE(v.fenetre->motCourant(), u"Hippopotame"_s);
            QVERIFY(v.factice.messages.demandes.isEmpty());
            QVERIFY(chrono.elapsed() < 2 * v.son.dureeMs(v.enregistrement) * 4 / 3 + 2000);
            return;
        }
        qputenv("PULSE_SERVER", personne);
        QProcess enfant;
        enfant.start(QCoreApplication::applicationFilePath(), {u"sansServeur"_s});
        QVERIFY2(enfant.waitForFinished(60000) && enfant.exitStatus() == QProcess::NormalExit && enfant.exitCode() == 0,
                  enfant.readAll().constData());
    }
};

QTEST_MAIN(TestSon)
#include "tst_son.moc"

// Recording a word: through the dialog, with a microphone the test speaks
// into, down to the WAV file read back with libsndfile.
#include "audio/traitement.h"
#include "support/plateformefactice.h"
#include "teacher/dialogueenregistrement.h"
#include "teacher/frmenseignant.h"

#include <QtTest>
#include <QtWidgets>
#include <cmath>
#include <sndfile.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kHz = kFrequenceEnregistrement;

int echantillons(int ms)
{
    return int(qint64(kHz) * ms / 1000);
}

// A spoken word stand-in: silence (or a low hum), a 440 Hz tone, silence.
std::vector<qint16> prise(int avantMs, int motMs, int apresMs, int amplitude, int bruit = 0)
{
    std::vector<qint16> e;
    auto fond = [&](int n) {
        for (int i = 0; i < n; ++i)
            e.push_back(qint16(bruit * std::sin(2 * M_PI * 50 * i / kHz)));
    };
    fond(echantillons(avantMs));
    for (int i = 0; i < echantillons(motMs); ++i)
        e.push_back(qint16(amplitude * std::cos(2 * M_PI * 440 * i / kHz)));
    fond(echantillons(apresMs));
    return e;
}

struct Lu {
    SF_INFO info{};
    std::vector<short> echantillons;
};

Lu lireWav(const QString &chemin)
{
    Lu lu;
    SNDFILE *f = sf_open(QFile::encodeName(chemin).constData(), SFM_READ, &lu.info);
    if (!f)
        return lu;
    lu.echantillons.resize(std::size_t(lu.info.frames));
    lu.echantillons.resize(std::size_t(sf_read_short(f, lu.echantillons.data(), lu.info.frames)));
    sf_close(f);
    return lu;
}

// Trimming keeps whole samples around a tone's zero crossings: a few either way.
bool proche(std::size_t obtenu, int attendu)
{
    return std::abs(int(obtenu) - attendu) <= 3;
}

// For the README and a look by eye: ORTHOVAL_CAPTURE names a folder.
void capturer(QWidget &fenetre, const QString &nom)
{
    const QString dossier = qEnvironmentVariable("ORTHOVAL_CAPTURE");
    if (!dossier.isEmpty())
        fenetre.grab().save(QDir(dossier).filePath(nom + u".png"_s));
}

QPushButton *bouton(QWidget *w, const char *nom)
{
    return w->findChild<QPushButton *>(QString::fromLatin1(nom));
}

}  // namespace

class TestEnregistrement : public QObject {
    Q_OBJECT

    PlateformeFactice factice;
    std::unique_ptr<MicroFactice> entree;
    MicroFactice &micro() { return *entree; }

    // A take: "Enregistrer", the sound spoken, "Arrêter".
    void prendre(QWidget *dialogue, const std::vector<qint16> &son)
    {
        bouton(dialogue, "cmdEnregistrer")->click();
        micro().fournir(son);
        bouton(dialogue, "cmdArreter")->click();
    }

    Plateforme services()
    {
        Plateforme p = factice.services();
        p.micro = entree.get();
        return p;
    }

private slots:
    void init()
    {
        factice.son.joues.clear();
        factice.messages.demandes.clear();
        entree = std::make_unique<MicroFactice>();
    }

    void garder_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<int>("avantMs");
        QTest::addColumn<int>("motMs");
        QTest::addColumn<int>("apresMs");
        QTest::addColumn<int>("amplitude");
        QTest::addColumn<int>("bruit");
        QTest::addColumn<bool>("ancien");
        QTest::newRow("mot faible entre deux silences") << u"hérisson"_s << 500 << 600 << 700 << 1500 << 0 << false;
        QTest::newRow("mot fort sur un bruit de fond") << u"l'école"_s << 400 << 800 << 400 << 20000 << 300 << false;
        QTest::newRow("mot dit dès le début") << u"chat"_s << 20 << 500 << 1000 << 8000 << 0 << false;
        QTest::newRow("remplace l'ancien enregistrement") << u"chat"_s << 300 << 450 << 300 << 3000 << 0 << true;
    }

    void garder()
    {
        QFETCH(QString, mot);
        QFETCH(int, avantMs);
        QFETCH(int, motMs);
        QFETCH(int, apresMs);
        QFETCH(int, amplitude);
        QFETCH(int, bruit);
        QFETCH(bool, ancien);
        QTemporaryDir installation;
        const QString chemin = installation.filePath(u"Sons/"_s + mot + u".wav"_s);
        if (ancien) {
            QVERIFY(QDir(installation.path()).mkdir(u"Sons"_s));
            const std::vector<qint16> autre = prise(0, 2000, 0, 30000);
            QVERIFY(ecrireWav(chemin, autre, kHz).ok);
        }

        DialogueEnregistrement dialogue(installation.path(), mot, services());
        QVERIFY(dialogue.windowTitle().contains(mot));
        QVERIFY(!bouton(&dialogue, "cmdGarder")->isEnabled());
        bouton(&dialogue, "cmdEnregistrer")->click();
        QVERIFY(micro().enCours());
        QCOMPARE(micro().frequence, kHz);
        QSignalSpy niveau(dialogue.findChild<QProgressBar *>(u"barNiveau"_s), &QProgressBar::valueChanged);
        micro().fournir(prise(avantMs, motMs, apresMs, amplitude, bruit));
        QVERIFY(std::any_of(niveau.cbegin(), niveau.cend(), [](const QList<QVariant> &v) { return v[0].toInt() > 0; }));
        bouton(&dialogue, "cmdArreter")->click();
        QVERIFY(!micro().enCours());
        bouton(&dialogue, "cmdGarder")->click();

        QCOMPARE(dialogue.result(), int(QDialog::Accepted));
        QCOMPARE(dialogue.cheminEnregistrement(), chemin);
        const Lu lu = lireWav(chemin);
        QCOMPARE(lu.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        QCOMPARE(lu.info.channels, 1);
        QCOMPARE(lu.info.samplerate, kHz);
        // The word and a margin on each side, as far as the take had one.
        const int attendu = echantillons(std::min(avantMs, kMargeSilenceMs) + motMs
                                         + std::min(apresMs, kMargeSilenceMs));
        QVERIFY2(proche(lu.echantillons.size(), attendu),
                 qPrintable(u"%1 échantillons, %2 attendus"_s.arg(lu.echantillons.size()).arg(attendu)));
        const double volume = mesurerVolume(lu.echantillons);
        QVERIFY2(std::abs(volume - kVolumeCible) < kVolumeCible * 0.02, qPrintable(QString::number(volume)));
        QVERIFY(mesurerNiveau(lu.echantillons) * 32768.0 <= kCreteMaximale + 1);
        QVERIFY(QDir(installation.filePath(u"Sons"_s)).entryList(QDir::Files) == QStringList{mot + u".wav"_s});
    }

    // From "Ajouter des mots…": the word of the cursor's line, recorded with
    // the microphone instead of the synthesizer, joins the list with its level.
    void depuisAjoutMots()
    {
        QTemporaryDir installation;
        QVERIFY(QDir(installation.path()).mkdir(u"Sons"_s));
        EtatProgramme etat;
        etat.dossierInstallation = installation.path();
        FrmEnseignant fenetre(etat, services());
        fenetre.show();
        bouton(&fenetre, "cmdAjouterMots")->click();
        auto *ajout = fenetre.findChild<QDialog *>(u"dialogueAjoutMots"_s);
        ajout->findChild<QPlainTextEdit *>(u"txtAjoutMots"_s)->setPlainText(u"hibou 2"_s);
        QTimer::singleShot(0, this, [this] {
            QWidget *d = QApplication::activeModalWidget();
            prendre(d, prise(200, 500, 200, 5000));
            bouton(d, "cmdGarder")->click();
        });
        bouton(ajout, "cmdAjoutMicro")->click();
        QVERIFY(proche(lireWav(installation.filePath(u"Sons/hibou.wav"_s)).echantillons.size(),
                       echantillons(500 + 2 * kMargeSilenceMs)));
        QFile mots(installation.filePath(u"Mots.dat"_s));
        QVERIFY(mots.open(QIODevice::ReadOnly));
        QCOMPARE(mots.readAll(), QByteArray("\"*\",\"hibou\",\"2\"\r\n"));
    }

    // Sons replaced by a link (to a folder of the teacher's) or a recording
    // replaced by a folder: "Garder" writes nothing elsewhere, says why, and
    // the dialog stays open with its take.
    void garderSansDetour_data()
    {
        QTest::addColumn<QString>("piege");
        QTest::addColumn<QString>("raison");
        QTest::newRow("Sons est un lien") << u"Sons"_s << u"lien symbolique"_s;
        QTest::newRow("le mot est un dossier") << u"Sons/chien.wav"_s << u"dossier"_s;
    }
    void garderSansDetour()
    {
        QFETCH(QString, piege);
        QFETCH(QString, raison);
        QTemporaryDir installation;
        QTemporaryDir victime;
        QVERIFY(QDir(installation.path()).mkdir(u"Sons"_s));
        QFile bulletin(victime.filePath(u"bulletins.odt"_s));
        QVERIFY(bulletin.open(QIODevice::WriteOnly) && bulletin.write("bulletins") == 9);
        bulletin.close();
        if (piege == u"Sons")
            QVERIFY(QDir(installation.filePath(u"Sons"_s)).removeRecursively()
                    && QFile::link(victime.path(), installation.filePath(u"Sons"_s)));
        else
            QVERIFY(QDir(installation.path()).mkpath(piege + u"/dedans"_s));

        DialogueEnregistrement dialogue(installation.path(), u"chien"_s, services());
        dialogue.show();
        prendre(&dialogue, prise(200, 500, 200, 5000));
        bouton(&dialogue, "cmdGarder")->click();

        QCOMPARE(QDir(victime.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"bulletins.odt"_s});
        QVERIFY(dialogue.isVisible());
        QVERIFY(dialogue.cheminEnregistrement().isEmpty());
        QCOMPARE(factice.messages.demandes.size(), 1);
        QVERIFY2(factice.messages.demandes.first().texte.contains(raison), qPrintable(factice.messages.demandes.first().texte));
        if (piege != u"Sons") {
            QVERIFY(QFileInfo(installation.filePath(piege + u"/dedans"_s)).isDir());
            QCOMPARE(QDir(installation.filePath(u"Sons"_s)).entryList(QDir::Files | QDir::Hidden), QStringList());
        }
    }

    void sansMicro_data()
    {
        QTest::addColumn<bool>("service");
        QTest::addColumn<QString>("raison");
        QTest::newRow("aucune entrée") << true << u"Aucun micro n'est branché sur cet ordinateur."_s;
        QTest::newRow("pas de service de micro") << false << QString();
    }

    void sansMicro()
    {
        QFETCH(bool, service);
        QFETCH(QString, raison);
        micro().raison = raison;
        Plateforme p = services();
        if (!service)
            p.micro = nullptr;
        DialogueEnregistrement dialogue(u"/nulle/part"_s, u"chat"_s, p);
        QPushButton *enregistrer = bouton(&dialogue, "cmdEnregistrer");
        QVERIFY(!enregistrer->isEnabled());
        QVERIFY(!enregistrer->toolTip().isEmpty());
        if (service)
            QCOMPARE(enregistrer->toolTip(), raison);
        QVERIFY(!bouton(&dialogue, "cmdGarder")->isEnabled());
        QCOMPARE(micro().demarrages, 0);
    }

    void recommencer()
    {
        QTemporaryDir installation;
        DialogueEnregistrement dialogue(installation.path(), u"chien"_s, services());
        dialogue.show();
        prendre(&dialogue, prise(300, 1500, 300, 5000));

        // The first take is heard as it would be kept.
        bouton(&dialogue, "cmdEcouter")->click();
        QCOMPARE(factice.son.joues.size(), 1);
        QVERIFY(proche(lireWav(factice.son.joues.first()).echantillons.size(), echantillons(1500 + 2 * kMargeSilenceMs)));
        capturer(dialogue, u"enregistrement-termine"_s);

        bouton(&dialogue, "cmdRecommencer")->click();
        QCOMPARE(micro().demarrages, 2);
        QVERIFY(!bouton(&dialogue, "cmdGarder")->isEnabled());
        micro().fournir(prise(300, 400, 0, 5000));
        capturer(dialogue, u"enregistrement-en-cours"_s);
        micro().fournir(prise(300, 0, 0, 0));
        bouton(&dialogue, "cmdArreter")->click();
        // The second take is heard from a file of its own: a player may keep
        // the sound of a path it has played.
        bouton(&dialogue, "cmdEcouter")->click();
        QCOMPARE(factice.son.joues.size(), 2);
        QVERIFY(factice.son.joues[1] != factice.son.joues[0]);
        QVERIFY(proche(lireWav(factice.son.joues[1]).echantillons.size(), echantillons(400 + 2 * kMargeSilenceMs)));
        bouton(&dialogue, "cmdGarder")->click();
        const Lu lu = lireWav(installation.filePath(u"Sons/chien.wav"_s));
        QVERIFY(proche(lu.echantillons.size(), echantillons(400 + 2 * kMargeSilenceMs)));
    }
};

QTEST_MAIN(TestEnregistrement)
#include "tst_enregistrement.moc"

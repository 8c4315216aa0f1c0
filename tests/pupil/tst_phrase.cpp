// A word's sentence in the pupil window: heard after the word through a real
// sound server, replayed by the two buttons, shown with a gap where the
// class asks for it (never giving the word away, never over a button), and
// named by the message after an answer that sounds like the word.
#include "audio/serveurson.h"
#include "data/phrases.h"
#include "data/reglagephrase.h"
#include "engine/texte.h"
#include "exercice/phraseatrou.h"
#include "exercice/phrases.h"
#include "exercice/seance.h"
#include "pilote.h"
#include "platform/etiquettecliquable.h"
#include "platform/plateformeqt.h"
#include "platform/policesjeunes.h"
#include "teacher/frmenseignant.h"

#include <numeric>
#include <sndfile.h>

namespace {

const QString kDent = u"J'ai mal à une dent."_s;

// The word's sentence in Phrases.dat, as the teacher window writes it, and
// its recording (empty: the fake sound device answers the lengths).
void donnerPhrase(const Installation &inst, const QString &mot, const QString &phrase, bool enregistrement = true)
{
    ListePhrases phrases = LirePhrases(inst.dossier.path());
    donnerPhrase(phrases, mot, phrase);
    QVERIFY(EnregistrerPhrases(inst.dossier.path(), phrases).ok);
    if (enregistrement) {
        QVERIFY(QDir(inst.dossier.path()).mkpath(kDossierPhrases));
        inst.ecrire(kDossierPhrases + u'/' + mot + u".wav"_s, {});
    }
}

QByteArray octets(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

QString plie(const QString &texte)
{
    return SansAccents(texte).toLower();
}

void redimensionner(QWidget *fenetre, QSize taille)
{
    fenetre->showNormal();
    fenetre->resize(taille);
    QTRY_COMPARE(fenetre->size(), taille);
    QVERIFY(QTest::qWaitForWindowExposed(fenetre));
}

// The recording's energy in the unit of ServeurSon::energie (the server
// copies a mono recording to both channels and keeps its mean power).
double energieFichier(const QString &chemin)
{
    SF_INFO info{};
    SNDFILE *f = sf_open(QFile::encodeName(chemin).constData(), SFM_READ, &info);
    if (!f)
        return 0;
    std::vector<double> x(size_t(info.frames * info.channels));
    sf_readf_double(f, x.data(), info.frames);
    sf_close(f);
    return std::inner_product(x.begin(), x.end(), x.begin(), 0.0) / info.channels / info.samplerate;
}

// The stretches of sound in the capture [de, a), in frames, split at every
// silence of at least `silence` frames (10 ms windows below -80 dB).
QList<std::pair<qint64, qint64>> morceaux(const ServeurSon &serveur, qint64 de, qint64 a, qint64 silence)
{
    constexpr qint64 fenetre = ServeurSon::kFrequence / 100;
    QList<std::pair<qint64, qint64>> trouves;
    qint64 debut = -1, dernierSon = -1;
    for (qint64 t = de; t + fenetre <= a; t += fenetre) {
        if (serveur.energie(t, t + fenetre) < 1e-10)
            continue;
        if (debut >= 0 && t - dernierSon > silence) {
            trouves.append({debut, dernierSon});
            debut = -1;
        }
        if (debut < 0)
            debut = t;
        dernierSon = t + fenetre;
    }
    if (debut >= 0)
        trouves.append({debut, dernierSon});
    return trouves;
}

} // namespace

class TestPhrase : public QObject {
    Q_OBJECT

private slots:
    // The word is heard, then its sentence; the loudspeaker replays both,
    // the sentence's button the sentence alone. The button shows only for
    // a word whose sentence can be heard.
    void boutons_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<int>("cas");   // 0: sentence and recording, 1: no recording, 2: no sentence, 3: damaged file
        QTest::addColumn<QString>("clics");   // ♪ loudspeaker, ♫ sentence
        QTest::addColumn<QStringList>("joues");
        QTest::addColumn<bool>("bouton");
        const QString son = u"Sons/dent.wav"_s, phrase = u"Phrases/dent.wav"_s;
        QTest::newRow("présenté : le mot puis la phrase") << u"dent"_s << 0 << QString() << QStringList{son, phrase} << true;
        QTest::newRow("haut-parleur : les deux") << u"dent"_s << 0 << u"♪"_s
                                                 << QStringList{son, phrase, son, phrase} << true;
        QTest::newRow("bouton de la phrase : la phrase seule") << u"dent"_s << 0 << u"♫ ♫"_s
                                                              << QStringList{son, phrase, phrase, phrase} << true;
        QTest::newRow("phrase sans enregistrement : le mot seul") << u"dent"_s << 1 << u"♫ ♪"_s
                                                                  << QStringList{son, son} << false;
        QTest::newRow("mot sans phrase") << u"chat"_s << 2 << u"♫ ♪"_s
                                         << QStringList{u"Sons/chat.wav"_s, u"Sons/chat.wav"_s} << false;
        QTest::newRow("Phrases.dat abîmé : le mot seul") << u"dent"_s << 3 << u"♫ ♪"_s << QStringList{son, son}
                                                         << false;
    }
    void boutons()
    {
        QFETCH(QString, mot);
        QFETCH(int, cas);
        QFETCH(QString, clics);
        QFETCH(QStringList, joues);
        QFETCH(bool, bouton);
        Installation inst;
        inst.preparer({mot});
        if (cas == 0 || cas == 1)
            donnerPhrase(inst, mot, kDent, cas == 0);
        if (cas == 3) {
            donnerPhrase(inst, mot, kDent);
            inst.ecrire(kFichierPhrases, QByteArray("\"dent\",\"J'ai mal\xff\x01\r\n\0\0", 20));
        }
        Pilote p(inst, u"Paul"_s);
        auto *boutonPhrase = p.w<EtiquetteCliquable>(u"imgPhrase"_s);
        QCOMPARE(boutonPhrase->isVisible(), bouton);
        QVERIFY(boutonPhrase->toolTip().contains(u"phrase"_s));
        for (const QString &clic : clics.split(u' ', Qt::SkipEmptyParts))
            QTest::mouseClick(p.w(clic == u"♪"_s ? u"imgSon"_s : u"imgPhrase"_s), Qt::LeftButton);
        QStringList entendus;
        for (const QString &chemin : std::as_const(p.plateforme.son.joues))
            entendus << QDir(inst.dossier.path()).relativeFilePath(chemin);
        QCOMPARE(entendus, joues);
        QVERIFY(!p.fenetre->seance().lectureEnCours());
    }

    // The sentence plays on while the child types and answers; Next stops it
    // and the next word is heard at once, its own end awaited, never the
    // sentence's. Leaving stops it too.
    void suivantPendantLaPhrase()
    {
        Installation inst;
        inst.preparer({u"dent"_s});
        donnerPhrase(inst, u"dent"_s, kDent);
        Pilote p(inst);
        SonFactice &son = p.plateforme.son;
        son.retenirFin = true;
        p.identifier(u"Paul"_s);
        son.finir();   // the word is over: the pause
        son.finir();   // the sentence starts
        QCOMPARE(son.joues.size(), 2);
        QVERIFY(p.w(u"imgPhrase"_s)->property("occupe").toBool());
        QVERIFY(!p.txtMot()->isReadOnly());
        p.repondre(u"dant"_s);
        QVERIFY(p.txtMot()->isReadOnly());
        QVERIFY(p.fenetre->seance().phraseEnCours());
        const int arrets = son.arrets;
        p.suivant();
        QCOMPARE(son.joues.size(), 3);
        QCOMPARE(son.joues.last(), inst.cheminSon(u"dent"_s));
        QVERIFY(son.arrets > arrets);   // the sentence was stopped first
        QVERIFY(!p.w(u"imgPhrase"_s)->property("occupe").toBool());
        son.finir();   // the new word's end: its sentence follows, not the old one's end
        QVERIFY(p.fenetre->seance().phraseEnCours());
        son.finir();
        QCOMPARE(son.joues.size(), 4);
        const int avantDepart = son.arrets;
        p.quitter();
        QVERIFY(son.arrets > avantDepart);
    }

    // What a child hears through a real sound server: the whole word, a
    // pause, then the whole sentence, each exactly once and in that order.
    void ecoute()
    {
        if (ServeurSon::programme().isEmpty())
            QSKIP("pulseaudio is not installed (scripts/common.sh installs it): nothing to listen with");
        ServeurSon serveur;
        const QString erreur = serveur.demarrer();
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
        Installation inst;
        inst.preparer({u"dent"_s});
        donnerPhrase(inst, u"dent"_s, kDent);
        const QString mot = inst.cheminSon(u"dent"_s), phrase = inst.chemin(u"Phrases/dent.wav"_s);
        QCOMPARE(QProcess::execute(u"espeak-ng"_s, {u"-v"_s, u"fr"_s, u"-w"_s, mot, u"dent"_s}), 0);
        QCOMPARE(QProcess::execute(u"espeak-ng"_s, {u"-v"_s, u"fr"_s, u"-w"_s, phrase, kDent}), 0);
        PlateformeFactice factice;
        SonQt son;
        Plateforme services = factice.services();
        services.son = &son;
        EtatProgramme etat{inst.dossier.path()};
        FrmEleve fenetre(etat, services);
        fenetre.show();
        auto *liste = fenetre.findChild<QComboBox *>(u"cmbEleve"_s);
        liste->setCurrentIndex(liste->findText(u"Paul"_s));
        const qint64 debut = serveur.trames();
        fenetre.findChild<QPushButton *>(u"cmdIdentite"_s)->click();
        QTRY_VERIFY_WITH_TIMEOUT(fenetre.seance().phraseEnCours(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!fenetre.seance().lectureEnCours(), 20000);
        QTest::qWait(300);   // the sentence's tail, after its wait
        const qint64 fin = serveur.trames();
        // Split at the first silence longer than espeak-ng leaves between
        // the words of a sentence.
        const auto parts = morceaux(serveur, debut, fin, ServeurSon::kFrequence * 4 / 10);
        QCOMPARE(parts.size(), 2);
        const double pause = double(parts[1].first - parts[0].second) / ServeurSon::kFrequence;
        qInfo("pause between the word and its sentence: %.2f s", pause);
        QVERIFY(pause >= 0.5 && pause <= 1.5);
        const double partMot = serveur.energie(debut, parts[0].second) / energieFichier(mot);
        const double partPhrase = serveur.energie(parts[1].first, fin) / energieFichier(phrase);
        qInfo("heard: word %.1f %%, sentence %.1f %% of their recordings' energy", 100 * partMot, 100 * partPhrase);
        QVERIFY(partMot >= 0.95 && partMot <= 1.05);
        QVERIFY(partPhrase >= 0.95 && partPhrase <= 1.05);
    }

    // The sentence with its gap: the word, its forms and its other accepted
    // spellings are never shown; a sentence that would show them is not
    // shown at all.
    void trou_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("montree");   // empty: no line, the keyboard's hint
        QTest::newRow("le mot") << u"dent"_s << kDent << u"J'ai mal à une ____."_s;
        QTest::newRow("capitales") << u"Paris"_s << u"PARIS est une grande ville."_s << u"____ est une grande ville."_s;
        QTest::newRow("accents") << u"été"_s << u"En Été, il fait chaud."_s << u"En ____, il fait chaud."_s;
        QTest::newRow("élision") << u"arbre"_s << u"L'arbre perd ses feuilles."_s << u"L'____ perd ses feuilles."_s;
        QTest::newRow("pluriel") << u"dent"_s << u"Il a perdu deux dents."_s << u"Il a perdu deux ____."_s;
        QTest::newRow("l'orthographe de 1990") << u"île"_s << u"Nous allons sur l'ile."_s << u"Nous allons sur l'____."_s;
        QTest::newRow("mot absent") << u"chat"_s << u"Le chien aboie."_s << QString();
        QTest::newRow("dans un autre mot") << u"pluie"_s << u"Sous la pluie, un parapluie."_s << QString();
    }
    void trou()
    {
        QFETCH(QString, mot);
        QFETCH(QString, phrase);
        QFETCH(QString, montree);
        Installation inst;
        inst.preparer({mot});
        donnerPhrase(inst, mot, phrase);
        QVERIFY(enregistrerReglagePhraseATrou(inst.dossier.path(), true).ok);
        Pilote p(inst, u"Paul"_s);
        QCOMPARE(p.fenetre->motCourant(), mot);
        QLabel *ligne = p.w(u"lblPhrase"_s);
        QCOMPARE(ligne->isVisible(), !montree.isEmpty());
        QCOMPARE(p.w(u"lblLigneClavier"_s)->isVisible(), montree.isEmpty());
        if (!montree.isEmpty()) {
            QCOMPARE(ligne->text(), montree);
            QCOMPARE(ligne->font().family(), p.txtMot()->font().family());
        }
        for (QLabel *l : p.fenetre->findChildren<QLabel *>())
            if (l->isVisible() && l->objectName() != u"lblMot"_s)
                QVERIFY2(!plie(l->text()).contains(plie(mot)), qPrintable(l->objectName() + u": "_s + l->text()));
    }

    // The teacher's choice, saved at once in a file of its own: the other
    // files keep their bytes; off by default, off again when unticked.
    void reglageEnseignant()
    {
        Installation inst;
        inst.preparer({u"dent"_s});
        donnerPhrase(inst, u"dent"_s, kDent);
        const QByteArray mots = octets(inst.chemin(kFichierMots)), phrases = octets(inst.chemin(kFichierPhrases));
        for (const bool coche : {false, true, false}) {
            PlateformeFactice plateforme;
            EtatProgramme etat{inst.dossier.path()};
            {
                FrmEnseignant enseignant(etat, plateforme.services());
                auto *case_ = enseignant.findChild<QCheckBox *>(u"chkPhraseATrou"_s);
                QVERIFY(case_);
                QVERIFY(!case_->toolTip().isEmpty());
                case_->setChecked(coche);
                enseignant.done(QDialog::Accepted);
            }
            QVERIFY(plateforme.messages.demandes.isEmpty());
            Pilote p(inst, u"Paul"_s);
            QCOMPARE(p.w(u"lblPhrase"_s)->isVisible(), coche);
            p.quitter();
        }
        QCOMPARE(octets(inst.chemin(kFichierReglagePhrase)), QByteArray("\"PhraseATrou\",\"non\"\r\n"));
        QCOMPARE(octets(inst.chemin(kFichierMots)), mots);
        QCOMPARE(octets(inst.chemin(kFichierPhrases)), phrases);
    }

    // A long sentence at 1366 x 768, in every font for young readers at a
    // large size: whole, in its band, over no key and no button.
    void disposition_data()
    {
        QTest::addColumn<QString>("police");
        QTest::addColumn<QSize>("ecran");
        for (const QString &police : kPolicesJeunesLecteurs)
            for (const QSize ecran : {QSize(1366, 768), QSize(800, 600)})
                QTest::newRow(qPrintable(u"%1-%2x%3"_s.arg(police).arg(ecran.width()).arg(ecran.height())))
                    << police << ecran;
    }
    void disposition()
    {
        QFETCH(QString, police);
        QFETCH(QSize, ecran);
        Installation inst;
        inst.preparer({u"hippopotame"_s});
        donnerPhrase(inst, u"hippopotame"_s,
                     u"Au zoo, le gros hippopotame se baigne tout l'après-midi dans la rivière boueuse."_s);
        QVERIFY(enregistrerReglagePhraseATrou(inst.dossier.path(), true).ok);
        Pilote p(inst, u"Paul"_s, QDate(2026, 12, 5), {police, 36});
        redimensionner(p.fenetre.get(), ecran - QSize(0, 48));
        QLabel *ligne = p.w(u"lblPhrase"_s);
        QVERIFY(ligne->isVisible());
        QVERIFY(ligne->text().contains(kTrou));
        // Whole: every letter inside the label.
        const QRect place = ligne->contentsRect();
        const QFontMetrics mesure(ligne->font());
        if (ligne->wordWrap())
            QVERIFY(ligne->heightForWidth(ligne->width()) <= ligne->height());
        else
            QVERIFY(mesure.horizontalAdvance(ligne->text()) <= place.width() && mesure.height() <= place.height());
        QVERIFY(p.fenetre->rect().contains(QRect(ligne->mapTo(p.fenetre.get(), QPoint()), ligne->size())));
        const QRect zone(ligne->mapTo(p.fenetre.get(), QPoint()), ligne->size());
        for (QWidget *w : p.fenetre->findChildren<QWidget *>()) {
            const bool bouton = qobject_cast<QAbstractButton *>(w) || qobject_cast<EtiquetteCliquable *>(w)
                             || w->objectName() == u"cadreMotsAcquis"_s || w->objectName() == u"frameMot"_s;
            if (!bouton || !w->isVisible())
                continue;
            const QRect r(w->mapTo(p.fenetre.get(), QPoint()), w->size());
            QVERIFY2(!zone.intersects(r), qPrintable(w->objectName()));
        }
        if (const QString dossier = qEnvironmentVariable("ORTHOVAL_CAPTURES"); !dossier.isEmpty())
            QVERIFY(p.fenetre->grab().save(dossier + u"/phrase-"_s + QString::fromLatin1(QTest::currentDataTag()) + u".png"_s));
    }

    // After another real word that sounds like the word (compared through
    // the speech module, as in the program), the message sends the child to
    // the sentence when there is one.
    void homophone_data()
    {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<bool>("phrase");
        QTest::addColumn<QString>("consigne");   // empty: none of the two
        QTest::newRow("dans, avec la phrase") << u"dans"_s << true << phrases_seance::kPhraseHomophoneEcouterPhrase;
        QTest::newRow("dans, sans phrase") << u"dans"_s << false << phrases_seance::kPhraseHomophone;
        QTest::newRow("dant, avec la phrase") << u"dant"_s << true << QString();
    }
    void homophone()
    {
        QFETCH(QString, reponse);
        QFETCH(bool, phrase);
        QFETCH(QString, consigne);
        Installation inst;
        inst.preparer({u"dent"_s});
        if (phrase)
            donnerPhrase(inst, u"dent"_s, kDent);
        Pilote p(inst, u"Paul"_s);
        p.repondre(reponse);
        const QString affichee = p.texte(u"lblConsigne"_s);
        if (consigne.isEmpty())
            QVERIFY2(!affichee.startsWith(u"Ton mot se dit pareil"_s), qPrintable(affichee));
        else
            QCOMPARE(affichee, consigne);
        QCOMPARE(p.w(u"imgPhrase"_s)->isVisible(), phrase);   // still there to be clicked
    }
};

QTEST_MAIN(TestPhrase)
#include "tst_phrase.moc"

// Words added from the teacher window: typed in "Ajouter des mots…" or
// imported with "Importer une liste…", spoken by the platform's synthesis
// (a double here; the real engine is tried in tests/audio) into Sons, given
// their levels in Mots.dat; refused words reported.
#include "outils.h"
#include "teacher/dialogueajoutmots.h"

#include <QPointer>

#include "support/sonlu.h"

#include <cmath>

namespace {

// The dialog the teacher window opened, once its work is done.
DialogueAjoutMots *attendreAjout(const Fenetre &fen)
{
    auto *dialogue = fen.f->findChild<DialogueAjoutMots *>();
    if (!dialogue)
        return nullptr;
    if (!QTest::qWaitFor([&] { return !dialogue->enCours(); }, 120000))
        return nullptr;
    return dialogue;
}


QStringList lignesRapport(const DialogueAjoutMots *d)
{
    return d->rapport().split(u'\n');
}

// Every file in Sons, hidden ones too, sorted.
QStringList sons(const Installation &inst)
{
    QStringList noms = QDir(inst.fichier(u"Sons"_s)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    noms.sort();
    return noms;
}

QStringList temporaires(const Installation &inst)
{
    return QDir(inst.fichier(u"Sons"_s)).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(u".tmp"_s);
}

} // namespace

class TestAjoutMots : public QObject {
    Q_OBJECT

private slots:
    // An imported list: good words, a duplicate, another case of a recording,
    // an unsafe name, an empty line and a bad level.
    void importer()
    {
        Fenetre fen({u"Chat"_s, u"lune"_s});
        const QByteArray liste = "h\xE9risson;4\r\n"
                                 "\xE9" "cole\t2\r\n"
                                 "pomme de terre 3\r\n"
                                 "chat 1\r\n"
                                 "lune 5\r\n"
                                 "h\xE9risson\r\n"
                                 "h\xE9risson;4\r\n"
                                 "a:b 1\r\n"
                                 "\r\n"
                                 "v\xE9lo 7\r\n"
                                 "l'arbre\r\n"
                                 ".lapin 2";
        fen.inst.ecrire(u"liste.txt"_s, liste);
        fen.p.messages.reponseFichier = fen.inst.fichier(u"liste.txt"_s);
        fen.clic(u"cmdImporter"_s);
        DialogueAjoutMots *dialogue = attendreAjout(fen);
        QVERIFY(dialogue);

        QStringList attendus{u"Chat.wav"_s, u"lune.wav"_s, u"hérisson.wav"_s, u"école.wav"_s,
                             u"pomme de terre.wav"_s, u"l'arbre.wav"_s};
        attendus.sort();
        QCOMPARE(sons(fen.inst), attendus);
        QVERIFY(lireSon(fen.inst.fichier(u"Sons/école.wav"_s)).rms > 0.02);
        QCOMPARE(fen.inst.lire(u"Mots.dat"_s),
                 ligneMots("Chat", "") + ligneMots("lune", "5") + ligneMots("h\xE9risson", "4")
                     + ligneMots("\xE9" "cole", "2") + ligneMots("pomme de terre", "3") + ligneMots("l'arbre", ""));

        const QStringList rapport = lignesRapport(dialogue);
        const QStringList refus = rapport.mid(rapport.indexOf(u"Mots refusés :"_s) + 1);
        QCOMPARE(refus.size(), 5);
        QVERIFY2(refus[0].startsWith(u"  ligne 4, « chat 1 » :"_s) && refus[0].contains(u"« Chat »"_s), qPrintable(refus[0]));
        QVERIFY2(refus[1].startsWith(u"  ligne 6, « hérisson » :"_s) && refus[1].contains(u"plusieurs fois"_s), qPrintable(refus[1]));
        QVERIFY2(refus[2].startsWith(u"  ligne 8, « a:b 1 » :"_s) && refus[2].contains(u"« : »"_s), qPrintable(refus[2]));
        QVERIFY2(refus[3].startsWith(u"  ligne 10, « vélo 7 » :"_s) && refus[3].contains(u"de 1 à 5"_s), qPrintable(refus[3]));
        QVERIFY2(refus[4].startsWith(u"  ligne 12, « .lapin 2 » :"_s) && refus[4].contains(u"point"_s), qPrintable(refus[4]));
        QVERIFY(rapport.contains(u"Mots ajoutés : 4."_s));
        // The refused lines stay in the box to be corrected.
        QCOMPARE(dialogue->findChild<QPlainTextEdit *>(u"txtAjoutMots"_s)->toPlainText(),
                 u"chat 1\nhérisson\na:b 1\nvélo 7\n.lapin 2"_s);
    }

    // Typed words become spoken recordings named exactly as written, with
    // their levels. The summary names what was done to each word: added
    // (with its level), level changed (from what to what), written again
    // unchanged, refused (with why); a word written again with its own level
    // is no change.
    void taper_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QStringList>("rapport");
        QTest::addColumn<QByteArray>("motsDat");    // Windows-1252, after; before: cheval 2, lune (no level)
        QTest::addColumn<QStringList>("nouveaux");  // the recordings made

        const QByteArray avant = ligneMots("cheval", "2") + ligneMots("lune", "");
        QTest::newRow("accent et apostrophe") << u"l'élève"_s << QStringList{u"Mots ajoutés : 1."_s, u"  « l'élève »"_s}
            << avant + ligneMots("l'\xE9l\xE8ve", "") << QStringList{u"l'élève"_s};
        QTest::newRow("virgules et niveaux") << u"chat 1, hérisson;4"_s
            << QStringList{u"Mots ajoutés : 2."_s, u"  « chat », niveau 1"_s, u"  « hérisson », niveau 4"_s}
            << avant + ligneMots("chat", "1") + ligneMots("h\xE9risson", "4") << QStringList{u"chat"_s, u"hérisson"_s};
        QTest::newRow("espaces et trait d'union") << u"pomme de terre 3\narc-en-ciel\t5"_s
            << QStringList{u"Mots ajoutés : 2."_s, u"  « pomme de terre », niveau 3"_s, u"  « arc-en-ciel », niveau 5"_s}
            << avant + ligneMots("pomme de terre", "3") + ligneMots("arc-en-ciel", "5")
            << QStringList{u"pomme de terre"_s, u"arc-en-ciel"_s};
        QTest::newRow("même niveau") << u"cheval 2"_s
            << QStringList{u"Aucun mot n'a été ajouté."_s, u"Mots déjà dans la liste, laissés tels quels : 1."_s,
                           u"  « cheval », niveau 2"_s}
            << avant << QStringList{};
        QTest::newRow("sans niveau") << u"lune\ncheval"_s
            << QStringList{u"Aucun mot n'a été ajouté."_s, u"Mots déjà dans la liste, laissés tels quels : 2."_s,
                           u"  « lune »"_s, u"  « cheval », niveau 2"_s}
            << avant << QStringList{};
        QTest::newRow("niveaux changés") << u"cheval 4, lune 1"_s
            << QStringList{u"Mots déjà dans la liste dont le niveau a été changé : 2."_s,
                           u"  « cheval » : niveau 2 → niveau 4"_s, u"  « lune » : sans niveau → niveau 1"_s}
            << ligneMots("cheval", "4") + ligneMots("lune", "1") << QStringList{};
        QTest::newRow("tout à la fois") << u"hibou 3\ncheval 2\nlune 5\nchouette\nLune 2\nvélo 9"_s
            << QStringList{u"Mots ajoutés : 2."_s, u"  « hibou », niveau 3"_s, u"  « chouette »"_s,
                           u"Mots déjà dans la liste dont le niveau a été changé : 1."_s,
                           u"  « lune » : sans niveau → niveau 5"_s,
                           u"Mots déjà dans la liste, laissés tels quels : 1."_s, u"  « cheval », niveau 2"_s,
                           u"Mots refusés :"_s}
            << ligneMots("cheval", "2") + ligneMots("lune", "5") + ligneMots("hibou", "3") + ligneMots("chouette", "")
            << QStringList{u"hibou"_s, u"chouette"_s};
    }
    void taper()
    {
        QFETCH(QString, saisie);
        QFETCH(QStringList, rapport);
        QFETCH(QByteArray, motsDat);
        QFETCH(QStringList, nouveaux);
        Fenetre fen({u"cheval"_s, u"lune"_s}, {}, [](Fenetre &f) {
            f.inst.ecrire(u"Mots.dat"_s, ligneMots("cheval", "2") + ligneMots("lune", ""));
        });
        DialogueAjoutMots *dialogue = ajouterMots(fen, saisie);
        QVERIFY(dialogue);

        const QStringList lu = lignesRapport(dialogue);
        // The refused lines' reasons are the reader's; only their words are checked here.
        QCOMPARE(lu.mid(0, rapport.size()), rapport);
        if (rapport.last() == u"Mots refusés :"_s) {
            const QStringList refus = lu.mid(rapport.size());
            QCOMPARE(refus.size(), 2);
            QVERIFY2(refus[0].startsWith(u"  ligne 5, « Lune 2 » :"_s), qPrintable(refus[0]));
            QVERIFY2(refus[1].startsWith(u"  ligne 6, « vélo 9 » :"_s), qPrintable(refus[1]));
        } else {
            QCOMPARE(lu, rapport);
        }
        QCOMPARE(fen.inst.lire(u"Mots.dat"_s), motsDat);
        QCOMPARE(fen.p.messages.demandes.size(), 0);
        QStringList attendus{u"cheval.wav"_s, u"lune.wav"_s};
        for (const QString &mot : nouveaux) {
            attendus << mot + u".wav"_s;
            const SonLu son = lireSon(fen.inst.fichier(u"Sons/"_s + mot + u".wav"_s));
            QVERIFY2(son.lu, qPrintable(mot));
            QCOMPARE(son.canaux, 1);
            QCOMPARE(son.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
            QVERIFY2(son.secondes >= 0.3 && son.secondes <= 3.0, qPrintable(u"%1 : %2 s"_s.arg(mot).arg(son.secondes)));
            QVERIFY2(son.rms > 0.02, qPrintable(u"%1 : RMS %2"_s.arg(mot).arg(son.rms)));
            // Heard by every pupil's account, not only the teacher's.
            QVERIFY(QFileInfo(fen.inst.fichier(u"Sons/"_s + mot + u".wav"_s)).permissions() & QFileDevice::ReadOther);
        }
        attendus.sort();
        QCOMPARE(sons(fen.inst), attendus);
        QCOMPARE(fen.f->tableur().size(), 2 + nouveaux.size());
    }

    // An import of many words: each is named, and the summary scrolls inside the dialog.
    void resumeLong()
    {
        Fenetre fen({});
        QByteArray liste;
        QStringList attendus{u"Mots ajoutés : 40."_s};
        for (int n = 0; n < 40; ++n) {
            const QByteArray mot = "mot" + QByteArray(1, char('a' + n / 26)) + char('a' + n % 26);
            liste += mot + " 1\r\n";
            attendus << u"  « %1 », niveau 1"_s.arg(QString::fromLatin1(mot));
        }
        fen.inst.ecrire(u"liste.txt"_s, liste);
        fen.p.messages.reponseFichier = fen.inst.fichier(u"liste.txt"_s);
        fen.clic(u"cmdImporter"_s);
        DialogueAjoutMots *dialogue = attendreAjout(fen);
        QVERIFY(dialogue);
        QCOMPARE(lignesRapport(dialogue), attendus);
        auto *rapport = dialogue->findChild<QPlainTextEdit *>(u"txtAjoutRapport"_s);
        QVERIFY(rapport->isVisible());
        QVERIFY(rapport->verticalScrollBar()->maximum() > 0);
        QVERIFY(dialogue->rect().contains(rapport->geometry()));
    }

    // Mots.dat that cannot be replaced: the teacher is told at once, the recording stays.
    void motsDatIrremplacable()
    {
        Fenetre fen({}, {}, [](Fenetre &f) { QDir(f.inst.dossier.path()).mkdir(u"Mots.dat"_s); });
        const qsizetype avant = fen.p.messages.demandes.size();
        QVERIFY(ajouterMots(fen, u"hibou 2"_s));

        QCOMPARE(sons(fen.inst), QStringList{u"hibou.wav"_s});
        QCOMPARE(fen.p.messages.demandes.size(), avant + 1);
        const MessageDemande &m = fen.p.messages.demandes.last();
        QCOMPARE(m.titre, u"Enregistrement"_s);
        QVERIFY2(m.texte.contains(u"« Mots.dat »"_s), qPrintable(m.texte));
        QCOMPARE(fen.f->tableur(), (ListeMots{{u"hibou"_s, u"2"_s}}));
    }

    // Cancelling keeps the words finished, in Sons and in Mots.dat, and leaves no partial file.
    void annuler()
    {
        Fenetre fen({});
        fen.clic(u"cmdAjouterMots"_s);
        auto *dialogue = fen.f->findChild<DialogueAjoutMots *>();
        QStringList mots;
        for (const char *a : {"ba", "do", "fi", "lu", "mo", "ri"})
            for (const char *b : {"teau", "lon", "mette", "rin", "pette", "sol", "cule", "nage", "tin", "rade"})
                mots << QString::fromLatin1(a) + QString::fromLatin1(b);
        dialogue->findChild<QPlainTextEdit *>(u"txtAjoutMots"_s)->setPlainText(mots.join(u" 2\n"_s) + u" 2"_s);
        auto *annuler = dialogue->findChild<QPushButton *>(u"cmdAjoutAnnuler"_s);
        auto *barre = dialogue->findChild<QProgressBar *>(u"barreAjout"_s);
        // The teacher cancels as soon as the first word is done.
        connect(barre, &QProgressBar::valueChanged, annuler, [annuler](int fait) {
            if (fait == 1)
                QTest::mouseClick(annuler, Qt::LeftButton);
        });
        QTest::mouseClick(dialogue->findChild<QPushButton *>(u"cmdAjoutMots"_s), Qt::LeftButton);
        QVERIFY(annuler->isVisible());
        QVERIFY(barre->isVisible());
        QVERIFY(attendreAjout(fen));

        const QStringList sons = ::sons(fen.inst);
        QVERIFY(!sons.isEmpty());
        QVERIFY2(sons.size() < mots.size(), "cancelled too late for this machine");
        QCOMPARE(temporaires(fen.inst), QStringList());
        QByteArray motsDat;
        for (const QString &mot : mots) {
            if (!sons.contains(mot + u".wav"_s))
                continue;
            QVERIFY(lireSon(fen.inst.fichier(u"Sons/"_s + mot + u".wav"_s)).lu);
            motsDat += ligneMots(mot.toLatin1(), "2");
        }
        QCOMPARE(fen.inst.lire(u"Mots.dat"_s), motsDat);
        QVERIFY2(lignesRapport(dialogue).contains(u"Ajout annulé. Mots non ajoutés : %1."_s.arg(mots.size() - sons.size())),
                 qPrintable(dialogue->rapport()));
    }

    // Lists from other editors and files that are not lists: each line read
    // in its own encoding, lines that are not text refused with their
    // numbers, a file that is not text or too big refused whole, and the
    // teacher asked before more than 500 new words.
    void importerFichier_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QStringList>("mots");        // the recordings made
        QTest::addColumn<QStringList>("refus");       // starts of the refused lines in the report
        QTest::addColumn<QString>("message");         // a words of the message shown instead; empty: none

        auto utf16 = [](const QString &texte) {
            QByteArray o("\xFF\xFE");
            for (QChar c : texte)
                o += char(c.unicode() & 0xFF), o += char(c.unicode() >> 8);
            return o;
        };
        QRandomGenerator hasard(17);
        QByteArray binaire(300 * 1024, Qt::Uninitialized);
        QByteArray binaireSansNul(300 * 1024, Qt::Uninitialized);
        for (qsizetype k = 0; k < binaire.size(); ++k) {
            binaire[k] = char(hasard.bounded(256));
            binaireSansNul[k] = char(1 + hasard.bounded(255));
        }
        QByteArray cinqCentUn;
        for (int n = 0; n < 501; ++n)
            cinqCentUn += "mot" + QByteArray(1, char('a' + n / 26 / 26)) + char('a' + n / 26 % 26) + char('a' + n % 26) + "\r\n";

        QTest::newRow("UTF-8 avec une ligne Windows-1252")
            << QByteArray("h\xC3\xA9risson\r\n\xE9" "cole 2\r\nch\xC3\xA2teau\r\n")
            << QStringList{u"château"_s, u"hérisson"_s, u"école"_s} << QStringList{} << QString();
        QTest::newRow("Windows-1252 avec une ligne UTF-8")
            << QByteArray("v\xE9lo\r\n\xE9" "cole\r\nh\xC3\xA9risson\r\n")
            << QStringList{u"hérisson"_s, u"vélo"_s, u"école"_s} << QStringList{} << QString();
        // Bytes valid as UTF-8 whose characters Windows-1252 lacks: read as the rest of the file is.
        QTest::newRow("Windows-1252 où deux lettres forment de l'UTF-8")
            << QByteArray("v\xE9lo\r\n\xE9" "cole\r\nab\xDD\x8E\r\n")
            << QStringList{u"abÝŽ"_s, u"vélo"_s, u"école"_s} << QStringList{} << QString();
        QTest::newRow("UTF-8 avec un caractère hors Windows-1252")
            << QByteArray("h\xC3\xA9risson\r\nsoleil \xE2\x98\xBA\r\n")
            << QStringList{u"hérisson"_s} << QStringList{u"  ligne 2, « soleil ☺ » :"_s} << QString();
        QTest::newRow("UTF-16 avec sa marque") << utf16(u"hibou\r\nélan 3\r\n"_s)
            << QStringList{u"hibou"_s, u"élan"_s} << QStringList{} << QString();
        QTest::newRow("lignes qui ne sont pas du texte")
            << QByteArrayLiteral("chat\r\nab\0cd\r\nlune\r\nx\x01y 2\r\nmur\r\n")
            << QStringList{u"chat"_s, u"lune"_s, u"mur"_s}
            << QStringList{u"  ligne 2, « ab�cd » : cette ligne n'est pas du texte (caractère U+0000)"_s,
                           u"  ligne 4, « x�y 2 » : cette ligne n'est pas du texte (caractère U+0001)"_s}
            << QString();
        QTest::newRow("fichier binaire") << binaire << QStringList{} << QStringList{} << u"n'est pas une liste de mots"_s;
        QTest::newRow("fichier binaire sans octet nul") << binaireSansNul << QStringList{} << QStringList{}
                                                        << u"n'est pas une liste de mots"_s;
        QTest::newRow("fichier trop gros") << QByteArray("chat 9\r\n").repeated(400000) << QStringList{}
                                           << QStringList{} << u"trop gros"_s;
        QTest::newRow("501 mots, ajout refusé") << cinqCentUn << QStringList{} << QStringList{}
                                                << u"ajoute 501 mots nouveaux"_s;
    }
    void importerFichier()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QStringList, mots);
        QFETCH(QStringList, refus);
        QFETCH(QString, message);
        Fenetre fen({});
        fen.inst.ecrire(u"liste.txt"_s, octets);
        fen.p.messages.reponseFichier = fen.inst.fichier(u"liste.txt"_s);
        fen.p.messages.reponseQuestion = false;
        const QByteArray motsDat = fen.inst.lire(u"Mots.dat"_s);
        fen.clic(u"cmdImporter"_s);

        if (!message.isEmpty()) {
            QCOMPARE(fen.p.messages.titres(), (QStringList{u"Importer une liste de mots"_s, u"Importer une liste de mots"_s}));
            QVERIFY2(fen.p.messages.demandes.last().texte.contains(message), qPrintable(fen.p.messages.demandes.last().texte));
            QVERIFY(!fen.f->findChild<DialogueAjoutMots *>());
            QCOMPARE(sons(fen.inst), QStringList());
            QCOMPARE(fen.inst.lire(u"Mots.dat"_s), motsDat);
            return;
        }
        DialogueAjoutMots *dialogue = attendreAjout(fen);
        QVERIFY(dialogue);
        QStringList attendus;
        for (const QString &mot : mots)
            attendus << mot + u".wav"_s;
        QCOMPARE(sons(fen.inst), attendus);
        const QStringList rapport = lignesRapport(dialogue);
        const qsizetype titre = rapport.indexOf(u"Mots refusés :"_s);
        const QStringList lus = titre < 0 ? QStringList() : rapport.mid(titre + 1);
        QCOMPARE(lus.size(), refus.size());
        for (qsizetype k = 0; k < refus.size(); ++k)
            QVERIFY2(lus[k].startsWith(refus[k]), qPrintable(lus[k]));
        QCOMPARE(fen.p.messages.titres(), QStringList{u"Importer une liste de mots"_s});   // the file chooser only
    }

    // The teacher stops a long import while a word is being spoken, by
    // "Annuler", by "Fermer", or by closing the teacher window: nothing waits
    // for the synthesizer, the words in flight are kept when the dialog is
    // still there to take them, the others are never asked for, and an
    // answer arriving after the windows are gone reaches nothing.
    void arreterPendantParole_data()
    {
        QTest::addColumn<QString>("geste");
        QTest::newRow("annuler") << u"annuler"_s;
        QTest::newRow("fermer le dialogue") << u"fermer"_s;
        QTest::newRow("fermer la fenêtre") << u"fenetre"_s;
    }
    void arreterPendantParole()
    {
        QFETCH(QString, geste);
        Fenetre fen({});
        fen.p.synthese.retenir = true;
        fen.clic(u"cmdAjouterMots"_s);
        QPointer<DialogueAjoutMots> dialogue = fen.f->findChild<DialogueAjoutMots *>();
        dialogue->findChild<QPlainTextEdit *>(u"txtAjoutMots"_s)->setPlainText(u"ba 1\nbo 1\nbi 1\nbu 1\nbe 1\nca 1\nco 1\nci 1"_s);
        QTest::mouseClick(dialogue->findChild<QPushButton *>(u"cmdAjoutMots"_s), Qt::LeftButton);
        // Four words in flight: the fifth is asked once the first is done.
        QCOMPARE(fen.p.synthese.demandes, (QStringList{u"ba"_s, u"bo"_s, u"bi"_s, u"bu"_s}));
        fen.p.synthese.repondre(1);
        QTRY_COMPARE(fen.p.synthese.demandes.size(), 5);
        QCOMPARE(fen.p.synthese.enAttente(), 4);
        QVERIFY(dialogue->enCours());

        if (geste == u"annuler")
            QTest::mouseClick(dialogue->findChild<QPushButton *>(u"cmdAjoutAnnuler"_s), Qt::LeftButton);
        else if (geste == u"fermer")
            QTest::mouseClick(dialogue->findChild<QPushButton *>(u"cmdAjoutFermer"_s), Qt::LeftButton);
        else
            fen.f.reset();
        fen.p.synthese.repondre();   // the words in flight end after the gesture
        QTest::qWait(50);
        QCOMPARE(fen.p.synthese.demandes, (QStringList{u"ba"_s, u"bo"_s, u"bi"_s, u"bu"_s, u"be"_s}));
        QCOMPARE(fen.p.synthese.enAttente(), 0);
        if (geste == u"fenetre") {
            QVERIFY(!dialogue);
            return;
        }
        QByteArray motsDat;
        for (const char *mot : {"ba", "bo", "bi", "bu", "be"})
            motsDat += ligneMots(mot, "1");
        QCOMPARE(fen.inst.lire(u"Mots.dat"_s), motsDat);
        if (geste == u"annuler") {
            QVERIFY(dialogue && dialogue->isVisible() && !dialogue->enCours());
            QVERIFY2(lignesRapport(dialogue).contains(u"Ajout annulé. Mots non ajoutés : 3."_s), qPrintable(dialogue->rapport()));
        } else {
            QTRY_VERIFY(!dialogue);   // closed and deleted once the word in progress was taken
        }
    }

    // A failing synthesizer, or none at all: every word is reported with its
    // reason and nothing is added.
    void sansVoix()
    {
        Fenetre fen({});
        fen.p.synthese.erreur = u"la voix est en panne."_s;
        DialogueAjoutMots *dialogue = ajouterMots(fen, u"chat\nchien"_s);
        QVERIFY(dialogue);
        QCOMPARE(lignesRapport(dialogue), (QStringList{u"Aucun mot n'a été ajouté."_s, u"Mots non enregistrés :"_s,
                                                       u"  « chat » : la voix est en panne."_s,
                                                       u"  « chien » : la voix est en panne."_s}));
        QCOMPARE(sons(fen.inst), QStringList());

        DialogueAjoutMots muet(fen.inst.dossier.path(), {}, nullptr, [](const ListeMots &) { QFAIL("rien à ajouter"); });
        muet.findChild<QPlainTextEdit *>(u"txtAjoutMots"_s)->setPlainText(u"lune"_s);
        QTest::mouseClick(muet.findChild<QPushButton *>(u"cmdAjoutMots"_s), Qt::LeftButton);
        QVERIFY(!muet.enCours());
        QVERIFY2(muet.rapport().contains(u"« lune » : la voix de l'ordinateur n'est pas disponible."_s), qPrintable(muet.rapport()));
    }
};

QTEST_MAIN(TestAjoutMots)
#include "tst_ajoutmots.moc"

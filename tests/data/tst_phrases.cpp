// Context sentences on disk: Phrases.dat read and written, the typed
// "word ; sentence" form, and a sentence's recording sent to Corbeille.
#include "data/corbeille.h"
#include "data/encodage.h"
#include "data/phrases.h"
#include "data/sauvegardes.h"
#include "../support/fichiers.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray w1252(const QString &texte)
{
    return *encoderWindows1252(texte);
}

} // namespace

Q_DECLARE_METATYPE(ListePhrases)

class TstPhrases : public QObject {
    Q_OBJECT
private slots:
    // What the teacher gives is written, then read back by a new opening.
    void allerRetour_data()
    {
        QTest::addColumn<ListePhrases>("donnees");
        QTest::addColumn<QByteArray>("octets");     // the file, kAbsent for none
        QTest::addColumn<ListePhrases>("relues");
        QTest::newRow("accents et apostrophe")
            << ListePhrases{{"dent", "j'ai mal à une dent"}, {"île", "Robinson vit sur une île."}}
            << w1252("\"dent\",\"j'ai mal à une dent\"\r\n\"île\",\"Robinson vit sur une île.\"\r\n")
            << ListePhrases{{"dent", "j'ai mal à une dent"}, {"île", "Robinson vit sur une île."}};
        QTest::newRow("virgule et guillemets droits")
            << ListePhrases{{"bois", normaliserPhrase("Il dit \"je bois\", puis il boit.")}}
            << w1252("\"bois\",\"Il dit « je bois », puis il boit.\"\r\n")
            << ListePhrases{{"bois", "Il dit « je bois », puis il boit."}};
        QTest::newRow("œ et signes de Windows-1252")
            << ListePhrases{{"cœur", "Mon cœur bat… vite !"}}
            << w1252("\"cœur\",\"Mon cœur bat… vite !\"\r\n")
            << ListePhrases{{"cœur", "Mon cœur bat… vite !"}};
        QTest::newRow("aucune phrase : pas de fichier") << ListePhrases{} << kAbsent << ListePhrases{};
    }
    void allerRetour()
    {
        QFETCH(ListePhrases, donnees);
        QFETCH(QByteArray, octets);
        QFETCH(ListePhrases, relues);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(kFichierPhrases);
        QVERIFY(ecrireOctets(chemin, "\"ancien\",\"une ancienne phrase\"\r\n"));
        QVERIFY(EnregistrerPhrases(dossier.path(), donnees).ok);
        QCOMPARE(lireOctets(chemin), octets);
        QCOMPARE(LirePhrases(dossier.path()), relues);
    }

    // A missing or damaged file gives no sentence or loses only its bad lines.
    void lectureTolerante_data()
    {
        QTest::addColumn<QByteArray>("octets");   // kAbsent: no file
        QTest::addColumn<ListePhrases>("attendues");
        const ListePhrases dent{{"dent", "j'ai mal à une dent"}};
        QTest::newRow("absent") << kAbsent << ListePhrases{};
        QTest::newRow("vide") << QByteArray() << ListePhrases{};
        QTest::newRow("octets nuls") << QByteArray("\"dent\",\"j'ai\0\0\0", 15) << ListePhrases{};
        QTest::newRow("ligne sans phrase sautée")
            << w1252("\"chat\"\r\n\"dent\",\"j'ai mal à une dent\"\r\n") << dent;
        QTest::newRow("trois valeurs sautées")
            << w1252("\"chat\",\"un\",\"deux\"\r\n\"dent\",\"j'ai mal à une dent\"\r\n") << dent;
        QTest::newRow("guillemet dans la phrase : sautée")
            << w1252("\"bois\",\"il dit \"oui\" puis\"\r\n\"dent\",\"j'ai mal à une dent\"\r\n") << dent;
        QTest::newRow("mot qui sort de Phrases : sauté")
            << w1252("\"../Mots\",\"non\"\r\n\"dent\",\"j'ai mal à une dent\"\r\n") << dent;
        QTest::newRow("écrit à la main, en UTF-8, LF seuls")
            << QStringLiteral("dent, j'ai mal à une dent\n\n").toUtf8() << dent;
        QTest::newRow("blancs en trop réunis")
            << w1252("\"dent\",\"  j'ai   mal à une dent \"\r\n") << dent;
        QTest::newRow("le même mot deux fois : la dernière")
            << w1252("\"dent\",\"une dent\"\r\n\"dent\",\"j'ai mal à une dent\"\r\n") << dent;
    }
    void lectureTolerante()
    {
        QFETCH(QByteArray, octets);
        QFETCH(ListePhrases, attendues);
        QTemporaryDir dossier;
        if (octets != kAbsent)
            QVERIFY(ecrireOctets(dossier.filePath(kFichierPhrases), octets));
        QCOMPARE(LirePhrases(dossier.path()), attendues);
    }

    // A file that is not a plain file is no sentence, and is never written over.
    void fichierQuiNEnEstPasUn()
    {
        QTemporaryDir dossier;
        QVERIFY(QDir(dossier.path()).mkdir(kFichierPhrases));
        QCOMPARE(LirePhrases(dossier.path()), ListePhrases{});
        QVERIFY(!EnregistrerPhrases(dossier.path(), {{"dent", "une dent"}}).ok);
        QVERIFY(QFileInfo(dossier.filePath(kFichierPhrases)).isDir());
    }

    // Lines this program cannot read are kept in Sauvegardes before a save.
    void lignesIlliblesGardees()
    {
        QTemporaryDir dossier;
        const QByteArray avant = w1252("une note de la maîtresse\r\n\"dent\",\"une dent\"\r\n");
        QVERIFY(ecrireOctets(dossier.filePath(kFichierPhrases), avant));
        QVERIFY(EnregistrerPhrases(dossier.path(), LirePhrases(dossier.path())).ok);
        const QStringList copies = listerSauvegardes(dossier.path(), kFichierPhrases);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(lireOctets(QDir(dossier.filePath(kDossierSauvegardes)).filePath(copies.first())), avant);
        QCOMPARE(lireOctets(dossier.filePath(kFichierPhrases)), w1252("\"dent\",\"une dent\"\r\n"));
    }

    void phraseRefusee_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("gardee");
        QTest::newRow("ordinaire") << "Le loup hurle." << true;
        QTest::newRow("vide") << "   " << false;
        QTest::newRow("hors Windows-1252") << "Il sourit ☺" << false;
        QTest::newRow("tabulation réunie") << "une\tdent" << true;
    }
    void phraseRefusee()
    {
        QFETCH(QString, texte);
        QFETCH(bool, gardee);
        const QString phrase = normaliserPhrase(texte);
        QCOMPARE(raisonPhraseRefusee(phrase).isEmpty(), gardee);
        QTemporaryDir dossier;
        QCOMPARE(EnregistrerPhrases(dossier.path(), {{"dent", phrase}}).ok, gardee);
        QCOMPARE(LirePhrases(dossier.path()).size(), gardee ? 1 : 0);
    }

    // "Ajouter des mots…": the words part keeps its levels, the rest is the sentence.
    void separer_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("mots");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("mot, niveau, phrase") << "dent 1 ; j'ai mal à une dent" << "dent 1 " << "j'ai mal à une dent";
        QTest::newRow("sans niveau") << "loup;Le loup hurle." << "loup" << "Le loup hurle.";
        QTest::newRow("niveau après point-virgule") << "hérisson;4" << "hérisson;4" << "";
        QTest::newRow("niveau puis phrase") << "dent;1;j'ai mal" << "dent;1" << "j'ai mal";
        QTest::newRow("virgules dans la phrase")
            << "bois 2 ; il boit, il rit" << "bois 2 " << "il boit, il rit";
        QTest::newRow("un chiffre hors niveau est une phrase") << "mur;7" << "mur" << "7";
        QTest::newRow("rien") << "chat, chien" << "chat, chien" << "";
    }
    void separer()
    {
        QFETCH(QString, ligne);
        QFETCH(QString, mots);
        QFETCH(QString, phrase);
        const LigneAvecPhrase l = separerPhrase(ligne);
        QCOMPARE(l.mots, mots);
        QCOMPARE(l.phrase, phrase);
    }

    // A sentence's recording leaves for Corbeille/Phrases, never listed as a word.
    void jeterEnregistrement()
    {
        QTemporaryDir dossier;
        QVERIFY(ecrireOctets(dossier.filePath("Phrases/dent.wav"), "RIFF phrase"));
        QVERIFY(ecrireOctets(dossier.filePath("Sons/dent.wav"), "RIFF mot"));
        QVERIFY(jeterEnregistrementPhrase(dossier.path(), "dent").ok);
        QVERIFY(!QFileInfo::exists(dossier.filePath("Phrases/dent.wav")));
        const QStringList jetes = QDir(dossier.filePath("Corbeille/Phrases")).entryList(QDir::Files);
        QCOMPARE(jetes.size(), 1);
        QVERIFY(jetes.first().startsWith("dent ("));
        QCOMPARE(lireOctets(dossier.filePath("Corbeille/Phrases/" + jetes.first())), QByteArray("RIFF phrase"));
        QVERIFY(Corbeille(dossier.path()).lister().isEmpty());
        QCOMPARE(lireOctets(dossier.filePath("Sons/dent.wav")), QByteArray("RIFF mot"));
        QVERIFY(jeterEnregistrementPhrase(dossier.path(), "chat").ok);   // none to move
    }
};

QTEST_GUILESS_MAIN(TstPhrases)
#include "tst_phrases.moc"

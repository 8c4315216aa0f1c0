// Context sentences from the teacher window: typed after a word in "Ajouter
// des mots…", edited from a word's "…" menu, spoken by the platform's
// synthesis (a double here) into Phrases, gone with a deleted word; and the
// words that sound like another marked in the list.
#include "outils.h"
#include "data/corbeille.h"
#include "data/encodage.h"
#include "teacher/modelemots.h"

namespace {

QByteArray w1252(const QString &texte)
{
    return *encoderWindows1252(texte);
}

QByteArray lignePhrase(const QString &mot, const QString &phrase)
{
    return w1252(u"\""_s + mot + u"\",\""_s + phrase + u"\"\r\n"_s);
}

// A recording the synthesis wrote: a WAV file, not the bytes a test put there.
bool enregistrementParle(const Installation &inst, const QString &nom)
{
    return inst.lire(nom).startsWith("RIFF") && inst.lire(nom).size() > 1000;
}

int ligne(const Fenetre &fen, const QString &mot)
{
    for (int k = 0; fen.cellule(k, 0).isValid(); ++k)
        if (fen.mot(k) == mot)
            return k;
    return -1;
}

QStringList corbeillePhrases(const Installation &inst)
{
    return QDir(inst.fichier(u"Corbeille/Phrases"_s)).entryList(QDir::Files);
}

// A program folder whose language tables say which words sound alike.
void tablesLangue(Fenetre &f)
{
    QDir(f.inst.dossier.path()).mkpath(u"programme/langue"_s);
    f.inst.ecrire(u"programme/langue/homophones.txt"_s, "dent dans\nbois boit\nvert verre vers\n");
    f.etat.dossierProgramme = f.inst.fichier(u"programme"_s);
}

} // namespace

class TestPhrases : public QObject {
    Q_OBJECT

private slots:
    // "word level ; sentence": the word as ever, the sentence kept and spoken.
    void ajouter_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QByteArray>("motsDat");
        QTest::addColumn<QByteArray>("phrasesDat");
        QTest::addColumn<QStringList>("parlees");   // Phrases/*.wav
        QTest::addColumn<QString>("rapport");       // a line of the summary

        QTest::newRow("mot, niveau, phrase")
            << u"dent 1 ; j'ai mal à une dent"_s << ligneMots("loup", "") + ligneMots("dent", "1")
            << lignePhrase(u"dent"_s, u"j'ai mal à une dent"_s) << QStringList{u"dent.wav"_s}
            << u"  « dent » : j'ai mal à une dent"_s;
        QTest::newRow("virgules et guillemets dans la phrase")
            << u"bois 2 ; Il dit \"je bois\", puis il boit."_s << ligneMots("loup", "") + ligneMots("bois", "2")
            << lignePhrase(u"bois"_s, u"Il dit « je bois », puis il boit."_s) << QStringList{u"bois.wav"_s}
            << u"Phrases enregistrées : 1."_s;
        QTest::newRow("le niveau après un point-virgule reste un niveau")
            << u"hérisson;4"_s << ligneMots("loup", "") + ligneMots("h\xE9risson", "4") << QByteArray("<absent>")
            << QStringList{} << u"  « hérisson », niveau 4"_s;
        QTest::newRow("une phrase pour deux mots est refusée")
            << u"chat, chien ; Le chat et le chien."_s
            << ligneMots("loup", "") + ligneMots("chat", "") + ligneMots("chien", "") << QByteArray("<absent>")
            << QStringList{} << u"  ligne 1, « Le chat et le chien. » : une phrase ne peut suivre qu'un seul mot."_s;
        QTest::newRow("un mot déjà dans la liste reçoit sa phrase")
            << u"loup ; Le loup hurle."_s << QByteArray() << lignePhrase(u"loup"_s, u"Le loup hurle."_s)
            << QStringList{u"loup.wav"_s} << u"  « loup » : Le loup hurle."_s;
    }
    void ajouter()
    {
        QFETCH(QString, saisie);
        QFETCH(QByteArray, motsDat);
        QFETCH(QByteArray, phrasesDat);
        QFETCH(QStringList, parlees);
        QFETCH(QString, rapport);

        Fenetre fen({u"loup"_s});
        DialogueAjoutMots *dialogue = ajouterMots(fen, saisie);
        QVERIFY(dialogue);

        QCOMPARE(fen.inst.lire(u"Mots.dat"_s), motsDat);
        QCOMPARE(fen.inst.lire(u"Phrases.dat"_s), phrasesDat);
        QCOMPARE(QDir(fen.inst.fichier(u"Phrases"_s)).entryList(QDir::Files), parlees);
        for (const QString &nom : parlees)
            QVERIFY(enregistrementParle(fen.inst, u"Phrases/"_s + nom));
        // What the voice said last is the sentence, as kept.
        if (!parlees.isEmpty())
            QCOMPARE(fen.p.synthese.demandes.last(), LirePhrases(fen.inst.dossier.path()).first().phrase);
        QVERIFY2(dialogue->rapport().split(u'\n').contains(rapport), qPrintable(dialogue->rapport()));
        // The words' own recordings are the words, not their sentences.
        QVERIFY(!QFileInfo::exists(fen.inst.fichier(u"Sons/j'ai mal à une dent.wav"_s)));
    }

    // "Phrase…" in a word's menu: typed, changed (spoken again), removed.
    void menu_data()
    {
        QTest::addColumn<QByteArray>("avant");         // Phrases.dat
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QByteArray>("apres");
        QTest::addColumn<bool>("parlee");              // Phrases/dent.wav written by the synthesis
        QTest::addColumn<int>("jetees");               // in Corbeille/Phrases

        const QByteArray loup = lignePhrase(u"loup"_s, u"Le loup hurle."_s);
        QTest::newRow("nouvelle") << loup << u"j'ai mal à une dent"_s
                                  << loup + lignePhrase(u"dent"_s, u"j'ai mal à une dent"_s) << true << 0;
        QTest::newRow("changée, dite à nouveau")
            << lignePhrase(u"dent"_s, u"une dent"_s) + loup << u"  la  dent de lait "_s
            << lignePhrase(u"dent"_s, u"la dent de lait"_s) + loup << true << 0;
        QTest::newRow("la même : l'enregistrement reste")
            << lignePhrase(u"dent"_s, u"une dent"_s) << u"une dent"_s << lignePhrase(u"dent"_s, u"une dent"_s)
            << false << 0;
        QTest::newRow("vidée : à la corbeille")
            << loup + lignePhrase(u"dent"_s, u"une dent"_s) << QString() << loup << false << 1;
        QTest::newRow("hors Windows-1252 : refusée")
            << lignePhrase(u"dent"_s, u"une dent"_s) << u"une dent ☺"_s << lignePhrase(u"dent"_s, u"une dent"_s)
            << false << 0;
    }
    void menu()
    {
        QFETCH(QByteArray, avant);
        QFETCH(QString, saisie);
        QFETCH(QByteArray, apres);
        QFETCH(bool, parlee);
        QFETCH(int, jetees);

        Fenetre fen({u"dent"_s, u"loup"_s}, {}, [&](Fenetre &f) {
            f.inst.ecrire(u"Phrases.dat"_s, avant);
            QDir(f.inst.dossier.path()).mkpath(u"Phrases"_s);
            if (avant.contains("\"dent\""))
                f.inst.ecrire(u"Phrases/dent.wav"_s, "ancienne");
        });
        fen.menu(ligne(fen, u"dent"_s), u"actPhrase"_s);
        auto *dialogue = fen.f->findChild<QDialog *>(u"dialoguePhrase"_s);
        QVERIFY(dialogue && dialogue->isVisible());
        auto *saisieTexte = dialogue->findChild<QLineEdit *>(u"txtPhrase"_s);
        QCOMPARE(saisieTexte->text(), avant.contains("\"dent\"") ? u"une dent"_s : QString());
        saisieTexte->clear();
        taper(saisieTexte, saisie);
        fen.clic(dialogue->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));

        QTRY_COMPARE(enregistrementParle(fen.inst, u"Phrases/dent.wav"_s), parlee);
        QTest::qWait(50);   // nothing more is written afterwards
        QCOMPARE(fen.inst.lire(u"Phrases.dat"_s), apres);
        if (!parlee)
            QCOMPARE(fen.inst.lire(u"Phrases/dent.wav"_s), jetees ? QByteArray("<absent>")
                                                                  : avant.contains("\"dent\"") ? QByteArray("ancienne")
                                                                                               : QByteArray("<absent>"));
        QCOMPARE(corbeillePhrases(fen.inst).size(), jetees);
        QCOMPARE(fen.inst.lire(u"Sons/dent.wav"_s), QByteArray("RIFF"));
    }

    // A deleted word takes its sentence along: the line leaves Phrases.dat,
    // the recording goes to Corbeille/Phrases, and the Corbeille lists the word alone.
    void supprimer()
    {
        Fenetre fen({u"dent"_s, u"loup"_s}, {}, [](Fenetre &f) {
            f.inst.ecrire(u"Phrases.dat"_s, lignePhrase(u"dent"_s, u"j'ai mal à une dent"_s)
                                                + lignePhrase(u"loup"_s, u"Le loup hurle."_s));
            QDir(f.inst.dossier.path()).mkpath(u"Phrases"_s);
            f.inst.ecrire(u"Phrases/dent.wav"_s, "phrase de dent");
            f.inst.ecrire(u"Phrases/loup.wav"_s, "phrase de loup");
        });
        fen.menu(ligne(fen, u"dent"_s), u"actSupprimer"_s);

        QCOMPARE(fen.inst.lire(u"Phrases.dat"_s), lignePhrase(u"loup"_s, u"Le loup hurle."_s));
        QVERIFY(!QFileInfo::exists(fen.inst.fichier(u"Phrases/dent.wav"_s)));
        QCOMPARE(fen.inst.lire(u"Phrases/loup.wav"_s), QByteArray("phrase de loup"));
        const QStringList jetees = corbeillePhrases(fen.inst);
        QCOMPARE(jetees.size(), 1);
        QCOMPARE(fen.inst.lire(u"Corbeille/Phrases/"_s + jetees.first()), QByteArray("phrase de dent"));
        QCOMPARE(fen.inst.lireCorbeille(u"dent"_s), QByteArray("RIFF"));
        const QList<EnregistrementJete> corbeille = Corbeille(fen.inst.dossier.path()).lister();
        QCOMPARE(corbeille.size(), 1);
        QCOMPARE(corbeille.first().mot, u"dent"_s);
    }

    // A corrected spelling keeps the word's sentence and its recording.
    void corrigerOrthographe()
    {
        Fenetre fen({u"dant"_s, u"loup"_s}, {}, [](Fenetre &f) {
            f.inst.ecrire(u"Phrases.dat"_s, lignePhrase(u"dant"_s, u"j'ai mal à une dent"_s)
                                                + lignePhrase(u"loup"_s, u"Le loup hurle."_s));
            QDir(f.inst.dossier.path()).mkpath(u"Phrases"_s);
            f.inst.ecrire(u"Phrases/dant.wav"_s, "phrase de dent");
        });
        fen.menu(ligne(fen, u"dant"_s), u"actOrthographe"_s);
        auto *dialogue = fen.f->findChild<QDialog *>(u"dialogueOrthographe"_s);
        dialogue->findChild<QLineEdit *>(u"txtOrthographe"_s)->setText(u"dent"_s);
        fen.clic(dialogue->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));

        QCOMPARE(fen.f->tableur().first().mot, u"dent"_s);
        QCOMPARE(fen.inst.lire(u"Phrases.dat"_s), lignePhrase(u"loup"_s, u"Le loup hurle."_s)
                                                      + lignePhrase(u"dent"_s, u"j'ai mal à une dent"_s));
        QCOMPARE(fen.inst.lire(u"Phrases/dent.wav"_s), QByteArray("phrase de dent"));
        QVERIFY(!QFileInfo::exists(fen.inst.fichier(u"Phrases/dant.wav"_s)));
        QCOMPARE(corbeillePhrases(fen.inst).size(), 1);
    }

    // The list marks a word that sounds like another while it has no sentence.
    void marque_data()
    {
        QTest::addColumn<QByteArray>("phrasesDat");
        QTest::addColumn<QStringList>("marques");   // dent, loup, vert
        QTest::newRow("sans phrases")
            << QByteArray("<absent>")
            << QStringList{u"se prononce comme : dans"_s, QString(), u"se prononce comme : verre, vers"_s};
        QTest::newRow("dent a sa phrase")
            << lignePhrase(u"dent"_s, u"j'ai mal à une dent"_s)
            << QStringList{QString(), QString(), u"se prononce comme : verre, vers"_s};
        QTest::newRow("Phrases.dat abîmé : aucune phrase")
            << QByteArray("\"dent\",\"j'ai\0\0", 13)
            << QStringList{u"se prononce comme : dans"_s, QString(), u"se prononce comme : verre, vers"_s};
    }
    void marque()
    {
        QFETCH(QByteArray, phrasesDat);
        QFETCH(QStringList, marques);
        Fenetre fen({u"dent"_s, u"loup"_s, u"vert"_s}, {}, [&](Fenetre &f) {
            tablesLangue(f);
            if (phrasesDat != "<absent>")
                f.inst.ecrire(u"Phrases.dat"_s, phrasesDat);
        });
        const QStringList mots{u"dent"_s, u"loup"_s, u"vert"_s};
        for (qsizetype i = 0; i < mots.size(); ++i) {
            const QModelIndex cellule = fen.cellule(ligne(fen, mots[i]), 0);
            QCOMPARE(cellule.data(ModeleMots::RoleMarque).toString(), marques[i]);
            QCOMPARE(cellule.data(Qt::ToolTipRole).toString(), marques[i]);
        }
        // Giving "vert" a sentence takes its mark away at once.
        fen.menu(ligne(fen, u"vert"_s), u"actPhrase"_s);
        auto *dialogue = fen.f->findChild<QDialog *>(u"dialoguePhrase"_s);
        dialogue->findChild<QLineEdit *>(u"txtPhrase"_s)->setText(u"Le pré est vert."_s);
        fen.clic(dialogue->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));
        QCOMPARE(fen.cellule(ligne(fen, u"vert"_s), 0).data(ModeleMots::RoleMarque).toString(), QString());
    }

    // "Ajouter des mots…" asks for a sentence for a new word that sounds like another.
    void ajoutDemandePhrase()
    {
        Fenetre fen({}, {}, tablesLangue);
        DialogueAjoutMots *dialogue = ajouterMots(fen, u"dent\nbois ; Je bois de l'eau.\nloup"_s);
        QVERIFY(dialogue);
        const QStringList lignes = dialogue->rapport().split(u'\n');
        const QStringList demandes = lignes.filter(u"se prononce comme"_s);
        QCOMPARE(demandes.size(), 1);
        QVERIFY2(demandes.first().startsWith(u"« dent » se prononce comme « dans »"_s), qPrintable(demandes.first()));
        QCOMPARE(fen.cellule(ligne(fen, u"dent"_s), 0).data(ModeleMots::RoleMarque).toString(),
                 u"se prononce comme : dans"_s);
        QCOMPARE(fen.cellule(ligne(fen, u"bois"_s), 0).data(ModeleMots::RoleMarque).toString(), QString());
    }
};

QTEST_MAIN(TestPhrases)
#include "tst_phrases.moc"

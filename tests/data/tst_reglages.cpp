// The settings files (access code, exercise font) and the pupils' files.
#include "data/eleves.h"
#include "data/reglages.h"
#include "outils.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(std::optional<ReglageFonte>)

class TestReglages : public QObject {
    Q_OBJECT

private slots:
    void lireCodeAcces_data();
    void lireCodeAcces();
    void enregistrerCodeAcces();
    void lireFonte_data();
    void lireFonte();
    void texteTaille_data();
    void texteTaille();
    void enregistrerFonte();
    void listerEleves();
    void nomEleve_data();
    void nomEleve();
    void creerEtSupprimerEleve();
};

void TestReglages::lireCodeAcces_data()
{
    QTest::addColumn<QByteArray>("octets"); // "<absent>": no file
    QTest::addColumn<QString>("attendu");
    QTest::newRow("absent") << QByteArray("<absent>") << "";
    QTest::newRow("vide") << QByteArray() << "";
    QTest::newRow("une ligne") << QByteArray("\"abc\"\r\n") << "abc";
    QTest::newRow("plusieurs valeurs: la derniere") << QByteArray("\"abc\"\r\n\"x\",\"Zz9\"\r\n") << "Zz9";
    QTest::newRow("sans guillemets") << QByteArray("  code \r\n") << "code";
    QTest::newRow("1252") << QByteArray("\"\xE9t\xE9\"") << "été";
}

void TestReglages::lireCodeAcces()
{
    QFETCH(QByteArray, octets);
    QFETCH(QString, attendu);
    QTemporaryDir dossier;
    if (octets != "<absent>")
        QVERIFY(outils::ecrireOctets(dossier.filePath("Code.dat"), octets));
    QCOMPARE(::lireCodeAcces(dossier.path()), attendu);
}

void TestReglages::enregistrerCodeAcces()
{
    QTemporaryDir dossier;
    QVERIFY(::enregistrerCodeAcces(dossier.path(), "a,b é").ok);
    QCOMPARE(outils::lireOctets(dossier.filePath("Code.dat")), QByteArray("\"a,b \xE9\"\r\n"));
    QCOMPARE(::lireCodeAcces(dossier.path()), QStringLiteral("a,b é"));

    const ResultatEcriture refus = ::enregistrerCodeAcces(dossier.path(), "ab\"c");
    QVERIFY(!refus.ok);
    QVERIFY(refus.message().startsWith(QStringLiteral("Impossible d'enregistrer le fichier « Code.dat » : ")));
    QCOMPARE(::lireCodeAcces(dossier.path()), QStringLiteral("a,b é"));
}

void TestReglages::lireFonte_data()
{
    QTest::addColumn<QByteArray>("octets"); // "<absent>": no file
    QTest::addColumn<std::optional<ReglageFonte>>("attendu");
    const std::optional<ReglageFonte> rien;
    const auto fonte = [](const QString &nom, double taille) { return std::optional(ReglageFonte{nom, taille}); };
    QTest::newRow("absent") << QByteArray("<absent>") << rien;
    QTest::newRow("vide") << QByteArray() << rien;
    QTest::newRow("ordinaire") << QByteArray("\"Comic Sans MS\"\r\n15.75\r\n") << fonte("Comic Sans MS", 15.75);
    QTest::newRow("plusieurs paires: la derniere")
        << QByteArray("\"Arial\"\r\n12\r\n\"Andika\"\r\n13.5\r\n") << fonte("Andika", 13.5);
    QTest::newRow("valeur seule en trop ignoree") << QByteArray("\"Arial\"\r\n12\r\n\"Andika\"\r\n")
                                                  << fonte("Arial", 12);
    QTest::newRow("nom seul") << QByteArray("\"Arial\"\r\n") << rien;
    QTest::newRow("nom vide") << QByteArray("\"\"\r\n12\r\n") << rien;
    QTest::newRow("virgule decimale citee") << QByteArray("\"Arial\"\r\n\"13,5\"\r\n") << fonte("Arial", 13.5);
    QTest::newRow("taille illisible") << QByteArray("\"Arial\"\r\ngrand\r\n") << fonte("Arial", 15.75);
    QTest::newRow("taille vide") << QByteArray("\"Arial\"\r\n\r\n") << fonte("Arial", 15.75);
    QTest::newRow("nan") << QByteArray("\"Arial\"\r\nnan\r\n") << fonte("Arial", 15.75);
    QTest::newRow("infinie") << QByteArray("\"Arial\"\r\ninf\r\n") << fonte("Arial", 15.75);
    QTest::newRow("trop grande") << QByteArray("\"Arial\"\r\n1000\r\n") << fonte("Arial", kTailleFonteMax);
    QTest::newRow("negative") << QByteArray("\"Arial\"\r\n-3\r\n") << fonte("Arial", kTailleFonteMin);
    QTest::newRow("sur une ligne") << QByteArray("\"Arial\",25.5") << fonte("Arial", 25.5);
}

void TestReglages::lireFonte()
{
    QFETCH(QByteArray, octets);
    QFETCH(std::optional<ReglageFonte>, attendu);
    QTemporaryDir dossier;
    if (octets != "<absent>")
        QVERIFY(outils::ecrireOctets(dossier.filePath("Fonte.dat"), octets));
    const std::optional<ReglageFonte> lu = ::lireFonte(dossier.path());
    QCOMPARE(lu.has_value(), attendu.has_value());
    if (lu) {
        QCOMPARE(lu->nom, attendu->nom);
        QCOMPARE(lu->taille, attendu->taille);
    }
}

void TestReglages::texteTaille_data()
{
    QTest::addColumn<double>("taille");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("15.75") << 15.75 << "15.75";
    QTest::newRow("13.5") << 13.5 << "13.5";
    QTest::newRow("12") << 12.0 << "12";
    QTest::newRow("25.5") << 25.5 << "25.5";
    QTest::newRow("1") << 1.0 << "1";
    QTest::newRow("10") << 10.0 << "10";
}

void TestReglages::texteTaille()
{
    QFETCH(double, taille);
    QFETCH(QString, attendu);
    QCOMPARE(::texteTaille(taille), attendu);
}

void TestReglages::enregistrerFonte()
{
    QTemporaryDir dossier;
    QVERIFY(::enregistrerFonte(dossier.path(), {"Comic Sans MS", 15.75}).ok);
    QCOMPARE(outils::lireOctets(dossier.filePath("Fonte.dat")), QByteArray("\"Comic Sans MS\"\r\n15.75\r\n"));
    QCOMPARE(::lireFonte(dossier.path()), std::optional(ReglageFonte{"Comic Sans MS", 15.75}));
    QVERIFY(::enregistrerFonte(dossier.path(), {"Andika", 12}).ok);
    QCOMPARE(outils::lireOctets(dossier.filePath("Fonte.dat")), QByteArray("\"Andika\"\r\n12\r\n"));

    QVERIFY(!::enregistrerFonte(dossier.path(), {"Bad\"Font", 12}).ok);
    QVERIFY(!::enregistrerFonte(dossier.path(), {"Noto ☺", 12}).ok);
    QCOMPARE(outils::lireOctets(dossier.filePath("Fonte.dat")), QByteArray("\"Andika\"\r\n12\r\n"));
}

void TestReglages::listerEleves()
{
    QTemporaryDir dossier;
    for (const char *nom : {"Zoé.bil", "Élodie M.bil", "david.bil", "Paul.BIL", "notes.txt", ".bil", "Anne.bil.txt"})
        QVERIFY(outils::ecrireOctets(dossier.filePath(QString::fromUtf8(nom)), ""));
    QVERIFY(QDir(dossier.path()).mkdir("Dossier.bil"));
    QCOMPARE(::listerEleves(dossier.path()), (QStringList{"david", "Élodie M", "Zoé"}));
    QCOMPARE(::listerEleves(dossier.filePath("absent")), QStringList());
}

void TestReglages::nomEleve_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("raison"); // a word of the reason; empty: accepted
    QTest::newRow("simple") << "Paul" << "";
    QTest::newRow("accents et blanc") << "Élodie M" << "";
    QTest::newRow("tiret apostrophe") << "Jean-Luc O'Neil" << "";
    QTest::newRow("ligature") << "Œdipe" << "";
    QTest::newRow("200 caracteres") << QString(200, 'a') << "";
    QTest::newRow("vide") << "" << "vide";
    QTest::newRow("blancs") << "   " << "vide";
    QTest::newRow("point") << "." << "nom de fichier";
    QTest::newRow("point point") << ".." << "nom de fichier";
    QTest::newRow("barre") << "a/b" << "« / »";
    QTest::newRow("barre inverse") << "a\\b" << "« \\ »";
    QTest::newRow("deux-points") << "a:b" << "« : »";
    QTest::newRow("etoile") << "a*" << "« * »";
    QTest::newRow("question") << "a?" << "« ? »";
    QTest::newRow("guillemet") << "a\"b" << "« \" »";
    QTest::newRow("chevrons") << "<a>" << "« < »";
    QTest::newRow("barre verticale") << "a|b" << "« | »";
    QTest::newRow("controle") << "a\tb" << "contrôle";
    QTest::newRow("hors 1252") << "Zoë ☺" << "U+263A";
    QTest::newRow("point final") << "Paul." << "terminer";
    QTest::newRow("blanc final") << "Paul " << "terminer";
    QTest::newRow("201 caracteres") << QString(201, 'a') << "trop long";
    QTest::newRow("trop d'octets") << QString(130, QChar(0xE9)) << "trop long";
}

void TestReglages::nomEleve()
{
    QFETCH(QString, nom);
    QFETCH(QString, raison);
    const QString donnee = raisonNomEleveRefuse(nom);
    if (raison.isEmpty())
        QCOMPARE(donnee, QString());
    else
        QVERIFY2(donnee.contains(raison) && donnee.endsWith(u'.'), qPrintable(donnee));
}

void TestReglages::creerEtSupprimerEleve()
{
    QTemporaryDir dossier;
    QVERIFY(creerEleve(dossier.path(), "Élodie M").ok);
    const QString chemin = dossier.filePath("Élodie M.bil");
    QCOMPARE(QFileInfo(chemin).size(), 0);
    QVERIFY(outils::ecrireOctets(chemin, "\"progres\"\r\n"));
    QVERIFY(creerEleve(dossier.path(), "Élodie M").ok); // never truncates
    QCOMPARE(outils::lireOctets(chemin), QByteArray("\"progres\"\r\n"));

    const ResultatEcriture refus = creerEleve(dossier.path(), "../evasion");
    QVERIFY(!refus.ok);
    QVERIFY(refus.message().startsWith(QStringLiteral("Impossible de créer le fichier")));
    QCOMPARE(::listerEleves(dossier.path()), QStringList{"Élodie M"});

    QVERIFY(supprimerEleve(dossier.path(), "Élodie M").ok);
    QVERIFY(!QFileInfo::exists(chemin));
    QVERIFY(supprimerEleve(dossier.path(), "Élodie M").ok); // already gone
    QVERIFY(!supprimerEleve(dossier.path(), "../Mots").ok);

    const QString lectureSeule = outils::dossierLectureSeule(dossier.path());
    if (lectureSeule.isEmpty())
        QSKIP("this user can write into read-only folders");
    const ResultatEcriture echec = creerEleve(lectureSeule, "Paul");
    outils::rendreInscriptible(lectureSeule);
    QVERIFY(!echec.ok);
    QVERIFY(!echec.detail.isEmpty());
}

QTEST_GUILESS_MAIN(TestReglages)
#include "tst_reglages.moc"

// Where a printed PDF may go: the rule every print command obeys, on a real
// file system (links, a FIFO, a name without a folder). The plain cases
// (a data file, a new file in Sons, a text file, a PDF elsewhere) go
// through the pupil window's print dialog in test_pupil_rapport.
#include "platform/sortieimpression.h"
#include "support/fichiers.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestSortieImpression : public QObject {
    Q_OBJECT

private slots:
    void refus_data()
    {
        QTest::addColumn<QString>("fichier");   // <donnees>/..., <dehors>/..., or a bare name
        QTest::addColumn<QString>("courant");   // the current folder: <donnees> or <dehors>
        QTest::addColumn<QString>("refus");     // a part of the reason; empty: allowed
        const QString donnees = u"dossier des données"_s, pasPdf = u"n'est pas un document PDF"_s,
                      pasFichier = u"n'est pas un fichier"_s;
        QTest::newRow("lien vers un PDF ailleurs") << "<dehors>/lien-pdf.pdf" << "<dehors>" << "";
        QTest::newRow("nom seul, dossier courant ailleurs") << "bilan.pdf" << "<dehors>" << "";
        QTest::newRow("nouveau fichier dans les données") << "<donnees>/bilan.pdf" << "<dehors>" << donnees;
        QTest::newRow("détour par ..") << "<dehors>/../donnees/Sons/../Code.dat" << "<dehors>" << donnees;
        QTest::newRow("nom seul, dossier courant des données") << "Code.dat" << "<donnees>" << donnees;
        QTest::newRow("nom seul, nouveau fichier") << "bilan.pdf" << "<donnees>" << donnees;
        QTest::newRow("lien vers un fichier des données") << "<dehors>/lien-code.pdf" << "<dehors>" << donnees;
        QTest::newRow("lien vers un PDF des données") << "<dehors>/lien-vers-pdf-donnees.pdf" << "<dehors>" << donnees;
        QTest::newRow("fichier vide ailleurs") << "<dehors>/vide.pdf" << "<dehors>" << pasPdf;
        QTest::newRow("nommé .pdf sans en être un") << "<dehors>/faux.pdf" << "<dehors>" << pasPdf;
        QTest::newRow("dossier") << "<dehors>/classeur" << "<dehors>" << pasFichier;
        QTest::newRow("FIFO") << "<dehors>/tuyau" << "<dehors>" << pasFichier;
        QTest::newRow("lien cassé") << "<dehors>/lien-casse.pdf" << "<dehors>" << pasFichier;
        QTest::newRow("dossier absent") << "<dehors>/absent/bilan.pdf" << "<dehors>" << u"n'existe pas"_s;
    }
    void refus()
    {
        QFETCH(QString, fichier);
        QFETCH(QString, courant);
        QFETCH(QString, refus);
        QTemporaryDir racine;
        QDir r(racine.path());
        QVERIFY(r.mkpath(u"donnees/Sons"_s) && r.mkpath(u"dehors/classeur"_s));
        const QString donnees = r.filePath(u"donnees"_s), dehors = r.filePath(u"dehors"_s);
        QVERIFY(ecrireOctets(donnees + u"/Code.dat"_s, "\"1234\"\r\n"));
        QVERIFY(ecrireOctets(donnees + u"/ancien.pdf"_s, "%PDF-1.4\n%%EOF\n"));
        QVERIFY(ecrireOctets(dehors + u"/ancien.pdf"_s, "%PDF-1.4\n%%EOF\n"));
        QVERIFY(ecrireOctets(dehors + u"/vide.pdf"_s, ""));
        QVERIFY(ecrireOctets(dehors + u"/faux.pdf"_s, "\"1234\"\r\n"));
        QVERIFY(QFile::link(donnees + u"/Code.dat"_s, dehors + u"/lien-code.pdf"_s));
        QVERIFY(QFile::link(donnees + u"/ancien.pdf"_s, dehors + u"/lien-vers-pdf-donnees.pdf"_s));
        QVERIFY(QFile::link(dehors + u"/ancien.pdf"_s, dehors + u"/lien-pdf.pdf"_s));
        QVERIFY(QFile::link(dehors + u"/nulle-part.pdf"_s, dehors + u"/lien-casse.pdf"_s));
        QCOMPARE(::mkfifo(QFile::encodeName(dehors + u"/tuyau"_s).constData(), 0644), 0);

        const QString avant = QDir::currentPath();
        QVERIFY(QDir::setCurrent(courant == u"<donnees>"_s ? donnees : dehors));
        const QString raison = refusFichierImpression(
            QString(fichier).replace(u"<donnees>"_s, donnees).replace(u"<dehors>"_s, dehors), donnees);
        QDir::setCurrent(avant);
        if (refus.isEmpty())
            QVERIFY2(raison.isEmpty(), qPrintable(raison));
        else
            QVERIFY2(raison.contains(refus), qPrintable(raison));
    }

    // The data folder named through a link, or with a trailing separator, is
    // the same folder.
    void dossierDonneesParUnLien()
    {
        QTemporaryDir racine;
        QDir r(racine.path());
        QVERIFY(r.mkpath(u"donnees"_s));
        QVERIFY(QFile::link(r.filePath(u"donnees"_s), r.filePath(u"raccourci"_s)));
        for (const QString &nomme : {r.filePath(u"raccourci"_s), r.filePath(u"donnees/"_s)})
            QVERIFY(!refusFichierImpression(r.filePath(u"donnees/Code.dat"_s), nomme).isEmpty());
        QVERIFY(refusFichierImpression(r.filePath(u"bilan.pdf"_s), r.filePath(u"raccourci"_s)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSortieImpression)
#include "tst_sortieimpression.moc"

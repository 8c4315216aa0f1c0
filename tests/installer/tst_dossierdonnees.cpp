// Where the data live: the rule decided at start-up, on a fake computer (a
// program folder, configuration files, a per-user folder, a school share),
// and the first start that fills the per-user folder.
#include "data/listemots.h"
#include "platform/dossierdonnees.h"
#include "preparerdonnees.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void ecrire(const QString &chemin, const QByteArray &octets)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

// copie: a copied installation folder (its library beside the program);
// systeme: /usr/libexec/orthoval with /usr/share/orthoval beside.
struct Ordinateur {
    QTemporaryDir racine;
    EnvironnementDonnees environnement;
    explicit Ordinateur(const QString &installation)
    {
        ::chmod(QFile::encodeName(racine.path()).constData(), 0755);   // for "nobody" below
        const QString programme = installation == u"copie"_s ? chemin(u"stage"_s) : chemin(u"usr/libexec/orthoval"_s);
        QDir().mkpath(programme);
        QDir().mkpath(installation == u"copie"_s ? chemin(u"stage/bibliotheque"_s)
                                                 : chemin(u"usr/share/orthoval/bibliotheque"_s));
        for (const QString &dossier : {u"ecole"_s, u"autre"_s})
            QDir().mkpath(chemin(dossier));
        ecrire(chemin(u"fichier"_s), "x");
        environnement = {programme, {u"orthoval"_s}, chemin(u"home/.config/OrthoVal/orthoval.conf"_s),
                         chemin(u"etc/orthoval/orthoval.conf"_s), chemin(u"home/.local/share/OrthoVal"_s)};
    }
    QString chemin(const QString &relatif) const { return racine.filePath(relatif); }
    // "$" stands for the fake computer's root in a configuration line or an argument.
    QString remplacer(const QString &texte) const { return QString(texte).replace(u'$', racine.path()); }
};

}  // namespace

class TestDossierDonnees : public QObject {
    Q_OBJECT

private slots:
    void choisir_data()
    {
        QTest::addColumn<QString>("installation");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("configUtilisateur");   // empty: no file
        QTest::addColumn<QString>("configSysteme");
        QTest::addColumn<int>("origine");
        QTest::addColumn<QString>("dossier");             // relative to the root; empty on failure
        QTest::addColumn<QString>("message");             // a part of the French message, $ for the root

        const int ligne = int(OrigineDonnees::LigneCommande), programme = int(OrigineDonnees::Programme),
                  utilisateur = int(OrigineDonnees::ConfigUtilisateur), systeme = int(OrigineDonnees::ConfigSysteme),
                  personnel = int(OrigineDonnees::Utilisateur);
        const QString ecole = u"donnees=$/ecole\n"_s;
        QTest::newRow("copied folder, settings ignored") << "copie" << QStringList{} << ecole << ecole << programme << "stage" << "";
        QTest::newRow("--donnees before the copied folder") << "copie" << QStringList{"--donnees", "$/ecole/"} << "" << "" << ligne << "ecole" << "";
        QTest::newRow("--donnees before the settings") << "systeme" << QStringList{"--donnees", "$/autre"} << ecole << ecole << ligne << "autre" << "";
        QTest::newRow("per-user before system-wide") << "systeme" << QStringList{} << u"# école\n\n donnees = $/autre \n"_s << ecole << utilisateur << "autre" << "";
        QTest::newRow("system-wide") << "systeme" << QStringList{} << "" << ecole << systeme << "ecole" << "";
        QTest::newRow("nothing set: per-user folder") << "systeme" << QStringList{} << "" << "" << personnel << "home/.local/share/OrthoVal" << "";

        QTest::newRow("share not mounted") << "systeme" << QStringList{} << "" << "donnees=$/mnt/ecole\n" << systeme << ""
                                           << "Le dossier des données « $/mnt/ecole » (réglé dans « $/etc/orthoval/orthoval.conf ») est introuvable.";
        QTest::newRow("missing --donnees folder") << "copie" << QStringList{"--donnees", "$/absent"} << "" << "" << ligne << ""
                                                  << "« $/absent » (donné par l'option --donnees) est introuvable";
        QTest::newRow("a file, not a folder") << "systeme" << QStringList{} << "donnees=$/fichier" << "" << utilisateur << ""
                                              << "« $/fichier » (réglé dans « $/home/.config/OrthoVal/orthoval.conf ») n'est pas un dossier.";
        QTest::newRow("relative folder in a setting") << "systeme" << QStringList{} << "" << "donnees=ecole" << systeme << ""
                                                      << "la ligne « donnees=ecole » doit donner le chemin complet";
        // A broken per-user setting is not skipped for the system-wide one.
        QTest::newRow("per-user setting wrong, system-wide right") << "systeme" << QStringList{} << "donnees=$/absent" << ecole
                                                                   << utilisateur << "" << "« $/absent »";
    }

    void choisir()
    {
        QFETCH(QString, installation);
        QFETCH(QStringList, arguments);
        QFETCH(QString, configUtilisateur);
        QFETCH(QString, configSysteme);
        QFETCH(int, origine);
        QFETCH(QString, dossier);
        QFETCH(QString, message);
        Ordinateur ordinateur(installation);
        for (const QString &argument : arguments)
            ordinateur.environnement.arguments << ordinateur.remplacer(argument);
        if (!configUtilisateur.isEmpty())
            ecrire(ordinateur.environnement.configUtilisateur, ordinateur.remplacer(configUtilisateur).toUtf8());
        if (!configSysteme.isEmpty())
            ecrire(ordinateur.environnement.configSysteme, ordinateur.remplacer(configSysteme).toUtf8());

        const ChoixDonnees choix = choisirDossierDonnees(ordinateur.environnement);
        QCOMPARE(int(choix.origine), origine);
        QCOMPARE(choix.dossier, dossier.isEmpty() ? QString() : ordinateur.chemin(dossier));
        if (message.isEmpty())
            QVERIFY2(choix.ok(), qPrintable(choix.erreur));
        else
            QVERIFY2(choix.erreur.contains(ordinateur.remplacer(message)), qPrintable(choix.erreur));
    }

    // A folder the pupils cannot write to: a read-only program folder sends
    // the data elsewhere, a read-only configured folder stops the program.
    // Root writes everywhere, so the rule runs as "nobody" meanwhile.
    void dossierProtege()
    {
        Ordinateur ordinateur(u"copie"_s);
        ecrire(ordinateur.environnement.configSysteme, ordinateur.remplacer(u"donnees=$/ecole\n"_s).toUtf8());
        QFile::setPermissions(ordinateur.environnement.configSysteme, QFile::ReadOwner | QFile::ReadOther);
        for (const QString &dossier : {u"stage"_s, u"ecole"_s, u"etc"_s, u"etc/orthoval"_s})
            QVERIFY(::chmod(QFile::encodeName(ordinateur.chemin(dossier)).constData(), 0555) == 0);
        const bool root = ::geteuid() == 0;
        if (root)
            QVERIFY(::setegid(65534) == 0 && ::seteuid(65534) == 0);
        const ChoixDonnees choix = choisirDossierDonnees(ordinateur.environnement);
        if (root && (::seteuid(0) != 0 || ::setegid(0) != 0))
            qFatal("cannot become root again");
        QCOMPARE(choix.origine, OrigineDonnees::ConfigSysteme);
        QVERIFY2(choix.erreur.contains(ordinateur.remplacer(u"Le dossier des données « $/ecole »"_s))
                     && choix.erreur.contains(u"est protégé en écriture"_s), qPrintable(choix.erreur));
        QVERIFY(choix.dossier.isEmpty());
    }

    // The first start on the per-user folder: created, with the starter
    // library and its levels.
    void premierDemarrage()
    {
        Ordinateur ordinateur(u"systeme"_s);
        const QString bibliotheque = trouverBibliotheque(ordinateur.environnement.dossierProgramme);
        QCOMPARE(bibliotheque, ordinateur.chemin(u"usr/share/orthoval/bibliotheque"_s));
        ecrire(bibliotheque + u"/chat.wav"_s, "RIFF chat");
        ecrire(bibliotheque + u"/école.wav"_s, "RIFF école");
        ecrire(bibliotheque + u"/mots-depart.txt"_s, "1 chat\n4 école\n");

        const ChoixDonnees choix = choisirDossierDonnees(ordinateur.environnement);
        QVERIFY(preparerDossierDonnees(choix, bibliotheque).ok());
        const QDir donnees(ordinateur.environnement.dossierUtilisateur);
        QCOMPARE(QDir(donnees.filePath(kDossierSons)).entryList(QDir::Files), (QStringList{u"chat.wav"_s, u"école.wav"_s}));
        QFile mots(donnees.filePath(kFichierMots));
        QVERIFY(mots.open(QIODevice::ReadOnly));
        QCOMPARE(mots.readAll(), QByteArray("\"*\",\"chat\",\"1\"\r\n\"*\",\"\xe9" "cole\",\"4\"\r\n"));

        // Nothing is written beside a program installed for the whole computer.
        QCOMPARE(QDir(ordinateur.environnement.dossierProgramme).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDossierDonnees)
#include "tst_dossierdonnees.moc"

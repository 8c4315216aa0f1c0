// Where the data live: the rule decided at start-up, on a fake computer (a
// program folder, configuration files, a per-user folder, a school share),
// and the first start that fills the per-user folder.
#include "data/listemots.h"
#include "data/dossierdonnees.h"
#include "preparerdonnees.h"

#include <QProcess>
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
        environnement = {programme, {}, chemin(u"home/.config/OrthoVal/orthoval.conf"_s),
                         chemin(u"etc/orthoval/orthoval.conf"_s), chemin(u"home/.local/share/OrthoVal"_s)};
    }
    QString chemin(const QString &relatif) const { return racine.filePath(relatif); }
    // "$" stands for the fake computer's root in a configuration line or an argument.
    QString remplacer(const QString &texte) const { return QString(texte).replace(u'$', racine.path()); }
};

const ProgrammeLigneCommande kProgramme{u"orthoval"_s, u"OrthoVal"_s, u"1.0"_s,
                                       {{u"verifier"_s, u"vérifie"_s}}};

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
        QStringList ligneCommande{u"orthoval"_s};
        for (const QString &argument : arguments)
            ligneCommande << ordinateur.remplacer(argument);
        const LigneCommande ligne = lireLigneCommande(ligneCommande, kProgramme);
        QVERIFY2(ligne.suite == LigneCommande::Suite::Demarrer, qPrintable(ligne.texte));
        ordinateur.environnement.dossierDemande = ligne.dossierDonnees;
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

    // The configuration file as technicians write it, read as an INI file:
    // every file today's installations hold keeps its meaning, and INI's own
    // rules (escapes, lists, quotes) never give a different folder silently.
    void configuration_data()
    {
        QTest::addColumn<QByteArray>("contenu");   // "$" for the fake computer's root
        QTest::addColumn<QString>("dossier");      // relative to the root; empty on failure
        QTest::addColumn<QString>("message");      // a part of the French message

        QTest::newRow("one line") << QByteArray("donnees=$/ecole") << "ecole" << "";
        QTest::newRow("comments, blank lines, spaces, CR LF")
            << QByteArray("# Réglages d'OrthoVal\r\n; pour l'école\r\n\r\n   donnees   =   $/ecole   \r\n") << "ecole" << "";
        QTest::newRow("the packaged example, uncommented")
            << QByteArray("# Where OrthoVal keeps...\n#\ndonnees=$/ecole\n#\n# Without it...\n") << "ecole" << "";
        QTest::newRow("the last line wins") << QByteArray("donnees=$/autre\ndonnees=$/ecole\n") << "ecole" << "";
        QTest::newRow("a line that is no setting") << QByteArray("OrthoVal\ndonnees=$/ecole\n") << "ecole" << "";
        QTest::newRow("in a section") << QByteArray("[OrthoVal]\ndonnees=$/ecole\n") << "ecole" << "";
        QTest::newRow("in [General]") << QByteArray("[General]\ndonnees=$/ecole\n") << "ecole" << "";
        QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xef\xbb\xbf" "donnees=$/ecole\n") << "ecole" << "";
        QTest::newRow("spaces and accents") << QByteArray("donnees=$/salle à côté/CM1 B\n") << "salle à côté/CM1 B" << "";
        QTest::newRow("quoted") << QByteArray("donnees=\"$/salle à côté/CM1 B\"\n") << "salle à côté/CM1 B" << "";
        QTest::newRow("a comma") << QByteArray("donnees=$/CE1,CE2\n") << "CE1,CE2" << "";
        QTest::newRow("a comma and a space, quoted") << QByteArray("donnees=\"$/CE1, CE2\"\n") << "CE1, CE2" << "";
        QTest::newRow("a doubled backslash") << QByteArray("donnees=$/a\\\\b\n") << "a\\b" << "";
        QTest::newRow("a trailing slash") << QByteArray("donnees=$/ecole/\n") << "ecole" << "";
        QTest::newRow("no donnees line") << QByteArray("# rien\nautre=$/ecole\n") << "home/.local/share/OrthoVal" << "";
        QTest::newRow("relative") << QByteArray("donnees=ecole\n") << ""
                                  << "la ligne « donnees=ecole » doit donner le chemin complet d'un dossier";
        QTest::newRow("empty") << QByteArray("donnees=\n") << "" << "la ligne « donnees= » doit donner le chemin complet";
        QTest::newRow("missing folder") << QByteArray("donnees=$/absent\n") << ""
                                        << "Le dossier des données « $/absent » (réglé dans « $/home/.config/OrthoVal/orthoval.conf ») est introuvable.";
        QTest::newRow("a single backslash is an escape") << QByteArray("donnees=$/ecole\\tb\n") << "" << "introuvable";
    }

    void configuration()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, dossier);
        QFETCH(QString, message);
        Ordinateur ordinateur(u"systeme"_s);
        for (const QString &nom : {u"salle à côté/CM1 B"_s, u"CE1,CE2"_s, u"CE1, CE2"_s, u"a\\b"_s})
            QVERIFY(QDir().mkpath(ordinateur.chemin(nom)));
        ecrire(ordinateur.environnement.configUtilisateur, contenu.replace('$', ordinateur.racine.path().toUtf8()));

        const ChoixDonnees choix = choisirDossierDonnees(ordinateur.environnement);
        QCOMPARE(choix.dossier, dossier.isEmpty() ? QString() : ordinateur.chemin(dossier));
        if (message.isEmpty())
            QVERIFY2(choix.ok(), qPrintable(choix.erreur));
        else
            QVERIFY2(choix.erreur.contains(ordinateur.remplacer(message)), qPrintable(choix.erreur));
    }

    void ligneCommande_data()
    {
        QTest::addColumn<QStringList>("arguments");   // after the program's name
        QTest::addColumn<int>("suite");
        QTest::addColumn<QString>("dossier");         // --donnees
        QTest::addColumn<bool>("verifier");
        QTest::addColumn<QString>("texte");           // a part of what is printed

        const int demarrer = int(LigneCommande::Suite::Demarrer), aide = int(LigneCommande::Suite::Aide),
                  version = int(LigneCommande::Suite::Version), erreur = int(LigneCommande::Suite::Erreur);
        QTest::newRow("nothing") << QStringList{} << demarrer << "" << false << "";
        QTest::newRow("--donnees") << QStringList{"--donnees", "/mnt/école B"} << demarrer << "/mnt/école B" << false << "";
        QTest::newRow("--donnees=") << QStringList{"--donnees=/mnt/ecole"} << demarrer << "/mnt/ecole" << false << "";
        QTest::newRow("--verifier --donnees") << QStringList{"--verifier", "--donnees", "ecole"} << demarrer << "ecole" << true << "";
        QTest::newRow("--donnees --verifier") << QStringList{"--donnees", "ecole", "--verifier"} << demarrer << "ecole" << true << "";
        QTest::newRow("Qt's options") << QStringList{"-platform", "offscreen", "-style", "fusion", "-reverse", "--donnees", "d"}
                                      << demarrer << "d" << false << "";
        QTest::newRow("--help") << QStringList{"--help"} << aide << "" << false << "Utilisation : orthoval [options]";
        QTest::newRow("-h beside a mistake") << QStringList{"--inconnue", "-h"} << aide << "" << false << "--donnees DOSSIER";
        QTest::newRow("--version") << QStringList{"--version"} << version << "" << false << "orthoval 1.0";
        QTest::newRow("-v") << QStringList{"-v"} << version << "" << false << "orthoval 1.0";
        QTest::newRow("--donnees alone") << QStringList{"--donnees"} << erreur << "" << false
                                         << "L'option --donnees doit être suivie du dossier des données.";
        QTest::newRow("--donnees empty") << QStringList{"--donnees", ""} << erreur << "" << false
                                         << "L'option --donnees doit être suivie du dossier des données.";
        QTest::newRow("unknown option") << QStringList{"--cache"} << erreur << "" << false
                                        << "Option inconnue : « cache ».\nLa liste des options : orthoval --help";
        QTest::newRow("a word") << QStringList{"ecole"} << erreur << "" << false << "« ecole » n'est pas une option.";
    }

    void ligneCommande()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, suite);
        QFETCH(QString, dossier);
        QFETCH(bool, verifier);
        QFETCH(QString, texte);
        const LigneCommande ligne = lireLigneCommande(QStringList{u"orthoval"_s} + arguments, kProgramme);
        QCOMPARE(int(ligne.suite), suite);
        QCOMPARE(ligne.dossierDonnees, dossier);
        QCOMPARE(ligne.demande(u"verifier"_s), verifier);
        QVERIFY2(ligne.texte.contains(texte), qPrintable(ligne.texte));
    }

#ifdef ORTHOVAL_PROGRAMME
    // The real programs on a text console: no display, no platform chosen.
    void sansAffichage_data()
    {
        QTest::addColumn<QString>("programme");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("sortie");      // a part of stdout
        QTest::addColumn<QString>("erreurs");     // a part of stderr

        const QString orthoval = QStringLiteral(ORTHOVAL_PROGRAMME), sons = QStringLiteral(ORTHOVAL_INSTALLATEUR);
        QTest::newRow("orthoval --help") << orthoval << QStringList{"--help"} << 0
                                         << "Utilisation : orthoval [options]\nOrthoVal : j'apprends à écrire les mots." << "";
        QTest::newRow("orthoval -h lists --verifier") << orthoval << QStringList{"-h"} << 0 << "  --verifier  " << "";
        QTest::newRow("orthoval --version") << orthoval << QStringList{"--version"} << 0 << "orthoval " ORTHOVAL_VERSION "\n" << "";
        QTest::newRow("orthoval --donnees") << orthoval << QStringList{"--donnees"} << 1 << ""
                                            << "L'option --donnees doit être suivie du dossier des données.";
        QTest::newRow("orthoval --inconnue") << orthoval << QStringList{"--inconnue"} << 1 << "" << "Option inconnue : « inconnue »";
        QTest::newRow("Sons.exe --help") << sons << QStringList{"--help"} << 0 << "  --cache  " << "";
        QTest::newRow("Sons.exe --version") << sons << QStringList{"--version"} << 0 << "Sons.exe " ORTHOVAL_VERSION "\n" << "";
        QTest::newRow("Sons.exe --verifier") << sons << QStringList{"--verifier"} << 1 << "" << "Option inconnue : « verifier »";
    }

    void sansAffichage()
    {
        QFETCH(QString, programme);
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, sortie);
        QFETCH(QString, erreurs);
        QProcess processus;
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        for (const char *nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environnement.remove(QString::fromLatin1(nom));
        environnement.insert(u"LANG"_s, u"C.UTF-8"_s);
        processus.setProcessEnvironment(environnement);
        processus.start(programme, arguments);
        QVERIFY(processus.waitForFinished(20000));
        const QString sortieLue = QString::fromUtf8(processus.readAllStandardOutput());
        const QString erreursLues = QString::fromUtf8(processus.readAllStandardError());
        QCOMPARE(processus.exitStatus(), QProcess::NormalExit);
        QVERIFY2(processus.exitCode() == code, qPrintable(erreursLues));
        QVERIFY2(sortieLue.contains(sortie), qPrintable(sortieLue));
        QVERIFY2(erreursLues.contains(erreurs), qPrintable(erreursLues));
    }
#endif

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

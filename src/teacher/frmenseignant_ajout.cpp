// The teacher window's way to new words: "Ajouter des mots…" and
// "Importer une liste…", both through DialogueAjoutMots.
#include "dialogueajoutmots.h"
#include "dialogueenregistrement.h"
#include "frmenseignant.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QHBoxLayout>
#include <QHash>
#include <QPushButton>
#include <QScrollBar>

namespace TextesAjout {
const QString ajouterMots = QStringLiteral("Ajouter des &mots…");
const QString importer = QStringLiteral("&Importer une liste…");
const QString titreImport = QStringLiteral("Importer une liste de mots");
const QString filtreImport = QStringLiteral("Listes de mots (*.txt *.csv);;Tous les fichiers (*)");
const QString importIllisible = QStringLiteral("Le fichier « %1 » ne peut pas être lu : %2");
const QString titreEnregistrement = QStringLiteral("Enregistrement");
const QString pasUnFichier = QStringLiteral("ce n'est pas un fichier ordinaire.");
const QString tropGros = QStringLiteral(
    "Le fichier « %1 » est trop gros pour une liste de mots (%2 Mo ; une liste en fait rarement plus de "
    "quelques centaines de kilo-octets, et OrthoVal en lit au plus %3 Mo).\nVérifiez que c'est bien le fichier de "
    "votre liste.");
const QString pasDuTexte = QStringLiteral(
    "Le fichier « %1 » n'est pas une liste de mots : ce n'est pas du texte (une image, un programme ou un document "
    "de traitement de texte, peut-être).\nEnregistrez la liste en « texte brut » (.txt ou .csv), un mot par ligne, "
    "puis importez ce fichier.");
const QString beaucoupDeMots = QStringLiteral(
    "Le fichier « %1 » ajoute %2 mots nouveaux à la liste.\nChacun sera prononcé par la voix de l'ordinateur et "
    "enregistré dans le dossier Sons, ce qui prend du temps et de la place (environ %3 Mo).\n"
    "Voulez-vous vraiment les ajouter ?");
}  // namespace TextesAjout

namespace {
// A list of 10,000 words is about 120 kB: a file larger than this is
// something else, and is not read whole.
constexpr qint64 kTailleListeMax = 2 * 1024 * 1024;
// More new words than this from one file: the teacher is asked first.
constexpr int kMotsSansQuestion = 500;
// Kilobytes a spoken word takes in Sons: 20,360 kB for the 362 words of the
// starter library.
constexpr int kKoParMot = 56;
}  // namespace

void FrmEnseignant::construireBoutonsMots(QHBoxLayout *boutons)
{
    cmdAjouterMots_ = new QPushButton(TextesAjout::ajouterMots, this);
    cmdAjouterMots_->setObjectName(QStringLiteral("cmdAjouterMots"));
    cmdImporter_ = new QPushButton(TextesAjout::importer, this);
    cmdImporter_->setObjectName(QStringLiteral("cmdImporter"));
    for (QPushButton *b : {cmdAjouterMots_, cmdImporter_}) {
        b->setAutoDefault(false);
        boutons->addWidget(b);
    }
    connect(cmdAjouterMots_, &QPushButton::clicked, this, [this] { ouvrirAjoutMots(nullptr); });
    connect(cmdImporter_, &QPushButton::clicked, this, &FrmEnseignant::importerListe);
}

void FrmEnseignant::ouvrirAjoutMots(const LignesMots *fichier)
{
    auto *dialogue = new DialogueAjoutMots(etat_.dossierInstallation, tableur_, plateforme_.synthese,
                                           [this](const ListeMots &mots) { ajouterMots(mots); }, this);
    dialogue->setEnregistreur([this](const QString &mot) {
        DialogueEnregistrement enregistrement(etat_.dossierInstallation, mot, plateforme_, this);
        return enregistrement.exec() == QDialog::Accepted;
    });
    dialogue->setHomophones([this](const QString &mot) { return homophonesDe(mot); });
    connect(dialogue, &DialogueAjoutMots::termine, this, &FrmEnseignant::relirePhrases);
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    dialogue->open();
    if (fichier)
        dialogue->importer(*fichier);
}

void FrmEnseignant::importerListe()
{
    const QString chemin =
        plateforme_.messages->choisirFichier(this, TextesAjout::titreImport, TextesAjout::filtreImport);
    if (chemin.isEmpty())
        return;
    const QString nom = QFileInfo(chemin).fileName();
    auto dire = [this](const QString &texte) {
        plateforme_.messages->information(this, TextesAjout::titreImport, texte);
    };
    // A pipe or a device would never end.
    if (QFileInfo(chemin).exists() && !QFileInfo(chemin).isFile())
        return dire(TextesAjout::importIllisible.arg(chemin, TextesAjout::pasUnFichier));
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return dire(TextesAjout::importIllisible.arg(chemin, fichier.errorString()));
    const auto tropGros = [&](qint64 taille) {
        dire(TextesAjout::tropGros.arg(nom)
                 .arg(QLocale(QLocale::French).toString(double(taille) / (1024 * 1024), 'f', 1))
                 .arg(kTailleListeMax / (1024 * 1024)));
    };
    if (fichier.size() > kTailleListeMax)
        return tropGros(fichier.size());
    const QByteArray octets = fichier.read(kTailleListeMax + 1);
    if (octets.size() > kTailleListeMax)
        return tropGros(octets.size());

    QStringList existants;
    existants.reserve(tableur_.size());
    for (const EntreeMot &e : tableur_)
        existants << e.mot;
    const LignesMots lignes = lireMotsFichier(octets, existants);
    if (lignes.pasDuTexte)
        return dire(TextesAjout::pasDuTexte.arg(nom));
    const QSet<QString> listes(existants.cbegin(), existants.cend());
    qsizetype nouveaux = 0;
    for (const EntreeMot &e : lignes.acceptes)
        nouveaux += !listes.contains(e.mot);
    if (nouveaux > kMotsSansQuestion
        && !plateforme_.messages->question(this, TextesAjout::titreImport,
                                           TextesAjout::beaucoupDeMots.arg(nom).arg(nouveaux).arg(
                                               (nouveaux * kKoParMot + 512) / 1024)))
        return;
    ouvrirAjoutMots(&lignes);
}

void FrmEnseignant::ajouterMots(const ListeMots &mots)
{
    QHash<QString, qsizetype> rangs;
    rangs.reserve(tableur_.size() + mots.size());
    for (qsizetype i = 0; i < tableur_.size(); ++i)
        rangs.insert(tableur_.at(i).mot, i);
    for (const EntreeMot &e : mots) {
        const auto rang = rangs.constFind(e.mot);
        if (rang == rangs.constEnd()) {
            rangs.insert(e.mot, tableur_.size());
            tableur_.append(e);
        } else if (!e.niveau.isEmpty()) {
            tableur_[*rang].niveau = e.niveau;
        }
    }
    // The filter's keys follow the list; the view keeps its place.
    filtrerSansDefiler(vscroll_->value());

    const ResultatEcriture resultat = EnregistrerListeMots(etat_.dossierInstallation, tableur_);
    if (!resultat.ok)
        plateforme_.messages->information(this, TextesAjout::titreEnregistrement, resultat.message());
}

// The teacher window's way to new words: "Ajouter des mots…" and
// "Importer une liste…", both through DialogueAjoutMots.
#include "dialogueajoutmots.h"
#include "dialogueenregistrement.h"
#include "frmenseignant.h"

#include <QFile>
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
}  // namespace TextesAjout

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

void FrmEnseignant::ouvrirAjoutMots(const QByteArray *fichier)
{
    QStringList existants;
    existants.reserve(tableur_.size());
    for (const EntreeMot &e : tableur_)
        existants << e.mot;
    auto *dialogue = new DialogueAjoutMots(etat_.dossierInstallation, existants,
                                           [this](const ListeMots &mots) { ajouterMots(mots); }, this);
    dialogue->setEnregistreur([this](const QString &mot) {
        DialogueEnregistrement enregistrement(etat_.dossierInstallation, mot, plateforme_, this);
        return enregistrement.exec() == QDialog::Accepted;
    });
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
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        plateforme_.messages->information(this, TextesAjout::titreImport,
                                          TextesAjout::importIllisible.arg(chemin, fichier.errorString()));
        return;
    }
    const QByteArray octets = fichier.readAll();
    ouvrirAjoutMots(&octets);
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
    cles_.clear();
    filtrerSansDefiler(vscroll_->value());

    const ResultatEcriture resultat = EnregistrerListeMots(etat_.dossierInstallation, tableur_);
    if (!resultat.ok)
        plateforme_.messages->information(this, TextesAjout::titreEnregistrement, resultat.message());
}

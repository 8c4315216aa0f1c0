#pragma once
// Tests of the pupil window, one slot group per file of src/pupil.
#include <QObject>

class TestEleve : public QObject {
    Q_OBJECT

private slots:
    // rapport
    void rapport_data();
    void rapport();
    void rapport_imprimeLaTableEnMemoire();

    // zonereponse and clavierlettres
    void saisie_data();
    void saisie();
    void saisie_compositionFiltree();
    void saisie_collageRefuse();
    void clavier_cliqueInsereAuCurseur_data();
    void clavier_cliqueInsereAuCurseur();
    void clavier_disposition();

    // frmeleve: the visit
    void visite_identification();
    void visite_quitterEcritLaTableReconciliee();
    void visite_sansListeDeMots();
    void visite_fermerParLeCadreEnregistre();
    void visite_echecEnregistrementGardeLaFenetre();
    void visite_echapNeFermePas();

    // exercice
    void exercice_echelleComplete();
    void exercice_erreurEtape9();
    void exercice_modele_data();
    void exercice_modele();
    void exercice_carres();
    void exercice_entreeSurZoneVide();
    void exercice_finDeListe();

    // lecture
    void lecture_deuxClicsUneLecture();
    void lecture_duree_data();
    void lecture_duree();
};

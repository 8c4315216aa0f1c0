#pragma once
// Tests of the learning engine, one slot group per file of src/engine.
#include <QObject>

class TestMoteur : public QObject {
    Q_OBJECT

private slots:
    // clavier
    void clavier_touches_data();
    void clavier_touches();
    void clavier_disposition();
    void clavier_caractere_data();
    void clavier_caractere();

    // texte
    void normaliser_data();
    void normaliser();
    void normaliser_commeLesEtapesRepetees();
    void masques_data();
    void masques();
    void masques_chaqueToucheDansUneSeuleClasse();

    // etapes
    void echelle_data();
    void echelle();
    void presentation_data();
    void presentation();
    void modele_data();
    void modele();

    // evaluation
    void evaluation_data();
    void evaluation();
    void evaluation_sansEffet_data();
    void evaluation_sansEffet();
    void evaluation_comparaison_data();
    void evaluation_comparaison();
    void evaluation_compteAcquis();

    // selection
    void selection_depart_data();
    void selection_depart();
    void selection_priorite();
    void selection_niveaux_data();
    void selection_niveaux();
    void selection_attentes_data();
    void selection_attentes();
    void selection_motEchoueApresMotDu();
    void selection_tableVideOuDepartHors_data();
    void selection_tableVideOuDepartHors();
    void selection_lignesAuDelaDe255();
    void selection_tirage();
    void selection_commeLesPassesLitterales();

    // a word's whole life, selection and evaluation together
    void parcours_echelleComplete();
    void parcours_erreurEtape9();
    void parcours_testInitialReussi();
};

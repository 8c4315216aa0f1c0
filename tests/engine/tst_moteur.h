#pragma once
// Tests of the learning engine, one slot group per file of src/engine.
#include <QObject>

class TestMoteur : public QObject {
    Q_OBJECT

private slots:
    // clavier
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
    void presentation_data();
    void presentation();

    // evaluation
    void evaluation_data();
    void evaluation();
    void evaluation_sansEffet_data();
    void evaluation_sansEffet();
    void evaluation_comparaison_data();
    void evaluation_comparaison();

    // selection
    void selection_depart_data();
    void selection_depart();
    void selection_niveaux_data();
    void selection_niveaux();
    void selection_attentes_data();
    void selection_attentes();
    void selection_motEchoueApresMotDu();
    void selection_tirage();
    void selection_commeLesPassesLitterales();

    // a word's whole life, selection and evaluation together
    void parcours_echelleComplete();
    void parcours_erreurEtape9();
};

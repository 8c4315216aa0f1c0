#pragma once
#include <QObject>

class TestCoupures : public QObject {
    Q_OBJECT
private slots:
    void coupureEnPleinEnregistrement_data();
    void coupureEnPleinEnregistrement();
    void disquePlein_data();
    void disquePlein();
    void destinationInaccessible_data();
    void destinationInaccessible();
};

class TestEntreesHostiles : public QObject {
    Q_OBJECT
private slots:
    void catalogue_data();
    void catalogue();
};

class TestRegressions : public QObject {
    Q_OBJECT
private slots:
    void decodageDeNosPropresFichiers_data();
    void decodageDeNosPropresFichiers();
    void motsEnregistrables_data();
    void motsEnregistrables();
    void lectureStricte_data();
    void lectureStricte();
};

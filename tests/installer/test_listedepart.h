#pragma once
#include <QObject>

// The starter word list: the reader's rules and the list shipped with the program.
class TestListeDepart : public QObject {
    Q_OBJECT
private slots:
    void lecture_data();
    void lecture();
    void refus_data();
    void refus();
    void listeLivree();
};

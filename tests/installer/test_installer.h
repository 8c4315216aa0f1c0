#pragma once
#include <QObject>

// Installing the starter library into an installation folder.
class TestInstaller : public QObject {
    Q_OBJECT
private slots:
    void premiereInstallation();
    void motsDatExistantIntact();
    void enregistrementExistantGarde();
    void installationInterrompueReprise();
    void echecs_data();
    void echecs();
};

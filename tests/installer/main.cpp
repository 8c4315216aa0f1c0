// Runs both test classes of the installer in one program.
#include "test_installer.h"
#include "test_listedepart.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    int echecs = 0;
    TestListeDepart liste;
    echecs += QTest::qExec(&liste, argc, argv);
    TestInstaller installer;
    echecs += QTest::qExec(&installer, argc, argv);
    return echecs;
}

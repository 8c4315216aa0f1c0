// The reliability tests. The same program, started with a child mode, is the
// process that the tests kill or starve while it saves.
#include "enfant.h"
#include "tst_fiabilite.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char **argv)
{
    const int codeEnfant = fiabilite::lancerEnfant(argc, argv);
    if (codeEnfant >= 0)
        return codeEnfant;
    QCoreApplication application(argc, argv);
    int echecs = 0;
    {
        TestCoupures test;
        echecs += QTest::qExec(&test, argc, argv);
    }
    {
        TestEntreesHostiles test;
        echecs += QTest::qExec(&test, argc, argv);
    }
    {
        TestRegressions test;
        echecs += QTest::qExec(&test, argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}

#include "tst_moteur.h"

#include <QTest>

QTEST_GUILESS_MAIN(TestMoteur)

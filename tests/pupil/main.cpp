#include "tst_eleve.h"

#include <QTest>

QTEST_MAIN(TestEleve)

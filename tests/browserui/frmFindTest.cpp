#include <QTest>
class frmFindTest : public QObject { Q_OBJECT };
QTEST_MAIN(frmFindTest)
#include "frmFindTest.moc"

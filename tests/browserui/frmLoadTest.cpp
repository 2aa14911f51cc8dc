#include <QTest>
class frmLoadTest : public QObject { Q_OBJECT };
QTEST_MAIN(frmLoadTest)
#include "frmLoadTest.moc"

#include "AnchorKeeper.h"

#include <QtTest>

class TestAnchorKeeper : public QObject
{
    Q_OBJECT

private slots:
    // A hidden control gets no Move or Resize event when code places it, as a
    // radio panel is placed in the main window after its constructor has
    // anchored it; the new place still counts once the parent is resized.
    void hiddenControlPlacedByCodeKeepsItsPlace_data()
    {
        QTest::addColumn<unsigned>("anchors");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("left and top") << unsigned(akLeft | akTop) << QRect(285, 222, 180, 99);
        QTest::newRow("left and right stretch") << unsigned(akLeft | akTop | akRight)
                                                << QRect(285, 222, 280, 99);
        QTest::newRow("right and bottom follow") << unsigned(akRight | akBottom) << QRect(385, 272, 180, 99);
    }

    void hiddenControlPlacedByCodeKeepsItsPlace()
    {
        QFETCH(unsigned, anchors);
        QFETCH(QRect, expected);
        QWidget parent;
        parent.resize(600, 400);
        auto *control = new QWidget(&parent);
        control->hide();
        TAnchorKeeper::SetAnchors(control, anchors);
        control->setGeometry(285, 222, 180, 99);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        parent.resize(700, 450);
        QTRY_COMPARE(control->geometry(), expected);
    }
};

QTEST_MAIN(TestAnchorKeeper)
#include "tst_anchorkeeper.moc"

#include "layout/Linea.h"
#include "layout/PosizioneTwips.h"
#include "layout/clsResize.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QtTest>

#include <memory>

namespace {

// A window designed at 8000 x 6000 twips with one control of each kind.
std::unique_ptr<QWidget> creaFinestra()
{
    auto finestra = std::make_unique<QWidget>();
    dimensionaInternoTwips(finestra.get(), 8000, 6000);

    auto *comando = new QPushButton(QStringLiteral("Avanti"), finestra.get());
    comando->setObjectName(QStringLiteral("Command1"));
    QFont grande = comando->font();
    grande.setPointSize(18);
    comando->setFont(grande);
    posizionaTwips(comando, 1200, 360, 1020, 735);

    auto *fisso = new QPushButton(QStringLiteral("Esci"), finestra.get());
    fisso->setObjectName(QStringLiteral("Command2"));
    fisso->setProperty("Tag", QStringLiteral("@L,T"));
    posizionaTwips(fisso, 1200, 1500, 1020, 735);

    auto *combo = new QComboBox(finestra.get());
    combo->setObjectName(QStringLiteral("Combo1"));
    posizionaTwips(combo, 1200, 3000, 1995, 315);

    auto *linea = new Linea(finestra.get());
    linea->setObjectName(QStringLiteral("Line1"));
    linea->setEstremiTwips(300, 4500, 7500, 5400);

    auto *cornice = new QFrame(finestra.get());
    cornice->setObjectName(QStringLiteral("Frame1"));
    posizionaTwips(cornice, 3990, 1200, 3000, 2400);
    auto *etichetta = new QLabel(QStringLiteral("Livello"), cornice);
    etichetta->setObjectName(QStringLiteral("Label1"));
    posizionaTwips(etichetta, 150, 300, 1500, 450);
    return finestra;
}

// Left, Top, Width, Height in twips, or a line's X1, Y1, X2, Y2.
QList<int> valoriTwips(const QWidget *controllo)
{
    if (auto *linea = qobject_cast<const Linea *>(controllo)) {
        const QLine e = linea->estremi();
        return {twipsDaPixel(e.x1()), twipsDaPixel(e.y1()), twipsDaPixel(e.x2()), twipsDaPixel(e.y2())};
    }
    const QRect g = geometriaTwips(controllo);
    return {g.x(), g.y(), g.width(), g.height()};
}

QList<int> valoriPixel(const QWidget *controllo)
{
    if (auto *linea = qobject_cast<const Linea *>(controllo)) {
        const QLine e = linea->estremi();
        return {e.x1(), e.y1(), e.x2(), e.y2()};
    }
    const QRect g = controllo->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

QMap<QString, QList<int>> layoutPixel(QWidget *finestra)
{
    QMap<QString, QList<int>> layout;
    for (QWidget *controllo : clsResize::controlliDi(finestra))
        layout.insert(controllo->objectName(), valoriPixel(controllo));
    return layout;
}

} // namespace

class TestClsResize : public QObject
{
    Q_OBJECT

private slots:
    // Doubling the window doubles every value the control's directive names;
    // a combo box keeps its height; a line follows by its end points; a
    // control in a frame keeps its place in the frame; fonts stay as they are.
    void controlsFollowTheWindow_data();
    void controlsFollowTheWindow();

    // A main window scales the controls of its central widget; menu bar and
    // status bar stay where the main window puts them.
    void mainWindowScalesItsCentralArea();

    // The design layout is stored before the window is sized to the screen.
    void sizeFormToScreenCentresAndScales();

    // Minimised, nothing moves; restored, the controls follow the stored layout.
    void minimisedWindowIsLeftAlone();

    // Many resizes end where one resize to the same size ends.
    void repeatedResizesDoNotDrift();

    // A control destroyed after the layout was stored is skipped.
    void destroyedControlIsSkipped();
};

void TestClsResize::controlsFollowTheWindow_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QList<int>>("atteso");

    QTest::newRow("button, no tag") << QStringLiteral("Command1") << QList<int>{2400, 720, 2040, 1470};
    QTest::newRow("tag @L,T keeps its size") << QStringLiteral("Command2") << QList<int>{2400, 3000, 1020, 735};
    QTest::newRow("combo box keeps its height") << QStringLiteral("Combo1") << QList<int>{2400, 6000, 3990, 315};
    QTest::newRow("line by end points") << QStringLiteral("Line1") << QList<int>{600, 9000, 15000, 10800};
    QTest::newRow("frame") << QStringLiteral("Frame1") << QList<int>{7980, 2400, 6000, 4800};
    QTest::newRow("label inside the frame") << QStringLiteral("Label1") << QList<int>{300, 600, 3000, 900};
}

void TestClsResize::controlsFollowTheWindow()
{
    QFETCH(QString, nome);
    QFETCH(QList<int>, atteso);

    auto finestra = creaFinestra();
    QCOMPARE(finestra->size(), QSize(533, 400)); // 8000 x 6000 twips
    finestra->show();
    QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
    clsResize ridimensiona;
    ridimensiona.setSourceForm(finestra.get());
    ridimensiona.StoreLayout();

    auto *controllo = finestra->findChild<QWidget *>(nome);
    QVERIFY(controllo);
    const QFont font = controllo->font();

    // Twice the design size, the window's resize event alone rescales.
    finestra->resize(2 * finestra->size());
    QCOMPARE(valoriTwips(controllo), atteso);
    QCOMPARE(controllo->font(), font);
    QCOMPARE(controllo->font().pointSize(), font.pointSize());
}

void TestClsResize::mainWindowScalesItsCentralArea()
{
    QMainWindow finestra;
    finestra.menuBar()->addMenu(QStringLiteral("Livello"));
    finestra.statusBar()->showMessage(QStringLiteral("Esatti: 0"));
    auto *centrale = new QWidget;
    finestra.setCentralWidget(centrale);
    auto *comando = new QPushButton(QStringLiteral("Avanti"), centrale);
    posizionaTwips(comando, 1200, 360, 1020, 735);
    dimensionaInternoTwips(&finestra, 8000, 6000);
    QCOMPARE(centrale->size(), QSize(533, 400));

    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    clsResize ridimensiona;
    ridimensiona.setSourceForm(&finestra);
    ridimensiona.StoreLayout();
    QCOMPARE(ridimensiona.internaMemorizzata(), QSize(533, 400));

    finestra.resize(finestra.size() + centrale->size());
    QCOMPARE(centrale->size(), QSize(1066, 800));
    QCOMPARE(geometriaTwips(comando), QRect(2400, 720, 2040, 1470));
    QCOMPARE(finestra.menuBar()->y(), 0);
    QCOMPARE(finestra.statusBar()->geometry().bottom(), finestra.height() - 1);
}

void TestClsResize::sizeFormToScreenCentresAndScales()
{
    auto finestra = creaFinestra();
    auto *comando = finestra->findChild<QWidget *>(QStringLiteral("Command1"));
    clsResize ridimensiona;
    ridimensiona.setSourceForm(finestra.get());
    QVERIFY(ridimensiona.layoutMancante());

    ridimensiona.SizeFormToScreen(75);

    const QRect schermo = finestra->screen()->geometry();
    const int w = schermo.width() * 75 / 100;
    const int h = schermo.height() * 75 / 100;
    QCOMPARE(finestra->geometry(),
             QRect(schermo.x() + (schermo.width() - w) / 2, schermo.y() + (schermo.height() - h) / 2, w, h));
    QCOMPARE(ridimensiona.internaMemorizzata(), QSize(533, 400));
    QCOMPARE(comando->geometry(),
             QRect(qRound(80.0 * w / 533), qRound(24.0 * h / 400), qRound(68.0 * w / 533), qRound(49.0 * h / 400)));
}

void TestClsResize::minimisedWindowIsLeftAlone()
{
    auto finestra = creaFinestra();
    finestra->show();
    QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
    clsResize ridimensiona;
    ridimensiona.setSourceForm(finestra.get());
    ridimensiona.StoreLayout();
    const auto progetto = layoutPixel(finestra.get());

    finestra->showMinimized();
    QVERIFY(finestra->isMinimized());
    finestra->resize(2 * finestra->size());
    ridimensiona.ResizeControls();
    QCOMPARE(layoutPixel(finestra.get()), progetto);

    finestra->showNormal();
    QVERIFY(!finestra->isMinimized());
    QCOMPARE(finestra->findChild<QWidget *>(QStringLiteral("Command1"))->geometry(),
             QRect(160, 48, 136, 98));
}

void TestClsResize::repeatedResizesDoNotDrift()
{
    auto aPassi = creaFinestra();
    auto diretta = creaFinestra();
    const auto progetto = layoutPixel(aPassi.get());
    clsResize primo;
    primo.setSourceForm(aPassi.get());
    primo.StoreLayout();
    clsResize secondo;
    secondo.setSourceForm(diretta.get());
    secondo.StoreLayout();

    for (const QSize &passo : {QSize(701, 431), QSize(317, 229), QSize(1023, 777), QSize(600, 451)}) {
        aPassi->resize(passo);
        primo.ResizeControls();
    }
    aPassi->resize(888, 650);
    primo.ResizeControls();
    diretta->resize(888, 650);
    secondo.ResizeControls();
    QCOMPARE(layoutPixel(aPassi.get()), layoutPixel(diretta.get()));

    aPassi->resize(533, 400);
    primo.ResizeControls();
    QCOMPARE(layoutPixel(aPassi.get()), progetto);
}

void TestClsResize::destroyedControlIsSkipped()
{
    auto finestra = creaFinestra();
    clsResize ridimensiona;
    ridimensiona.setSourceForm(finestra.get());
    ridimensiona.StoreLayout();
    delete finestra->findChild<QWidget *>(QStringLiteral("Frame1"));

    finestra->resize(2 * finestra->size());
    ridimensiona.ResizeControls();
    QCOMPARE(finestra->findChild<QWidget *>(QStringLiteral("Command1"))->geometry(),
             QRect(160, 48, 136, 98));
}

QTEST_MAIN(TestClsResize)
#include "tst_clsresize.moc"

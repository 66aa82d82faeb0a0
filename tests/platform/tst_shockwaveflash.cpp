#include "TestPaths.h"

#include "core/Percorsi.h"
#include "platform/ShockwaveFlash.h"
#include "platform/SvgParti.h"
#include "vocabulary/ElementiCasa.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kCasa = QStringLiteral(PINNOLE_FIXTURES_DIR "/svg/casa.svg");
const QString kAnimazione = QStringLiteral(PINNOLE_FIXTURES_DIR "/svg/animazione.svg");
const QString kSfondo = QStringLiteral("3366CC");

// The fixture house is 100 x 125 units. In a 260 x 250 widget it is drawn
// 200 x 250, centred: x = 30 + 2 * u, y = 2 * v.
constexpr int kLarghezza = 260;
constexpr int kAltezza = 250;
QPoint nelWidget(double u, double v)
{
    return QPoint(int(30 + 2 * u), int(2 * v));
}
QPoint nelDisegno(double u, double v)
{
    return QPoint(int(2 * u), int(2 * v));
}

std::unique_ptr<ShockwaveFlash> casa(const QString &percorso = kCasa)
{
    auto picture = std::make_unique<ShockwaveFlash>();
    picture->resize(kLarghezza, kAltezza);
    picture->BGColor(kSfondo);
    picture->Movie(percorso);
    return picture;
}

// The colour at a widget point of a grab, whatever the screen's pixel ratio.
QString colore(const QImage &immagine, QPoint punto)
{
    const QPoint pixel = (QPointF(punto) * immagine.devicePixelRatio()).toPoint();
    return immagine.pixelColor(pixel).name().toUpper();
}

QString colore(ShockwaveFlash &picture, QPoint punto)
{
    return colore(picture.grab().toImage(), punto);
}

QString esadecimale(const QString &rrggbb)
{
    return QLatin1Char('#') + rrggbb.toUpper();
}

void dipingi(ShockwaveFlash &picture, const QString &oggetto, const QString &rrggbb)
{
    picture.SetVariable(QStringLiteral("QualeOggetto"), oggetto);
    picture.SetVariable(QStringLiteral("TestoColore.QualeColore"), rrggbb);
}

// The commands a click at a point raises.
QStringList clic(ShockwaveFlash &picture, QPoint punto)
{
    QSignalSpy spia(&picture, &ShockwaveFlash::FSCommand);
    QTest::mouseClick(&picture, Qt::LeftButton, Qt::NoModifier, punto);
    QStringList comandi;
    for (const QList<QVariant> &segnale : spia) {
        comandi << segnale.at(0).toString();
        if (!segnale.at(1).toString().isEmpty())
            comandi << QStringLiteral("argument: ") + segnale.at(1).toString();
    }
    return comandi;
}

QString fixtureModificata(const QString &da, const QString &a)
{
    QFile file(kCasa);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString testo = QString::fromUtf8(file.readAll());
    testo.replace(da, a);
    return testo;
}

bool scrivi(const QString &percorso, const QByteArray &contenuto)
{
    QFile file(percorso);
    return file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size();
}

} // namespace

class TestShockwaveFlash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void paintingAnElementShowsItsColour_data();
    void paintingAnElementShowsItsColour();
    void onlyTheLatestChosenObjectIsPainted_data();
    void onlyTheLatestChosenObjectIsPainted();
    void fixedArtworkKeepsItsPlaceOverPaintedParts();

    void aFlatLayerDrawsExactlyItsMixedPixels_data();
    void aFlatLayerDrawsExactlyItsMixedPixels();
    void partMasksAnswerForTheirOwnShape_data();
    void partMasksAnswerForTheirOwnShape();
    void clicksReportTheTopmostPart_data();
    void clicksReportTheTopmostPart();
    void framesZeroAndOneReportAsDocumented_data();
    void framesZeroAndOneReportAsDocumented();
    void framesChooseThePointer_data();
    void framesChooseThePointer();

    void lightingAPartChangesOnlyThatPart_data();
    void lightingAPartChangesOnlyThatPart();
    void everyShippedPartCanBePointedAt();
    void aPartsRectangleFollowsAResizeBeforeThePaint();
    void aPartialRepaintGivesTheWholePicturesPixels();

    void smokeAndCloudsShowAndHide_data();
    void smokeAndCloudsShowAndHide();
    void aGroupHiddenByTheFileStartsHidden();
    void reloadingStartsAfresh();
    void aClosingWindowGivesItsLayersBack();

    void unreadableFilesShowAMarker_data();
    void unreadableFilesShowAMarker();
    void aMissingElementIsReportedAndMarked();

    void rewardAnimationPlays();

    void shippedHousesHoldEveryElement_data();
    void shippedHousesHoldEveryElement();
    void shippedRewardsPlay_data();
    void shippedRewardsPlay();
    void everyPartHasItsPicture();

private:
    QTemporaryDir m_temp;
};

void TestShockwaveFlash::initTestCase()
{
    QVERIFY(m_temp.isValid());
    Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_FIXTURES_DIR "/svg/programma"));
}

void TestShockwaveFlash::paintingAnElementShowsItsColour_data()
{
    QTest::addColumn<QString>("oggetto");
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<QString>("prima");

    QTest::newRow("chimney fill") << "comignolo.interno" << nelWidget(25, 32) << "#884422";
    QTest::newRow("roof fill") << "tetto.interno" << nelWidget(50, 40) << "#CC2222";
    QTest::newRow("walls fill") << "pareti.interno" << nelWidget(20, 90) << "#FFEE88";
    QTest::newRow("windows fill, a group") << "finestre.interno" << nelWidget(71, 70) << "#88CCFF";
    QTest::newRow("door fill set by style") << "porta.interno" << nelWidget(50, 85) << "#2255AA";
    QTest::newRow("step fill") << "gradino.interno" << nelWidget(50, 108) << "#999999";
    QTest::newRow("smoke fill") << "fumo.interno" << nelWidget(25, 18) << "#CCCCCC";
    QTest::newRow("clouds fill over a gradient") << "nuvole.interno" << nelWidget(60, 14) << QString();
}

// A colour written for the chosen fill shows at once inside it, exactly.
// (An outline painted a colour lights its part: see lightingAPartChangesOnlyThatPart.)
void TestShockwaveFlash::paintingAnElementShowsItsColour()
{
    QFETCH(QString, oggetto);
    QFETCH(QPoint, punto);
    QFETCH(QString, prima);

    auto picture = casa();
    if (!prima.isEmpty())
        QCOMPARE(colore(*picture, punto), prima);
    dipingi(*picture, oggetto, QStringLiteral("1A2B3C"));
    QCOMPARE(colore(*picture, punto), esadecimale(QStringLiteral("1A2B3C")));
    QCOMPARE(picture->coloreElemento(oggetto), std::optional<QColor>(QColor(0x1A, 0x2B, 0x3C)));
    dipingi(*picture, oggetto, QStringLiteral("F0E0D0"));
    QCOMPARE(colore(*picture, punto), esadecimale(QStringLiteral("F0E0D0")));
}

void TestShockwaveFlash::onlyTheLatestChosenObjectIsPainted_data()
{
    QTest::addColumn<QStringList>("scritture");
    QTest::addColumn<QString>("tetto");
    QTest::addColumn<QString>("porta");
    QTest::addColumn<QString>("contornoPareti"); // the colour it was given, empty for none

    const QString oggetto = QStringLiteral("QualeOggetto=");
    const QString colore = QStringLiteral("TestoColore.QualeColore=");
    QTest::newRow("latest object wins")
        << QStringList{oggetto + "tetto.interno", oggetto + "porta.interno", colore + "00FF00"}
        << "#CC2222" << "#00FF00" << "";
    QTest::newRow("the object stays chosen")
        << QStringList{oggetto + "tetto.interno", colore + "00FF00", colore + "0000FF"}
        << "#0000FF" << "#2255AA" << "";
    QTest::newRow("no object chosen") << QStringList{colore + "00FF00"} << "#CC2222" << "#2255AA" << "";
    QTest::newRow("unknown object")
        << QStringList{oggetto + "sole.interno", colore + "00FF00"} << "#CC2222" << "#2255AA" << "";
    QTest::newRow("a part name alone is no object")
        << QStringList{oggetto + "tetto", colore + "00FF00"} << "#CC2222" << "#2255AA" << "";
    QTest::newRow("colour text not six hex digits")
        << QStringList{oggetto + "tetto.interno", colore + "12345G", colore + "1234", colore + ""}
        << "#CC2222" << "#2255AA" << "";
    QTest::newRow("lower case digits read too")
        << QStringList{oggetto + "porta.interno", colore + "a0b0c0"} << "#CC2222" << "#A0B0C0" << "";
    QTest::newRow("outline reset to black")
        << QStringList{oggetto + "pareti.contorno", colore + "FF0000", colore + "000000"}
        << "#CC2222" << "#2255AA" << "#000000";
    QTest::newRow("outline highlighted")
        << QStringList{oggetto + "pareti.contorno", colore + "FF8800"} << "#CC2222" << "#2255AA" << "#FF8800";
    QTest::newRow("other variables change nothing")
        << QStringList{oggetto + "tetto.interno", "Colore=00FF00"} << "#CC2222" << "#2255AA" << "";
}

// A colour applies to the object named by the latest "QualeOggetto".
void TestShockwaveFlash::onlyTheLatestChosenObjectIsPainted()
{
    QFETCH(QStringList, scritture);
    QFETCH(QString, tetto);
    QFETCH(QString, porta);
    QFETCH(QString, contornoPareti);

    auto picture = casa();
    for (const QString &scrittura : scritture) {
        const qsizetype uguale = scrittura.indexOf(QLatin1Char('='));
        picture->SetVariable(scrittura.left(uguale), scrittura.mid(uguale + 1));
    }
    QCOMPARE(colore(*picture, nelWidget(50, 40)), tetto);
    QCOMPARE(colore(*picture, nelWidget(50, 85)), porta);
    const std::optional<QColor> dato = picture->coloreElemento(QStringLiteral("pareti.contorno"));
    QCOMPARE(dato ? dato->name().toUpper() : QString(), contornoPareti);
}

// Artwork without an id (the door knob) keeps its colour and its place in the
// drawing order: painting the door under it does not cover it.
void TestShockwaveFlash::fixedArtworkKeepsItsPlaceOverPaintedParts()
{
    auto picture = casa();
    const QPoint pomello = nelWidget(54, 91);
    QCOMPARE(colore(*picture, pomello), QStringLiteral("#FFCC00"));
    dipingi(*picture, QStringLiteral("porta.interno"), QStringLiteral("00AA00"));
    QCOMPARE(colore(*picture, pomello), QStringLiteral("#FFCC00"));
    QCOMPARE(colore(*picture, nelWidget(50, 85)), QStringLiteral("#00AA00"));
    // The background shows where the file draws nothing.
    QCOMPARE(colore(*picture, nelWidget(5, 120)), esadecimale(kSfondo));
    QCOMPARE(colore(*picture, QPoint(10, 125)), esadecimale(kSfondo));
}

void TestShockwaveFlash::aFlatLayerDrawsExactlyItsMixedPixels_data()
{
    QTest::addColumn<QColor>("sotto");

    QTest::newRow("on nothing") << QColor(Qt::transparent);
    QTest::newRow("on the background") << QColor(0x33, 0x66, 0xCC);
    QTest::newRow("on a half-covered pixel") << QColor(0x80, 0x20, 0x40, 0x80);
}

// A flat layer is drawn from its 8-bit shape, with no image of its own: for
// every coverage and every channel value, what the painter draws is what
// mixing the colour into a full-colour image gave, on anything beneath.
void TestShockwaveFlash::aFlatLayerDrawsExactlyItsMixedPixels()
{
    QFETCH(QColor, sotto);

    // Coverage across, channel value down: every pair once per channel.
    SvgParti::StratoDisegnato strato;
    strato.colorabile = true;
    strato.forma = QImage(256, 256, QImage::Format_Alpha8);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            strato.forma.scanLine(y)[x] = uchar(x);
    const auto disegna = [&](const QImage &immagine) {
        QImage tela(256, 256, QImage::Format_ARGB32_Premultiplied);
        tela.fill(sotto);
        QPainter(&tela).drawImage(0, 0, immagine);
        return tela;
    };
    for (int riga = 0; riga < 256; ++riga) {
        const QRgb colore = qRgb(riga, 255 - riga, (riga * 7) % 256);
        QImage mescolata(256, 256, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 256; ++y) {
            for (int a = 0; a < 256; ++a) {
                const auto c = [a](int v) { return (a * v + 127) / 255; };
                mescolata.setPixel(a, y, qRgba(c(qRed(colore)), c(qGreen(colore)), c(qBlue(colore)), a));
            }
        }
        const QImage vista = colora(strato, colore, 1.0);
        QVERIFY(vista.constBits() == strato.forma.constBits()); // no pixels of its own
        if (disegna(vista) != disegna(mescolata))
            QFAIL(qPrintable(QStringLiteral("colour %1").arg(colore, 6, 16, QLatin1Char('0'))));
    }
}

void TestShockwaveFlash::partMasksAnswerForTheirOwnShape_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<bool>("contiene");

    QTest::newRow("walls hold the window's spot") << "pareti.interno" << nelDisegno(29, 70) << true;
    QTest::newRow("windows hold it too") << "finestre.interno" << nelDisegno(29, 70) << true;
    QTest::newRow("between the two windows") << "finestre.interno" << nelDisegno(50, 70) << false;
    QTest::newRow("chimney foot under the roof") << "comignolo.interno" << nelDisegno(25, 48) << true;
    QTest::newRow("beside the roof") << "tetto.interno" << nelDisegno(10, 35) << false;
    QTest::newRow("outline is its stroke") << "pareti.contorno" << nelDisegno(15, 80) << true;
    QTest::newRow("outline has no inside") << "pareti.contorno" << nelDisegno(20, 90) << false;
    QTest::newRow("outside the picture, before") << "pareti.interno" << QPoint(-5, -5) << false;
    QTest::newRow("outside the picture, after") << "pareti.interno" << QPoint(1000, 1000) << false;
    QTest::newRow("not an element of the house") << "sole.interno" << nelDisegno(20, 90) << false;
}

void TestShockwaveFlash::partMasksAnswerForTheirOwnShape()
{
    QFETCH(QString, id);
    QFETCH(QPoint, punto);
    QFETCH(bool, contiene);

    const auto parti = SvgParti::per(SvgPartiDocumento::carica(kCasa), QSize(200, 250));
    QCOMPARE(contieneElemento(*parti, id, punto), contiene);
}

void TestShockwaveFlash::clicksReportTheTopmostPart_data()
{
    QTest::addColumn<QPointF>("punto");
    QTest::addColumn<QString>("parte");

    QTest::newRow("chimney") << QPointF(25, 32) << "1";
    QTest::newRow("roof") << QPointF(50, 40) << "2";
    QTest::newRow("roof outline over the chimney") << QPointF(29.1, 41.1) << "2";
    QTest::newRow("walls") << QPointF(20, 90) << "3";
    QTest::newRow("window, not walls") << QPointF(29, 70) << "4";
    QTest::newRow("second window") << QPointF(71, 70) << "4";
    QTest::newRow("door") << QPointF(50, 85) << "5";
    QTest::newRow("door knob is the door") << QPointF(54, 91) << "5";
    QTest::newRow("step") << QPointF(50, 108) << "6";
    QTest::newRow("smoke") << QPointF(25, 18) << "7";
    QTest::newRow("clouds") << QPointF(72, 14) << "8";
    QTest::newRow("cloud outline") << QPointF(54, 14) << "8";
    QTest::newRow("beside the roof") << QPointF(10, 35) << QString();
    QTest::newRow("sky right of the chimney") << QPointF(40, 15) << QString();
    QTest::newRow("below the step") << QPointF(50, 120) << QString();
}

// Frames 2 and 3 report the number of the part drawn topmost under the click.
void TestShockwaveFlash::clicksReportTheTopmostPart()
{
    QFETCH(QPointF, punto);
    QFETCH(QString, parte);

    const QStringList atteso = parte.isEmpty() ? QStringList() : QStringList{parte};
    auto picture = casa();
    picture->show();
    QVERIFY(QTest::qWaitForWindowExposed(picture.get()));
    for (int frame : {2, 3}) {
        picture->GotoFrame(frame);
        QCOMPARE(clic(*picture, nelWidget(punto.x(), punto.y())), atteso);
    }
}

void TestShockwaveFlash::framesZeroAndOneReportAsDocumented_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<QString>("comando");

    QTest::newRow("0: on a part") << 0 << nelWidget(50, 40) << QString();
    QTest::newRow("0: on the walls") << 0 << nelWidget(20, 90) << QString();
    QTest::newRow("1: on a part") << 1 << nelWidget(50, 40) << "0";
    QTest::newRow("1: on the sky within the drawing") << 1 << nelWidget(10, 35) << "0";
    QTest::newRow("1: on the margin beside the picture") << 1 << QPoint(10, 100) << QString();
    QTest::newRow("1: below everything drawn") << 1 << nelWidget(50, 122) << QString();
    QTest::newRow("other frames: as 0") << 7 << nelWidget(50, 40) << QString();
}

void TestShockwaveFlash::framesZeroAndOneReportAsDocumented()
{
    QFETCH(int, frame);
    QFETCH(QPoint, punto);
    QFETCH(QString, comando);

    auto picture = casa();
    picture->show();
    QVERIFY(QTest::qWaitForWindowExposed(picture.get()));
    picture->GotoFrame(frame);
    QCOMPARE(clic(*picture, punto), comando.isEmpty() ? QStringList() : QStringList{comando});
}

void TestShockwaveFlash::framesChooseThePointer_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("proprio");

    QTest::newRow("0 system") << 0 << false;
    QTest::newRow("1 own") << 1 << true;
    QTest::newRow("2 own") << 2 << true;
    QTest::newRow("3 system") << 3 << false;
}

void TestShockwaveFlash::framesChooseThePointer()
{
    QFETCH(int, frame);
    QFETCH(bool, proprio);

    auto picture = casa();
    picture->GotoFrame(frame);
    if (!proprio) {
        QCOMPARE(picture->cursor().shape(), Qt::ArrowCursor);
        return;
    }
    QCOMPARE(picture->cursor().shape(), Qt::BitmapCursor);
    // The fixture pointer is 32 x 32 with its tip at (2, 2).
    QCOMPARE(picture->cursor().pixmap().size(), QSize(32, 32));
    QCOMPARE(picture->cursor().hotSpot(), QPoint(2, 2));
    QVERIFY(qAlpha(picture->cursor().pixmap().toImage().pixel(4, 10)) > 200);
}

void TestShockwaveFlash::lightingAPartChangesOnlyThatPart_data()
{
    QTest::addColumn<int>("parte");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<bool>("nelColoreDellaLuce");
    QTest::addColumn<QString>("testoLuce");

    for (int parte = ElementiCasa::kPrimaParte; parte <= ElementiCasa::kUltimaParte; ++parte) {
        for (int larghezza : {0, 4, 8, 12}) {
            for (bool nelColore : {false, true}) {
                QTest::addRow("%s, band %d, %s", qPrintable(ElementiCasa::nomeParte(parte)), larghezza,
                              nelColore ? "painted in the highlight colour" : "own colour")
                    << parte << larghezza << nelColore << QStringLiteral("FF0000");
            }
        }
        // A light highlight colour: its stripes are dark.
        QTest::addRow("%s, band 8, painted in a light highlight colour", qPrintable(ElementiCasa::nomeParte(parte)))
            << parte << 8 << true << QStringLiteral("FFFF00");
    }
}

// The scanning highlight of a part of the shipped house, at every band
// width a window asks for: no pixel outside what the part shows (grown by
// one pixel of antialiasing) changes, so the neighbours keep every colour;
// the lit part differs plainly from the unlit one and shows the highlight
// colour, and what changed holds a colour far from it, so a part painted in
// the highlight colour is no flat patch; putting the light out gives back
// the very same picture.
void TestShockwaveFlash::lightingAPartChangesOnlyThatPart()
{
    QFETCH(int, parte);
    QFETCH(int, larghezza);
    QFETCH(bool, nelColoreDellaLuce);
    QFETCH(QString, testoLuce);

    const QRgb luce = QColor(QLatin1Char('#') + testoLuce).rgb();
    auto picture = casa(QStringLiteral(PINNOLE_DATA_DIR "/swf/pinnole1.svg"));
    picture->resize(400, 500);
    picture->GotoFrame(2);
    picture->impostaLarghezzaAlone(larghezza);
    if (nelColoreDellaLuce)
        dipingi(*picture, ElementiCasa::idInterno(parte), testoLuce);
    const QImage spento = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);

    // Where the part is what the picture shows, grown by one pixel.
    const QSize dimensione = spento.size();
    QList<bool> dellaParte(dimensione.width() * dimensione.height(), false);
    for (int y = 0; y < dimensione.height(); ++y) {
        for (int x = 0; x < dimensione.width(); ++x) {
            if (picture->comandoNelPunto(QPoint(x, y)) != QString::number(parte))
                continue;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint p(x + dx, y + dy);
                    if (QRect(QPoint(0, 0), dimensione).contains(p))
                        dellaParte[p.y() * dimensione.width() + p.x()] = true;
                }
            }
        }
    }

    dipingi(*picture, ElementiCasa::idContorno(parte), testoLuce);
    QCOMPARE(picture->partiEvidenziate(), QList<int>{parte});
    const QImage acceso = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto distanza = [](QRgb a, QRgb b) {
        return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
    };
    int fuori = 0, parteTotale = 0, cambiati = 0, diLuce = 0, contrastanti = 0;
    QPoint primoFuori;
    for (int y = 0; y < dimensione.height(); ++y) {
        const QRgb *prima = reinterpret_cast<const QRgb *>(spento.constScanLine(y));
        const QRgb *dopo = reinterpret_cast<const QRgb *>(acceso.constScanLine(y));
        for (int x = 0; x < dimensione.width(); ++x) {
            const bool dentro = dellaParte[y * dimensione.width() + x];
            parteTotale += dentro;
            if (dentro && distanza(dopo[x], luce) <= 40)
                ++diLuce;
            if (prima[x] == dopo[x])
                continue;
            if (!dentro) {
                if (fuori++ == 0)
                    primoFuori = QPoint(x, y);
                continue;
            }
            if (distanza(prima[x], dopo[x]) < 64)
                continue;
            ++cambiati;
            if (distanza(dopo[x], luce) >= 120)
                ++contrastanti;
        }
    }
    QVERIFY2(fuori == 0, qPrintable(QStringLiteral("%1 pixels of other parts changed, the first at %2,%3")
                                        .arg(fuori).arg(primoFuori.x()).arg(primoFuori.y())));
    QVERIFY2(cambiati >= std::min(150, parteTotale / 5),
             qPrintable(QStringLiteral("%1 of %2 pixels changed plainly").arg(cambiati).arg(parteTotale)));
    QVERIFY2(diLuce >= 30 && contrastanti >= 30,
             qPrintable(QStringLiteral("%1 in the highlight colour, %2 changed to a contrasting one")
                            .arg(diLuce)
                            .arg(contrastanti)));

    dipingi(*picture, ElementiCasa::idContorno(parte), QStringLiteral("000000"));
    QCOMPARE(picture->partiEvidenziate(), QList<int>());
    QVERIFY(picture->grab().toImage().convertToFormat(QImage::Format_RGB32) == spento);
}

// A repaint of part of the picture (as a scanning step makes, around the two
// bands it moves between) gives exactly the pixels a whole repaint gives
// there: layers and bands drawn a few rows at a time, indexed layers through
// views of their rows, leave no seam and no offset.
void TestShockwaveFlash::aPartialRepaintGivesTheWholePicturesPixels()
{
    auto picture = casa(QStringLiteral(PINNOLE_DATA_DIR "/swf/pinnole1.svg"));
    picture->resize(330, 420);
    picture->GotoFrame(2);
    // Roof and walls in colours of their own, the door lit.
    dipingi(*picture, ElementiCasa::idInterno(2), QStringLiteral("CC2222"));
    dipingi(*picture, ElementiCasa::idInterno(3), QStringLiteral("FFEE88"));
    dipingi(*picture, ElementiCasa::idContorno(5), QStringLiteral("FF0000"));
    QCOMPARE(picture->partiEvidenziate(), QList<int>{5});
    const QImage intero = picture->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(intero.devicePixelRatio(), 1.0);
    const QRect zone[] = {{0, 0, 330, 420}, {13, 37, 101, 53}, {0, 0, 330, 17}, {200, 300, 130, 120},
                          {60, 150, 211, 211}, {0, 399, 330, 21}};
    for (const QRect &zona : zone) {
        QImage parziale(intero.size(), QImage::Format_ARGB32_Premultiplied);
        parziale.fill(Qt::magenta);
        picture->render(&parziale, zona.topLeft(), QRegion(zona));
        QVERIFY2(parziale.copy(zona) == intero.copy(zona),
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(zona.x()).arg(zona.y()).arg(zona.width()).arg(zona.height())));
    }
}

// A hidden group shows no band, and every part of the shipped house can be
// pointed at: a click at the point found reports that very part.
void TestShockwaveFlash::everyShippedPartCanBePointedAt()
{
    auto picture = casa(QStringLiteral(PINNOLE_DATA_DIR "/swf/pinnole1.svg"));
    picture->resize(330, 420);
    picture->show();
    QVERIFY(QTest::qWaitForWindowExposed(picture.get()));
    picture->GotoFrame(2);
    for (int parte = ElementiCasa::kPrimaParte; parte <= ElementiCasa::kUltimaParte; ++parte) {
        const std::optional<QPoint> punto = picture->puntoSullaParte(parte);
        QVERIFY2(punto, qPrintable(ElementiCasa::nomeParte(parte)));
        QCOMPARE(clic(*picture, *punto), QStringList{QString::number(parte)});
    }
    dipingi(*picture, QStringLiteral("fumo.contorno"), QStringLiteral("00FF00"));
    QCOMPARE(picture->partiEvidenziate(), QList<int>{ElementiCasa::kFumo});
    picture->TSetProperty(QStringLiteral("fumo"), 7, QStringLiteral("0"));
    QCOMPARE(picture->partiEvidenziate(), QList<int>());
    QVERIFY(!picture->puntoSullaParte(ElementiCasa::kFumo));
}

// A part's rectangle holds the part where the picture draws it; asked
// between a resize and the paint at the new size, it is the rectangle of
// the size before scaled, within a pixel or two of the one the paint gives.
void TestShockwaveFlash::aPartsRectangleFollowsAResizeBeforeThePaint()
{
    auto picture = casa(QStringLiteral(PINNOLE_DATA_DIR "/swf/pinnole1.svg"));
    QCOMPARE(picture->riquadroParte(2), QRect()); // never painted
    picture->resize(330, 420);
    picture->grab();
    QList<QRect> prima;
    for (int parte = ElementiCasa::kPrimaParte; parte <= ElementiCasa::kUltimaParte; ++parte) {
        prima << picture->riquadroParte(parte);
        const std::optional<QPoint> punto = picture->puntoSullaParte(parte);
        QVERIFY(punto);
        QVERIFY2(prima.last().contains(*punto), qPrintable(ElementiCasa::nomeParte(parte)));
    }
    picture->resize(660, 840);
    QList<QRect> scalati;
    for (int parte = ElementiCasa::kPrimaParte; parte <= ElementiCasa::kUltimaParte; ++parte)
        scalati << picture->riquadroParte(parte);
    picture->grab();
    for (int parte = ElementiCasa::kPrimaParte; parte <= ElementiCasa::kUltimaParte; ++parte) {
        const QRect esatto = picture->riquadroParte(parte);
        const QRect scalato = scalati.at(parte - 1);
        QVERIFY2(qAbs(esatto.left() - scalato.left()) <= 2 && qAbs(esatto.top() - scalato.top()) <= 2
                     && qAbs(esatto.right() - scalato.right()) <= 2 && qAbs(esatto.bottom() - scalato.bottom()) <= 2,
                 qPrintable(ElementiCasa::nomeParte(parte)));
        QVERIFY(esatto.width() > prima.at(parte - 1).width() * 3 / 2);
    }
}

void TestShockwaveFlash::smokeAndCloudsShowAndHide_data()
{
    QTest::addColumn<QString>("gruppo");
    QTest::addColumn<QPointF>("punto");
    QTest::addColumn<QRectF>("zona"); // the group with its outline, in units

    QTest::newRow("smoke") << "fumo" << QPointF(25, 18) << QRectF(18, 11, 14, 14);
    QTest::newRow("clouds") << "nuvole" << QPointF(72, 14) << QRectF(53, 5, 38, 18);
}

// Property 7 hides and shows the whole group: fill and outline, drawing and
// clicks; any other property changes nothing.
void TestShockwaveFlash::smokeAndCloudsShowAndHide()
{
    QFETCH(QString, gruppo);
    QFETCH(QPointF, punto);
    QFETCH(QRectF, zona);

    auto picture = casa();
    picture->show();
    QVERIFY(QTest::qWaitForWindowExposed(picture.get()));
    picture->GotoFrame(2);
    const QPoint dove = nelWidget(punto.x(), punto.y());
    const QString numero = QString::number(ElementiCasa::numeroParte(gruppo));
    dipingi(*picture, gruppo + QStringLiteral(".interno"), QStringLiteral("FF00FF"));
    QCOMPARE(colore(*picture, dove), QStringLiteral("#FF00FF"));

    picture->TSetProperty(gruppo, 6, QStringLiteral("0"));
    QCOMPARE(colore(*picture, dove), QStringLiteral("#FF00FF"));

    picture->TSetProperty(gruppo, 7, QStringLiteral("0"));
    QVERIFY(!picture->gruppoVisibile(gruppo));
    const QImage nascosto = picture->grab().toImage();
    QCOMPARE(colore(nascosto, dove), esadecimale(kSfondo));
    // Nothing of the group is left: no outline pixel either.
    const QRect intorno(nelWidget(zona.left(), zona.top()), nelWidget(zona.right(), zona.bottom()));
    for (int y = intorno.top(); y <= intorno.bottom(); ++y)
        for (int x = intorno.left(); x <= intorno.right(); ++x)
            QCOMPARE(colore(nascosto, QPoint(x, y)), esadecimale(kSfondo));
    QCOMPARE(clic(*picture, dove), QStringList());

    picture->TSetProperty(gruppo, 7, QStringLiteral("1"));
    QCOMPARE(colore(*picture, dove), QStringLiteral("#FF00FF"));
    QCOMPARE(clic(*picture, dove), QStringList{numero});
}

// A group the file itself hides starts hidden, and can still be shown.
void TestShockwaveFlash::aGroupHiddenByTheFileStartsHidden()
{
    const QString percorso = m_temp.filePath(QStringLiteral("nuvole-nascoste.svg"));
    QVERIFY(scrivi(percorso, fixtureModificata(QStringLiteral("<g id=\"nuvole\">"),
                                               QStringLiteral("<g id=\"nuvole\" style=\"display:none\">"))
                                 .toUtf8()));
    auto picture = casa(percorso);
    const QPoint dove = nelWidget(72, 14);
    QVERIFY(!picture->gruppoVisibile(QStringLiteral("nuvole")));
    QCOMPARE(colore(*picture, dove), esadecimale(kSfondo));
    picture->TSetProperty(QStringLiteral("nuvole"), 7, QStringLiteral("1"));
    QVERIFY(colore(*picture, dove) != esadecimale(kSfondo));
}

// Loading, even the same file, brings back the file's colours, visibility and
// frame; the background is the player's and stays.
void TestShockwaveFlash::reloadingStartsAfresh()
{
    auto picture = casa();
    picture->show();
    QVERIFY(QTest::qWaitForWindowExposed(picture.get()));
    picture->GotoFrame(2);
    dipingi(*picture, QStringLiteral("tetto.interno"), QStringLiteral("00FF00"));
    picture->SetVariable(QStringLiteral("QualeOggetto"), QStringLiteral("porta.interno"));
    picture->TSetProperty(QStringLiteral("fumo"), 7, QStringLiteral("0"));
    QCOMPARE(colore(*picture, nelWidget(50, 40)), QStringLiteral("#00FF00"));

    picture->Movie(kCasa);
    QCOMPARE(colore(*picture, nelWidget(50, 40)), QStringLiteral("#CC2222"));
    QCOMPARE(picture->coloreElemento(QStringLiteral("tetto.interno")), std::nullopt);
    QVERIFY(picture->gruppoVisibile(QStringLiteral("fumo")));
    QCOMPARE(picture->fotogramma(), 0);
    QCOMPARE(clic(*picture, nelWidget(50, 40)), QStringList());
    // The object chosen before the load is forgotten.
    picture->SetVariable(QStringLiteral("TestoColore.QualeColore"), QStringLiteral("00FF00"));
    QCOMPARE(colore(*picture, nelWidget(50, 85)), QStringLiteral("#2255AA"));
    QCOMPARE(colore(*picture, QPoint(5, 5)), esadecimale(kSfondo));
}

void TestShockwaveFlash::unreadableFilesShowAMarker_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("contenuto");

    QTest::newRow("missing file") << "manca.svg" << QByteArray();
    QTest::newRow("empty file") << "vuoto.svg" << QByteArray("");
    QTest::newRow("not xml") << "rotto.svg" << QByteArray("\x89PNG\r\n\x1a\n garbage");
    QTest::newRow("cut short") << "tronco.svg" << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect id=\"te");
}

// A file that cannot be read gives an empty picture with a red cross, and no
// clicks; painting it is harmless.
void TestShockwaveFlash::unreadableFilesShowAMarker()
{
    QFETCH(QString, nome);
    QFETCH(QByteArray, contenuto);

    const QString percorso = m_temp.filePath(nome);
    if (nome != QLatin1String("manca.svg"))
        QVERIFY(scrivi(percorso, contenuto));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read .*") + nome));
    auto picture = casa(percorso);
    picture->show();
    QVERIFY(QTest::qWaitForWindowExposed(picture.get()));
    QVERIFY(!picture->caricato());
    dipingi(*picture, QStringLiteral("tetto.interno"), QStringLiteral("00FF00"));
    picture->TSetProperty(QStringLiteral("fumo"), 7, QStringLiteral("0"));
    const QImage immagine = picture->grab().toImage();
    QCOMPARE(colore(immagine, QPoint(kLarghezza / 2, kAltezza / 2)), QStringLiteral("#DC0000"));
    QCOMPARE(colore(immagine, QPoint(kLarghezza / 2, 40)), esadecimale(kSfondo));
    for (int frame : {1, 2}) {
        picture->GotoFrame(frame);
        QCOMPARE(clic(*picture, QPoint(kLarghezza / 2, kAltezza / 2)), QStringList());
    }
    // A good file afterwards shows normally.
    picture->Movie(kCasa);
    QVERIFY(picture->caricato());
    QCOMPARE(colore(*picture, nelWidget(50, 85)), QStringLiteral("#2255AA"));
}

// A window keeps the layers its pictures were drawn with while it is open
// and one of its pictures shows that size (between two items a picture
// shows the blank house, then a painted one again), and gives them back when
// it closes, unless another open window still shows them.
void TestShockwaveFlash::aClosingWindowGivesItsLayersBack()
{
    const QString altra = m_temp.filePath(QStringLiteral("altra-casa.svg"));
    QVERIFY(scrivi(altra, fixtureModificata(QStringLiteral("#884422"), QStringLiteral("#884423")).toUtf8()));
    const QSize disegno(200, 250); // the house drawn in a kLarghezza x kAltezza picture
    const auto apri = [](std::unique_ptr<QWidget> &finestra) {
        finestra = std::make_unique<QWidget>();
        auto *picture = new ShockwaveFlash(finestra.get());
        picture->resize(kLarghezza, kAltezza);
        picture->Movie(kCasa);
        picture->grab();
        return picture;
    };
    // The set every picture of this house and size shares: asking for it
    // gives the one the pictures drew with, as long as it is kept.
    const auto insieme = [&] {
        return std::weak_ptr<const SvgParti>(SvgParti::per(SvgPartiDocumento::carica(kCasa), disegno));
    };

    std::unique_ptr<QWidget> prima, seconda;
    ShockwaveFlash *picture = apri(prima);
    const std::weak_ptr<const SvgParti> casaIntera = insieme();
    QVERIFY(!casaIntera.expired());
    picture->Movie(altra);
    picture->grab();
    QVERIFY2(!casaIntera.expired(), "kept while its window shows that size");

    apri(seconda);
    QVERIFY(insieme().lock() == casaIntera.lock());
    prima.reset();
    QVERIFY2(!casaIntera.expired(), "another window still shows it");
    seconda.reset();
    QVERIFY2(casaIntera.expired(), "the last window using it has closed");

    // A picture that changes size lets the old size go with its window open.
    picture = apri(prima);
    const std::weak_ptr<const SvgParti> vecchiaMisura = insieme();
    picture->resize(kLarghezza / 2, kAltezza / 2);
    picture->grab();
    QVERIFY(vecchiaMisura.expired());
}

// A house lacking an element reports it and draws the red cross over the
// parts it has.
void TestShockwaveFlash::aMissingElementIsReportedAndMarked()
{
    const QString percorso = m_temp.filePath(QStringLiteral("senza-gradino.svg"));
    QVERIFY(scrivi(percorso, fixtureModificata(QStringLiteral("id=\"gradino.contorno\""),
                                               QStringLiteral("id=\"gradino.bordo\""))
                                 .toUtf8()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("lacks gradino.contorno$")));
    auto picture = casa(percorso);
    QVERIFY(picture->eCasa());
    QCOMPARE(picture->elementiMancanti(), QStringList{QStringLiteral("gradino.contorno")});
    const QImage immagine = picture->grab().toImage();
    QCOMPARE(colore(immagine, QPoint(kLarghezza / 2, kAltezza / 2)), QStringLiteral("#DC0000"));
    QCOMPARE(colore(immagine, nelWidget(50, 40)), QStringLiteral("#CC2222"));
}

// A picture without house ids is drawn whole and its animation plays.
void TestShockwaveFlash::rewardAnimationPlays()
{
    auto picture = casa(kAnimazione);
    picture->resize(200, 200);
    picture->show();
    QVERIFY(QTest::qWaitForWindowExposed(picture.get()));
    QVERIFY(picture->caricato());
    QVERIFY(!picture->eCasa());
    const QImage prima = picture->grab().toImage();
    QTest::qWait(350);
    const QImage dopo = picture->grab().toImage();
    QVERIFY(prima != dopo);
    int disegnati = 0;
    for (int x = 0; x < picture->width(); ++x)
        disegnati += colore(dopo, QPoint(x, 100)) != esadecimale(kSfondo);
    QVERIFY(disegnati > 20);
}

void TestShockwaveFlash::shippedHousesHoldEveryElement_data()
{
    QTest::addColumn<QString>("percorso");
    QTest::addColumn<QSize>("dimensione");

    const QDir cartella(QStringLiteral(PINNOLE_DATA_DIR "/swf"));
    const QStringList file = cartella.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    if (file.isEmpty())
        QSKIP("no house pictures under data/swf yet");
    for (const QString &nome : file) {
        for (const QSize dimensione : {QSize(41, 57), QSize(300, 375)}) {
            QTest::addRow("%s at %dx%d", qPrintable(nome), dimensione.width(), dimensione.height())
                << cartella.filePath(nome) << dimensione;
        }
    }
}

// Every shipped house holds every element id, and each of the eight parts can
// be clicked somewhere, even on the smallest house.
void TestShockwaveFlash::shippedHousesHoldEveryElement()
{
    QFETCH(QString, percorso);
    QFETCH(QSize, dimensione);

    QSvgRenderer renderer(percorso);
    QVERIFY(renderer.isValid());
    QStringList mancanti;
    for (const QString &id : ElementiCasa::idRichiesti()) {
        if (!renderer.elementExists(id))
            mancanti << id;
    }
    QCOMPARE(mancanti, QStringList());

    const auto documento = SvgPartiDocumento::carica(percorso);
    QVERIFY(documento->eCasa());
    QSize picture = documento->viewBox().size().toSize();
    picture.scale(dimensione, Qt::KeepAspectRatio);
    const auto parti = SvgParti::per(documento, picture);
    QSet<int> cliccabili;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            cliccabili.insert(parteNelPunto(*parti, QPoint(x, y), VisibilitaGruppi()));
    for (int parte = ElementiCasa::kPrimaParte; parte <= ElementiCasa::kUltimaParte; ++parte)
        QVERIFY2(cliccabili.contains(parte), qPrintable(ElementiCasa::nomeParte(parte)));
}

void TestShockwaveFlash::shippedRewardsPlay_data()
{
    QTest::addColumn<QString>("percorso");

    const QDir cartella(QStringLiteral(PINNOLE_DATA_DIR "/animazioni"));
    const QStringList file = cartella.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    if (file.isEmpty())
        QSKIP("no reward animations under data/animazioni yet");
    for (const QString &nome : file)
        QTest::newRow(qPrintable(nome)) << cartella.filePath(nome);
}

// Every shipped reward is drawn whole (no house ids) and moves.
void TestShockwaveFlash::shippedRewardsPlay()
{
    QFETCH(QString, percorso);

    auto picture = casa(percorso);
    picture->resize(200, 150);
    picture->show();
    QVERIFY(QTest::qWaitForWindowExposed(picture.get()));
    QVERIFY(picture->caricato());
    QVERIFY(!picture->eCasa());
    const QImage prima = picture->grab().toImage();
    QTest::qWait(250);
    QVERIFY(picture->grab().toImage() != prima);
}

// The small pictures of the parts (one set for every window that shows the
// parts as buttons) are shipped and readable, one per part.
void TestShockwaveFlash::everyPartHasItsPicture()
{
    QSet<QString> file;
    for (int parte = ElementiCasa::kPrimaParte; parte <= ElementiCasa::kUltimaParte; ++parte) {
        const QString percorso = ElementiCasa::immagineParte(parte);
        QVERIFY2(QSvgRenderer(QStringLiteral(PINNOLE_DATA_DIR "/") + percorso).isValid(), qPrintable(percorso));
        file.insert(percorso);
    }
    QCOMPARE(file.size(), 8);
    QVERIFY(ElementiCasa::immagineParte(0).isEmpty());
    QVERIFY(ElementiCasa::immagineParte(9).isEmpty());
}

QTEST_MAIN(TestShockwaveFlash)
#include "tst_shockwaveflash.moc"

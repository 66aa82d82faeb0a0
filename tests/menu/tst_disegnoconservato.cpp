// The splash's picture kept rendered in the cache folder: copied back the
// next time, rendered again whenever the entry does not fit, and shown in
// any case.

#include "DiscoPieno.h"
#include "TestPaths.h"
#include "menu/DisegnoConservato.h"
#include "menu/Immagine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

constexpr QSize kControllo(400, 300);

// How many pixels differ plainly (any channel by more than 16).
int pixelDiversi(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int diversi = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int c = 0; c < x.width(); ++c) {
            const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
            if (qAbs(qRed(p) - qRed(q)) > 16 || qAbs(qGreen(p) - qGreen(q)) > 16 || qAbs(qBlue(p) - qBlue(q)) > 16
                || qAbs(qAlpha(p) - qAlpha(q)) > 16)
                ++diversi;
        }
    return diversi;
}

} // namespace

class TestDisegnoConservato : public QObject
{
    Q_OBJECT

    QTemporaryDir m_cartella;
    QString m_svg;

    // The picture a control shows, after its first paint has stored what it
    // rendered.
    QImage mostra(bool conservato, QSize dimensione = kControllo)
    {
        Immagine immagine;
        immagine.setConservato(conservato);
        immagine.setFile(m_svg);
        immagine.resize(dimensione);
        const QImage visto = immagine.grab().toImage();
        QCoreApplication::processEvents();
        return visto;
    }
    QString voce() const
    {
        const QStringList voci = QDir(DisegnoConservato::cartella()).entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
        return voci.size() == 1 ? DisegnoConservato::cartella() + QLatin1Char('/') + voci.first() : QString();
    }
    // Puts a plain red picture in the entry, as if it had been rendered so.
    void falsifica()
    {
        const std::optional<DisegnoConservato::Disegno> vero = DisegnoConservato::leggi(m_svg, kControllo, 1.0);
        QVERIFY(vero);
        QImage rosso(vero->pixel.size(), QImage::Format_ARGB32_Premultiplied);
        rosso.fill(Qt::red);
        QVERIFY(DisegnoConservato::scrivi(m_svg, kControllo, 1.0, {vero->area, rosso}));
    }
    bool rossoAlCentro(const QImage &visto) { return visto.pixel(visto.rect().center()) == qRgb(255, 0, 0); }

private slots:
    void init()
    {
        QVERIFY(m_cartella.isValid());
        QDir(m_cartella.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_cartella.path()));
        qputenv("XDG_CACHE_HOME", m_cartella.filePath(QStringLiteral("cache")).toUtf8());
        m_svg = m_cartella.filePath(QStringLiteral("avvio.svg"));
        QVERIFY(QFile::copy(QStringLiteral(PINNOLE_DATA_DIR "/immagini/avvio.svg"), m_svg));
    }

    // Rendered once and stored; the next control of that size copies the
    // stored picture (a forged one shows it is not rendered again), and the
    // kept picture looks as the drawing rendered straight on the control.
    void conservatoERicopiato()
    {
        const QImage diretto = mostra(false);
        QVERIFY(voce().isEmpty());
        const QImage primo = mostra(true);
        QVERIFY(!voce().isEmpty());
        QCOMPARE(mostra(true), primo);
        QVERIFY2(pixelDiversi(primo, diretto) < primo.width() * primo.height() / 50,
                 qPrintable(QString::number(pixelDiversi(primo, diretto))));
        falsifica();
        QVERIFY(rossoAlCentro(mostra(true)));
    }

    // Whatever is wrong with the entry, the control renders the drawing
    // again, shows it, and puts a good entry in place.
    void voceCheNonVa_data()
    {
        QTest::addColumn<QString>("guasto");
        QTest::newRow("drawing changed") << "disegno";
        QTest::newRow("other size") << "dimensione";
        QTest::newRow("truncated") << "corta";
        QTest::newRow("longer") << "lunga";
        QTest::newRow("header of a huge picture") << "enorme";
        QTest::newRow("a folder in its place") << "cartella";
        QTest::newRow("a FIFO in its place") << "fifo";
        QTest::newRow("a link in its place") << "collegamento";
    }
    void voceCheNonVa()
    {
        QFETCH(QString, guasto);
        const QImage vero = mostra(true);
        falsifica();
        const QString file = voce();
        QVERIFY(!file.isEmpty());
        const QString fuori = m_cartella.filePath(QStringLiteral("fuori.disegno"));
        QSize dimensione = kControllo;
        if (guasto == QLatin1String("disegno")) {
            QFile svg(m_svg);
            QVERIFY(svg.open(QIODevice::Append));
            svg.write("\n");
        } else if (guasto == QLatin1String("dimensione")) {
            dimensione = QSize(401, 300);
        } else if (guasto == QLatin1String("corta") || guasto == QLatin1String("lunga")) {
            QFile voce(file);
            QVERIFY(voce.open(QIODevice::ReadWrite));
            QVERIFY(guasto == QLatin1String("corta") ? voce.resize(voce.size() - 4) : voce.resize(voce.size() + 4));
        } else if (guasto == QLatin1String("enorme")) {
            QFile voce(file);
            QVERIFY(voce.open(QIODevice::ReadWrite));
            QVERIFY(voce.seek(36)); // the picture's size in pixels, after the magic, the control, the ratio and the area
            const qint32 enorme[2] = {1 << 30, 1 << 30};
            voce.write(reinterpret_cast<const char *>(enorme), sizeof enorme);
        } else if (guasto == QLatin1String("collegamento")) {
            // A good entry elsewhere, red: neither shown through the link nor
            // written through it.
            QVERIFY(QFile::rename(file, fuori));
            QVERIFY(QFile::link(fuori, file));
        } else {
            QVERIFY(QFile::remove(file));
            if (guasto == QLatin1String("cartella"))
                QVERIFY(QDir().mkdir(file));
            else
                QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        }
        const QImage visto = mostra(true, dimensione);
        QVERIFY(!rossoAlCentro(visto));
        if (dimensione == kControllo)
            QVERIFY(pixelDiversi(visto, vero) < vero.width() * vero.height() / 50);
        if (guasto != QLatin1String("cartella") && guasto != QLatin1String("fifo"))
            QVERIFY(DisegnoConservato::leggi(m_svg, dimensione, 1.0));
        if (guasto == QLatin1String("collegamento")) {
            QVERIFY(!QFileInfo(file).isSymLink());
            QFile::remove(file);
            QVERIFY(QFile::rename(fuori, file));
            QVERIFY(rossoAlCentro(mostra(true))); // the entry the link led to is as it was
        }
    }

    // On a full disk the new entry is not written and the one there stays
    // whole: the picture still shows, and the entry of the size before is
    // still read back. Once there is room the new one is stored.
    void discoPieno()
    {
        const QString disco = cartellaDiscoPieno();
        if (disco.isEmpty())
            QSKIP("needs the small file system of tests/con-disco-pieno.sh");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(disco + QStringLiteral("/cache")));
        const QSize piccola(60, 45), altra(80, 60); // entries of about 11 and 19 KB
        const QImage prima = mostra(true, piccola);
        const QString file = voce();
        QVERIFY(!file.isEmpty());
        QFile letto(file);
        QVERIFY(letto.open(QIODevice::ReadOnly));
        const QByteArray byte = letto.readAll();
        letto.close();

        const QString riempitivo = disco + QStringLiteral("/riempitivo");
        QVERIFY(riempiDisco(riempitivo));
        QCOMPARE(mostra(true, altra), mostra(false, altra));
        QVERIFY(!DisegnoConservato::leggi(m_svg, altra, 1.0));
        QVERIFY(DisegnoConservato::leggi(m_svg, piccola, 1.0));
        QVERIFY(letto.open(QIODevice::ReadOnly));
        QCOMPARE(letto.readAll(), byte);
        letto.close();
        QCOMPARE(QDir(DisegnoConservato::cartella()).entryList(QDir::Files).size(), 1); // nothing half-written left
        QCOMPARE(mostra(true, piccola), prima);

        QVERIFY(QFile::remove(riempitivo));
        mostra(true, altra);
        QVERIFY(DisegnoConservato::leggi(m_svg, altra, 1.0));
    }

    // Where nothing can be stored the picture still shows, rendered each time.
    void nienteDaConservare()
    {
        QFile bloccante(m_cartella.filePath(QStringLiteral("cache")));
        QVERIFY(bloccante.open(QIODevice::WriteOnly)); // a file where the cache folder should be
        bloccante.close();
        const QImage visto = mostra(true);
        QCOMPARE(visto, mostra(false));
        QVERIFY(!DisegnoConservato::leggi(m_svg, kControllo, 1.0));
    }
};

QTEST_MAIN(TestDisegnoConservato)
#include "tst_disegnoconservato.moc"

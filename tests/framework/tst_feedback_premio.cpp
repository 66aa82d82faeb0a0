#include "core/Casuale.h"
#include "core/Percorsi.h"
#include "framework/FeedbackPremio.h"
#include "platform/ShockwaveFlash.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestFeedbackPremio : public QObject
{
    Q_OBJECT

private slots:
    // The reward drawn from the shared source is loaded into the picture and
    // replaces the house that was there.
    void premioCaricatoNelFilmato_data();
    void premioCaricatoNelFilmato();
};

void TestFeedbackPremio::premioCaricatoNelFilmato_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("first of three") << 0.0 << "1.svg";
    QTest::newRow("last of three") << 0.9999 << "3.svg";
}

void TestFeedbackPremio::premioCaricatoNelFilmato()
{
    QFETCH(double, r);
    QFETCH(QString, atteso);

    QTemporaryDir programma;
    QVERIFY(programma.isValid());
    QDir().mkpath(programma.filePath("animazioni"));
    for (const char *nome : {"1.svg", "2.svg", "3.svg"}) {
        QFile f(programma.filePath(QStringLiteral("animazioni/") + QLatin1String(nome)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40">)"
                R"(<circle id="sole" cx="20" cy="20" r="15" fill="#f5c400"/></svg>)");
    }
    const QString precedente = Percorsi::cartellaProgramma();
    Percorsi::impostaCartellaProgramma(programma.path());
    FonteScriptata fonte{r};
    impostaFonteCasuale(&fonte);

    ShockwaveFlash filmato;
    filmato.Movie(QStringLiteral("casa-che-non-esiste.svg"));
    MostraPremio(filmato);

    impostaFonteCasuale(nullptr);
    Percorsi::impostaCartellaProgramma(precedente);
    QCOMPARE(filmato.movie(), programma.filePath(QStringLiteral("animazioni/") + atteso));
    QVERIFY(filmato.caricato());
    QCOMPARE(fonte.estrazioni(), 1);
}

QTEST_MAIN(TestFeedbackPremio)
#include "tst_feedback_premio.moc"

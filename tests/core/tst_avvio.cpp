#include "core/Avvio.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"

#include "MessaggiFinti.h"
#include "TestPaths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QByteArray leggimiAtteso()
{
    return QByteArray("Questa cartella contiene i files di impostazione dei programmi presenti nel sito "
                      "www.vermilo.example.\r\n"
                      "\r\n"
                      "Se qualche programma presenta problemi di funzionamento pu\xf2 essere utile cancellare "
                      "il file *.ini relativo al programma in quata cartella.\r\n"
                      "\r\n"
                      "Non cancellare questo file.\r\n");
}

} // namespace

class TestAvvio : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_casa;
    QString radice() const { return m_casa->filePath(QStringLiteral("config/ImpostazioniProgrammiVermilo")); }
    QString leggimi() const { return radice() + QStringLiteral("/leggimi.txt"); }
    QString fontInstallato() const { return m_casa->filePath(QStringLiteral("data/fonts/indis1.ttf")); }

    static QByteArray byte(const QString &p)
    {
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private slots:
    void init()
    {
        // A fresh home for every case: settings and fonts go to temporary folders.
        m_casa = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_casa->filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", m_casa->filePath(QStringLiteral("data")).toUtf8());
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
        LinguaCorrente().clear();
    }

    // First run: root, program and data folders in that order, the notice
    // file written at each creation. Where the system has the school font
    // (fonts-ecolier-court) "Indis1" is drawn with it and nothing is copied
    // or said; where it lacks it (the run with a fontconfig that sees DejaVu
    // alone) the program folder's copy is installed with one message.
    void primoAvvio()
    {
        const bool senzaCorsivo = qEnvironmentVariableIsSet("PINNOLE_TEST_SENZA_CORSIVO");
        QCOMPARE(FontCorsivoDiSistema(), !senzaCorsivo);
        MessaggiFinti finti;
        QStringList create;
        // Each creation rewrites the notice file: remove it after each step
        // and it must be there again after the next one.
        QVERIFY(PreparaCartelle([&](const QString &cartella) {
            create << QDir(radice()).relativeFilePath(cartella);
            QCOMPARE(byte(leggimi()), leggimiAtteso());
            QFile::remove(leggimi());
        }));
        QCOMPARE(create, (QStringList{QStringLiteral("."), QStringLiteral("pinnole"), QStringLiteral("pinnole/dati")}));
        QVERIFY(!QFile::exists(leggimi()));
        if (senzaCorsivo) {
            QVERIFY(QFileInfo(fontInstallato()).isFile());
            QCOMPARE(finti.mostrati.size(), 1);
            QVERIFY(finti.mostrati.first().contains(QStringLiteral("\n ----------------------- \nFont prodotto da ")));
            QCOMPARE(finti.titoli.first(), QStringLiteral("Pinnole"));
        } else {
            QVERIFY(!QFileInfo::exists(fontInstallato()));
            QVERIFY(!QFileInfo::exists(m_casa->filePath(QStringLiteral("data/fonts"))));
            QVERIFY(finti.mostrati.isEmpty());
        }
        RegistraFontCorsivo();
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Indis1"))).family(), QStringLiteral("Ecolier_court"));
    }

    // Second run: nothing created, the notice file untouched, no font message
    // even when the font was removed in between.
    void secondoAvvio()
    {
        MessaggiFinti finti;
        QVERIFY(PreparaCartelle());
        QFile::remove(fontInstallato());
        QFile::remove(leggimi());
        finti.mostrati.clear();
        QVERIFY(PreparaCartelle());
        QVERIFY(!QFile::exists(leggimi()));
        QVERIFY(!QFile::exists(fontInstallato()));
        QVERIFY(finti.mostrati.isEmpty());
    }

    // Only the data folder missing: it alone is created, the notice file
    // rewritten, no font installed.
    void soloDatiMancanti()
    {
        MessaggiFinti finti;
        QVERIFY(PreparaCartelle());
        QVERIFY(QDir(radice() + QStringLiteral("/pinnole/dati")).removeRecursively());
        QFile::remove(fontInstallato());
        QFile::remove(leggimi());
        finti.mostrati.clear();
        QVERIFY(PreparaCartelle());
        QVERIFY(QFileInfo(radice() + QStringLiteral("/pinnole/dati")).isDir());
        QCOMPARE(byte(leggimi()), leggimiAtteso());
        QVERIFY(!QFile::exists(fontInstallato()));
        QVERIFY(finti.mostrati.isEmpty());
    }

    // Folder names match without regard to case: an existing "Dati" is the data folder.
    void cartellaDatiConMaiuscole()
    {
        MessaggiFinti finti;
        QVERIFY(QDir().mkpath(radice() + QStringLiteral("/Pinnole/Dati")));
        QVERIFY(PreparaCartelle());
        QVERIFY(!QFile::exists(leggimi()));
        QVERIFY(!QFileInfo(radice() + QStringLiteral("/pinnole")).exists()
                || QFileInfo(radice() + QStringLiteral("/pinnole")).canonicalFilePath()
                       == QFileInfo(radice() + QStringLiteral("/Pinnole")).canonicalFilePath());
    }

    // A settings root that cannot be created is reported and ends the start.
    void cartellaImpossibile()
    {
        MessaggiFinti finti;
        // A file where the root folder should be.
        QVERIFY(QDir().mkpath(m_casa->filePath(QStringLiteral("config"))));
        QFile f(radice());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const Avvio avvio = AvvioProgramma();
        QCOMPARE(avvio.esito, EsitoAvvio::ErroreCartelle);
        QCOMPARE(finti.mostrati.size(), 1);
        QVERIFY(finti.mostrati.first().contains(QStringLiteral("ImpostazioniProgrammiVermilo")));
    }

    // The whole start: default user current, settings and tables ready; a
    // second start while the first holds its lock shows only "0001".
    void avvioCompletoESecondaIstanza()
    {
        MessaggiFinti finti;
        Avvio prima = AvvioProgramma();
        QCOMPARE(prima.esito, EsitoAvvio::Continua);
        QCOMPARE(Stato().UtenteCorrente, QStringLiteral("_predefinito"));
        QVERIFY(Stato().PercorsoImpostazioni.endsWith(QStringLiteral("/pinnole/_predefinito.INI")));
        QCOMPARE(Stato().imp.NomePersonaggio, QStringLiteral("Merlin"));
        QCOMPARE(Stato().TavolozzaHex[88], QStringLiteral("FFFFCC"));
        QCOMPARE(Stato().TabellaParole[0], QStringLiteral(" "));
        QCOMPARE(Stato().IdLinguaAgente, MLSGetText(QStringLiteral("0003")));
        QVERIFY(Stato().IntestazioneEsatti.endsWith(QLatin1Char(' ')));

        finti.mostrati.clear();
        const QByteArray leggimiPrima = byte(leggimi());
        Avvio seconda = AvvioProgramma();
        QCOMPARE(seconda.esito, EsitoAvvio::GiaInEsecuzione);
        QCOMPARE(finti.mostrati, QStringList{MLSGetText(QStringLiteral("0001"))});
        QCOMPARE(byte(leggimi()), leggimiPrima);

        // Once the first instance ends, the program starts again.
        prima.blocco.reset();
        QCOMPARE(AvvioProgramma().esito, EsitoAvvio::Continua);
    }

    // A write killed half-way leaves "<file>.XXXXXX" behind: the start that
    // holds the lock removes those of the program's settings folders and
    // keeps every other file, a user whose name looks alike included; a
    // start refused because another instance runs removes nothing.
    void fileTemporaneiRimossiAllAvvio()
    {
        MessaggiFinti finti;
        QVERIFY(PreparaCartelle());
        const QString pinnole = radice() + QStringLiteral("/pinnole/");
        QVERIFY(QDir().mkpath(pinnole + QStringLiteral("dati/Anna")));
        QVERIFY(QDir().mkpath(pinnole + QStringLiteral("lngpinnole")));
        const QStringList temporanei{
            pinnole + QStringLiteral("_predefinito.INI.aB3xYz"),
            pinnole + QStringLiteral("anna.ini.QwErTy"),
            pinnole + QStringLiteral("lngpinnole/LangSetting.ini.ZZZZZZ"),
            pinnole + QStringLiteral("dati/Anna/lunedi.rpt.AbCdEf"),
            pinnole + QStringLiteral("dati/Anna/lunedi.rpt.ignorate.Gh1JkL"),
            radice() + QStringLiteral("/leggimi.txt.kLmNoP"),
        };
        const QStringList restano{
            pinnole + QStringLiteral("anna.ini.QwErTy.ini"), // the user "anna.ini.QwErTy"
            pinnole + QStringLiteral("anna.ini"),
            pinnole + QStringLiteral("anna.ini.bak"),
            pinnole + QStringLiteral("anna.ini.AbCdEfG"),
            pinnole + QStringLiteral("anna.svg.AbCdEf"),
            pinnole + QStringLiteral("dati/Anna/lunedi.rpt"),
            pinnole + QStringLiteral("dati/Anna/lunedi.rpt.ignorate"),
            radice() + QStringLiteral("/altro.ini.AbCdEf"), // another program's
        };
        for (const QString &p : temporanei + restano) {
            QFile f(p);
            QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(p));
        }

        {
            QLockFile altra(pinnole + QStringLiteral("pinnole.lock"));
            QVERIFY(altra.tryLock(0));
            QCOMPARE(AvvioProgramma().esito, EsitoAvvio::GiaInEsecuzione);
            for (const QString &p : temporanei)
                QVERIFY2(QFile::exists(p), qPrintable(p));
        }

        const Avvio avvio = AvvioProgramma();
        QCOMPARE(avvio.esito, EsitoAvvio::Continua);
        for (const QString &p : temporanei)
            QVERIFY2(!QFile::exists(p), qPrintable(p));
        for (const QString &p : restano)
            QVERIFY2(QFile::exists(p), qPrintable(p));
    }

    // Attendi serves events while it waits and never waits longer than asked.
    void attesaServeGliEventi()
    {
        bool servito = false;
        QTimer::singleShot(20, this, [&] { servito = true; });
        QElapsedTimer t;
        t.start();
        Attendi(0.2);
        const qint64 trascorso = t.elapsed();
        QVERIFY(servito);
        QVERIFY2(trascorso >= 200 && trascorso < 400, qPrintable(QString::number(trascorso)));
        t.restart();
        Attendi(0);
        Attendi(-1);
        QVERIFY(t.elapsed() < 50);
    }
};

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"

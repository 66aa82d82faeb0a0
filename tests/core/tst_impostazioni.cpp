#include "core/Impostazioni.h"
#include "core/TestoFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestImpostazioni : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString percorso(const QString &nome) const { return m_dir.filePath(nome); }

    static Impostazioni predefinite()
    {
        Impostazioni imp;
        ImpostazioniPredefinite(imp, QStringLiteral("{it}"));
        return imp;
    }

    static QByteArray byteFile(const QString &p)
    {
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private slots:
    // The file holds exactly 50 CR LF lines in the fixed format: numbers with
    // a leading and trailing space, system colours negative, booleans as words.
    void scritturaNelFormatoDelFile()
    {
        Impostazioni imp = predefinite();
        QVERIFY(SalvaImpostazioni(percorso(QStringLiteral("a.ini")), imp));
        const QByteArray byte = byteFile(percorso(QStringLiteral("a.ini")));
        QCOMPARE(byte.count("\r\n"), 50);
        QVERIFY(byte.endsWith("\r\n"));
        const QList<QByteArray> righe = byte.split('\n');
        QCOMPARE(righe.at(0), QByteArray(" 130 \r"));
        QCOMPARE(righe.at(2), QByteArray("True\r"));
        QCOMPARE(righe.at(3), QByteArray("False\r"));
        QCOMPARE(righe.at(5), QByteArray("Arial\r"));
        QCOMPARE(righe.at(11), QByteArray("FFFFCC\r"));
        QCOMPARE(righe.at(22), QByteArray("rosso\r"));
        QCOMPARE(righe.at(36), QByteArray(" 16777088 \r")); // FFFF80
        QCOMPARE(righe.at(41), QByteArray("-2147483630 \r")); // system button text
        QCOMPARE(righe.at(42), QByteArray("-2147483633 \r")); // system button face
        QCOMPARE(righe.at(44), QByteArray(" 255 \r"));
        QCOMPARE(righe.at(48), QByteArray("{it}\r"));
        QCOMPARE(righe.at(49), QByteArray("Merlin\r"));
    }

    void ritornoIdenticoDopoModifiche()
    {
        Impostazioni imp = predefinite();
        imp.VelocitaVoce = 250;
        imp.ModoInput = IngressoScansioneAutomatica;
        imp.TabellaColori[2][3] = QStringLiteral("porpora"); // a word the user changed
        imp.TabellaColori[4][4] = QString();                 // words may be empty
        imp.FontTesto = QStringLiteral("Indis1");
        imp.ColoriVari = false;
        imp.ColoreSfondo = -2147483643.0;
        imp.NomePersonaggio = QStringLiteral("Gufo è");
        const QString p = percorso(QStringLiteral("b.ini"));
        QVERIFY(SalvaImpostazioni(p, imp));
        Impostazioni letta;
        QVERIFY(LeggiImpostazioni(p, &letta, QStringLiteral("{it}")));
        QVERIFY(letta == imp);
        QCOMPARE(letta.TabellaColori[2][3], QStringLiteral("porpora"));
        QCOMPARE(letta.NomePersonaggio, QStringLiteral("Gufo è"));
    }

    // Any damage gives every default, also to the values read before it.
    void fileDanneggiato_data()
    {
        QTest::addColumn<int>("riga");   // 0-based line to replace, -1 none
        QTest::addColumn<QString>("contenuto");
        QTest::addColumn<int>("righe");  // lines kept
        QTest::addColumn<bool>("letto");

        QTest::newRow("49 lines") << -1 << QString() << 49 << false;
        QTest::newRow("empty file") << -1 << QString() << 0 << false;
        QTest::newRow("51 lines, extra ignored") << -1 << QString() << 51 << true;
        QTest::newRow("number not readable") << 0 << QStringLiteral("abc") << 50 << false;
        QTest::newRow("number with decimals") << 6 << QStringLiteral(" 14.5 ") << 50 << false;
        QTest::newRow("16-bit overflow") << 1 << QStringLiteral(" 32768 ") << 50 << false;
        QTest::newRow("16-bit lowest fits") << 1 << QStringLiteral("-32768 ") << 50 << true;
        QTest::newRow("number without spaces") << 0 << QStringLiteral("130") << 50 << true;
        QTest::newRow("colour beyond 32 bits") << 36 << QStringLiteral(" 99999999999 ") << 50 << false;
        QTest::newRow("empty number line") << 10 << QString() << 50 << false;
        QTest::newRow("infinite number") << 0 << QStringLiteral(" inf ") << 50 << false;
        QTest::newRow("number beyond any integer") << 36 << QStringLiteral(" 1e300 ") << 50 << false;
    }

    void fileDanneggiato()
    {
        QFETCH(int, riga);
        QFETCH(QString, contenuto);
        QFETCH(int, righe);
        QFETCH(bool, letto);

        Impostazioni imp = predefinite();
        imp.VelocitaVoce = 200;
        imp.TonoVoce = 300;
        QStringList testo = righeImpostazioni(imp);
        if (riga >= 0)
            testo[riga] = contenuto;
        while (testo.size() > righe)
            testo.removeLast();
        while (testo.size() < righe)
            testo << QStringLiteral("riga in più");
        const QString p = percorso(QStringLiteral("danneggiato.ini"));
        QVERIFY(TestoFile::scriviRighe(p, testo));

        Impostazioni letta;
        letta.VelocitaVoce = 1;
        QCOMPARE(LeggiImpostazioni(p, &letta, QStringLiteral("{it}")), letto);
        if (letto) {
            QCOMPARE(letta.TonoVoce, riga == 1 ? qint16(-32768) : qint16(300));
        } else {
            QVERIFY(letta == predefinite());
        }
    }

    void fileMancanteDaIPredefiniti()
    {
        Impostazioni letta;
        QVERIFY(!LeggiImpostazioni(percorso(QStringLiteral("nessuno.ini")), &letta, QStringLiteral("{en}")));
        Impostazioni attese;
        ImpostazioniPredefinite(attese, QStringLiteral("{en}"));
        QVERIFY(letta == attese);
        QCOMPARE(letta.ModoVoceTTS, QStringLiteral("{en}"));
        QCOMPARE(letta.TabellaColori[3][4], QStringLiteral("blu"));
    }

    // A boolean is true only when its line begins with a capital T.
    void valoriBooleani_data()
    {
        QTest::addColumn<QString>("riga");
        QTest::addColumn<bool>("atteso");
        QTest::newRow("True") << QStringLiteral("True") << true;
        QTest::newRow("lower case true") << QStringLiteral("true") << false;
        QTest::newRow("any capital T") << QStringLiteral("Tx") << true;
        QTest::newRow("blank first") << QStringLiteral(" True") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void valoriBooleani()
    {
        QFETCH(QString, riga);
        QFETCH(bool, atteso);
        QStringList testo = righeImpostazioni(predefinite());
        testo[7] = riga; // SuoniAttivi
        Impostazioni letta;
        QVERIFY(leggiRigheImpostazioni(testo, &letta));
        QCOMPARE(letta.SuoniAttivi, atteso);
    }

    // File names match without regard to case: "_predefinito.ini" finds
    // "_predefinito.INI" and a save rewrites that same file.
    void nomiSenzaMaiuscole()
    {
        Impostazioni imp = predefinite();
        imp.TonoVoce = 77;
        QVERIFY(SalvaImpostazioni(percorso(QStringLiteral("_predefinito.INI")), imp));
        Impostazioni letta;
        QVERIFY(LeggiImpostazioni(percorso(QStringLiteral("_predefinito.ini")), &letta, QString()));
        QCOMPARE(letta.TonoVoce, qint16(77));
        imp.TonoVoce = 78;
        QVERIFY(SalvaImpostazioni(percorso(QStringLiteral("_PREDEFINITO.ini")), imp));
        QVERIFY(!QFile::exists(percorso(QStringLiteral("_PREDEFINITO.ini"))));
        QVERIFY(LeggiImpostazioni(percorso(QStringLiteral("_predefinito.INI")), &letta, QString()));
        QCOMPARE(letta.TonoVoce, qint16(78));
    }

    // A write that cannot happen is reported and leaves the old file whole.
    void scritturaFallitaNonRovinaIlFile()
    {
        if (geteuid() == 0)
            QSKIP("permissions do not stop root");
        QTemporaryDir sola;
        const QString p = sola.filePath(QStringLiteral("u.ini"));
        QVERIFY(SalvaImpostazioni(p, predefinite()));
        const QByteArray prima = byteFile(p);
        QFile::setPermissions(sola.path(), QFile::ReadOwner | QFile::ExeOwner);
        Impostazioni imp = predefinite();
        imp.VelocitaVoce = 99;
        QVERIFY(!SalvaImpostazioni(p, imp));
        QFile::setPermissions(sola.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(byteFile(p), prima);
    }

    void scritturaImpossibileFallisce()
    {
        QVERIFY(!SalvaImpostazioni(percorso(QStringLiteral("manca/u.ini")), predefinite()));
        // A folder standing where the file should be.
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("cartella.ini")));
        QVERIFY(!SalvaImpostazioni(percorso(QStringLiteral("cartella.ini")), predefinite()));
        QVERIFY(QFileInfo(percorso(QStringLiteral("cartella.ini"))).isDir());
    }

    // A colour word holding a line break would shift every later value.
    void testoConACapoRestaSuUnaRiga()
    {
        Impostazioni imp = predefinite();
        imp.TabellaColori[1][1] = QStringLiteral("verde\nprato");
        const QString p = percorso(QStringLiteral("acapo.ini"));
        QVERIFY(SalvaImpostazioni(p, imp));
        Impostazioni letta;
        QVERIFY(LeggiImpostazioni(p, &letta, QString()));
        QCOMPARE(letta.TabellaColori[1][1], QStringLiteral("verde prato"));
        QCOMPARE(letta.NomePersonaggio, QStringLiteral("Merlin"));
    }

    // Every byte value reads as one character and is written back as the
    // same byte, the five the code page leaves unassigned included; so does
    // a settings file whose text values hold them.
    void ogniByteTornaUguale()
    {
        QByteArray tutti;
        for (int b = 0; b < 256; ++b)
            tutti.append(char(b));
        const QString testo = TestoFile::decodifica(tutti);
        QCOMPARE(testo.size(), 256);
        QCOMPARE(TestoFile::codifica1252(testo), tutti);

        QByteArray alti;
        for (int b = 0x80; b < 256; ++b)
            alti.append(char(b));
        QStringList righe = righeImpostazioni(predefinite());
        righe[5] = TestoFile::decodifica(alti);                                  // balloon font
        righe[49] = TestoFile::decodifica(tutti.mid(0x20, 0x60) + alti.left(32)); // character name
        const QString p = percorso(QStringLiteral("byte.ini"));
        QVERIFY(TestoFile::scriviRighe(p, righe));
        const QByteArray prima = byteFile(p);
        Impostazioni letta;
        QVERIFY(LeggiImpostazioni(p, &letta, QString()));
        QVERIFY(SalvaImpostazioni(p, letta));
        QCOMPARE(byteFile(p), prima);
        QVERIFY(prima.contains("\r\n" + alti + "\r\n"));
    }

    // A hand-edited font size that would hide the texts or fill the window
    // reads as the default size; the other values stay as read.
    void dimensioniDeiFontFuoriMisura_data()
    {
        QTest::addColumn<int>("riga"); // 0-based: 6 balloon, 40 text
        QTest::addColumn<QString>("contenuto");
        QTest::addColumn<int>("letta");
        QTest::newRow("text, huge") << 40 << QStringLiteral(" 32767 ") << 24;
        QTest::newRow("text, negative") << 40 << QStringLiteral("-20 ") << 24;
        QTest::newRow("text, zero") << 40 << QStringLiteral(" 0 ") << 24;
        QTest::newRow("text, just below") << 40 << QStringLiteral(" 5 ") << 24;
        QTest::newRow("text, smallest") << 40 << QStringLiteral(" 6 ") << 6;
        QTest::newRow("text, largest") << 40 << QStringLiteral(" 200 ") << 200;
        QTest::newRow("text, just above") << 40 << QStringLiteral(" 201 ") << 24;
        QTest::newRow("balloon, huge") << 6 << QStringLiteral(" 32767 ") << 14;
        QTest::newRow("balloon, negative") << 6 << QStringLiteral("-20 ") << 14;
        QTest::newRow("balloon, in range") << 6 << QStringLiteral(" 48 ") << 48;
    }
    void dimensioniDeiFontFuoriMisura()
    {
        QFETCH(int, riga);
        QFETCH(QString, contenuto);
        QFETCH(int, letta);
        Impostazioni imp = predefinite();
        imp.VelocitaVoce = 200;
        imp.DimensioneFontTesto = 30;
        imp.DimensioneFontFumetto = 20;
        QStringList righe = righeImpostazioni(imp);
        righe[riga] = contenuto;
        const QString p = percorso(QStringLiteral("font.ini"));
        QVERIFY(TestoFile::scriviRighe(p, righe));
        Impostazioni lette;
        QVERIFY(LeggiImpostazioni(p, &lette, QString()));
        QCOMPARE(int(riga == 40 ? lette.DimensioneFontTesto : lette.DimensioneFontFumetto), letta);
        QCOMPARE(int(riga == 40 ? lette.DimensioneFontFumetto : lette.DimensioneFontTesto), riga == 40 ? 20 : 30);
        QCOMPARE(lette.VelocitaVoce, qint16(200));
    }
};

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "tst_impostazioni.moc"

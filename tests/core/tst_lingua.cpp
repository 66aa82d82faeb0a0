#include "core/Lingua.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"
#include "users/Utenti.h"

#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QMap>
#include <QTest>

#include <unistd.h>

class TestLingua : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString file(const QString &nome) const { return m_dir.filePath(nome); }

    static void scrivi(const QString &percorso, const QByteArray &byte)
    {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(byte);
    }

    // A language file padded past the size where lookups go line by line.
    QString fileGrande()
    {
        QByteArray b = "[Strings]\r\n0001=\"primo\"\r\n0007=il tetto\r\n[FormMenu]\r\n0001=\"secondo\"\r\n";
        while (b.size() <= 64000)
            b += "; riempimento per superare la soglia dei sessantaquattromila byte\r\n";
        b += "[Altro]\r\n0099=\"in fondo\"\r\n";
        const QString p = file(QStringLiteral("grande.lng"));
        scrivi(p, b);
        return p;
    }

private slots:
    void initTestCase()
    {
        scrivi(file(QStringLiteral("piccolo.lng")),
               "[Strings]\r\n"
               "0001=\"Il programma è già in esecuzione\"\r\n"
               "0002 =  senza virgolette  \r\n"
               "0003=\"\"\r\n"
               "0004=\"solo all'inizio\r\n"
               "0005=\"Esatte\"\r\n"
               "0005=\"doppione\"\r\n"
               "[FormMenu]\r\n"
               "Command1(3).Caption=\"Uguali\"\r\n"
               "FormMenu.Caption=\"Menu\"\r\n");
    }

    // Small files: sections and keys without regard to case, blanks and
    // enclosing quotes dropped, the first of two equal keys.
    void letturaFilePiccolo_data()
    {
        QTest::addColumn<QString>("sezione");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("quoted") << "Strings" << "0001" << QStringLiteral("Il programma è già in esecuzione");
        QTest::newRow("section case") << "STRINGS" << "0001" << QStringLiteral("Il programma è già in esecuzione");
        QTest::newRow("unquoted, blanks") << "Strings" << "0002" << "senza virgolette";
        QTest::newRow("empty quotes") << "Strings" << "0003" << "";
        QTest::newRow("one quote kept") << "Strings" << "0004" << "\"solo all'inizio";
        QTest::newRow("first of two") << "Strings" << "0005" << "Esatte";
        QTest::newRow("array key") << "FormMenu" << "Command1(3).Caption" << "Uguali";
        QTest::newRow("key case") << "formmenu" << "formmenu.caption" << "Menu";
        QTest::newRow("missing key") << "Strings" << "0099" << "";
        QTest::newRow("missing section") << "FormEs1" << "0001" << "";
        QTest::newRow("key in other section") << "FormMenu" << "0001" << "";
    }

    void letturaFilePiccolo()
    {
        QFETCH(QString, sezione);
        QFETCH(QString, chiave);
        QFETCH(QString, atteso);
        const auto valore = MLSReadKey(file(QStringLiteral("piccolo.lng")), sezione, chiave);
        QVERIFY(valore.has_value());
        QCOMPARE(*valore, atteso);
    }

    // Large files are searched line by line for the first line that begins
    // with the key, whatever the section.
    void letturaFileGrande_data()
    {
        QTest::addColumn<QString>("sezione");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("quotes dropped") << "Strings" << "0001" << "primo";
        QTest::newRow("first line wins over section") << "FormMenu" << "0001" << "primo";
        QTest::newRow("any section") << "Strings" << "0099" << "in fondo";
        QTest::newRow("missing") << "Strings" << "0050" << "";
        QTest::newRow("prefix of a key") << "Strings" << "00" << "";
    }

    void letturaFileGrande()
    {
        QFETCH(QString, sezione);
        QFETCH(QString, chiave);
        QFETCH(QString, atteso);
        QCOMPARE(MLSReadKey(fileGrande(), sezione, chiave).value_or(QStringLiteral("?")), atteso);
    }

    // A value ends at its first zero character, in a small file and in a
    // large one alike.
    void valoreFinisceAlCarattereZero()
    {
        const QByteArray riga("0042=\"prima\0dopo\"\r\n0043=senza\0\r\n", 31);
        scrivi(file(QStringLiteral("zero.lng")), "[Strings]\r\n" + riga);
        QByteArray grande = "[Strings]\r\n" + riga;
        while (grande.size() <= 64000)
            grande += "; riempimento oltre i sessantaquattromila byte\r\n";
        scrivi(file(QStringLiteral("zerogrande.lng")), grande);
        for (const QString &nome : {QStringLiteral("zero.lng"), QStringLiteral("zerogrande.lng")}) {
            QCOMPARE(*MLSReadKey(file(nome), QStringLiteral("Strings"), QStringLiteral("0042")), QStringLiteral("prima"));
            QCOMPARE(*MLSReadKey(file(nome), QStringLiteral("Strings"), QStringLiteral("0043")), QStringLiteral("senza"));
        }
    }

    // The rest of a language choice file is kept byte for byte when a key is
    // written, whatever bytes it holds.
    void scritturaConservaOgniByte()
    {
        QByteArray tutti;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                tutti.append(char(b));
        }
        const QByteArray prima = "; " + tutti + "\r\n[Language]\r\nCurrentLanguage=Italiano\r\n";
        const QString p = file(QStringLiteral("tuttiIByte.ini"));
        scrivi(p, prima);
        QVERIFY(MLSWriteKey(p, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), QStringLiteral("English")));
        QFile f(p);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), "; " + tutti + "\r\n[Language]\r\nCurrentLanguage=English\r\n");
    }

    void valoreTagliatoA511()
    {
        const QString lungo(600, QLatin1Char('a'));
        scrivi(file(QStringLiteral("lungo.lng")), "[Strings]\r\n0001=\"" + lungo.toLatin1() + "\"\r\n");
        QCOMPARE(MLSReadKey(file(QStringLiteral("lungo.lng")), QStringLiteral("Strings"), QStringLiteral("0001"))->size(), 511);
    }

    void fileMancante()
    {
        QVERIFY(!MLSReadKey(file(QStringLiteral("nessuno.lng")), QStringLiteral("Strings"), QStringLiteral("0001")));
    }

    // A Windows-1252 file and a UTF-8 file with the same text read the same.
    void codifiche()
    {
        scrivi(file(QStringLiteral("cp1252.lng")), "[Strings]\r\n0001=\"\xe8 gi\xe0 \x80\"\r\n");
        scrivi(file(QStringLiteral("utf8.lng")), "[Strings]\r\n0001=\"\xc3\xa8 gi\xc3\xa0 \xe2\x82\xac\"\r\n");
        const QString atteso = QStringLiteral("è già €");
        QCOMPARE(*MLSReadKey(file(QStringLiteral("cp1252.lng")), QStringLiteral("Strings"), QStringLiteral("0001")), atteso);
        QCOMPARE(*MLSReadKey(file(QStringLiteral("utf8.lng")), QStringLiteral("Strings"), QStringLiteral("0001")), atteso);
        QCOMPARE(TestoFile::codifica1252(atteso), QByteArray("\xe8 gi\xe0 \x80"));
    }

    // Writing creates the file, then the section, then replaces the key,
    // keeping everything else; the file is Windows-1252 with CR LF.
    void scritturaChiavi()
    {
        const QString p = file(QStringLiteral("LangSetting.ini"));
        QVERIFY(MLSWriteKey(p, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), QStringLiteral("Italiano")));
        QVERIFY(MLSWriteKey(p, QStringLiteral("Altro"), QStringLiteral("x"), QStringLiteral("1")));
        QVERIFY(MLSWriteKey(p, QStringLiteral("language"), QStringLiteral("currentlanguage"), QStringLiteral("Français")));
        QVERIFY(MLSWriteKey(p, QStringLiteral("Language"), QStringLiteral("Nuova"), QStringLiteral("2")));
        QFile f(p);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[Language]\r\ncurrentlanguage=Fran\xe7" "ais\r\nNuova=2\r\n\r\n[Altro]\r\nx=1\r\n"));
        QCOMPARE(*MLSReadKey(p, QStringLiteral("Language"), QStringLiteral("CurrentLanguage")), QStringLiteral("Français"));
    }

    // The current language is read at the first lookup; without a choice or a
    // file every text is empty and the next lookup tries again.
    void testoDellaLinguaCorrente()
    {
        QTemporaryDir programma;
        Percorsi::impostaCartellaProgramma(programma.path());
        LinguaCorrente().clear();
        QCOMPARE(MLSGetText(QStringLiteral("0001")), QString());
        QVERIFY(LinguaCorrente().isEmpty());

        QDir(programma.path()).mkdir(QStringLiteral("lngpinnole"));
        scrivi(programma.filePath(QStringLiteral("lngpinnole/LangSetting.ini")),
               "[Language]\r\nCurrentLanguage=Italiano\r\n");
        QCOMPARE(MLSGetText(QStringLiteral("0001")), QString()); // language file still missing
        QCOMPARE(LinguaCorrente(), QStringLiteral("Italiano"));

        scrivi(programma.filePath(QStringLiteral("lngpinnole/Italiano.lng")), "[Strings]\r\n0004=\"Esatte\"\r\n");
        QCOMPARE(MLSGetText(QStringLiteral("0004")), QStringLiteral("Esatte"));
        // A changed file is seen at the next lookup.
        scrivi(programma.filePath(QStringLiteral("lngpinnole/Italiano.lng")), "[Strings]\r\n0004=\"Giuste ora\"\r\n");
        QCOMPARE(MLSGetText(QStringLiteral("0004")), QStringLiteral("Giuste ora"));

        scrivi(programma.filePath(QStringLiteral("lngpinnole/English.lng")), "[Strings]\r\n0004=\"Right\"\r\n");
        QCOMPARE(Lingua::lingueDisponibili(), QStringList({QStringLiteral("English"), QStringLiteral("Italiano")}));
        QVERIFY(Lingua::scegliLingua(QStringLiteral("English")));
        QCOMPARE(MLSGetText(QStringLiteral("0004")), QStringLiteral("Right"));
        LinguaCorrente().clear(); // as after a restart
        QCOMPARE(MLSGetText(QStringLiteral("0004")), QStringLiteral("Right"));
    }

    // Qt's own buttons follow the language chosen: "Sì" and "Annulla" under
    // an Italian question, "Yes" and "Cancel" under an English one.
    void testiDiQtNellaLinguaScelta()
    {
        const auto testo = [](const char *inglese) {
            return QCoreApplication::translate("QPlatformTheme", inglese);
        };
        // A program folder of its own, so no other test sees the choice.
        QTemporaryDir programma;
        QVERIFY(QDir(programma.path()).mkdir(QStringLiteral("lngpinnole")));
        for (const QString &lingua : {QStringLiteral("Italiano"), QStringLiteral("English")}) {
            QVERIFY(QFile::copy(QStringLiteral(PINNOLE_DATA_DIR "/lngpinnole/") + lingua + QStringLiteral(".lng"),
                                programma.filePath(QStringLiteral("lngpinnole/")) + lingua + QStringLiteral(".lng")));
        }
        Percorsi::impostaCartellaProgramma(programma.path());
        Lingua::svuotaCache();
        QVERIFY(Lingua::scegliLingua(QStringLiteral("Italiano")));
        QCOMPARE(testo("&Yes"), QStringLiteral("&Sì"));
        QCOMPARE(testo("Cancel"), QStringLiteral("Annulla"));
        QVERIFY(Lingua::scegliLingua(QStringLiteral("English")));
        QCOMPARE(testo("&Yes"), QStringLiteral("&Yes"));
        QCOMPARE(testo("Cancel"), QStringLiteral("Cancel"));
    }

    // Every message key the program looks up has a text in each shipped
    // language file, and the files are 8-bit Windows-1252 text with CR LF, as
    // the language files of older installs are.
    void fileDiLinguaDistribuiti_data()
    {
        QTest::addColumn<QString>("percorso");
        const QDir cartella(QStringLiteral(PINNOLE_DATA_DIR "/lngpinnole"));
        const QStringList lingue = cartella.entryList({QStringLiteral("*.lng")}, QDir::Files);
        QVERIFY(lingue.contains(QStringLiteral("Italiano.lng")));
        for (const QString &nome : lingue)
            QTest::newRow(qPrintable(nome)) << cartella.filePath(nome);
    }

    void fileDiLinguaDistribuiti()
    {
        QFETCH(QString, percorso);
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray byte = f.readAll();
        const QString testo = TestoFile::decodifica(byte);
        QCOMPARE(TestoFile::codifica1252(testo), byte);
        QCOMPARE(byte.count('\n'), byte.count("\r\n"));

        QStringList chiavi{QStringLiteral("0001")};
        for (int k = 3; k <= 105; ++k)
            chiavi << QStringLiteral("%1").arg(k, 4, 10, QLatin1Char('0'));
        chiavi << QStringLiteral("9996") << QStringLiteral("9997") << QStringLiteral("9998") << QStringLiteral("9999");
        for (const QString &chiave : chiavi) {
            const auto valore = MLSReadKey(percorso, QStringLiteral("Strings"), chiave);
            QVERIFY(valore.has_value());
            QVERIFY2(!valore->isEmpty(), qPrintable(chiave));
        }

        // The print window's controls are reached with Alt and a letter:
        // no two of its captions may share one.
        const qsizetype inizio = testo.indexOf(QLatin1String("[frmStampa]"));
        QVERIFY(inizio >= 0);
        const qsizetype fine = testo.indexOf(QLatin1String("\n["), inizio);
        QMap<QChar, QString> tasti;
        const QStringList righe = testo.mid(inizio, fine < 0 ? -1 : fine - inizio).split(QLatin1String("\r\n"));
        for (const QString &riga : righe) {
            const qsizetype e = riga.indexOf(QLatin1Char('&'));
            if (!riga.contains(QLatin1String(".Caption=")) || e < 0 || e + 1 >= riga.size()
                || riga.at(e + 1) == QLatin1Char('&'))
                continue;
            const QChar tasto = riga.at(e + 1).toLower();
            QVERIFY2(!tasti.contains(tasto), qPrintable(tasti.value(tasto) + QStringLiteral(" / ") + riga));
            tasti.insert(tasto, riga);
        }
        QVERIFY(tasti.size() >= 5);
    }

    // An installed program folder is never written, even when it could be
    // (root runs the program): the choice goes to that user's settings
    // folder, the folder's files keep their bytes, and another user still
    // starts in the shipped language.
    void sceltaConProgrammaInstallatoScrivibile()
    {
        QTemporaryDir programma;
        QTemporaryDir casa;
        QTemporaryDir altraCasa;
        qputenv("XDG_CONFIG_HOME", casa.path().toUtf8());
        Percorsi::impostaCartellaProgramma(programma.path(), true);
        const QString lingue = programma.filePath(QStringLiteral("lngpinnole"));
        QVERIFY(QDir().mkpath(lingue));
        const QByteArray spedita = "[Language]\r\nCurrentLanguage=Italiano\r\n";
        scrivi(lingue + QStringLiteral("/LangSetting.ini"), spedita);
        scrivi(lingue + QStringLiteral("/English.lng"), "[Strings]\r\n0004=\"Right\"\r\n");
        scrivi(lingue + QStringLiteral("/Italiano.lng"), "[Strings]\r\n0004=\"Esatti\"\r\n");
        QVERIFY(QFileInfo(lingue).isWritable());

        QVERIFY(Lingua::scegliLingua(QStringLiteral("English")));
        LinguaCorrente().clear(); // as after a restart
        Lingua::svuotaCache();
        QCOMPARE(MLSGetText(QStringLiteral("0004")), QStringLiteral("Right"));
        QVERIFY(QFileInfo(casa.filePath(QStringLiteral("ImpostazioniProgrammiVermilo/pinnole/lngpinnole/LangSetting.ini")))
                    .isFile());
        QCOMPARE(QDir(lingue).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{QStringLiteral("English.lng"), QStringLiteral("Italiano.lng"),
                              QStringLiteral("LangSetting.ini")}));
        QFile f(lingue + QStringLiteral("/LangSetting.ini"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), spedita);

        qputenv("XDG_CONFIG_HOME", altraCasa.path().toUtf8());
        LinguaCorrente().clear();
        QCOMPARE(MLSGetText(QStringLiteral("0004")), QStringLiteral("Esatti"));
        Percorsi::impostaCartellaProgramma(programma.path());
    }

    // Every language file has the keys of every other, section by section:
    // a key one language lacks leaves its text empty or in the design's Italian.
    void stesseChiaviInOgniLingua()
    {
        const QDir cartella(QStringLiteral(PINNOLE_DATA_DIR "/lngpinnole"));
        QMap<QString, QStringList> chiaviPerLingua;
        for (const QString &nome : cartella.entryList({QStringLiteral("*.lng")}, QDir::Files)) {
            QFile f(cartella.filePath(nome));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QStringList chiavi;
            QString sezione;
            for (const QString &riga : TestoFile::decodifica(f.readAll()).split(QStringLiteral("\r\n"))) {
                if (riga.startsWith(QLatin1Char('[')))
                    sezione = riga.toLower();
                else if (!riga.startsWith(QLatin1Char(';')) && riga.contains(QLatin1Char('=')))
                    chiavi << sezione + riga.section(QLatin1Char('='), 0, 0).trimmed().toLower();
            }
            const qsizetype tutte = chiavi.size();
            chiavi.removeDuplicates();
            QCOMPARE(chiavi.size(), tutte); // no key twice in a section
            chiavi.sort();
            chiaviPerLingua.insert(nome, chiavi);
        }
        QVERIFY(chiaviPerLingua.size() >= 2);
        const QStringList italiane = chiaviPerLingua.value(QStringLiteral("Italiano.lng"));
        for (auto it = chiaviPerLingua.cbegin(); it != chiaviPerLingua.cend(); ++it) {
            QStringList mancanti, inPiu;
            for (const QString &k : italiane)
                if (!it.value().contains(k))
                    mancanti << k;
            for (const QString &k : it.value())
                if (!italiane.contains(k))
                    inPiu << k;
            QVERIFY2(mancanti.isEmpty() && inPiu.isEmpty(),
                     qPrintable(it.key() + QStringLiteral(" lacks ") + mancanti.join(QLatin1Char(','))
                                + QStringLiteral("; has more ") + inPiu.join(QLatin1Char(','))));
        }
    }

    // An installed program folder cannot be written by the user: the choice
    // goes to the user's settings folder, wins from then on, and the shipped
    // choice stays as it was. It is kept where the users' list never sees it,
    // so it can never be chosen as a user and overwritten with settings.
    void sceltaConCartellaDelProgrammaDiSolaLettura()
    {
        if (geteuid() == 0)
            QSKIP("permissions do not stop root");
        QTemporaryDir programma;
        QTemporaryDir casa;
        qputenv("XDG_CONFIG_HOME", casa.path().toUtf8());
        QVERIFY(QDir().mkpath(casa.filePath(QStringLiteral("ImpostazioniProgrammiVermilo/pinnole"))));
        scrivi(casa.filePath(QStringLiteral("ImpostazioniProgrammiVermilo/pinnole/_predefinito.INI")), " 130 \r\n");
        Percorsi::impostaCartellaProgramma(programma.path());
        const QString lingue = programma.filePath(QStringLiteral("lngpinnole"));
        QVERIFY(QDir().mkpath(lingue));
        const QByteArray spedita = "[Language]\r\nCurrentLanguage=Italiano\r\n";
        scrivi(lingue + QStringLiteral("/LangSetting.ini"), spedita);
        scrivi(lingue + QStringLiteral("/English.lng"), "[Strings]\r\n0004=\"Right\"\r\n");
        QFile::setPermissions(lingue, QFile::ReadOwner | QFile::ExeOwner);

        QCOMPARE(Lingua::linguaSalvata(), QStringLiteral("Italiano"));
        QVERIFY(Lingua::scegliLingua(QStringLiteral("English")));
        LinguaCorrente().clear(); // as after a restart
        QCOMPARE(MLSGetText(QStringLiteral("0004")), QStringLiteral("Right"));
        const QList<VoceUtente> utenti = elencoUtenti(Percorsi::cartellaPinnole(), false);
        QCOMPARE(utenti.size(), 1);
        QCOMPARE(utenti.first().nome, QStringLiteral("_predefinito"));
        QCOMPARE(QDir(Percorsi::cartellaPinnole()).entryList({QStringLiteral("*.ini")}, QDir::Files),
                 QStringList{QStringLiteral("_predefinito.INI")});
        QFile f(lingue + QStringLiteral("/LangSetting.ini"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), spedita);
        QFile::setPermissions(lingue, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestLingua)
#include "tst_lingua.moc"

#include "platform/LettoreRtf.h"

#include "TestPaths.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

QString testoDi(const QByteArray &rtf)
{
    QTextDocument documento;
    LettoreRtf::leggi(rtf, &documento);
    return documento.toPlainText();
}

QByteArray contenutoDi(const QString &percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The character format in the middle of the first occurrence of parola.
QTextCharFormat formatoDi(const QTextDocument &documento, const QString &parola)
{
    const QTextCursor trovato = documento.find(parola);
    if (trovato.isNull())
        return {};
    QTextCursor cursore(trovato);
    cursore.setPosition(trovato.selectionStart() + 1);
    return cursore.charFormat();
}

QColor coloreTesto(const QTextCharFormat &f)
{
    return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor();
}

} // namespace

class TestLettoreRtf : public QObject
{
    Q_OBJECT

private slots:
    void testo_data();
    void testo();
    void formato_data();
    void formato();
    void paragrafi_data();
    void paragrafi();
    void inputRotti_data();
    void inputRotti();
    void spazzaturaCasuale();
    void troncatoOvunque();
    void fileDiProgrammiDiScrittura_data();
    void fileDiProgrammiDiScrittura();
    void noteDidatticheSiLeggonoPulite();
    void fileMancante();
};

// The text read: paragraphs, escapes, special characters, skipped groups.
void TestLettoreRtf::testo_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("atteso");

    QTest::newRow("paragrafi") << QByteArray(R"({\rtf1\ansi uno\par due\par\par tre})")
                               << QStringLiteral("uno\ndue\n\ntre");
    QTest::newRow("a_capo_del_sorgente_ignorati") << QByteArray("{\\rtf1 uno\r\ndue\nfine}")
                                                  << QStringLiteral("unoduefine");
    QTest::newRow("simboli") << QByteArray(R"({\rtf1 a\\b\{c\}d})") << QStringLiteral("a\\b{c}d");
    QTest::newRow("tabulazione_e_a_capo") << QByteArray(R"({\rtf1 a\tab b\line c})")
                                          << QStringLiteral("a\tb\nc");
    QTest::newRow("accento_esadecimale") << QByteArray(R"({\rtf1 caff\'e8})") << QStringLiteral("caffè");
    QTest::newRow("byte_1252_oltre_latin1") << QByteArray(R"({\rtf1 \'80 \'93ciao\'94})")
                                            << QStringLiteral("€ “ciao”");
    QTest::newRow("unicode_con_fallback") << QByteArray(R"({\rtf1 caff\u232?})") << QStringLiteral("caffè");
    QTest::newRow("unicode_con_fallback_esadecimale") << QByteArray(R"({\rtf1 caff\u232\'e8!})")
                                                      << QStringLiteral("caffè!");
    QTest::newRow("unicode_negativo") << QByteArray(R"({\rtf1 \u-57172?})") << QStringLiteral("€");
    QTest::newRow("uc0_senza_fallback") << QByteArray(R"({\rtf1\uc0 caff\u232 e})")
                                        << QStringLiteral("caffèe");
    QTest::newRow("uc2_salta_due") << QByteArray(R"({\rtf1\uc2 a\u232\'65\'60b})") << QStringLiteral("aèb");
    QTest::newRow("uc_vale_nel_suo_gruppo") << QByteArray(R"({\rtf1 {\uc2 x\u232 ??}\u233?y})")
                                            << QStringLiteral("xèéy");
    QTest::newRow("graffa_chiude_il_fallback") << QByteArray(R"({\rtf1\uc3 a{\u232?}b})")
                                               << QStringLiteral("aèb");
    QTest::newRow("tabelle_saltate")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;})"
                      R"({\stylesheet{\s1 Titolo;}}{\info{\title Segreto}{\author Nessuno}}corpo})")
        << QStringLiteral("corpo");
    QTest::newRow("destinazioni_ignorabili")
        << QByteArray(R"({\rtf1{\*\generator Prova 1.0;}{\*\sconosciuta segreto {annidato}}visibile})")
        << QStringLiteral("visibile");
    QTest::newRow("immagine_saltata") << QByteArray(R"({\rtf1 prima{\pict\pngblip\picw4 89504e470d0a}dopo})")
                                      << QStringLiteral("primadopo");
    QTest::newRow("dati_binari_saltati") << QByteArray(R"({\rtf1 a{\pict\bin4 }{x}}b})")
                                         << QStringLiteral("ab");
    QTest::newRow("campo_mostra_il_risultato")
        << QByteArray(R"({\rtf1 vai a {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt pagina}} ora})")
        << QStringLiteral("vai a pagina ora");
    QTest::newRow("virgolette_e_trattini")
        << QByteArray(R"({\rtf1\ldblquote x\rdblquote\endash\emdash\bullet\lquote y\rquote})")
        << QStringLiteral("“x”–—•‘y’");
    QTest::newRow("parole_sconosciute_saltate") << QByteArray(R"({\rtf1\zzz12 a\qualcosa-3 b\xyz c})")
                                                << QStringLiteral("abc");
}

void TestLettoreRtf::testo()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, atteso);
    QCOMPARE(testoDi(rtf), atteso);
}

// Character formats of a word, inside and after groups and toggles.
void TestLettoreRtf::formato_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("parola");
    QTest::addColumn<bool>("grassetto");
    QTest::addColumn<bool>("corsivo");
    QTest::addColumn<bool>("sottolineato");
    QTest::addColumn<double>("punti");
    QTest::addColumn<QColor>("colore");
    QTest::addColumn<QString>("famiglia");

    const QByteArray gruppi = R"({\rtf1 prima {\b forte} dopo})";
    QTest::newRow("grassetto_nel_gruppo") << gruppi << "forte" << true << false << false << 12.0 << QColor() << QString();
    QTest::newRow("grassetto_finisce_col_gruppo") << gruppi << "dopo" << false << false << false << 12.0 << QColor() << QString();
    QTest::newRow("grassetto_spento_con_zero") << QByteArray(R"({\rtf1\b uno\b0 due})") << "due"
                                               << false << false << false << 12.0 << QColor() << QString();

    const QByteArray annidati = R"({\rtf1{\b uno{\i due}tre}quattro})";
    QTest::newRow("annidato_somma") << annidati << "due" << true << true << false << 12.0 << QColor() << QString();
    QTest::newRow("annidato_ripristina") << annidati << "tre" << true << false << false << 12.0 << QColor() << QString();
    QTest::newRow("annidato_fuori") << annidati << "quattro" << false << false << false << 12.0 << QColor() << QString();

    const QByteArray sottolineato = R"({\rtf1\i\ul entrambi\ulnone solo})";
    QTest::newRow("corsivo_sottolineato") << sottolineato << "entrambi" << false << true << true << 12.0 << QColor() << QString();
    QTest::newRow("ulnone_spegne") << sottolineato << "solo" << false << true << false << 12.0 << QColor() << QString();
    QTest::newRow("plain_azzera") << QByteArray(R"({\rtf1\b\i\ul\fs40 x\plain y})") << "y"
                                  << false << false << false << 12.0 << QColor() << QString();
    QTest::newRow("dimensione_in_mezzi_punti") << QByteArray(R"({\rtf1\fs36 grande})") << "grande"
                                               << false << false << false << 18.0 << QColor() << QString();

    const QByteArray colori = R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}\cf2 blu\cf1 rosso\cf0 auto\cf9 fuori})";
    QTest::newRow("colore_dalla_tabella") << colori << "blu" << false << false << false << 12.0 << QColor(0, 0, 255) << QString();
    QTest::newRow("colore_uno") << colori << "rosso" << false << false << false << 12.0 << QColor(255, 0, 0) << QString();
    QTest::newRow("colore_automatico") << colori << "auto" << false << false << false << 12.0 << QColor() << QString();
    QTest::newRow("colore_fuori_tabella") << colori << "fuori" << false << false << false << 12.0 << QColor() << QString();

    const QByteArray font = R"({\rtf1\deff0{\fonttbl{\f0\fswiss Arial;})"
                            R"({\f1\froman\fcharset0{\*\panose 02020603050405020304}Times New Roman;}}inizio \f1 tempi})";
    QTest::newRow("font_predefinito") << font << "inizio" << false << false << false << 12.0 << QColor() << "Arial";
    QTest::newRow("font_per_nome") << font << "tempi" << false << false << false << 12.0 << QColor() << "Times New Roman";
}

void TestLettoreRtf::formato()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, parola);
    QTextDocument documento;
    LettoreRtf::leggi(rtf, &documento);
    const QTextCharFormat f = formatoDi(documento, parola);
    QVERIFY2(f.isValid(), qPrintable(documento.toPlainText()));
    QTEST(f.fontWeight() >= QFont::Bold, "grassetto");
    QTEST(f.fontItalic(), "corsivo");
    QTEST(f.fontUnderline(), "sottolineato");
    QTEST(f.fontPointSize(), "punti");
    QTEST(coloreTesto(f), "colore");
    QFETCH(QString, famiglia);
    if (!famiglia.isEmpty())
        QCOMPARE(f.fontFamilies().toStringList().value(0), famiglia);
}

// Paragraph properties belong to the paragraph that \par ends.
void TestLettoreRtf::paragrafi_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("blocco");
    QTest::addColumn<int>("allineamento");
    QTest::addColumn<double>("margineSinistro");

    const QByteArray tre = R"({\rtf1\qc titolo\par\pard corpo\par\qr\li720 destra})";
    QTest::newRow("centrato") << tre << 0 << int(Qt::AlignHCenter) << 0.0;
    QTest::newRow("pard_riporta_a_sinistra") << tre << 1 << int(Qt::AlignLeft) << 0.0;
    QTest::newRow("destra_con_rientro") << tre << 2 << int(Qt::AlignRight) << 48.0;
    const QByteArray gruppo = R"({\rtf1{\qc dentro\par}fuori})";
    QTest::newRow("gruppo_centrato") << gruppo << 0 << int(Qt::AlignHCenter) << 0.0;
    QTest::newRow("dopo_il_gruppo") << gruppo << 1 << int(Qt::AlignLeft) << 0.0;
}

void TestLettoreRtf::paragrafi()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, blocco);
    QTextDocument documento;
    LettoreRtf::leggi(rtf, &documento);
    const QTextBlock b = documento.findBlockByNumber(blocco);
    QVERIFY(b.isValid());
    QTEST(int(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask), "allineamento");
    QTEST(b.blockFormat().leftMargin(), "margineSinistro");
}

// Broken input never crashes and gives the text that could be read.
void TestLettoreRtf::inputRotti_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("atteso");

    QTest::newRow("vuoto") << QByteArray() << QString();
    QTest::newRow("solo_graffa") << QByteArray("{") << QString();
    QTest::newRow("graffe_non_chiuse") << QByteArray(R"({\rtf1 {\b ciao)") << QStringLiteral("ciao");
    QTest::newRow("graffe_in_eccesso") << QByteArray(R"({\rtf1 ciao}}} mondo)") << QStringLiteral("ciao mondo");
    QTest::newRow("esadecimale_troncato") << QByteArray(R"({\rtf1 a\'e)") << QStringLiteral("a");
    QTest::newRow("esadecimale_non_valido") << QByteArray(R"({\rtf1 a\'zzb})") << QStringLiteral("azzb");
    QTest::newRow("trattino_senza_cifre") << QByteArray(R"({\rtf1 a\fi- b})") << QStringLiteral("ab");
    QTest::newRow("barra_finale") << QByteArray(R"({\rtf1 a\)") << QStringLiteral("a");
    QTest::newRow("parola_senza_fine") << QByteArray(R"({\rtf1 a\paroladicontrollosenzafine)")
                                       << QStringLiteral("a");
    QTest::newRow("numeri_enormi")
        << QByteArray(R"({\rtf1\fs99999999999999999999 a\u99999999999999999999? b)"
                      R"(\cf-99999999999999 c\uc99999999999 d\u233?e})")
        << QStringLiteral("a bcdé");
    QTest::newRow("graffe_profondissime")
        << QByteArray(100000, '{') + QByteArray("x") + QByteArray(100000, '}') << QStringLiteral("x");
    QTest::newRow("binario_oltre_la_fine") << QByteArray(R"({\rtf1 a{\bin999999999 xyz)") << QStringLiteral("a");
    QTest::newRow("nul_e_controlli") << QByteArray("{\\rtf1 a\0b\x01" "c}", 12) << QStringLiteral("abc");
    QTest::newRow("testo_non_rtf") << QByteArray("ciao mondo") << QStringLiteral("ciao mondo");
    QTest::newRow("tabella_colori_rotta")
        << QByteArray(R"({\rtf1{\colortbl;\red300\green-5\blue;\red}\cf1 x\cf2 y})") << QStringLiteral("xy");
    QTest::newRow("font_senza_punto_e_virgola") << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial}}\f0 x})")
                                                << QStringLiteral("x");
    QTest::newRow("tabella_font_non_chiusa") << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;)") << QString();
}

void TestLettoreRtf::inputRotti()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, atteso);
    QCOMPARE(testoDi(rtf), atteso);
}

// Random bytes weighted towards the characters that steer the reader.
void TestLettoreRtf::spazzaturaCasuale()
{
    const QByteArray alfabeto = R"({}\\\\\\'*;-0123456789abcdefuxbinpardfscf )";
    for (quint32 seme = 1; seme <= 200; ++seme) {
        QRandomGenerator generatore(seme);
        QByteArray dati(int(generatore.bounded(1, 2000)), '\0');
        for (char &c : dati) {
            c = generatore.bounded(4) == 0 ? char(generatore.bounded(256))
                                           : alfabeto.at(generatore.bounded(int(alfabeto.size())));
        }
        QTextDocument documento;
        LettoreRtf::leggi(dati, &documento);
        QVERIFY2(documento.characterCount() <= dati.size() + 1, qPrintable(QString::number(seme)));
    }
}

// A copy of the shipped notes cut anywhere reads as the beginning of the
// whole text: the damage loses only what follows it. (A cut that turns
// "\pard" into "\par" may end the text with one more empty paragraph.)
void TestLettoreRtf::troncatoOvunque()
{
    const QByteArray intero = contenutoDi(QStringLiteral(PINNOLE_SOURCE_DIR "/docs/docdid.rtf"));
    QVERIFY(!intero.isEmpty());
    const QString testoIntero = testoDi(intero);
    for (qsizetype taglio = 0; taglio < intero.size(); taglio += 53) {
        QString parziale = testoDi(intero.left(taglio));
        while (parziale.endsWith(QLatin1Char('\n')))
            parziale.chop(1);
        QVERIFY2(testoIntero.startsWith(parziale),
                 qPrintable(QStringLiteral("taglio %1: %2").arg(taglio).arg(parziale.right(40))));
    }
}

// Files as word processors write them, with their style sheets, pictures,
// document information, fields and Unicode fallbacks.
void TestLettoreRtf::fileDiProgrammiDiScrittura_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("atteso");
    QTest::addColumn<QString>("parolaColorata");
    QTest::addColumn<QColor>("colore");

    QTest::newRow("wordpad") << QStringLiteral("wordpad.rtf")
                             << QStringLiteral("Le pinnole\nIl tetto è rosso, le pareti sono gialle.\n\n"
                                               "Fine con € e “virgolette”.\n")
                             << QStringLiteral("rosso") << QColor(255, 0, 0);
    QTest::newRow("office") << QStringLiteral("office.rtf")
                            << QStringLiteral("Attività del giorno\nLeggere la frase e rispondere: vero o falso.\n"
                                              "collegamento\n")
                            << QStringLiteral("collegamento") << QColor(0, 112, 192);
}

void TestLettoreRtf::fileDiProgrammiDiScrittura()
{
    QFETCH(QString, file);
    QFETCH(QString, parolaColorata);
    QTextDocument documento;
    QVERIFY(LettoreRtf::leggiFile(QStringLiteral(PINNOLE_FIXTURES_DIR "/rtf/") + file, &documento));
    QTEST(documento.toPlainText(), "atteso");
    QTEST(coloreTesto(formatoDi(documento, parolaColorata)), "colore");
}

// The teachers' notes the program shows: every exercise is there, no piece
// of markup leaks into the text, accents are right and headings are bold.
void TestLettoreRtf::noteDidatticheSiLeggonoPulite()
{
    QTextDocument documento;
    QVERIFY(LettoreRtf::leggiFile(QStringLiteral(PINNOLE_SOURCE_DIR "/docs/docdid.rtf"), &documento));
    const QString testo = documento.toPlainText();
    const QStringList esercizi = {
        QStringLiteral("Vero o falso"), QStringLiteral("Uguale - diverso"),
        QStringLiteral("Uguali - 1°"), QStringLiteral("Uguali - 2°"),
        QStringLiteral("Colora la pinnola"), QStringLiteral("Insiemi"),
        QStringLiteral("Trova gli intrusi"), QStringLiteral("Indovina chi?"),
    };
    for (const QString &nome : esercizi) {
        QVERIFY2(testo.contains(nome), qPrintable(nome));
        QVERIFY2(formatoDi(documento, nome).fontWeight() >= QFont::Bold, qPrintable(nome));
    }
    for (const QChar segno : {QChar(u'\\'), QChar(u'{'), QChar(u'}'), QChar(0xFFFD)})
        QVERIFY2(!testo.contains(segno), qPrintable(QString(segno)));
    QVERIFY(testo.contains(QStringLiteral("attività")));
    QVERIFY(testo.contains(QStringLiteral("è")));
}

void TestLettoreRtf::fileMancante()
{
    QTextDocument documento;
    documento.setPlainText(QStringLiteral("vecchio"));
    QVERIFY(!LettoreRtf::leggiFile(QStringLiteral(PINNOLE_FIXTURES_DIR "/rtf/non-esiste.rtf"), &documento));
    QVERIFY(documento.isEmpty());
}

QTEST_MAIN(TestLettoreRtf)
#include "tst_lettorertf.moc"

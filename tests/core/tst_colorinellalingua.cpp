#include "Copione.h"
#include "TestPaths.h"

#include "core/ColoriNellaLingua.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/es1/Esercizio1.h"
#include "vocabulary/Parole.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

TabellaColoriTipo italiano()
{
    TabellaColoriTipo t;
    ColoriPredefiniti(t);
    return t;
}

TabellaColoriTipo inglese()
{
    TabellaColoriTipo t = italiano();
    const char *parole[5] = {"", "green", "red", "blue", "yellow"};
    for (size_t slot = 1; slot <= 4; ++slot) {
        for (size_t forma = 1; forma <= 4; ++forma)
            t[slot][forma] = QString::fromLatin1(parole[slot]);
    }
    return t;
}

// Slot 4 as a teacher set it: its own colour words, the starting colour.
void parolaScritta(TabellaColoriTipo &t)
{
    t[4] = {QStringLiteral("FFFF00"), QStringLiteral("dorato"), QStringLiteral("dorati"), QStringLiteral("dorata"),
            QStringLiteral("dorate")};
}

} // namespace

// The words of a colour slot follow the language while they are the
// starting words of some language; words a teacher chose stay.
class TestColoriNellaLingua : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_casa;

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_casa.path().toUtf8());
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
    }

    void cleanup() { LinguaCorrente() = QStringLiteral("Italiano"); }

    // Both language files give their starting words, and the Italian ones
    // are the built-in starting table.
    void fileDiLingua()
    {
        QCOMPARE(coloriPredefinitiDi(Lingua::fileLingua(QStringLiteral("Italiano"))), italiano());
        QCOMPARE(coloriPredefinitiDi(Lingua::fileLingua(QStringLiteral("English"))), inglese());
        QCOMPARE(coloriPredefinitiDi(m_casa.filePath(QStringLiteral("manca.lng"))), std::nullopt);
    }

    void seguiLingua_data()
    {
        QTest::addColumn<TabellaColoriTipo>("prima");
        QTest::addColumn<TabellaColoriTipo>("scelta");
        QTest::addColumn<TabellaColoriTipo>("dopo");

        TabellaColoriTipo scritta = italiano();
        parolaScritta(scritta);
        TabellaColoriTipo scrittaInglese = inglese();
        parolaScritta(scrittaInglese);
        QTest::newRow("italiano in inglese") << italiano() << inglese() << inglese();
        QTest::newRow("inglese in italiano") << inglese() << italiano() << italiano();
        QTest::newRow("stessa lingua") << italiano() << italiano() << italiano();
        QTest::newRow("parole scritte restano") << scritta << inglese() << scrittaInglese;

        // One word changed out of four is the teacher's too.
        TabellaColoriTipo unaForma = italiano();
        unaForma[2][4] = QStringLiteral("scarlatte");
        TabellaColoriTipo unaFormaInglese = inglese();
        unaFormaInglese[2] = unaForma[2];
        QTest::newRow("una forma cambiata") << unaForma << inglese() << unaFormaInglese;

        // The starting words on another colour are no starting slot.
        TabellaColoriTipo altroColore = italiano();
        altroColore[2][0] = QStringLiteral("00FF00");
        TabellaColoriTipo altroColoreInglese = inglese();
        altroColoreInglese[2] = altroColore[2];
        QTest::newRow("colore cambiato") << altroColore << inglese() << altroColoreInglese;
    }
    void seguiLingua()
    {
        QFETCH(TabellaColoriTipo, prima);
        QFETCH(TabellaColoriTipo, scelta);
        QFETCH(TabellaColoriTipo, dopo);
        TabellaColoriTipo t = prima;
        const bool cambiata = ::seguiLingua(t, {italiano(), inglese()}, scelta);
        QCOMPARE(cambiata, t != prima);
        QCOMPARE(t, dopo);
    }

    // An English player whose file holds the Italian starting words and one
    // slot of the teacher's reads English sentences: the colour words in
    // English, the teacher's word as typed.
    void fraseInglese()
    {
        LinguaCorrente() = QStringLiteral("English");
        Impostazioni imp;
        ImpostazioniPredefinite(imp, QStringLiteral("{en}"));
        parolaScritta(imp.TabellaColori);
        QVERIFY(QDir().mkpath(Percorsi::cartellaPinnole()));
        QVERIFY(SalvaImpostazioni(percorsoUtente(QStringLiteral("Bea")), imp));
        StatoProgramma &s = Stato();
        s.UtenteCorrente = QStringLiteral("Bea");
        s.PercorsoImpostazioni = percorsoUtente(QStringLiteral("Bea"));
        LeggiUtenteCorrente(s);

        TabellaParoleTipo parole;
        CaricaParole(parole);
        struct Caso
        {
            int parte;
            const char *frase;
        };
        // Chimney green, roof red, walls red, windows blue, door red, step in slot 4.
        const QList<double> casa {colore(1), colore(2), colore(2), colore(3), colore(2), colore(4), bit(0), bit(1)};
        for (const Caso &c : {Caso {2, "The roof is red."}, Caso {3, "The walls are red."},
                              Caso {6, "The step is dorato."}}) {
            Copione fonte(casa + QList<double> {bit(0), parte(c.parte)});
            Esercizio1 es(fonte, parole, s.imp.TabellaColori);
            es.GeneraEsercizio(1, QStringLiteral("minuscolo"));
            QCOMPARE(es.frase(), QString::fromLatin1(c.frase));
        }
    }
};

QTEST_GUILESS_MAIN(TestColoriNellaLingua)
#include "tst_colorinellalingua.moc"

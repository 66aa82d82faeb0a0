#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/Personaggio.h"

#include "AgenteFinto.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

class TestPersonaggio : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // PrefissoVoce is "\Spd=" speed "\\Pit=" pitch "\", numbers in decimal.
    void prefissoVoce_data();
    void prefissoVoce();
    // Bit 1 follows FumettoVisibile, bit 2 FumettoContieneTesto, other bits stay.
    void stileFumetto_data();
    void stileFumetto();
    // The balloon font and the engine mode come from the settings.
    void carattereEModo();
    // Loading takes NomePersonaggio, falling back to the default character.
    void caricaPersonaggio_data();
    void caricaPersonaggio();
    // LanguageID is the numeric value of IdLinguaAgente.
    void identificativoLingua_data();
    void identificativoLingua();
    // The character stands a third of the way into the marker, 20 pixels
    // larger than its drawing, however often it is shown.
    void mostraPersonaggio_data();
    void mostraPersonaggio();
    // Reading stops everything first, then speaks the prefix and the text.
    void leggiTesto();
    // Character files are listed by name, each word capitalised.
    void elencoPersonaggi();
};

void TestPersonaggio::init()
{
    AgenteFinto::installa();
    Stato().imp = Impostazioni();
    Stato().imp.NomePersonaggio = kPersonaggioPredefinito;
    Stato().IdLinguaAgente = QStringLiteral("1040");
}

void TestPersonaggio::cleanup()
{
    AgenteFinto::disinstalla();
}

void TestPersonaggio::prefissoVoce_data()
{
    QTest::addColumn<int>("velocita");
    QTest::addColumn<int>("tono");
    QTest::addColumn<QString>("prefisso");
    QTest::newRow("predefiniti") << 130 << 100 << "\\Spd=130\\\\Pit=100\\";
    QTest::newRow("estremi bassi") << 50 << 50 << "\\Spd=50\\\\Pit=50\\";
    QTest::newRow("estremi alti") << 250 << 400 << "\\Spd=250\\\\Pit=400\\";
}

void TestPersonaggio::prefissoVoce()
{
    QFETCH(int, velocita);
    QFETCH(int, tono);
    QFETCH(QString, prefisso);
    Stato().imp.VelocitaVoce = qint16(velocita);
    Stato().imp.TonoVoce = qint16(tono);
    std::unique_ptr<Agente> personaggio = CaricaPersonaggio();
    ImpostaMerlino(*personaggio);
    QCOMPARE(Stato().PrefissoVoce, prefisso);
    QCOMPARE(componiPrefissoVoce(velocita, tono), prefisso);
}

void TestPersonaggio::stileFumetto_data()
{
    QTest::addColumn<int>("prima");
    QTest::addColumn<bool>("visibile");
    QTest::addColumn<bool>("contieneTesto");
    QTest::addColumn<int>("dopo");
    QTest::newRow("tutto acceso da zero") << 0 << true << true << 3;
    QTest::newRow("tutto spento, altri bit restano") << (1 | 2 | 4 | 8) << false << false << (4 | 8);
    QTest::newRow("solo visibile") << 2 << true << false << 1;
    QTest::newRow("solo contiene il testo") << (1 | 16) << false << true << (2 | 16);
}

void TestPersonaggio::stileFumetto()
{
    QFETCH(int, prima);
    QFETCH(bool, visibile);
    QFETCH(bool, contieneTesto);
    Stato().imp.FumettoVisibile = visibile;
    Stato().imp.FumettoContieneTesto = contieneTesto;
    std::unique_ptr<Agente> personaggio = CaricaPersonaggio();
    personaggio->SetBalloonStyle(prima);
    ImpostaMerlino(*personaggio);
    QTEST(personaggio->BalloonStyle(), "dopo");
}

void TestPersonaggio::carattereEModo()
{
    Stato().imp.FontFumetto = QStringLiteral("Comic Neue");
    Stato().imp.DimensioneFontFumetto = 18;
    Stato().imp.ModoVoceTTS = QStringLiteral("{it}");
    std::unique_ptr<Agente> personaggio = CaricaPersonaggio();
    QCOMPARE(personaggio->BalloonFontName(), QStringLiteral("Comic Neue"));
    QCOMPARE(personaggio->BalloonFontSize(), 18);

    Stato().imp.FontFumetto = QStringLiteral("Arial");
    Stato().imp.DimensioneFontFumetto = 12;
    ImpostaMerlino(*personaggio);
    QCOMPARE(personaggio->BalloonFontName(), QStringLiteral("Arial"));
    QCOMPARE(personaggio->BalloonFontSize(), 12);
    QCOMPARE(personaggio->TTSModeID(), QStringLiteral("{it}"));
}

void TestPersonaggio::caricaPersonaggio_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QStringList>("installati");
    QTest::addColumn<QStringList>("caricamenti");
    QTest::addColumn<QString>("caricato");
    QTest::newRow("scelto presente") << "Gufo" << QStringList{"gufo", "merlin"} << QStringList{"Load:Gufo"} << "Gufo";
    QTest::newRow("scelto assente") << "Genie" << QStringList{"merlin"}
                                    << QStringList{"Load:Genie", "Load:Merlin"} << "Merlin";
    QTest::newRow("predefinito assente, nessun secondo tentativo")
        << "merlin" << QStringList{"gufo"} << QStringList{"Load:merlin"} << "";
}

void TestPersonaggio::caricaPersonaggio()
{
    QFETCH(QString, nome);
    QFETCH(QStringList, installati);
    Stato().imp.NomePersonaggio = nome;
    for (const QString &n : installati)
        AgenteFinto::caricabili().insert(n);
    std::unique_ptr<Agente> personaggio = CaricaPersonaggio();
    auto *finto = AgenteFinto::creati().constLast();
    QTEST(finto->registro.filter(QStringLiteral("Load:")), "caricamenti");
    QTEST(personaggio->Name(), "caricato");
    QCOMPARE(Stato().imp.NomePersonaggio, nome);
    QVERIFY(!personaggio->Visible());
}

void TestPersonaggio::identificativoLingua_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("identificativo");
    QTest::newRow("italiano") << "1040" << 1040;
    QTest::newRow("con spazi") << " 1040 " << 1040;
    QTest::newRow("esadecimale") << "&H0410" << 1040;
    QTest::newRow("seguito da testo") << "1040 italiano" << 1040;
    QTest::newRow("vuoto") << "" << 0;
    QTest::newRow("non numerico") << "italiano" << 0;
}

void TestPersonaggio::identificativoLingua()
{
    QFETCH(QString, testo);
    Stato().IdLinguaAgente = testo;
    std::unique_ptr<Agente> personaggio = CaricaPersonaggio();
    QTEST(personaggio->LanguageID(), "identificativo");
}

void TestPersonaggio::mostraPersonaggio_data()
{
    QTest::addColumn<QPoint>("finestra");
    QTest::addColumn<QRect>("marcatore");
    QTest::addColumn<QPoint>("angolo");
    QTest::addColumn<QSize>("dimensione"); // the rest of the marker
    // 1335 x 2535 twips at 4440, 2760 are 89 x 169 pixels at 296, 184:
    // (4440 + 1335 \ 3) / 15 = 325.67 rounds up to 326, and
    // (2760 + 2535 \ 3) / 15 = 240.33 rounds down to 240.
    QTest::newRow("vero o falso") << QPoint(0, 0) << QRect(296, 184, 89, 169) << QPoint(326, 240) << QSize(59, 113);
    // The place is the window's own: where the window lies on the screen
    // does not move the character inside it.
    QTest::newRow("finestra spostata") << QPoint(100, 50) << QRect(456, 16, 89, 121)
                                       << QPoint(456 + 30, 16 + 40) << QSize(59, 81);
    QTest::newRow("marcatore minuscolo") << QPoint(0, 0) << QRect(10, 20, 2, 2) << QPoint(11, 21) << QSize(1, 1);
    QTest::newRow("terzo intero") << QPoint(0, 0) << QRect(10, 20, 90, 60) << QPoint(40, 40) << QSize(60, 40);
    // Rescaled to twice the design size the figure is twice as large.
    QTest::newRow("doppio") << QPoint(0, 0) << QRect(592, 368, 178, 338) << QPoint(651, 481) << QSize(119, 225);
}

void TestPersonaggio::mostraPersonaggio()
{
    QFETCH(QPoint, finestra);
    QFETCH(QRect, marcatore);
    QWidget esercizio;
    esercizio.setGeometry(QRect(finestra, QSize(800, 600)));
    QWidget PicMerlino(&esercizio);
    PicMerlino.setGeometry(marcatore);
    PicMerlino.hide();

    std::unique_ptr<Agente> personaggio = CaricaPersonaggio();
    MostraPersonaggio(*personaggio, PicMerlino);
    MostraPersonaggio(*personaggio, PicMerlino);
    QVERIFY(personaggio->Visible());
    QTEST(QSize(personaggio->Width(), personaggio->Height()), "dimensione");
    QTEST(QPoint(personaggio->Left(), personaggio->Top()), "angolo");
    QCOMPARE(AgenteFinto::creati().constLast()->registro.first(), QStringLiteral("Load:Merlin"));
    QCOMPARE(AgenteFinto::creati().constLast()->registro.at(1), QStringLiteral("Show"));
}

void TestPersonaggio::leggiTesto()
{
    Stato().imp.VelocitaVoce = 150;
    std::unique_ptr<Agente> personaggio = CaricaPersonaggio();
    ImpostaMerlino(*personaggio);
    auto *finto = AgenteFinto::creati().constLast();
    finto->registro.clear();
    LeggiTesto(*personaggio, QStringLiteral("Il tetto è rosso."));
    QCOMPARE(finto->registro, QStringList({"StopAll", "Speak:\\Spd=150\\\\Pit=100\\Il tetto è rosso."}));
}

void TestPersonaggio::elencoPersonaggi()
{
    QTemporaryDir programma;
    QVERIFY(programma.isValid());
    QVERIFY(QDir(programma.path()).mkdir(QStringLiteral("Personaggi")));
    for (const char *nome : {"merlin.svg", "MAGO blu.SVG", "gufo.svg", "leggimi.txt", "Gufo.svg"}) {
        QFile file(programma.path() + QStringLiteral("/Personaggi/") + QLatin1String(nome));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Percorsi::impostaCartellaProgramma(programma.path());
    QCOMPARE(ElencoPersonaggi(), QStringList({"Gufo", "Mago Blu", "Merlin"}));
}

QTEST_MAIN(TestPersonaggio)
#include "tst_personaggio.moc"

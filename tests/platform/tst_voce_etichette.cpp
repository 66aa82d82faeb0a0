#include "platform/VoceEtichette.h"

#include <QtTest>

class TestVoceEtichette : public QObject
{
    Q_OBJECT
private slots:
    // Leading speech tags set speed and pitch and are never spoken.
    void etichetteTolteDalTesto_data();
    void etichetteTolteDalTesto();
    // The tag's speed is used as words per minute within the engine's range.
    void velocitaNelCampoDelMotore_data();
    void velocitaNelCampoDelMotore();
    // The character's pitch 50..400 maps by octaves onto the engine's 0..100.
    void tonoPerOttave_data();
    void tonoPerOttave();
    // A mode string "{id}" names a voice; anything else names none.
    void voceDelModoTraGraffe_data();
    void voceDelModoTraGraffe();
    // A numeric language identifier gives its language by the primary language.
    void linguaDellIdentificativo_data();
    void linguaDellIdentificativo();
};

void TestVoceEtichette::etichetteTolteDalTesto_data()
{
    QTest::addColumn<QString>("dato");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("velocita");
    QTest::addColumn<int>("tono");

    QTest::newRow("senza etichette") << "Il tetto è rosso." << "Il tetto è rosso." << -1 << -1;
    QTest::newRow("solo velocità") << "\\Spd=150\\Ciao" << "Ciao" << 150 << -1;
    QTest::newRow("solo tono") << "\\Pit=220\\Ciao" << "Ciao" << -1 << 220;
    QTest::newRow("prefisso del programma") << "\\Spd=130\\\\Pit=100\\Il tetto è rosso."
                                            << "Il tetto è rosso." << 130 << 100;
    QTest::newRow("ordine inverso") << "\\Pit=90\\\\Spd=200\\casa" << "casa" << 200 << 90;
    QTest::newRow("minuscole e spazi tra le etichette") << "  \\spd=120\\ \\PIT=80\\ casa" << " casa" << 120 << 80;
    QTest::newRow("l'ultima vince") << "\\Spd=100\\\\Spd=220\\casa" << "casa" << 220 << -1;
    QTest::newRow("solo etichette") << "\\Spd=130\\\\Pit=100\\" << "" << 130 << 100;
    QTest::newRow("valore non numerico tolto e ignorato") << "\\Spd=veloce\\casa" << "casa" << -1 << -1;
    QTest::newRow("valore negativo tolto e ignorato") << "\\Pit=-5\\casa" << "casa" << -1 << -1;
    QTest::newRow("etichetta sconosciuta tolta") << "\\Vol=50\\\\Spd=90\\casa" << "casa" << 90 << -1;
    QTest::newRow("etichetta senza uguale tolta") << "\\Emp\\casa" << "casa" << -1 << -1;
    QTest::newRow("barra mai chiusa") << "\\Spd=130 casa" << "\\Spd=130 casa" << -1 << -1;
    QTest::newRow("etichetta dopo il testo resta") << "casa \\Spd=130\\" << "casa \\Spd=130\\" << -1 << -1;
    QTest::newRow("testo vuoto") << "" << "" << -1 << -1;
}

void TestVoceEtichette::etichetteTolteDalTesto()
{
    QFETCH(QString, dato);
    const TestoDaLeggere letto = leggiEtichetteVoce(dato);
    QTEST(letto.testo, "testo");
    QTEST(letto.velocita, "velocita");
    QTEST(letto.tono, "tono");
}

void TestVoceEtichette::velocitaNelCampoDelMotore_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("motore");
    QTest::newRow("minimo del cursore, sotto il motore") << 50 << 80;
    QTest::newRow("predefinita") << 130 << 130;
    QTest::newRow("massimo del cursore") << 250 << 250;
    QTest::newRow("oltre il motore") << 900 << 450;
}

void TestVoceEtichette::velocitaNelCampoDelMotore()
{
    QFETCH(int, tag);
    QTEST(velocitaMotore(tag), "motore");
}

void TestVoceEtichette::tonoPerOttave_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("motore");
    QTest::newRow("minimo") << 50 << 0;
    QTest::newRow("mezza ottava sotto") << 71 << 25;
    QTest::newRow("normale") << 100 << 50;
    QTest::newRow("un'ottava sopra") << 200 << 75;
    QTest::newRow("massimo") << 400 << 100;
    QTest::newRow("sotto il minimo") << 10 << 0;
    QTest::newRow("sopra il massimo") << 1000 << 100;
}

void TestVoceEtichette::tonoPerOttave()
{
    QFETCH(int, tag);
    QTEST(tonoMotore(tag), "motore");
}

void TestVoceEtichette::voceDelModoTraGraffe_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QString>("voce");
    QTest::newRow("italiano") << "{it}" << "it";
    QTest::newRow("con spazi") << " { en-GB } " << "en-GB";
    QTest::newRow("senza graffe") << "it" << "";
    QTest::newRow("graffe vuote") << "{}" << "";
    QTest::newRow("vuoto") << "" << "";
}

void TestVoceEtichette::voceDelModoTraGraffe()
{
    QFETCH(QString, modo);
    QTEST(voceDelModo(modo), "voce");
}

void TestVoceEtichette::linguaDellIdentificativo_data()
{
    QTest::addColumn<int>("identificativo");
    QTest::addColumn<QString>("lingua");
    QTest::newRow("italiano") << 1040 << "it";
    QTest::newRow("italiano svizzero") << 2064 << "it";
    QTest::newRow("inglese americano") << 1033 << "en-US";
    QTest::newRow("inglese britannico") << 2057 << "en";
    QTest::newRow("francese") << 1036 << "fr";
    QTest::newRow("nessuno") << 0 << "";
    QTest::newRow("sconosciuto") << 0x3FF << "";
}

void TestVoceEtichette::linguaDellIdentificativo()
{
    QFETCH(int, identificativo);
    QTEST(::linguaDellIdentificativo(identificativo), "lingua");
}

QTEST_APPLESS_MAIN(TestVoceEtichette)
#include "tst_voce_etichette.moc"

// A small demo of the house picture and the speaking character (a tool, not
// part of the program): click a part of the house and it takes the next of
// the four house colours while the character names it.
//   build/demo-casa            (a window; close it to end)
//   build/demo-casa out.png    (also clicks the roof and the walls and saves a picture)

#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/Personaggio.h"
#include "platform/Agente.h"
#include "platform/ShockwaveFlash.h"
#include "platform/AudioQt.h"
#include "vocabulary/ElementiCasa.h"
#include "tools/comune/AvvioStrumento.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

namespace {

// How the character names each part.
QString nomeDetto(int parte)
{
    static const char *const kNomi[] = {"", "il comignolo", "il tetto", "le pareti", "le finestre",
                                        "la porta", "il gradino", "il fumo", "le nuvole"};
    return (parte >= 1 && parte <= 8) ? QString::fromUtf8(kNomi[parte]) : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AvvioStrumento avvio;
    if (!avvio.pronto())
        return 1;
    installaAudioQt();
    Stato().imp.FumettoVisibile = true;

    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Pinnole - prova della casa"));
    auto *disposizione = new QVBoxLayout(&finestra);
    auto *spiegazione = new QLabel(QStringLiteral("Tocca una parte della casa: cambia colore e il mago la nomina."));
    QFont grande = spiegazione->font();
    grande.setPointSize(16);
    spiegazione->setFont(grande);
    disposizione->addWidget(spiegazione);
    auto *disegno = new ShockwaveFlash(&finestra);
    disegno->setMinimumSize(400, 500);
    disposizione->addWidget(disegno, 1);
    auto *segnaposto = new QWidget(&finestra);
    segnaposto->setFixedHeight(10);
    disposizione->addWidget(segnaposto);

    disegno->Movie(Percorsi::programma(QStringLiteral("swf/pinnole1.svg")));
    disegno->GotoFrame(2);
    disegno->BGColor(Stato().imp.TabellaColori[0][0]);

    std::unique_ptr<Agente> mago = CaricaPersonaggio();
    ImpostaMerlino(*mago);
    int colore[9] = {0, 1, 1, 1, 1, 1, 1, 0, 0};
    QObject::connect(disegno, &ShockwaveFlash::FSCommand, disegno, [&](const QString &comando, const QString &) {
        const int parte = comando.toInt();
        if (parte >= 1 && parte <= 6) {
            colore[parte] = colore[parte] % 4 + 1;
            disegno->SetVariable(QStringLiteral("QualeOggetto"), ElementiCasa::idInterno(parte));
            disegno->SetVariable(QStringLiteral("TestoColore.QualeColore"), Stato().imp.TabellaColori[colore[parte]][0]);
        } else if (parte == 7 || parte == 8) {
            const QString gruppo = ElementiCasa::nomeParte(parte);
            disegno->TSetProperty(gruppo, 7, disegno->gruppoVisibile(gruppo) ? QStringLiteral("0") : QStringLiteral("1"));
        }
        LeggiTesto(*mago, nomeDetto(parte));
    });

    finestra.resize(520, 640);
    finestra.show();
    mago->Show();
    MostraPersonaggio(*mago, *segnaposto);

    if (argc > 1) {
        QTest::qWait(300);
        const QRect r = disegno->rettangoloDisegno();
        QTest::mouseClick(disegno, Qt::LeftButton, {}, r.topLeft() + QPoint(r.width() / 2, r.height() * 30 / 100));
        QTest::mouseClick(disegno, Qt::LeftButton, {}, r.topLeft() + QPoint(r.width() * 30 / 100, r.height() * 80 / 100));
        QTest::qWait(800);
        // The whole screen, so that the character's own window shows too.
        return finestra.screen()->grabWindow(0).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    return app.exec();
}

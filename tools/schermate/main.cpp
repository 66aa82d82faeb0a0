// Opens the program's windows in given states and saves what they show as
// PNG files, so a person can look at what a child sees. Run it under a
// display of the wanted size, e.g.
//   xvfb-run -s "-screen 0 1920x1080x24" build/schermate out/1920 [prefix]
// With a prefix, only the pictures whose names begin with it are taken.
// Settings are kept in a temporary folder: the user's own are never touched.

#include "StoriaGenerata.h"
#include "config/FormConfigura.h"
#include "core/StoriaProgressi.h"
#include "core/Modulo1.h"
#include "exercises/es1/FormEs1.h"
#include "exercises/es2/FormEs2.h"
#include "exercises/es4/FormEs4.h"
#include "exercises/es5/FormEs5.h"
#include "exercises/es6/FormEs6.h"
#include "exercises/es7/FormEs7.h"
#include "exercises/uguali/FormEs3.h"
#include "exercises/uguali/FormEs8.h"
#include "framework/Pulsante.h"
#include "menu/Immagine.h"
#include "platform/Agente.h"
#include "platform/ShockwaveFlash.h"
#include "menu/FineProgramma.h"
#include "menu/Form1.h"
#include "menu/FormAvvio.h"
#include "menu/FormInfo.h"
#include "menu/FormMenu.h"
#include "platform/Stampanti.h"
#include "printing/frmStampa.h"
#include "tools/comune/AvvioStrumento.h"
#include "users/FormEserciziEseguiti.h"
#include "users/FormProgressi.h"
#include "users/StampaProgressi.h"
#include "users/GrigliaEsercizi.h"
#include "users/RegistroAttivita.h"
#include "core/ColoriNellaLingua.h"
#include "core/Lingua.h"
#include "platform/MessaggiQt.h"
#include "platform/Pannello.h"
#include "vocabulary/Parole.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <functional>
#include <vector>
#include <memory>

namespace {

QString g_prefisso;

bool richiesta(const QString &nome)
{
    return nome.startsWith(g_prefisso);
}

void attendi(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void salva(QWidget *finestra, const QString &cartella, const QString &nome)
{
    const QString file = QDir(cartella).filePath(nome + QStringLiteral(".png"));
    // On a real display the screen is taken, so the character's own window
    // shows too.
    const QPixmap immagine = QGuiApplication::platformName() == QLatin1String("xcb")
                                 ? finestra->screen()->grabWindow(0, finestra->x(), finestra->y(),
                                                                  finestra->width(), finestra->height())
                                 : finestra->grab();
    if (!immagine.save(file))
        qWarning("cannot write %s", qPrintable(file));
    else
        qInfo("%s", qPrintable(file));
}

// Opens an exercise window with the settings changed by prepara, lets it
// settle, runs azione and saves the picture.
template <typename Finestra>
void schermataEsercizio(const QString &cartella, const QString &nome,
                        const std::function<void(Impostazioni &)> &prepara,
                        const std::function<void(Finestra &)> &azione = {})
{
    if (!richiesta(nome))
        return;
    Impostazioni salvate = Stato().imp;
    prepara(Stato().imp);
    {
        Finestra finestra;
        finestra.show();
        attendi(400);
        if (azione)
            azione(finestra);
        attendi(600);
        salva(&finestra, cartella, nome);
        finestra.close();
    }
    Stato().imp = salvate;
}

void schermataEs1(const QString &cartella, const QString &nome, const std::function<void(Impostazioni &)> &prepara,
                  const std::function<void(FormEs1 &)> &azione = {})
{
    schermataEsercizio<FormEs1>(cartella, nome, prepara, azione);
}

// A scanning mode whose timer does not move the highlight while the picture is taken.
void scansioneFerma(Impostazioni &i)
{
    i.ModoInput = IngressoScansioneAutomatica;
    i.VelocitaScansione = 60;
}

// The first part that differs in the two houses of "Uguali".
int primaDifferenza(const FinestraUguali &f)
{
    for (int p = 1; p <= 8; ++p) {
        if (f.gioco().Diverso(p))
            return p;
    }
    return 0;
}

// Puts every difference right by scanning, the highlight going to each part.
void completaInScansione(FinestraUguali &f)
{
    while (const int p = primaDifferenza(f)) {
        f.scansione().vaiA(p - 1);
        f.scansione().seleziona();
    }
}

void schermateUguali(const QString &cartella)
{
    const auto nessuna = [](Impostazioni &) {};
    schermataEsercizio<FormEs2>(cartella, QStringLiteral("es2-voce"), nessuna);
    schermataEsercizio<FormEs2>(cartella, QStringLiteral("es2-mouse-frase-completata"), nessuna, [](FormEs2 &f) {
        f.Command1_Click(f.esercizio().rispostaGiusta());
    });
    schermataEsercizio<FormEs2>(cartella, QStringLiteral("es2-senza-voce-maiuscolo-livello2"),
                                [](Impostazioni &i) {
                                    i.VoceAttiva = false;
                                    i.StileTesto = QStringLiteral("maiuscolo");
                                },
                                [](FormEs2 &f) { f.mnuLiv_Click(2); });
    schermataEsercizio<FormEs2>(cartella, QStringLiteral("es2-scansione-risposta-giusta"), scansioneFerma,
                                [](FormEs2 &f) {
                                    f.scansione().vaiA(f.esercizio().rispostaGiusta());
                                    f.scansione().seleziona();
                                });
    schermataEsercizio<FormEs2>(cartella, QStringLiteral("es2-premio"), nessuna, [](FormEs2 &f) {
        for (int i = 0; i < 10; ++i) {
            if (i > 0)
                f.Command1_Click(2);
            f.Command1_Click(f.esercizio().rispostaGiusta());
        }
    });

    schermataEsercizio<FormEs8>(cartella, QStringLiteral("es8-mouse"), nessuna, [](FormEs8 &f) {
        f.mnuLiv_Click(3);
        QEvent entra(QEvent::Enter);
        QCoreApplication::sendEvent(f.Image1(2), &entra);
    });
    schermataEsercizio<FormEs8>(cartella, QStringLiteral("es8-scansione-cornice"), scansioneFerma, [](FormEs8 &f) {
        f.mnuLiv_Click(2);
        f.scansione().vaiA(3);
    });
    schermataEsercizio<FormEs8>(cartella, QStringLiteral("es8-scansione-completato"), scansioneFerma,
                                [](FormEs8 &f) {
                                    f.mnuLiv_Click(4);
                                    completaInScansione(f);
                                });
    schermataEsercizio<FormEs8>(cartella, QStringLiteral("es8-consegna-senza-voce-colori-fissi"),
                                [](Impostazioni &i) {
                                    i.VoceAttiva = false;
                                    i.ColoriVari = false;
                                },
                                [](FormEs8 &f) { f.Command1_Click(1); });

    schermataEsercizio<FormEs3>(cartella, QStringLiteral("es3-mouse"), nessuna, [](FormEs3 &f) { f.mnuLiv_Click(2); });
    schermataEsercizio<FormEs3>(cartella, QStringLiteral("es3-scansione-contorno-tetto"), scansioneFerma,
                                [](FormEs3 &f) {
                                    f.mnuLiv_Click(2);
                                    f.scansione().vaiA(1);
                                });
    schermataEsercizio<FormEs3>(cartella, QStringLiteral("es3-scansione-contorno-finestre"), scansioneFerma,
                                [](FormEs3 &f) { f.scansione().vaiA(3); });
    schermataEsercizio<FormEs3>(cartella, QStringLiteral("es3-scansione-completato"), scansioneFerma,
                                [](FormEs3 &f) {
                                    f.mnuLiv_Click(3);
                                    completaInScansione(f);
                                });
    schermataEsercizio<FormEs3>(cartella, QStringLiteral("es3-consegna-senza-voce-maiuscolo"),
                                [](Impostazioni &i) {
                                    i.VoceAttiva = false;
                                    i.StileTesto = QStringLiteral("maiuscolo");
                                },
                                [](FormEs3 &f) { f.Command1_Click(1); });
}

// "Insiemi": right answers until one box is full, or (finoAllaFine false)
// until the next right answer would fill one.
void riempiScatole(FormEs5 &f, bool finoAllaFine)
{
    for (int i = 0; i < 40 && !f.esercizio().scatolaPiena(); ++i) {
        const Esercizio5 &es = f.esercizio();
        const int giusta = es.RispostaGiusta();
        const int nellaScatola = giusta == Esercizio5::ScatolaSi ? es.NumeroSi() : es.NumeroNo();
        if (!finoAllaFine && nellaScatola == Esercizio5::kCasePerScatola - 1)
            break;
        if (f.scansione().attivo()) {
            f.scansione().vaiA(giusta);
            f.scansione().seleziona();
        } else {
            f.Command1_Click(giusta);
        }
    }
}

void schermateEs5(const QString &cartella)
{
    const auto nessuna = [](Impostazioni &) {};
    schermataEsercizio<FormEs5>(cartella, QStringLiteral("es5-voce-livello1"), nessuna);
    schermataEsercizio<FormEs5>(cartella, QStringLiteral("es5-mouse-livello4-in-corso"), nessuna, [](FormEs5 &f) {
        f.mnuLiv_Click(4);
        riempiScatole(f, false);
        QEvent entra(QEvent::Enter);
        QCoreApplication::sendEvent(f.Command1(1), &entra);
    });
    schermataEsercizio<FormEs5>(cartella, QStringLiteral("es5-mouse-scatola-piena"), nessuna,
                                [](FormEs5 &f) { riempiScatole(f, true); });
    schermataEsercizio<FormEs5>(cartella, QStringLiteral("es5-tastiera-livello3-maiuscolo"),
                                [](Impostazioni &i) {
                                    i.ModoInput = IngressoTastiera;
                                    i.StileTesto = QStringLiteral("maiuscolo");
                                },
                                [](FormEs5 &f) {
                                    f.mnuLiv_Click(3);
                                    riempiScatole(f, false);
                                    f.scansione().vaiA(1);
                                });
    schermataEsercizio<FormEs5>(cartella, QStringLiteral("es5-scansione-fine-item-livello2"),
                                [](Impostazioni &i) {
                                    i.ModoInput = IngressoScansioneManuale;
                                    i.VoceAttiva = false;
                                    i.ColoriVari = false;
                                },
                                [](FormEs5 &f) {
                                    f.mnuLiv_Click(2);
                                    riempiScatole(f, true);
                                });
}

// "Colora la pinnola": the parts of the first `quante` sentences coloured
// right, by the mouse's cycle (a negative sentence takes the first colour
// it admits), each checked at levels 1 to 3.
void coloraGiuste(FormEs4 &f, int quante)
{
    for (int n = 0; n < quante; ++n) {
        const Esercizio4 &es = f.esercizio();
        const int parte = es.unaAllaVolta() ? es.FraseCorrente() : n + 1;
        for (int giri = 0; giri < 4 && (es.ColoreDato(parte) == 0 || !es.Ammesso(parte, es.ColoreDato(parte))); ++giri)
            f.ShockwaveFlash1_FSCommand(QString::number(parte), QString());
        if (es.unaAllaVolta())
            f.Command1_Click(Esercizio4::Verifica);
    }
}

void schermateEs4(const QString &cartella)
{
    const auto nessuna = [](Impostazioni &) {};
    schermataEsercizio<FormEs4>(cartella, QStringLiteral("es4-casa-grigia-livello1"), nessuna);
    schermataEsercizio<FormEs4>(cartella, QStringLiteral("es4-mezza-colorata-livello5"), nessuna, [](FormEs4 &f) {
        f.mnuLiv_Click(5);
        coloraGiuste(f, 3);
        QEvent entra(QEvent::Enter);
        QCoreApplication::sendEvent(f.Command1(0), &entra);
    });
    schermataEsercizio<FormEs4>(cartella, QStringLiteral("es4-corsivo-livello1"), [](Impostazioni &i) {
        i.StileTesto = QStringLiteral("corsivo");
        i.FontTesto = QStringLiteral("Indis1");
    });
    schermataEsercizio<FormEs4>(cartella, QStringLiteral("es4-completa-livello3-maiuscolo"),
                                [](Impostazioni &i) { i.StileTesto = QStringLiteral("maiuscolo"); },
                                [](FormEs4 &f) {
                                    f.mnuLiv_Click(3);
                                    coloraGiuste(f, 6);
                                });
    schermataEsercizio<FormEs4>(cartella, QStringLiteral("es4-scansione-contorno-livello2"),
                                [](Impostazioni &i) { i.ModoInput = IngressoScansioneManuale; },
                                [](FormEs4 &f) {
                                    f.mnuLiv_Click(2);
                                    f.scansione().avanti();
                                    f.scansione().avanti();
                                });
    schermataEsercizio<FormEs4>(cartella, QStringLiteral("es4-tastiera-livello6-riposo"),
                                [](Impostazioni &i) {
                                    i.ModoInput = IngressoTastiera;
                                    i.VoceAttiva = false;
                                },
                                [](FormEs4 &f) {
                                    f.mnuLiv_Click(6);
                                    for (int i = 0; i < 60 && f.scansione().Posizione() != FormEs4::kRiposo; ++i) {
                                        const Esercizio4 &es = f.esercizio();
                                        f.scansione().avanti();
                                        const int p = es.FraseCorrente();
                                        if (es.ColoreDato(p) != 0 && es.Ammesso(p, es.ColoreDato(p)))
                                            f.scansione().seleziona();
                                    }
                                });
}

// Opens the window made by crea with the settings changed by prepara, lets
// it settle, runs azione and saves the picture. The settings are written to
// the current user's file too, because the menu reads that file again when
// it lists the users.
void schermataFinestra(const QString &cartella, const QString &nome,
                       const std::function<void(Impostazioni &)> &prepara, const std::function<QWidget *()> &crea,
                       const std::function<void(QWidget *)> &azione = {})
{
    if (!richiesta(nome))
        return;
    Impostazioni salvate = Stato().imp;
    prepara(Stato().imp);
    SalvaImpostazioni(Stato().PercorsoImpostazioni, Stato().imp);
    {
        std::unique_ptr<QWidget> finestra(crea());
        finestra->show();
        attendi(600);
        if (azione) {
            azione(finestra.get());
            attendi(400);
        }
        salva(finestra.get(), cartella, nome);
    }
    Stato().imp = salvate;
    SalvaImpostazioni(Stato().PercorsoImpostazioni, Stato().imp);
}

void schermataMenu(const QString &cartella, const QString &nome, const std::function<void(Impostazioni &)> &prepara,
                   const std::function<void(FormMenu &)> &azione = {})
{
    schermataFinestra(cartella, nome, prepara, [] { return new FormMenu; },
                      [&azione](QWidget *w) {
                          if (azione)
                              azione(*static_cast<FormMenu *>(w));
                      });
}

void schermateMenu(const QString &cartella)
{
    const auto nessuna = [](Impostazioni &) {};
    schermataFinestra(cartella, QStringLiteral("avvio"), nessuna, [] { return new FormAvvio; });
    // "Progressi" chosen where its module cannot be opened (this tool opens
    // none): the message the program shows, as its own message box.
    schermataMenu(cartella, QStringLiteral("menu-progressi"), [](Impostazioni &i) { i.TracciaAttivita = true; },
                  [&cartella](FormMenu &m) {
                      Messaggi *silenzio = &messaggi();
                      MessaggiQt veri;
                      impostaMessaggi(&veri);
                      QTimer guida;
                      int visto = 0;
                      // Looked for as a window or as a panel inside the menu.
                      QObject::connect(&guida, &QTimer::timeout, [&cartella, &visto, &m] {
                          QWidget *aperto = pannelloAperto() ? pannelloAperto() : QApplication::activeModalWidget();
                          auto *avviso = qobject_cast<QMessageBox *>(aperto);
                          if (!avviso || ++visto < 6)
                              return;
                          salva(pannelloAperto() ? m.window() : avviso, cartella,
                                QStringLiteral("progressi-modulo-mancante"));
                          avviso->reject();
                      });
                      guida.start(100);
                      m.mnuProgressi()->trigger();
                      impostaMessaggi(silenzio);
                  });
    schermataMenu(cartella, QStringLiteral("menu-mouse"), nessuna, [](FormMenu &m) {
        QEvent entra(QEvent::Enter);
        QCoreApplication::sendEvent(m.Command1(4), &entra);
    });
    schermataMenu(cartella, QStringLiteral("menu-scansione-manuale"),
                  [](Impostazioni &i) { i.ModoInput = IngressoScansioneManuale; });
    schermataMenu(cartella, QStringLiteral("menu-scansione-automatica"),
                  [](Impostazioni &i) {
                      i.ModoInput = IngressoScansioneAutomatica;
                      i.VelocitaScansione = 60; // no tick of its own while the picture is taken
                  },
                  [](FormMenu &m) { m.scansione().Timer1_Timer(); });
    schermataMenu(cartella, QStringLiteral("menu-tastiera"), [](Impostazioni &i) { i.ModoInput = IngressoTastiera; });
    schermataMenu(cartella, QStringLiteral("menu-utenti-maiuscolo-colori-fissi"), [](Impostazioni &i) {
        i.StileTesto = QStringLiteral("maiuscolo");
        i.ColoriVari = false;
        i.TracciaAttivita = true;
        i.ModoInput = IngressoTastiera;
        SalvaImpostazioni(percorsoUtente(QStringLiteral("anna")), i);
    });
    schermataMenu(cartella, QStringLiteral("menu-corsivo"), [](Impostazioni &i) {
        i.StileTesto = QStringLiteral("corsivo");
        i.FontTesto = QStringLiteral("Indis1");
        i.ModoInput = IngressoScansioneManuale;
    });
    schermataMenu(cartella, QStringLiteral("menu-informazioni"), nessuna, [](FormMenu &m) { m.mnuInfo_Click(); });
    schermataFinestra(cartella, QStringLiteral("info"), nessuna, [] { return new FormInfo; });
}

// The configuration window on each of its tabs.
// "Trova gli intrusi" and "Indovina chi?" at levels 1 and 5, with the
// written sentences (voice off) and with the part pictures (voice on), and
// at the end of an item.
template <typename Finestra>
void schermateCaratteristiche(const QString &cartella, const QString &prefisso)
{
    const auto senzaVoce = [](Impostazioni &i) { i.VoceAttiva = false; };
    const auto conVoce = [](Impostazioni &i) { i.VoceAttiva = true; };
    const auto livello5 = [](Finestra &f) { f.mnuLiv_Click(5); };
    schermataEsercizio<Finestra>(cartella, prefisso + QStringLiteral("-livello1-frasi"), senzaVoce);
    schermataEsercizio<Finestra>(cartella, prefisso + QStringLiteral("-livello1-figure"), conVoce);
    schermataEsercizio<Finestra>(cartella, prefisso + QStringLiteral("-livello5-frasi"), senzaVoce, livello5);
    schermataEsercizio<Finestra>(cartella, prefisso + QStringLiteral("-livello5-figure"), conVoce, livello5);
    schermataEsercizio<Finestra>(cartella, prefisso + QStringLiteral("-livello5-maiuscolo-corsivo"),
                                 [](Impostazioni &i) {
                                     i.VoceAttiva = false;
                                     i.StileTesto = QStringLiteral("maiuscolo");
                                     i.ModoInput = IngressoTastiera;
                                 },
                                 [](Finestra &f) {
                                     f.mnuLiv_Click(5);
                                     f.scansione().vaiA(6);
                                 });
    // The answers that complete an item: every intruder, or the model.
    const bool intrusi = prefisso == QLatin1String("es6");
    const auto completa = [intrusi](Finestra &f, int livello, const std::function<void(int)> &scegli) {
        f.mnuLiv_Click(livello);
        const int modello = f.esercizio().Modello();
        for (int c = 0; c < EsercizioCaratteristiche::numeroCase(livello); ++c) {
            if ((c != modello) == intrusi)
                scegli(c);
        }
    };
    schermataEsercizio<Finestra>(cartella, prefisso + QStringLiteral("-livello4-scansione-fine"),
                                 [](Impostazioni &i) {
                                     i.VoceAttiva = false;
                                     i.ModoInput = IngressoScansioneManuale;
                                 },
                                 [completa](Finestra &f) {
                                     completa(f, 4, [&f](int c) {
                                         f.scansione().vaiA(c);
                                         f.scansione().seleziona();
                                     });
                                 });
    schermataEsercizio<Finestra>(cartella, prefisso + QStringLiteral("-livello3-mouse-fine"), senzaVoce,
                                 [completa](Finestra &f) { completa(f, 3, [&f](int c) { f.FSCommand(c); }); });
}

void schermateConfigura(const QString &cartella)
{
    struct Scheda
    {
        const char *nome;
        int scheda;
        std::function<void(Impostazioni &)> prepara;
        std::function<void(FormConfigura &)> azione;
    };
    const std::vector<Scheda> schede = {
        {"configura-1-giocatori", FormConfigura::SchedaGiocatori,
         [](Impostazioni &i) {
             SalvaImpostazioni(percorsoUtente(QStringLiteral("Anna")), i);
             SalvaImpostazioni(percorsoUtente(QStringLiteral("bruno")), i);
         },
         [](FormConfigura &f) { f.OptionUtente(1)->click(); }},
        {"configura-1-giocatori-nome-rifiutato", FormConfigura::SchedaGiocatori, {},
         [](FormConfigura &f) {
             f.OptionUtente(2)->click();
             f.TextNuovoUtente()->setText(QStringLiteral("../Luca"));
             f.TextNuovoUtente_Change(f.TextNuovoUtente()->text());
         }},
        {"configura-2-colori-pinnole", FormConfigura::SchedaColoriPinnole, {},
         [](FormConfigura &f) { f.Option2(2)->setChecked(true); }},
        {"configura-3-scelte-didattiche", FormConfigura::SchedaScelteDidattiche, {}, {}},
        {"configura-4-font-e-colori", FormConfigura::SchedaFontEColori, {}, {}},
        {"configura-4-font-e-colori-corsivo-fisso", FormConfigura::SchedaFontEColori,
         [](Impostazioni &i) {
             i.StileTesto = QStringLiteral("corsivo");
             i.FontTesto = QStringLiteral("Indis1");
             i.ColoriVari = false;
             i.ColoreSfondo = 0xCCFFCC; // 00BBGGRR: pale green
             i.DimensioneFontTesto = 30;
         },
         {}},
        {"configura-5-suoni-e-voce", FormConfigura::SchedaSuoniEVoce,
         [](Impostazioni &i) { i.FumettoVisibile = true; }, {}},
        {"configura-6-modalita-input", FormConfigura::SchedaModalitaInput,
         [](Impostazioni &i) {
             i.ModoInput = IngressoScansioneAutomatica;
             i.VelocitaScansione = 6;
         },
         {}},
        {"configura-6-modalita-input-mouse", FormConfigura::SchedaModalitaInput, {}, {}},
        // The switch-access options a teacher sets for a child with a tremor,
        // tried in the preview: the highlight on "Due" with its thick frame,
        // after a choice of "Uno".
        {"configura-7-accesso-con-sensori", FormConfigura::SchedaAccessoSensori, scansioneFerma,
         [](FormConfigura &f) {
             OpzioniAccesso &a = Stato().accesso;
             a.accettazioneMs = 300;
             a.antirimbalzoMs = 500;
             a.sostaPrimaPosizione = 2;
             a.limiteGiri = 3;
             a.scansioneParlata = true;
             a.spessoreEvidenziazione = 12;
             f.ImpostaConfigurazioni();
             f.CommandProvaScansione()->click();
             f.anteprima().seleziona();
             f.anteprima().vaiA(1);
         }},
        {"configura-7-accesso-con-sensori-predefinito", FormConfigura::SchedaAccessoSensori, {}, {}},
    };
    for (const Scheda &s : schede) {
        const OpzioniAccesso accesso = Stato().accesso;
        schermataFinestra(cartella, QString::fromLatin1(s.nome),
                          [&s](Impostazioni &i) {
                              if (s.prepara)
                                  s.prepara(i);
                          },
                          [] { return new FormConfigura; },
                          [&s](QWidget *w) {
                              auto &f = *static_cast<FormConfigura *>(w);
                              f.mostraScheda(s.scheda);
                              if (s.azione)
                                  s.azione(f);
                          });
        Stato().accesso = accesso;
    }
}

// A classroom printer with a printable area of 200 x 287 mm, so the print
// window shows the same sheet on every machine; nothing is printed.
class StampantiEsempio : public Stampanti
{
public:
    QStringList nomi() override { return {QStringLiteral("LaserJet 2B"), nomeFilePdf()}; }
    QString predefinita() override { return QStringLiteral("LaserJet 2B"); }
    bool apri(const QString &, ImpostazioniStampa &impostazioni) override
    {
        if (!impostazioni.foglio.isValid())
            impostazioni.foglio = QPageSize(QPageSize::A4);
        return true;
    }
    std::optional<QSizeF> areaStampabile(const QString &, const ImpostazioniStampa &impostazioni) override
    {
        return impostazioni.orientamento == 2 ? QSizeF(287, 200) : QSizeF(200, 287);
    }
    bool proprieta(QWidget *, const QString &, ImpostazioniStampa &) override { return false; }
    RisultatoLavoro stampa(QWidget *, const QString &, const ImpostazioniStampa &, const Stampabile &,
                           const RettangoloMm &, const QString &, int) override
    {
        return {};
    }
};

// The print window over an exercise window, as "foglio orizzontale" opens
// it; prepara changes its fields before the picture is taken.
void schermataStampa(const QString &cartella, const QString &nome, const std::function<void(frmStampa &)> &prepara)
{
    if (!richiesta(nome))
        return;
    FormEs1 esercizio;
    esercizio.show();
    attendi(600);
    frmStampa &stampa = frmStampa::istanza();
    QTimer guida;
    guida.setInterval(20);
    QObject::connect(&guida, &QTimer::timeout, [&] {
        if (!stampa.isVisible())
            return;
        guida.stop();
        if (prepara)
            prepara(stampa);
        attendi(400);
        salva(&stampa, cartella, nome);
        stampa.cmdChiudi_Click();
    });
    guida.start();
    stampa.StampaFPB(&esercizio, 10, 10, 100, 100, 2, QString());
}

void schermateStampa(const QString &cartella)
{
    StampantiEsempio esempio;
    impostaStampanti(&esempio);
    schermataStampa(cartella, QStringLiteral("stampa-nel-foglio"), {});
    schermataStampa(cartella, QStringLiteral("stampa-fuori-foglio"), [](frmStampa &f) {
        f.txtPrX()->setText(QStringLiteral("120"));
        f.txtPrW()->setText(QStringLiteral("180"));
        f.txtPrH()->setText(QStringLiteral("180"));
        f.AggiornaAnteprima();
    });
    // The question a print off the sheet asks, as the program's own message
    // box shows it; answered with Cancel, so nothing is printed.
    schermataStampa(cartella, QStringLiteral("stampa-domanda-fuori-foglio"), [&cartella](frmStampa &f) {
        f.txtPrX()->setText(QStringLiteral("120"));
        f.txtPrW()->setText(QStringLiteral("180"));
        f.txtPrH()->setText(QStringLiteral("180"));
        f.AggiornaAnteprima();
        Messaggi *silenzio = &messaggi();
        MessaggiQt veri;
        impostaMessaggi(&veri);
        // The box is looked for until it is up, as a window or as a panel
        // inside the print window; its picture is taken once it settled.
        QTimer guida;
        int visto = 0;
        QObject::connect(&guida, &QTimer::timeout, [&cartella, &visto, &f] {
            QWidget *aperto = pannelloAperto() ? pannelloAperto() : QApplication::activeModalWidget();
            auto *domanda = qobject_cast<QMessageBox *>(aperto);
            if (!domanda || ++visto < 6)
                return;
            salva(pannelloAperto() ? f.window() : domanda, cartella, QStringLiteral("stampa-domanda"));
            domanda->reject();
        });
        guida.start(100);
        f.cmdStampa_Click();
        impostaMessaggi(silenzio);
    });
    const auto nessuna = [](Impostazioni &) {};
    schermataFinestra(cartella, QStringLiteral("figura-da-colorare"), nessuna, [] { return new Form1; });
    schermataFinestra(cartella, QStringLiteral("figura-da-colorare-scansione"),
                      [](Impostazioni &i) { i.ModoInput = IngressoTastiera; },
                      [] { return new Form1; },
                      [](QWidget *w) { static_cast<Form1 *>(w)->scansione().vaiA(1); });
    impostaStampanti(nullptr);
}

// The activity table after the given number of runs, each of one to three
// level segments with made-up counts and ignored presses.
void riempiRegistro(int esecuzioni)
{
    StatoProgramma &s = Stato();
    svuotaRegistro(s);
    for (int e = 0; e < esecuzioni; ++e) {
        iniziaRigaEsercizio(s, MLSGetText(QStringLiteral("%1").arg(65 + e % 8, 4, 10, QLatin1Char('0'))));
        for (int segmento = 0; segmento <= e % 3; ++segmento) {
            s.RisposteEsatte = 3 + (e * 7 + segmento * 5) % 11;
            s.RisposteErrate = qint16((e + segmento) % 5);
            s.PressioniIgnorate = qint16((e * 5 + segmento * 3) % 13);
            completaSegmento(s, 1 + (e + segmento) % 4);
        }
    }
}

// The progress window over a generated autumn term of one child, "Marco",
// in both languages, and its printed pages as a PDF beside the pictures.
void schermateProgressi(const QString &cartella)
{
    StatoProgramma &s = Stato();
    const QString utente = s.UtenteCorrente;
    const QString percorso = s.PercorsoImpostazioni;
    s.UtenteCorrente = QStringLiteral("Marco");
    s.PercorsoImpostazioni = percorsoUtente(s.UtenteCorrente);
    SalvaImpostazioni(s.PercorsoImpostazioni, s.imp);
    QFile::remove(percorsoStoria(s.UtenteCorrente));
    {
        StoriaProgressi storia(percorsoStoria(s.UtenteCorrente));
        storia.apri();
        for (const SegmentoStoria &seg : annoGenerato(21, QDate(2026, 9, 14), QDate::currentDate().addDays(-1)))
            storia.aggiungi(seg);
    }
    const QString lingua = LinguaCorrente();
    for (const QString &l : {QStringLiteral("Italiano"), QStringLiteral("English")}) {
        LinguaCorrente() = l;
        const QString sigla = l == QLatin1String("English") ? QStringLiteral("en") : QStringLiteral("it");
        for (int periodo : {0, 1}) {
            schermataFinestra(cartella, QStringLiteral("progressi-%1-%2").arg(sigla, periodo == 0 ? QStringLiteral("4sett") : QStringLiteral("anno")),
                              [](Impostazioni &) {}, [] { return new FormProgressi; },
                              [periodo, &cartella, &sigla](QWidget *w) {
                                  auto *f = static_cast<FormProgressi *>(w);
                                  f->cboPeriodo()->setCurrentIndex(periodo);
                                  if (periodo != 1)
                                      return;
                                  QPrinter pdf(QPrinter::HighResolution);
                                  pdf.setOutputFormat(QPrinter::PdfFormat);
                                  pdf.setOutputFileName(QDir(cartella).filePath(
                                      QStringLiteral("progressi-stampa-%1.pdf").arg(sigla)));
                                  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                                                QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
                                  StampaProgressi(pdf, f->progressiDaStampare());
                              });
        }
    }
    LinguaCorrente() = lingua;
    s.UtenteCorrente = utente;
    s.PercorsoImpostazioni = percorso;
}

void schermateEserciziEseguiti(const QString &cartella)
{
    const auto nessuna = [](Impostazioni &) {};
    riempiRegistro(2);
    schermataFinestra(cartella, QStringLiteral("eseguiti-breve"), nessuna, [] { return new FormEserciziEseguiti; });
    riempiRegistro(60);
    schermataFinestra(cartella, QStringLiteral("eseguiti-lungo"),
                      [](Impostazioni &i) { i.ColoriVari = false; }, [] { return new FormEserciziEseguiti; },
                      [](QWidget *w) {
                          auto *griglia = static_cast<FormEserciziEseguiti *>(w)->MSFlexGrid1();
                          griglia->scrollToBottom();
                      });
    svuotaRegistro(Stato());
}

} // namespace

// "Colora la pinnola" with a new item at the level until the sentence being
// answered is about the part (at most a few dozen tries).
void sceltaParte(FormEs4 &f, int livello, int parte)
{
    for (int i = 0; i < 60; ++i) {
        f.mnuLiv_Click(livello);
        if (f.esercizio().FraseCorrente() == parte)
            return;
    }
}

// The part lit by scanning with the 12-pixel band: in "Uguali - 2°" the
// chimney, the walls, the door and a roof painted in the highlight colour;
// in "Colora la pinnola", at levels 1 and 5, the chimney, the walls and the
// door on the scan's colours, the door on red, the highlight colour itself.
void schermateEvidenza(const QString &cartella)
{
    const OpzioniAccesso salvate = Stato().accesso;
    Stato().accesso.spessoreEvidenziazione = 12;
    const auto manuale = [](Impostazioni &i) { i.ModoInput = IngressoScansioneManuale; };
    const std::pair<const char *, int> parti[] = {{"comignolo", 1}, {"pareti", 3}, {"porta", 5}};
    for (const auto &[nome, parte] : parti) {
        schermataEsercizio<FormEs3>(cartella, QStringLiteral("evidenza-es3-%1").arg(QLatin1String(nome)), manuale,
                                    [parte = parte](FormEs3 &f) { f.scansione().vaiA(parte - 1); });
    }
    schermataEsercizio<FormEs3>(cartella, QStringLiteral("evidenza-es3-tetto-nel-colore"), manuale, [](FormEs3 &f) {
        f.ShockwaveFlash2()->SetVariable(QStringLiteral("QualeOggetto"), QStringLiteral("tetto.interno"));
        f.ShockwaveFlash2()->SetVariable(QStringLiteral("TestoColore.QualeColore"), QStringLiteral("FF0000"));
        f.scansione().vaiA(1);
    });
    for (int livello : {1, 5}) {
        for (const auto &[nome, parte] : parti) {
            // Colour 3 (blue) on the part; the door also on colour 2, red.
            for (int colore : parte == 5 ? std::vector<int>{3, 2} : std::vector<int>{3}) {
                const QString file = QStringLiteral("evidenza-es4-livello%1-%2%3")
                                         .arg(livello)
                                         .arg(QLatin1String(nome), colore == 2 ? QStringLiteral("-rossa") : QString());
                schermataEsercizio<FormEs4>(cartella, file, manuale,
                                            [livello, parte = parte, colore](FormEs4 &f) {
                                                sceltaParte(f, livello, parte);
                                                for (int i = 0; i < colore; ++i)
                                                    f.scansione().avanti();
                                            });
            }
        }
    }
    Stato().accesso = salvate;
}

// The bold highlight of switch access (a 12-pixel frame) in the windows
// that scan: around a button, a house part, a house, the menu buttons.
void schermateAccesso(const QString &cartella)
{
    const OpzioniAccesso salvate = Stato().accesso;
    Stato().accesso.spessoreEvidenziazione = 12;
    const auto manuale = [](Impostazioni &i) { i.ModoInput = IngressoScansioneManuale; };
    schermataEs1(cartella, QStringLiteral("accesso-es1-cornice"), manuale,
                 [](FormEs1 &f) { f.scansione().vaiA(1); });
    schermataEsercizio<FormEs3>(cartella, QStringLiteral("accesso-es3-cornice-parte"), manuale,
                                [](FormEs3 &f) { f.scansione().vaiA(1); });
    schermataEsercizio<FormEs8>(cartella, QStringLiteral("accesso-es8-cornice-parte"), manuale,
                                [](FormEs8 &f) { f.scansione().vaiA(4); });
    schermataEsercizio<FormEs4>(cartella, QStringLiteral("accesso-es4-cornice-colore"), manuale,
                                [](FormEs4 &f) { f.scansione().vaiA(2); });
    schermataEsercizio<FormEs6>(cartella, QStringLiteral("accesso-es6-cornice-casa"), manuale, [](FormEs6 &f) {
        f.mnuLiv_Click(5);
        attendi(3000); // the new item is laid out after its pause
        f.scansione().vaiA(4);
    });
    schermataMenu(cartella, QStringLiteral("accesso-menu-cornice"), manuale);
    Stato().accesso = salvate;
}

// Every exercise with the balloon on, the picture taken while the character
// reads: the character and its balloon stand beside what the child plays
// with.
template <typename Finestra>
void schermataFumetto(const QString &cartella, const QString &nome, int livello,
                      const std::function<void(Impostazioni &)> &altro = {},
                      const std::function<void(Finestra &)> &dopo = {})
{
    schermataEsercizio<Finestra>(
        cartella, nome,
        [&altro](Impostazioni &i) {
            i.VoceAttiva = true;
            i.FumettoVisibile = true;
            i.FumettoContieneTesto = true;
            if (altro)
                altro(i);
        },
        [livello, &dopo](Finestra &f) {
            // The whole text at once, so the picture shows how it fits.
            if (Agente *personaggio = f.personaggio())
                personaggio->SetBalloonStyle(personaggio->BalloonStyle() & ~Agente::FumettoAPasso);
            if (livello > 1)
                f.mnuLiv_Click(livello);
            if (dopo)
                dopo(f);
            attendi(700);
        });
}

void schermateFumetto(const QString &cartella)
{
    const auto consegna = [](FinestraUguali &f) { f.Command1_Click(1); };
    const auto manualeConCornice = [](Impostazioni &i) {
        i.ModoInput = IngressoScansioneManuale;
        Stato().accesso.spessoreEvidenziazione = 8;
    };
    schermataFumetto<FormEs8>(cartella, QStringLiteral("fumetto-es8"), 3, {}, consegna);
    schermataFumetto<FormEs8>(cartella, QStringLiteral("fumetto-es8-scansione"), 3, manualeConCornice,
                              [](FormEs8 &f) {
                                  f.Command1_Click(1);
                                  f.scansione().vaiA(2);
                              });
    schermataFumetto<FormEs3>(cartella, QStringLiteral("fumetto-es3"), 2, {}, consegna);
    schermataFumetto<FormEs3>(cartella, QStringLiteral("fumetto-es3-scansione"), 2, manualeConCornice,
                              [](FormEs3 &f) {
                                  f.Command1_Click(1);
                                  f.scansione().vaiA(1);
                              });
    Stato().accesso = {};
    schermataFumetto<FormEs4>(cartella, QStringLiteral("fumetto-es4-livello1"), 1);
    schermataFumetto<FormEs4>(cartella, QStringLiteral("fumetto-es4-livello5"), 5);
    schermataFumetto<FormEs6>(cartella, QStringLiteral("fumetto-es6"), 5, {}, [](FormEs6 &f) {
        attendi(3000); // the new item is laid out after its pause
        emit f.Image1(6)->clicked();
    });
    schermataFumetto<FormEs7>(cartella, QStringLiteral("fumetto-es7"), 5, {}, [](FormEs7 &f) {
        attendi(3000);
        emit f.Image1(6)->clicked();
    });
    schermataFumetto<FormEs1>(cartella, QStringLiteral("fumetto-es1"), 6);
    schermataFumetto<FormEs2>(cartella, QStringLiteral("fumetto-es2"), 3);
    schermataFumetto<FormEs5>(cartella, QStringLiteral("fumetto-es5"), 4);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: schermate <output folder>");
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(cartella);
    if (argc > 2)
        g_prefisso = QString::fromLocal8Bit(argv[2]);

    AvvioStrumento avvio;
    if (!avvio.pronto())
        return 1;
    // SCHERMATE_LINGUA=English takes the pictures in another language.
    QString linguaDiPrima;
    if (const QString lingua = qEnvironmentVariable("SCHERMATE_LINGUA"); !lingua.isEmpty()) {
        // Chosen as the language menu does, so the main menu reads it too;
        // the choice before is put back at the end.
        linguaDiPrima = Lingua::linguaSalvata();
        Lingua::scegliLingua(lingua);
        PreparaIntestazioni();
        CaricaParole(Stato().TabellaParole);
        coloriNellaLinguaCorrente(Stato().imp.TabellaColori);
    }
    // The pictures are taken of windows that are simply deleted; nothing
    // must end the tool on the way.
    impostaTerminaProgramma([] {});

    schermataEs1(cartella, QStringLiteral("es1-voce"), [](Impostazioni &) {});
    schermataEs1(cartella, QStringLiteral("es1-senza-voce-maiuscolo-livello6"),
                 [](Impostazioni &i) {
                     i.VoceAttiva = false;
                     i.StileTesto = QStringLiteral("maiuscolo");
                 },
                 [](FormEs1 &f) { f.mnuLiv_Click(6); });
    schermataEs1(cartella, QStringLiteral("es1-scansione-risposta-giusta"),
                 [](Impostazioni &i) { i.ModoInput = IngressoScansioneManuale; },
                 [](FormEs1 &f) { f.scansione().vaiA(f.esercizio().rispostaGiusta()); f.scansione().seleziona(); });
    schermataEs1(cartella, QStringLiteral("es1-fumetto"),
                 [](Impostazioni &i) {
                     i.FumettoVisibile = true;
                     i.FumettoContieneTesto = true;
                 },
                 [](FormEs1 &f) { f.mnuLiv_Click(6); });
    schermataEs1(cartella, QStringLiteral("es1-mouse-risposta-giusta"), [](Impostazioni &) {},
                 [](FormEs1 &f) {
                     // The pointer rests on the right answer it has just clicked.
                     Pulsante *giusta = f.Command1(f.esercizio().rispostaGiusta());
                     QCursor::setPos(giusta->mapToGlobal(giusta->rect().center()));
                     attendi(200);
                     giusta->click();
                 });
    schermataEs1(cartella, QStringLiteral("es1-premio"), [](Impostazioni &) {},
                 [](FormEs1 &f) {
                     for (int i = 0; i < 10; ++i) {
                         f.Command1_Click(f.esercizio().rispostaGiusta());
                         if (i < 9)
                             f.Command1_Click(2);
                     }
                 });
    schermataEs1(cartella, QStringLiteral("es1-corsivo-colori-fissi"),
                 [](Impostazioni &i) {
                     i.StileTesto = QStringLiteral("corsivo");
                     i.FontTesto = QStringLiteral("Indis1");
                     i.ColoriVari = false;
                     i.DimensioneFontTesto = 30;
                 });
    // A child whose switch must be held 300 ms: the quiet panel of the
    // presses that were too short.
    Stato().accesso.accettazioneMs = 300;
    schermataEs1(cartella, QStringLiteral("es1-pressioni-ignorate"),
                 [](Impostazioni &i) { i.ModoInput = IngressoScansioneManuale; },
                 [](FormEs1 &f) {
                     f.Command1_Click(f.esercizio().rispostaGiusta());
                     for (int i = 0; i < 3; ++i)
                         emit f.scansione().pressioneIgnorata();
                 });
    Stato().accesso = {};
    schermateEs4(cartella);
    schermateEvidenza(cartella);
    schermateEs5(cartella);
    schermateUguali(cartella);
    schermateCaratteristiche<FormEs6>(cartella, QStringLiteral("es6"));
    schermateCaratteristiche<FormEs7>(cartella, QStringLiteral("es7"));
    schermateMenu(cartella);
    schermateConfigura(cartella);
    schermateStampa(cartella);
    schermateEserciziEseguiti(cartella);
    schermateProgressi(cartella);
    schermateAccesso(cartella);
    schermateFumetto(cartella);
    if (!linguaDiPrima.isEmpty())
        Lingua::scegliLingua(linguaDiPrima);
    return 0;
}

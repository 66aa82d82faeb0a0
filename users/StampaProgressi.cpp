#include "users/StampaProgressi.h"

#include <QChart>
#include <QGraphicsScene>
#include <QPagedPaintDevice>
#include <QPainter>

#include <memory>

namespace {

// Page geometry in millimetres, from the printable area's top left corner.
constexpr double kAltezzaIntestazione = 18;  // heading, period, exercise
constexpr double kAltezzaGrafici = 72;
constexpr double kSpazio = 5;
constexpr double kAltezzaRiga = 6.5;
constexpr double kAltezzaTesta = 10; // the table's heading, on two lines
constexpr double kAltezzaPiede = 8;
constexpr int kMezzeTabella = 2;
// The charts are laid out at screen resolution and scaled onto the page, so
// their texts keep their point sizes.
constexpr double kPixelPerMm = 96 / 25.4;
constexpr double kPuntiGrafici = 8.5;
constexpr double kPuntiTabella = 10;

const QColor kTesto(0x20, 0x20, 0x20);

} // namespace

RigheProgressiPerPagina righePerPagina(const QSizeF &paginaMm)
{
    const double corpo = paginaMm.height() - kAltezzaIntestazione - kAltezzaPiede;
    RigheProgressiPerPagina r;
    // The table runs in two halves side by side; one row of each half is
    // its heading.
    r.prima = kMezzeTabella * std::max(1, int((corpo - kAltezzaGrafici - kSpazio - kAltezzaTesta) / kAltezzaRiga));
    r.seguenti = kMezzeTabella * std::max(1, int((corpo - kAltezzaTesta) / kAltezzaRiga));
    return r;
}

int pagineEsercizio(int righe, const RigheProgressiPerPagina &capienza)
{
    if (righe <= capienza.prima)
        return 1;
    const int resto = righe - capienza.prima;
    return 1 + (resto + capienza.seguenti - 1) / capienza.seguenti;
}

bool StampaProgressi(QPagedPaintDevice &stampante, const ProgressiDaStampare &p)
{
    QPainter pittore;
    if (!pittore.begin(&stampante))
        return false;
    const QRectF area = stampante.pageLayout().paintRect(QPageLayout::Millimeter);
    const QSizeF paginaMm = area.size();
    const double scala = stampante.logicalDpiX() / 25.4; // device units per mm
    pittore.scale(scala, scala);                            // from here on, mm

    const RigheProgressiPerPagina capienza = righePerPagina(paginaMm);
    int pagineTotali = 0;
    for (const EsercizioProgressi &e : p.esercizi)
        pagineTotali += pagineEsercizio(int(e.giorni.size()), capienza);
    pagineTotali = std::max(1, pagineTotali);

    auto carattere = [&p](double punti, bool grassetto) {
        QFont f(p.famiglia);
        f.setPointSizeF(punti);
        f.setBold(grassetto);
        return f;
    };
    // Fonts are given in points for the device: in mm space one point is
    // 25.4 / 72 mm, which QPainter works out from the device's resolution
    // once the scale is undone for the text.
    auto scrivi = [&](const QRectF &rettangoloMm, const QString &testo, const QFont &f, int allineamento) {
        pittore.save();
        pittore.scale(1 / scala, 1 / scala);
        pittore.setFont(QFont(f, &stampante));
        pittore.setPen(kTesto);
        const QRectF r(rettangoloMm.topLeft() * scala, rettangoloMm.size() * scala);
        if (allineamento & Qt::TextWordWrap)
            pittore.drawText(r, allineamento, testo);
        else
            pittore.drawText(r, allineamento | Qt::TextSingleLine,
                             pittore.fontMetrics().elidedText(testo, Qt::ElideRight, int(r.width())));
        pittore.restore();
    };

    int pagina = 0;
    auto piede = [&]() {
        ++pagina;
        scrivi(QRectF(0, paginaMm.height() - kAltezzaPiede + 2, paginaMm.width(), kAltezzaPiede - 2),
               p.formatoPagina.arg(pagina).arg(pagineTotali), carattere(9, false), Qt::AlignRight | Qt::AlignVCenter);
    };
    auto intestazione = [&](const QString &esercizio) {
        scrivi(QRectF(0, 0, paginaMm.width() * 0.6, 8), p.intestazione, carattere(15, true),
               Qt::AlignLeft | Qt::AlignVCenter);
        scrivi(QRectF(paginaMm.width() * 0.6, 0, paginaMm.width() * 0.4, 8), p.periodo, carattere(11, false),
               Qt::AlignRight | Qt::AlignVCenter);
        scrivi(QRectF(0, 8.5, paginaMm.width(), 7), esercizio, carattere(13, true), Qt::AlignLeft | Qt::AlignVCenter);
        pittore.setPen(QPen(kTesto, 0.3));
        pittore.drawLine(QPointF(0, kAltezzaIntestazione - 2), QPointF(paginaMm.width(), kAltezzaIntestazione - 2));
    };
    const QStringList intestazioniTabella = {p.intestazioneData, p.titoliFigure[0], p.titoliFigure[1],
                                             p.titoliFigure[2]};
    // The table in two halves side by side, each with the date and the three
    // figures.
    const double larghezzaMezza = (paginaMm.width() - kSpazio * 2) / kMezzeTabella;
    const double larghezzaData = larghezzaMezza * 0.22;
    const double larghezzaFigura = (larghezzaMezza - larghezzaData) / 3;
    auto riga = [&](double x0, double y, const QStringList &celle, bool intestazioneTabella) {
        const QFont f = carattere(intestazioneTabella ? kPuntiTabella - 1 : kPuntiTabella, intestazioneTabella);
        const double altezza = intestazioneTabella ? kAltezzaTesta : kAltezzaRiga;
        double x = x0;
        for (int c = 0; c < celle.size(); ++c) {
            const double w = c == 0 ? larghezzaData : larghezzaFigura;
            scrivi(QRectF(x + 1, y, w - 2, altezza), celle.at(c), f,
                   (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter
                       | (intestazioneTabella ? Qt::TextWordWrap : 0));
            x += w;
        }
        pittore.setPen(QPen(intestazioneTabella ? kTesto : QColor(0xB0, 0xB0, 0xB0), intestazioneTabella ? 0.3 : 0.15));
        pittore.drawLine(QPointF(x0, y + altezza), QPointF(x0 + larghezzaMezza, y + altezza));
    };
    // The table's area from y: the heading over each half, and the rows
    // from "da" that fit, down the left half then the right one.
    auto tabella = [&](double y, const QList<GiornoProgressi> &giorni, int da, int righe) {
        const int perMezza = righe / kMezzeTabella;
        for (int m = 0; m < kMezzeTabella && da + m * perMezza < giorni.size(); ++m) {
            const double x0 = m * (larghezzaMezza + kSpazio * 2);
            riga(x0, y, intestazioniTabella, true);
            for (int r = 0; r < perMezza && da + m * perMezza + r < giorni.size(); ++r) {
                const GiornoProgressi &g = giorni.at(da + m * perMezza + r);
                riga(x0, y + kAltezzaTesta + r * kAltezzaRiga,
                     {p.locale.toString(g.data, QLocale::ShortFormat), QString::number(g.livelloMassimo),
                      testoQuota(g.quotaEsatte(), p.locale), testoPerDieci(g.ignoratePerDieci(), p.locale)},
                     false);
            }
        }
    };
    bool primaPagina = true;
    for (const EsercizioProgressi &e : p.esercizi) {
        if (!primaPagina && !stampante.newPage())
            return false;
        primaPagina = false;
        const QString nome = p.nomeEsercizio ? p.nomeEsercizio(e.esercizio) : e.esercizio;
        intestazione(nome);

        // The three charts side by side, as on screen.
        StileGrafici stile;
        stile.sfondo = Qt::white;
        stile.testo = kTesto;
        stile.carattere = carattere(kPuntiGrafici, false);
        stile.locale = p.locale;
        stile.dal = p.dal;
        stile.al = p.al;
        const double larghezzaGrafico = (paginaMm.width() - 2 * kSpazio) / 3;
        for (int f = 0; f < 3; ++f) {
            QGraphicsScene scena;
            QChart *grafico = creaGraficoProgressi(FiguraProgressi(f), e.giorni, p.titoliFigure[f], stile);
            scena.addItem(grafico);
            const QSizeF pixel(larghezzaGrafico * kPixelPerMm, kAltezzaGrafici * kPixelPerMm);
            grafico->setGeometry(QRectF(QPointF(0, 0), pixel));
            const QRectF destinazione(f * (larghezzaGrafico + kSpazio), kAltezzaIntestazione, larghezzaGrafico,
                                      kAltezzaGrafici);
            scena.render(&pittore, destinazione, QRectF(QPointF(0, 0), pixel));
        }

        tabella(kAltezzaIntestazione + kAltezzaGrafici + kSpazio, e.giorni, 0, capienza.prima);
        for (int da = capienza.prima; da < e.giorni.size(); da += capienza.seguenti) {
            piede();
            if (!stampante.newPage())
                return false;
            intestazione(nome);
            tabella(kAltezzaIntestazione, e.giorni, da, capienza.seguenti);
        }
        piede();
    }
    if (p.esercizi.isEmpty()) {
        intestazione(QString());
        piede();
    }
    return pittore.end();
}

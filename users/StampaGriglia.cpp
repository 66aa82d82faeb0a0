#include "users/StampaGriglia.h"

#include "users/VistaRegistro.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

using VistaRegistro::TabellaStampata;

namespace {

constexpr int kTwipsPerPollice = 1440;
constexpr int kTwipsPerPunto = 20;
// The table's corner; its top is moved down below the heading lines.
constexpr int kAngoloX = 2;
constexpr int kMargineAlto = 2;
// Ruled lines half a point thick.
constexpr int kSpessoreLinee = 10;

// Drawing in twips: the painter is scaled so one unit is one twip, and a
// font's pixel size is given in twips, so it prints at its point size.
QFont fontInTwips(const QString &famiglia, int punti)
{
    QFont carattere(famiglia);
    carattere.setPixelSize(qMax(1, punti * kTwipsPerPunto));
    return carattere;
}

class Pagina
{
public:
    explicit Pagina(QPainter &pittore)
        : m_pittore(pittore)
    {
    }

    int y() const { return m_y; }
    void vaiA(int y) { m_y = y; }
    void font(const QFont &carattere) { m_pittore.setFont(carattere); }
    int altezzaLinea() const { return QFontMetrics(m_pittore.font()).height(); }
    int larghezza(const QString &testo) const { return QFontMetrics(m_pittore.font()).horizontalAdvance(testo); }

    // Prints text with its top at the current height, without ending the line.
    void scrivi(int x, const QString &testo)
    {
        if (!testo.isEmpty())
            m_pittore.drawText(QPoint(x, m_y + QFontMetrics(m_pittore.font()).ascent()), testo);
    }
    // Prints a line of text (possibly empty) and moves to the next.
    void riga(int x, const QString &testo)
    {
        scrivi(x, testo);
        fineRiga();
    }
    void fineRiga() { m_y += altezzaLinea(); }

private:
    QPainter &m_pittore;
    int m_y = 0;
};

// One page's part of the table: the heading row, then rows prima..ultima.
void stampaTabella(QPainter &pittore, Pagina &pagina, const TabellaStampata &tabella,
                   const GrigliaDaStampare &griglia, int prima, int ultima)
{
    const int x0 = tabella.x0;
    const int x1 = tabella.destra();
    pagina.vaiA(tabella.y0);
    auto stampaRiga = [&](int r, const std::array<QString, VistaRegistro::kColonne> &celle) {
        if (r > 0)
            pittore.drawLine(x0, pagina.y(), x1, pagina.y());
        pagina.vaiA(pagina.y() + TabellaStampata::kMargine);
        for (int c = 0; c < VistaRegistro::kColonne; ++c) {
            const QString testo = VistaRegistro::TestoLimitato(
                celle[c], tabella.larghezze[c], [&pagina](const QString &t) { return pagina.larghezza(t); });
            pagina.scrivi(tabella.xTesto(c), testo);
        }
        pagina.vaiA(pagina.y() + TabellaStampata::kMargine);
        pagina.fineRiga();
    };
    stampaRiga(0, griglia.intestazioni);
    for (int r = prima; r <= ultima; ++r) {
        const RigaRegistro &dati = griglia.righe.at(r - 1);
        const QString ignorate = r <= griglia.ignorate.size() ? griglia.ignorate.at(r - 1) : QString();
        stampaRiga(r, {QString::number(r), dati[0], dati[1], dati[2], dati[3], ignorate});
    }
    const int y1 = pagina.y();
    pittore.drawRect(QRect(QPoint(x0, tabella.y0), QPoint(x1, y1)));
    for (int x : tabella.separatori())
        pittore.drawLine(x, tabella.y0, x, y1);
}

} // namespace

bool StampaGriglia(QPagedPaintDevice &stampante, const GrigliaDaStampare &griglia)
{
    stampante.setPageOrientation(QPageLayout::Landscape);
    QPainter pittore;
    if (!pittore.begin(&stampante))
        return false;
    const qreal scala = qreal(stampante.logicalDpiX()) / kTwipsPerPollice;
    pittore.scale(scala, qreal(stampante.logicalDpiY()) / kTwipsPerPollice);
    const int larghezzaPagina = int(stampante.width() / scala);
    const int altezzaPagina = int(stampante.height() * kTwipsPerPollice / qreal(stampante.logicalDpiY()));
    pittore.setPen(QPen(Qt::black, kSpessoreLinee));
    pittore.setBrush(Qt::NoBrush);

    Pagina pagina(pittore);
    pagina.vaiA(kMargineAlto);
    pagina.font(fontInTwips(QStringLiteral("Arial"), 10));
    pagina.riga(0, griglia.utente);
    pagina.font(fontInTwips(QStringLiteral("Arial"), 16));
    pagina.riga(0, griglia.etichettaUtente);
    pagina.fineRiga();
    pagina.font(fontInTwips(QStringLiteral("Arial"), 14));
    pagina.riga(0, griglia.etichettaData);
    pagina.fineRiga();
    pagina.fineRiga();
    pagina.fineRiga();

    pagina.font(fontInTwips(griglia.famigliaGriglia, griglia.puntiGriglia));
    TabellaStampata tabella;
    tabella.x0 = kAngoloX;
    tabella.y0 = pagina.y();
    tabella.larghezze = VistaRegistro::larghezzeStampa(larghezzaPagina - kAngoloX);
    const int altezzaRiga = TabellaStampata::altezzaRiga(pagina.altezzaLinea());
    const int primaPagina = (altezzaPagina - tabella.y0) / altezzaRiga;
    const int altrePagine = (altezzaPagina - kMargineAlto) / altezzaRiga;
    const auto pagine = VistaRegistro::pagineRighe(int(griglia.righe.size()), primaPagina, altrePagine);
    for (int p = 0; p < pagine.size(); ++p) {
        if (p > 0) {
            if (!stampante.newPage())
                return false;
            tabella.y0 = kMargineAlto;
        }
        stampaTabella(pittore, pagina, tabella, griglia, pagine.at(p).first, pagine.at(p).second);
    }

    pagina.font(fontInTwips(QStringLiteral("Arial"), 12));
    if (!griglia.chiusura.isEmpty()) {
        if (pagina.y() + 2 * pagina.altezzaLinea() > altezzaPagina) {
            if (!stampante.newPage())
                return false;
            pagina.vaiA(kMargineAlto);
        }
        pagina.riga(0, griglia.chiusura);
    }
    return pittore.end();
}
